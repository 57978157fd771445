// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Cell texts that read as a time of day h:mm:ss ("0:05:07") are kept as time
// values, so a spreadsheet can sum them.  Only texts that the format h:mm:ss
// shows back unchanged count: hours 0 to 23 without a leading zero, minutes
// and seconds of two digits below 60.  QtCore only.

#include <QStringView>

#include <optional>

namespace SheetTime {

inline constexpr const char *NumberFormat = "h:mm:ss";
inline constexpr int SecondsPerDay = 24 * 60 * 60;

// The time as seconds since midnight, or nothing when the text is no such time.
std::optional<int> Seconds(QStringView text);
// The time as a fraction of a day, the way a sheet stores times.
std::optional<double> DayFraction(QStringView text);

} // namespace SheetTime
