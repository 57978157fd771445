// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The period format games are played by, kept beside the window geometry in
// the per-user settings store (organisation "Velmarin", application = the
// executable's name without its last extension) as the whole numbers
// "Periods" (regular periods), "PeriodMinutes" and "OvertimeMinutes".  It is
// written only when the user picks a format: with nothing stored the
// defaults hold (4 x 10 minutes, overtimes of 5) and no settings file is
// created.  A stored value that is missing, no whole number or out of range
// reads as its default; the others still count.

#include <QString>

#include <array>

#include "history/GameRecord.h"

class GameFormatSetting
{
public:
    static constexpr int MaxPeriods = 20;
    static constexpr int MaxMinutes = 60;

    explicit GameFormatSetting(QString applicationName);

    GameFormat Read() const;
    // Writes the three values; false when the format cannot be stored (not
    // whole minutes, out of range) or the store could not be written.
    bool Write(const GameFormat &format) const;

    // Whether the setting can hold the format: 1 to 20 periods, periods and
    // overtimes of 1 to 60 whole minutes.
    static bool IsStorable(const GameFormat &format);

private:
    QString m_applicationName;
};

// A format the clock's context menu offers: the number and length of the
// regular periods.  Picking one keeps the overtime length as it is.
struct CommonGameFormat
{
    const char *Caption; // UTF-8, German; the menu translates it (context "ClockMenu")
    int Periods;
    int PeriodMinutes;

    // `current` with this format's regular periods.
    GameFormat AppliedTo(GameFormat current) const;
    // Whether `format` has this format's regular periods.
    bool Matches(const GameFormat &format) const;
};

inline constexpr std::array<CommonGameFormat, 4> CommonGameFormats{{
    {QT_TRANSLATE_NOOP("ClockMenu", "4 × 10 Minuten"), 4, 10},
    {QT_TRANSLATE_NOOP("ClockMenu", "4 × 12 Minuten"), 4, 12},
    {QT_TRANSLATE_NOOP("ClockMenu", "4 × 8 Minuten"), 4, 8},
    {QT_TRANSLATE_NOOP("ClockMenu", "8 × 5 Minuten"), 8, 5},
}};
