// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game time as the bench types it when setting the clock: minutes and
// seconds, "MM:SS".  Unlike the clock's digits the minutes do not wrap at
// 60, so a long game reads "75:10".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace GameTimeText {

// "MM:SS" for a game time, rounded to the second the clock shows for it
// (a second counts from 550 ms on); at least two digits of minutes.
// Negative times read "00:00".
std::string Format(std::int32_t milliseconds);

// "MM:SS" of a number of whole seconds, without rounding.
std::string FormatSeconds(std::int32_t seconds);

// The milliseconds of a text of one to three digits of minutes, a colon and
// two digits of seconds below 60 ("7:05", "12:34", "75:10"); blanks around
// it are allowed.  Nothing for any other text.  Three digits of minutes keep
// far beyond any game, and the milliseconds well inside 32 bits.
std::optional<std::int32_t> Parse(std::string_view text);

} // namespace GameTimeText
