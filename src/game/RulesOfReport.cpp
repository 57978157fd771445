// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/RulesOfReport.h"

RulesGame RulesGameOf(const GameReport &report)
{
    RulesGame game;
    game.GameMs = report.GameMs;
    std::size_t regular = 0;
    for (const ReportPeriod &period : report.Periods) {
        if (period.Overtime)
            break;
        SchedulePeriod schedule;
        schedule.Number = int(++regular);
        schedule.OrdinalInKind = schedule.Number;
        schedule.BeginMs = period.BeginMs;
        schedule.EndMs = period.EndMs;
        game.Periods.push_back(schedule);
    }
    for (const ReportLine &line : report.Lines) {
        RulesLine judged;
        judged.Team = line.Team;
        judged.Text = line.Text;
        judged.TotalMs = line.TotalMs;
        judged.PeriodMs.assign(line.PeriodMs.begin(),
                               line.PeriodMs.begin() + std::ptrdiff_t(std::min(regular, line.PeriodMs.size())));
        for (const ReportChange &change : report.Changes) {
            const auto *stint = std::get_if<ReportStint>(&change);
            if (stint && stint->Team == line.Team && stint->Row == line.Row && stint->Text == line.Text)
                judged.Spells.push_back({stint->OnGameMs, stint->OffGameMs});
        }
        game.Lines.push_back(judged);
    }
    return game;
}
