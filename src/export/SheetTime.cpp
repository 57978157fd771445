// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/SheetTime.h"

namespace SheetTime {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int Digit(QChar c)
{
    return c.unicode() - '0';
}

} // namespace

std::optional<int> Seconds(QStringView text)
{
    // h:mm:ss or hh:mm:ss, that is 7 or 8 characters.
    const qsizetype hourDigits = text.size() - 6;
    if (hourDigits != 1 && hourDigits != 2)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool colon = i == hourDigits || i == hourDigits + 3;
        if (colon ? text[i] != QLatin1Char(':') : !IsDigit(text[i]))
            return std::nullopt;
    }
    if (hourDigits == 2 && text[0] == QLatin1Char('0'))
        return std::nullopt; // "05:07:00" would come back as "5:07:00"
    const int hours = hourDigits == 1 ? Digit(text[0]) : Digit(text[0]) * 10 + Digit(text[1]);
    const int minutes = Digit(text[hourDigits + 1]) * 10 + Digit(text[hourDigits + 2]);
    const int seconds = Digit(text[hourDigits + 4]) * 10 + Digit(text[hourDigits + 5]);
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return hours * 3600 + minutes * 60 + seconds;
}

std::optional<double> DayFraction(QStringView text)
{
    const std::optional<int> seconds = Seconds(text);
    if (!seconds)
        return std::nullopt;
    return static_cast<double>(*seconds) / SecondsPerDay;
}

} // namespace SheetTime
