// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/TStringList.h"

void TStringList::SetDelimitedText(QStringView text)
{
    m_strings = DelimitedText::Split(text, Delimiter, QuoteChar);
}
