// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Reads a written .xlsx back for the tests: each sheet's name, cells with
// their type, text or number, number format and weight, the column widths,
// the selection, the frozen panes and the page setup, and which sheet is
// shown first.  Just
// enough of ZIP (stored and deflated entries) and of the spreadsheet XML
// for that.

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

struct ReadCell
{
    enum class Type { String, Number, Boolean };
    Type type = Type::String;
    QString text; // strings
    double number = 0; // numbers and Booleans
    QString numberFormat; // format code of a number, empty for "General"
    bool bold = false;
};

struct ReadSheet
{
    QMap<QString, ReadCell> cells; // by reference: "A1", "B12"
    QMap<int, double> columnWidths; // by column, from 1
    QString selection; // sqref of the selection, empty when none
    QString sheetName;
    int frozenRows = 0; // rows above frozen panes
    int frozenColumns = 0;
    // Printing, with the file format's defaults where the file says nothing.
    bool landscape = false;
    bool fitToPage = false; // scaled to fitToWidth by fitToHeight pages
    int fitToWidth = 1; // 0: as many as it takes
    int fitToHeight = 1;
    QString printTitles; // the rows repeated on every page: "Abschnitte!$1:$1"; empty when none
};

struct ReadBook
{
    QList<ReadSheet> sheets; // in tab order
    int activeSheet = 0; // shown first, from 0
};

namespace XlsxReadBack {

// The entries of a ZIP file by name; nothing when it is no readable ZIP.
std::optional<QMap<QString, QByteArray>> Unzip(const QString &path);
// The first sheet.
std::optional<ReadSheet> Read(const QString &path);
std::optional<ReadBook> ReadAll(const QString &path);

} // namespace XlsxReadBack
