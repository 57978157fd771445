// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Splits one line of delimited text into fields, the way a string list reads
// its delimited text: fields may be quoted, a doubled quote inside a quoted
// field stands for one quote, and blanks (codes 1 to 32) around fields are
// skipped.  QtCore only.

#include <QChar>
#include <QStringList>
#include <QStringView>

namespace DelimitedText {

inline constexpr QChar DefaultDelimiter = u',';
inline constexpr QChar DefaultQuoteChar = u'"';

// Whether the splitter skips this character between fields.
constexpr bool IsBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

QStringList Split(QStringView text, QChar delimiter = DefaultDelimiter, QChar quote = DefaultQuoteChar);

// The quoted form of a field that Split reads back unchanged: the text in
// quotes, each quote inside doubled.
QString Quote(QStringView field, QChar quote = DefaultQuoteChar);

} // namespace DelimitedText
