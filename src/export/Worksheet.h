// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The cells of one sheet as they were put, the column widths an auto-fit
// asked for, and the selection.  Rows and columns count from 1.  QtCore only.

#include <QString>

#include <cstdint>
#include <map>
#include <utility>
#include <variant>

class Worksheet
{
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;
    static constexpr double MaxColumnWidth = 255.0;

    using Value = std::variant<QString, std::int32_t, bool>;
    using Cell = std::pair<int, int>; // row, column

    static bool IsCell(int row, int column)
    {
        return row >= 1 && row <= MaxRows && column >= 1 && column <= MaxColumns;
    }
    // The text a cell shows.
    static QString DisplayText(const Value &value);

    void SetCell(int row, int column, Value value);
    const std::map<Cell, Value> &Cells() const { return m_cells; }
    const Value *CellAt(int row, int column) const;

    // Every column from `first` to `last` that holds text gets the width of
    // its longest text; columns without text keep theirs.
    void AutoFitColumns(int first, int last);
    // Width in characters of the standard font, by column.
    const std::map<int, double> &ColumnWidths() const { return m_columnWidths; }
    static double WidthFor(int characters);

    void SelectAll() { m_allSelected = true; }
    bool AllSelected() const { return m_allSelected; }
    // The columns of the selection: all of them, or that of the active cell A1.
    std::pair<int, int> SelectedColumns() const { return m_allSelected ? std::pair(1, MaxColumns) : std::pair(1, 1); }

private:
    std::map<Cell, Value> m_cells;
    std::map<int, double> m_columnWidths;
    bool m_allSelected = false;
};
