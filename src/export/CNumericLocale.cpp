// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/CNumericLocale.h"

CNumericLocale::CNumericLocale()
{
    // A copy of the thread's present locale with the numbers alone replaced,
    // so that texts keep the user's character set.
    const locale_t copy = duplocale(uselocale(locale_t{}));
    if (copy == locale_t{})
        return;
    m_locale = newlocale(LC_NUMERIC_MASK, "C", copy);
    if (m_locale == locale_t{}) {
        freelocale(copy); // a failed newlocale leaves its base to the caller
        return;
    }
    m_previous = uselocale(m_locale);
}

CNumericLocale::~CNumericLocale()
{
    if (m_locale == locale_t{})
        return;
    uselocale(m_previous);
    freelocale(m_locale);
}
