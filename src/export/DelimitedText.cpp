// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/DelimitedText.h"

namespace DelimitedText {

namespace {

// Reads the quoted field that starts at `pos` (on the opening quote) and
// leaves `pos` behind its closing quote, or at the end of the text when the
// field is never closed.
QString ReadQuoted(QStringView text, qsizetype &pos, QChar quote)
{
    const qsizetype size = text.size();
    QString field;
    ++pos;
    while (pos < size) {
        const QChar c = text[pos];
        if (c != quote) {
            field.append(c);
            ++pos;
            continue;
        }
        if (pos + 1 < size && text[pos + 1] == quote) {
            field.append(quote);
            pos += 2;
            continue;
        }
        ++pos; // the closing quote
        return field;
    }
    // No closing quote: the field ends one character short of the text's end.
    // A character beyond the basic plane is two code units and goes whole.
    const bool pairAtEnd =
        field.size() >= 2 && field.back().isLowSurrogate() && field[field.size() - 2].isHighSurrogate();
    field.chop(pairAtEnd ? 2 : 1);
    return field;
}

void SkipBlanks(QStringView text, qsizetype &pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
}

} // namespace

QStringList Split(QStringView text, QChar delimiter, QChar quote)
{
    QStringList fields;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    SkipBlanks(text, pos);
    while (pos < size) {
        if (text[pos] == quote) {
            fields.append(ReadQuoted(text, pos, quote));
        } else {
            const qsizetype start = pos;
            while (pos < size && !IsBlank(text[pos]) && text[pos] != delimiter)
                ++pos;
            fields.append(text.mid(start, pos - start).toString());
        }
        SkipBlanks(text, pos);
        if (pos < size && text[pos] == delimiter) {
            if (pos + 1 == size)
                fields.append(QString());
            ++pos;
            SkipBlanks(text, pos);
        }
    }
    return fields;
}

QString Quote(QStringView field, QChar quote)
{
    QString quoted;
    quoted.reserve(field.size() + 2);
    quoted.append(quote);
    for (const QChar c : field) {
        quoted.append(c);
        if (c == quote)
            quoted.append(quote);
    }
    quoted.append(quote);
    return quoted;
}

} // namespace DelimitedText
