// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What the hall display shows: the bench clock's four digits as it shows
// them, the period under way and, for each team, the players on court with
// their playing times.  Plain values, compared to repaint only what changed.

#include <QString>

#include <array>
#include <vector>

struct HallPlayer
{
    QString Name; // the roster line as the team file wrote it
    QString Time; // as the roster shows it beside the name
    bool operator==(const HallPlayer &) const = default;
};

struct HallBoard
{
    std::array<int, 4> Digits{}; // tens and ones of minutes, tens and ones of seconds
    bool MinuteTensLit = false; // false: the tens of minutes are dimmed, as on the bench's clock
    QString Period; // "3. Viertel"; empty when none is known
    std::array<std::vector<HallPlayer>, 2> OnCourt; // team 1 (left), team 2 (right)

    bool operator==(const HallBoard &) const = default;
};
