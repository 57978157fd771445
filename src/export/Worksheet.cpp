// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/Worksheet.h"

#include <QList>

#include <algorithm>

QString Worksheet::DisplayText(const Value &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *number = std::get_if<std::int32_t>(&value))
        return QString::number(*number);
    return std::get<bool>(value) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
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
        const int length = static_cast<int>(DisplayText(value).toUcs4().size());
        int &widest = longest[column];
        widest = std::max(widest, length);
    }
    for (const auto &[column, characters] : longest) {
        if (characters > 0)
            m_columnWidths[column] = WidthFor(characters);
    }
}
