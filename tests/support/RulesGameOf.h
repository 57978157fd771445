// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A game for the rules' judge, made from each line's spells on court in game
// time, as the judge's tests and benchmarks write their games: the regular
// periods begun by `gameMs` under `format`, every spell cut at the clock
// (what lies past it has not happened yet), and each line's running time in
// each period from the spells' overlaps with it.

#include <algorithm>
#include <vector>

#include "timing/PeriodSchedule.h"
#include "timing/RulesJudge.h"

// `lines` hold Team, Text and Spells; the rest is filled in.
inline RulesGame RulesGameOf(const GameFormat &format, std::vector<RulesLine> lines, std::int64_t gameMs)
{
    RulesGame game;
    game.GameMs = gameMs;
    const std::vector<SchedulePeriod> begun =
        PeriodSchedule(format).PeriodsBefore(std::max<std::int64_t>(gameMs, 1)).value_or(std::vector<SchedulePeriod>{});
    std::copy_if(begun.begin(), begun.end(), std::back_inserter(game.Periods),
                 [](const SchedulePeriod &period) { return !period.Overtime; });
    for (RulesLine &line : lines) {
        std::vector<RulesLine::Spell> played;
        for (const RulesLine::Spell &spell : line.Spells) {
            if (spell.OnMs < gameMs)
                played.push_back({spell.OnMs, std::min(spell.OffMs, gameMs)});
        }
        line.Spells = std::move(played);
        line.PeriodMs.clear();
        line.TotalMs = 0;
        for (const SchedulePeriod &period : game.Periods) {
            std::int64_t ms = 0;
            for (const RulesLine::Spell &spell : line.Spells)
                ms += std::max<std::int64_t>(
                    0, std::min(spell.OffMs, period.EndMs) - std::max(spell.OnMs, period.BeginMs));
            line.PeriodMs.push_back(ms);
            line.TotalMs += ms;
        }
        game.Lines.push_back(std::move(line));
    }
    return game;
}
