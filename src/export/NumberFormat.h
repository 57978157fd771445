// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The text a number shows in a cell with a number format, for the width an
// auto-fit gives its column.  Knows the date and time codes the program
// writes (d, dd, m, mm, yy, yyyy, h, hh, [h], s, ss, with literal text in
// quotes or after a backslash); any other format shows the number as it is.
// Seconds are rounded, as a spreadsheet shows them.  QtCore only.

#include <QString>
#include <QStringView>

namespace NumberFormat {

// Game times and lengths: hours not cut at a day.
inline constexpr const char *Duration = "[h]:mm:ss";
// Wall-clock times, as dates and times are written in Germany.
inline constexpr const char *DateTime = "d.m.yyyy hh:mm:ss";

inline constexpr double MsPerDay = 86400000.0;
// Day 0 of a sheet's dates is 30.12.1899; 1.1.1970 is day 25569.
inline constexpr double UnixEpochDay = 25569.0;

QString Display(double value, QStringView format);

} // namespace NumberFormat
