// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

#include "AllocationCounter.h"
#include "support/RulesGameOf.h"
#include "timing/PeriodSchedule.h"
#include "timing/RulesJudge.h"

namespace {

constexpr int LinesPerTeam = 25;

PlayingRules MiniEighths()
{
    return PlayingRuleSets::Named(QString::fromUtf8("Mini 8 × 4 (2–6 Achtel)")).value_or(PlayingRules{});
}

// Two teams of 25 lines over the eight periods of the rules, cut at
// `gameMs`.  Five of a team play each period, the next five the period
// after (so fifteen play two periods, ten one); two time-outs split every
// period into three spells, and in the third period one player of each
// team is substituted at half time.  Period times are the spells' overlaps
// with the periods begun.
RulesGame FiftyPlayerGame(const PlayingRules &rules, std::int64_t gameMs)
{
    const std::int64_t length = rules.Format.PeriodMs;
    std::vector<std::vector<RulesLine::Spell>> spells(2 * LinesPerTeam);
    for (int team = 0; team < 2; ++team) {
        for (int p = 0; p < rules.Format.RegularPeriods; ++p) {
            const std::int64_t begin = p * length;
            const std::int64_t stops[] = {begin, begin + length / 3, begin + 2 * length / 3, begin + length};
            for (int k = 0; k < rules.OnCourt; ++k) {
                const int row = team * LinesPerTeam + (p * rules.OnCourt + k) % LinesPerTeam;
                for (int s = 0; s < 3; ++s)
                    spells[std::size_t(row)].push_back({stops[s], stops[s + 1]});
            }
            if (p == 2) {
                // The first of its five goes off at half time; one of the fifth eighth's five comes on.
                const int off = team * LinesPerTeam + (p * rules.OnCourt) % LinesPerTeam;
                const int on = team * LinesPerTeam + ((p + 1) * rules.OnCourt + rules.OnCourt) % LinesPerTeam;
                const std::int64_t change = begin + length / 2;
                auto &leaving = spells[std::size_t(off)];
                std::erase_if(leaving, [change](const RulesLine::Spell &spell) { return spell.OnMs >= change; });
                leaving.back().OffMs = change;
                spells[std::size_t(on)].push_back({change, begin + 2 * length / 3});
                spells[std::size_t(on)].push_back({begin + 2 * length / 3, begin + length});
            }
        }
    }
    for (auto &mine : spells)
        std::sort(mine.begin(), mine.end(),
                  [](const RulesLine::Spell &a, const RulesLine::Spell &b) { return a.OnMs < b.OnMs; });

    std::vector<RulesLine> lines(std::size_t(2 * LinesPerTeam));
    for (int row = 0; row < 2 * LinesPerTeam; ++row) {
        RulesLine &line = lines[std::size_t(row)];
        line.Team = row < LinesPerTeam ? 1 : 2;
        const int number = row % LinesPerTeam + 4;
        line.Text = QStringLiteral("%1 Spieler Nummer %1, %2")
                        .arg(number, 2)
                        .arg(line.Team == 1 ? QStringLiteral("Heim") : QStringLiteral("Gast"));
        line.Spells = spells[std::size_t(row)];
    }
    return RulesGameOf(rules.Format, std::move(lines), gameMs);
}

// One judgement of the 50-player game with `periods` of its periods played,
// the clock standing in the break after them.
void JudgeFiftyPlayers(benchmark::State &state, int periods)
{
    const PlayingRules rules = MiniEighths();
    const RulesGame game = FiftyPlayerGame(rules, periods * rules.Format.PeriodMs);
    const GameVerdict check = RulesJudge::Judge(rules, game);
    if (!rules.Active() || game.Periods.size() != std::size_t(periods) || check.Lines.size() != 50
        || check.Changes.isEmpty()) {
        state.SkipWithError("the game is not two teams of 25 judged by the Mini eighths");
        return;
    }
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        const GameVerdict verdict = RulesJudge::Judge(rules, game);
        benchmark::DoNotOptimize(verdict.Feasible);
    }
    state.counters["allocations_per_judgement"] =
        benchmark::Counter(double(AllocationCounter::Count() - before), benchmark::Counter::kAvgIterations);
    state.SetLabel(QStringLiteral("2 x 25 lines, %1 of 8 periods, target < 1 ms").arg(periods).toStdString());
}

// At the break after the fourth eighth: what each still needs against what is left.
void BM_RulesJudge50PlayersAtBreak(benchmark::State &state)
{
    JudgeFiftyPlayers(state, 4);
}
BENCHMARK(BM_RulesJudge50PlayersAtBreak)->Unit(benchmark::kMicrosecond);

// After the last eighth: the final verdict of every line.
void BM_RulesJudge50PlayersAtEnd(benchmark::State &state)
{
    JudgeFiftyPlayers(state, 8);
}
BENCHMARK(BM_RulesJudge50PlayersAtEnd)->Unit(benchmark::kMicrosecond);

// The check of a START at the break after the fourth eighth, with the next
// five of each team ticked: a team count, a judgement and every player on court.
void BM_RulesStartProblems50Players(benchmark::State &state)
{
    const PlayingRules rules = MiniEighths();
    const RulesGame game = FiftyPlayerGame(rules, 4 * rules.Format.PeriodMs);
    std::vector<bool> onCourt(game.Lines.size(), false);
    for (int team = 0; team < 2; ++team) {
        for (int k = 0; k < rules.OnCourt; ++k)
            onCourt[std::size_t(team * LinesPerTeam + (4 * rules.OnCourt + k) % LinesPerTeam)] = true;
    }
    if (!rules.Active() || game.Lines.size() != 50 || !RulesJudge::StartProblems(rules, game, onCourt).isEmpty()) {
        state.SkipWithError("the line-up of the fifth eighth is not a clean START");
        return;
    }
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        const QStringList problems = RulesJudge::StartProblems(rules, game, onCourt);
        benchmark::DoNotOptimize(problems.size());
    }
    state.counters["allocations_per_check"] =
        benchmark::Counter(double(AllocationCounter::Count() - before), benchmark::Counter::kAvgIterations);
    state.SetLabel("2 x 25 lines, 2 x 5 on court after 4 of 8 periods, target < 1 ms");
}
BENCHMARK(BM_RulesStartProblems50Players)->Unit(benchmark::kMicrosecond);

} // namespace
