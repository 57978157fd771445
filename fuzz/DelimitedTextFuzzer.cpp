// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Feeds arbitrary text to the delimited-text splitter that turns an export
// row into cells, and checks what must hold for every text:
//  - a quoted field reads back unchanged: splitting quote + text with its
//    quotes doubled + quote gives exactly that text, and a row of quoted
//    fields gives back every field, empty ones included;
//  - a text without quote characters splits into its runs of characters
//    that are neither blanks nor delimiters, and nothing else;
//  - no field holds more characters than the text, and a text without
//    lone surrogates never gives a field with one (a character beyond the
//    basic plane is never taken apart).
// The first byte chooses how the rest becomes text (Latin-1, UTF-8 or raw
// UTF-16) and whether a second split uses a delimiter and quote taken from
// the input.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

#include "export/DelimitedText.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool HasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return true;
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

QString MakeText(std::uint8_t mode, const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    switch (mode % 3) {
    case 0: return QString::fromLatin1(bytes, qsizetype(size));
    case 1: return QString::fromUtf8(bytes, qsizetype(size));
    default: {
        QString text;
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
        return text;
    }
    }
}

void CheckAnySplit(const QString &text, QChar delimiter, QChar quote)
{
    const QStringList fields = DelimitedText::Split(text, delimiter, quote);
    // A delimiter or quote that is half of a pair takes pairs apart by design.
    const bool validText = !HasLoneSurrogate(text) && !delimiter.isSurrogate() && !quote.isSurrogate();
    for (const QString &field : fields) {
        Require(field.size() <= text.size());
        if (validText)
            Require(!HasLoneSurrogate(field));
    }
}

// Without quote characters the fields are the runs between blanks and
// delimiters, plus the empty fields that delimiters make.
void CheckQuoteFreeSplit(const QString &text)
{
    const QChar delimiter = DelimitedText::DefaultDelimiter;
    const QStringList fields = DelimitedText::Split(text);
    QString joined;
    for (const QString &field : fields) {
        for (const QChar c : field)
            Require(!DelimitedText::IsBlank(c) && c != delimiter);
        joined += field;
    }
    QString expected;
    for (const QChar c : text) {
        if (!DelimitedText::IsBlank(c) && c != delimiter)
            expected.append(c);
    }
    Require(joined == expected);
    if (!text.contains(delimiter)) {
        // Only blanks part the fields, so none is empty.
        for (const QString &field : fields)
            Require(!field.isEmpty());
    }
}

// Quoting each part and joining with delimiters gives back every part.
void CheckQuotedRow(const QString &text, QChar delimiter, QChar quote)
{
    Require(DelimitedText::Split(DelimitedText::Quote(text, quote), delimiter, quote) == QStringList{text});

    const QStringList parts = text.split(QChar(u'\n'));
    QString row;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            row.append(delimiter);
        row += DelimitedText::Quote(parts[i], quote);
    }
    Require(DelimitedText::Split(row, delimiter, quote) == parts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0) {
        Require(DelimitedText::Split(QString()).isEmpty());
        return 0;
    }
    const std::uint8_t mode = data[0];
    const QString text = MakeText(mode, data + 1, size - 1);

    CheckAnySplit(text, DelimitedText::DefaultDelimiter, DelimitedText::DefaultQuoteChar);
    if (!text.contains(DelimitedText::DefaultQuoteChar))
        CheckQuoteFreeSplit(text);
    CheckQuotedRow(text, DelimitedText::DefaultDelimiter, DelimitedText::DefaultQuoteChar);

    // Other delimiters and quote characters, taken from the text itself.
    if ((mode & 0x80) && text.size() >= 2) {
        const QChar delimiter = text[0];
        const QChar quote = text[1];
        CheckAnySplit(text.mid(2), delimiter, quote);
        // A quote that is a blank is skipped before it is seen.
        if (!DelimitedText::IsBlank(quote) && quote != delimiter)
            CheckQuotedRow(text.mid(2), delimiter, quote);
    }
    return 0;
}
