// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A list of strings whose delimited text can be set: setting it clears the
// list and adds the fields that DelimitedText::Split finds.  QtCore only.

#include <QString>
#include <QStringList>

#include "export/DelimitedText.h"

class TStringList
{
public:
    QChar Delimiter = DelimitedText::DefaultDelimiter;
    QChar QuoteChar = DelimitedText::DefaultQuoteChar;

    void SetDelimitedText(QStringView text);
    void Clear() { m_strings.clear(); }
    void Add(const QString &s) { m_strings.append(s); }

    int Count() const { return static_cast<int>(m_strings.size()); }
    const QString &operator[](int index) const { return m_strings.at(index); }
    const QStringList &Strings() const { return m_strings; }

private:
    QStringList m_strings;
};
