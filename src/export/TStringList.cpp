#include "export/TStringList.h"

void TStringList::SetDelimitedText(QStringView text)
{
    m_strings = DelimitedText::Split(text, Delimiter, QuoteChar);
}
