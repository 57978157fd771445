// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The cells of one sheet as they were put, its name, the number formats of
// its columns, its bold rows, the panes frozen at a split, the column
// widths an auto-fit asked for, the selection and how it is printed.  Rows
// and columns count from 1.  QtCore only.

#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <variant>

class Worksheet
{
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;
    static constexpr double MaxColumnWidth = 255.0;

    using Value = std::variant<QString, std::int32_t, bool, double>;
    using Cell = std::pair<int, int>; // row, column

    // How the sheet is printed; the defaults are a new sheet's, which the
    // file leaves out.
    struct PageSetup
    {
        bool Landscape = false;
        // Percent of the normal size; nothing: fitted to PagesWide by PagesTall instead.
        std::optional<int> Zoom = 100;
        // Pages across and down when fitted; 0 for as many as it takes.
        int PagesWide = 1;
        int PagesTall = 1;
        // The rows printed at the top of every page (first, last); nothing for none.
        std::optional<std::pair<int, int>> TitleRows;

        bool operator==(const PageSetup &) const = default;
    };

    explicit Worksheet(QString name = QStringLiteral("Tabelle1"))
        : m_name(std::move(name))
    { }

    static bool IsCell(int row, int column)
    {
        return row >= 1 && row <= MaxRows && column >= 1 && column <= MaxColumns;
    }
    // The text a cell shows; a number shows as its number format says.
    static QString DisplayText(const Value &value, const QString &numberFormat = {});

    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }

    void SetCell(int row, int column, Value value);
    const std::map<Cell, Value> &Cells() const { return m_cells; }
    const Value *CellAt(int row, int column) const;

    // The number format of every cell in the columns; empty: "General".
    void SetNumberFormat(int firstColumn, int lastColumn, const QString &format);
    QString NumberFormatOf(int column) const;

    void SetBold(int firstRow, int lastRow, bool bold);
    bool IsBold(int row) const { return m_boldRows.contains(row); }

    // The window's split (rows above, columns left of it) and whether the
    // panes are frozen there.
    void SetSplit(int rows, int columns);
    int SplitRows() const { return m_splitRows; }
    int SplitColumns() const { return m_splitColumns; }
    void SetPanesFrozen(bool frozen) { m_panesFrozen = frozen; }
    bool PanesFrozen() const { return m_panesFrozen; }

    // Every column from `first` to `last` that holds text gets the width of
    // its longest shown text; columns without text keep theirs.
    void AutoFitColumns(int first, int last);
    // Width in characters of the standard font, by column.
    const std::map<int, double> &ColumnWidths() const { return m_columnWidths; }
    static double WidthFor(int characters);

    const PageSetup &Page() const { return m_page; }
    void SetPage(const PageSetup &page) { m_page = page; }

    void SelectAll() { m_allSelected = true; }
    bool AllSelected() const { return m_allSelected; }
    // The columns of the selection: all of them, or that of the active cell A1.
    std::pair<int, int> SelectedColumns() const { return m_allSelected ? std::pair(1, MaxColumns) : std::pair(1, 1); }

private:
    QString m_name;
    std::map<Cell, Value> m_cells;
    std::map<int, QString> m_numberFormats;
    std::set<int> m_boldRows;
    int m_splitRows = 0;
    int m_splitColumns = 0;
    bool m_panesFrozen = false;
    std::map<int, double> m_columnWidths;
    bool m_allSelected = false;
    PageSetup m_page;
};
