// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/GameTimeText.h"

#include <algorithm>
#include <cstdio>

#include "timing/ShownTime.h"

namespace GameTimeText {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value of a run of digits; the caller has checked that all are digits.
int Number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::string FormatSeconds(std::int32_t seconds)
{
    seconds = std::max(seconds, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", int(seconds / 60), int(seconds % 60));
    return text;
}

std::string Format(std::int32_t milliseconds)
{
    return FormatSeconds(static_cast<std::int32_t>(ShownTime::Seconds(std::max<std::int64_t>(milliseconds, 0))));
}

std::optional<std::int32_t> Parse(std::string_view text)
{
    text = Trimmed(text);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view minutes = text.substr(0, colon);
    const std::string_view seconds = text.substr(colon + 1);
    if (minutes.empty() || minutes.size() > 3 || seconds.size() != 2)
        return std::nullopt;
    if (!std::all_of(minutes.begin(), minutes.end(), IsDigit) || !std::all_of(seconds.begin(), seconds.end(), IsDigit))
        return std::nullopt;
    const int secondsValue = Number(seconds);
    if (secondsValue > 59)
        return std::nullopt;
    return (Number(minutes) * 60 + secondsValue) * 1000;
}

} // namespace GameTimeText
