// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/Worksheet.h"

#include <QList>

#include <algorithm>

#include "export/NumberFormat.h"

QString Worksheet::DisplayText(const Value &value, const QString &numberFormat)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *flag = std::get_if<bool>(&value))
        return *flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    const double number =
        std::holds_alternative<double>(value) ? std::get<double>(value) : std::get<std::int32_t>(value);
    return NumberFormat::Display(number, numberFormat);
}

void Worksheet::SetCell(int row, int column, Value value)
{
    if (!IsCell(row, column))
        return;
    m_cells[{row, column}] = std::move(value);
}

const Worksheet::Value *Worksheet::CellAt(int row, int column) const
{
    const auto found = m_cells.find({row, column});
    return found == m_cells.end() ? nullptr : &found->second;
}

void Worksheet::SetNumberFormat(int firstColumn, int lastColumn, const QString &format)
{
    for (int column = std::max(firstColumn, 1); column <= std::min(lastColumn, MaxColumns); ++column) {
        if (format.isEmpty() || format.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
            m_numberFormats.erase(column);
        else
            m_numberFormats[column] = format;
    }
}

QString Worksheet::NumberFormatOf(int column) const
{
    const auto found = m_numberFormats.find(column);
    return found == m_numberFormats.end() ? QString() : found->second;
}

void Worksheet::SetBold(int firstRow, int lastRow, bool bold)
{
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, MaxRows); ++row) {
        if (bold)
            m_boldRows.insert(row);
        else
            m_boldRows.erase(row);
    }
}

void Worksheet::SetSplit(int rows, int columns)
{
    m_splitRows = std::clamp(rows, 0, MaxRows - 1);
    m_splitColumns = std::clamp(columns, 0, MaxColumns - 1);
}

double Worksheet::WidthFor(int characters)
{
    // One character of padding, as a spreadsheet's own auto-fit leaves.
    return std::min(MaxColumnWidth, characters + 1.0);
}

void Worksheet::AutoFitColumns(int first, int last)
{
    std::map<int, int> longest;
    for (const auto &[cell, value] : m_cells) {
        const int column = cell.second;
        if (column < first || column > last)
            continue;
        // Characters, not UTF-16 units: a character beyond the basic plane is one wide.
        const int length = static_cast<int>(DisplayText(value, NumberFormatOf(column)).toUcs4().size());
        int &widest = longest[column];
        widest = std::max(widest, length);
    }
    for (const auto &[column, characters] : longest) {
        if (characters > 0)
            m_columnWidths[column] = WidthFor(characters);
    }
}
