// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Where the hall display puts its parts in a window of a given size: the
// period's line at the top, the clock as large as the width allows below it
// (the digits at least 40 % of the height in any window wider than tall),
// and, when the players are shown, the two teams side by side beneath.
// Plain arithmetic, so it can be checked for any size without a window.

#include <QRect>
#include <QSize>

#include <array>

struct HallLayout
{
    // At least this many lines per team are kept free for players, so that
    // the clock does not jump when a player comes on or goes off.
    static constexpr int MinPlayerLines = 5;
    // The digits' width to their height.
    static constexpr double DigitAspect = 0.6;

    static HallLayout For(QSize size, bool players, int playerLines);

    QRect Period;
    int PeriodFontPx = 0;
    std::array<QRect, 4> Digits; // MM:SS without the colon
    std::array<QRect, 2> ColonDots;
    int Thickness = 1; // half a segment's width
    int Separation = 0; // the gap between neighbouring segments
    // Empty when the players are not shown.
    std::array<QRect, 2> Teams;
    int PlayerLines = 0;
    int PlayerFontPx = 0;

    QRect Clock() const { return Digits.front().united(Digits.back()); }
    // Line `line` (from 0) of team 0 (left) or 1 (right).
    QRect PlayerLine(int team, int line) const;
};
