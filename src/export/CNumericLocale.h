// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// For as long as it lives, the C library formats and reads numbers on the
// calling thread as in the "C" locale, with a decimal point, whatever the
// user's locale says; the thread's locale before it comes back afterwards.
// Libraries that write files with printf (the spreadsheet writer) would
// otherwise write "2,5" on a German desktop.  Only the numbers change, and
// only on this thread: other threads and the process's locale are untouched.

#include <locale.h>

class CNumericLocale
{
public:
    CNumericLocale();
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

    // False when the locale could not be made (out of memory); numbers then
    // follow the thread's locale as before.
    bool Active() const { return m_locale != locale_t{}; }

private:
    locale_t m_locale{};
    locale_t m_previous{};
};
