// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/RulesJudge.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "support/RulesGameOf.h"

namespace {

PlayingRules Preset(const char *name)
{
    const std::optional<PlayingRules> rules = PlayingRuleSets::Named(QString::fromUtf8(name));
    EXPECT_TRUE(rules) << name;
    return rules.value_or(PlayingRules{});
}

// A game of team 1 (`players` lines "N Kind N") up to `gameMs`, its spells
// given in game time.
RulesGame GameOf(const PlayingRules &rules, int players, const std::vector<std::vector<RulesLine::Spell>> &spells,
                 std::int64_t gameMs)
{
    std::vector<RulesLine> lines(std::size_t(std::max(players, 0)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].Text = QStringLiteral(" %1 Kind %1").arg(i + 4);
        if (i < spells.size())
            lines[i].Spells = spells[i];
    }
    return RulesGameOf(rules.Format, std::move(lines), gameMs);
}

// Whole periods on court: "XX..XX.." for each player, one character a period;
// consecutive periods are one spell, as a line left checked over a break is.
std::vector<std::vector<RulesLine::Spell>> Lineups(const PlayingRules &rules, const std::vector<const char *> &rows)
{
    std::vector<std::vector<RulesLine::Spell>> spells;
    for (const char *row : rows) {
        std::vector<RulesLine::Spell> mine;
        for (int p = 0; row[p] != '\0'; ++p) {
            if (row[p] != 'X')
                continue;
            const std::int64_t on = p * rules.Format.PeriodMs;
            if (!mine.empty() && mine.back().OffMs == on)
                mine.back().OffMs = on + rules.Format.PeriodMs;
            else
                mine.push_back({on, on + rules.Format.PeriodMs});
        }
        spells.push_back(mine);
    }
    return spells;
}

std::int64_t Periods(const PlayingRules &rules, int count)
{
    return count * rules.Format.PeriodMs;
}

struct RuleCase
{
    const char *name;
    const char *preset;
    std::vector<const char *> lineups; // team 1, whole periods
    // The first child's verdict, and the status line after the whole game.
    const char *verdict;
    const char *status;
};

class WholeGame : public testing::TestWithParam<RuleCase>
{ };

TEST_P(WholeGame, JudgesEveryChildAndTheGame)
{
    const RuleCase &c = GetParam();
    const PlayingRules rules = Preset(c.preset);
    const RulesGame game =
        GameOf(rules, int(c.lineups.size()), Lineups(rules, c.lineups), Periods(rules, rules.Format.RegularPeriods));
    const GameVerdict verdict = RulesJudge::Judge(rules, game);
    ASSERT_EQ(verdict.Lines.size(), c.lineups.size());
    EXPECT_EQ(verdict.Lines[0].Verdict(), QString::fromUtf8(c.verdict));
    EXPECT_EQ(verdict.Status(), QString::fromUtf8(c.status));
}

// Eight children, five on court in each of eight periods: every child plays
// five (the first lines) or four times and sits out the rest.
const std::vector<const char *> FairEighths = {
    "XXXXX...", "XXXX.X..", "XXX.XX..", "XX..XXX.", "X...XXXX", ".X.X.XXX", "..XXX.XX", "...XX.XX", ".XX..X.X",
};

INSTANTIATE_TEST_SUITE_P(
    Presets, WholeGame,
    testing::Values(
        RuleCase{"EighthsKept", "Mini 8 × 4 (2–6 Achtel)", FairEighths, "erfüllt", "Alle Regeln erfüllbar"},
        RuleCase{"SeventhEighth",
                 "Mini 8 × 4 (2–6 Achtel)",
                 {"XXXXXXX.", "XXXX....", "XXX.X..X", "XX..XXX.", "X...XXXX", ".XXXX.XX", "..XXX.XX", ".X...XXX"},
                 "nicht erfüllt: 7 Achtel gespielt (höchstens 6)",
                 "4 Kind 4: 7 Achtel gespielt (höchstens 6)"},
        RuleCase{"OneEighthOnly",
                 "Mini 8 × 4 (2–6 Achtel)",
                 {"X.......", "XXXXX...", "XXXXXX..", ".XXXXXX.", "..XXXXXX", "XX...XXX", "XXX...XX", "XXXX...X"},
                 "nicht erfüllt: nur 1 Achtel gespielt",
                 "4 Kind 4: noch 1 Achtel nötig, 0 übrig"},
        RuleCase{"NeverPlayed",
                 "Mini 8 × 4 (2–6 Achtel)",
                 {"........", "XXXXXX..", "XXXXXX..", "XXXX..XX", "XX..XXXX", "..XXXXXX", "XXX..XXX", "XXX..XXX"},
                 "nicht erfüllt: nicht gespielt",
                 "4 Kind 4: noch 2 Achtel nötig, 0 übrig"},
        RuleCase{"MinutesKept",
                 "Mini 8 × 5 (10–30 Minuten)",
                 {"XXXX....", "....XXXX", "XX..XX..", "..XX..XX"},
                 "erfüllt",
                 "Alle Regeln erfüllbar"},
        RuleCase{"TooFewMinutes",
                 "Mini 8 × 5 (10–30 Minuten)",
                 {"X.......", ".XXX.XX.", "XXXXXX..", "XXXXX..."},
                 "nicht erfüllt: nur 5:00 Minuten gespielt",
                 "4 Kind 4: noch 5:00 Minuten nötig, 0:00 übrig"},
        RuleCase{"TooManyMinutes",
                 "Mini 8 × 5 (10–30 Minuten)",
                 {"XXXXXXX.", "XXXXXXXX", "XX......", "XXXXXXXX"},
                 "nicht erfüllt: 35:00 Minuten gespielt (höchstens 30:00)",
                 "4 Kind 4: 35:00 Minuten gespielt (höchstens 30:00); 5 Kind 5: 40:00 Minuten gespielt "
                 "(höchstens 30:00); 7 Kind 7: 40:00 Minuten gespielt (höchstens 30:00)"},
        RuleCase{"PlayedAndRested", "2 gespielt, 2 Pause", FairEighths, "erfüllt", "Alle Regeln erfüllbar"},
        RuleCase{"RestedOnce",
                 "2 gespielt, 2 Pause",
                 {"XXXXXXX.", "XXXX....", "XXX.X..X", "XX..XXX.", "X...XXXX", ".XXXX.XX", "..XXX.XX", ".X...XXX"},
                 "nicht erfüllt: nur 1 Achtel Pause",
                 "4 Kind 4: noch 1 Achtel Pause nötig, 0 übrig"},
        RuleCase{"WholeQuarters",
                 "2 volle Viertel",
                 {"XX..", "..XX", "X.X.", ".X.X", "XXXX", "XXXX", "XXXX"},
                 "erfüllt",
                 "Alle Regeln erfüllbar"}),
    [](const testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.name); });

TEST(RulesJudge, TwoHalfQuartersAreNotOneWholeQuarter)
{
    const PlayingRules rules = Preset("2 volle Viertel");
    const std::int64_t quarter = rules.Format.PeriodMs;
    // One whole quarter, then the second and third half each, off at the half.
    std::vector<std::vector<RulesLine::Spell>> spells(1);
    spells[0] = {{0, quarter}, {quarter + quarter / 2, 2 * quarter}, {2 * quarter, 2 * quarter + quarter / 2}};
    const RulesGame game = GameOf(rules, 1, spells, 4 * quarter);
    const GameVerdict verdict = RulesJudge::Judge(rules, game);
    EXPECT_EQ(verdict.Lines[0].PeriodsPlayed, 1);
    EXPECT_EQ(verdict.Lines[0].Verdict(), QStringLiteral("nicht erfüllt: nur 1 Viertel gespielt"));
}

// A rule of its own: three of eight periods, one in each half.
TEST(RulesJudge, APeriodInEachHalf)
{
    PlayingRules rules = Preset("Mini 8 × 4 (2–6 Achtel)");
    rules.MinPeriods = 3;
    rules.MaxPeriods = 0;
    rules.PeriodInEachHalf = true;
    const struct
    {
        const char *lineup;
        int eighthsOver;
        const char *verdict;
        bool atRisk;
    } cases[] = {
        {"XXX.....", 8, "nicht erfüllt: kein Achtel in der 2. Halbzeit", false},
        {"XXX.....", 5, "nicht erfüllt: kein Achtel in der 2. Halbzeit", false},
        {"....XXX.", 8, "nicht erfüllt: kein Achtel in der 1. Halbzeit", false},
        {"XX...X..", 8, "erfüllt", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.lineup) + " after " + std::to_string(c.eighthsOver));
        const GameVerdict verdict =
            RulesJudge::Judge(rules, GameOf(rules, 1, Lineups(rules, {c.lineup}), Periods(rules, c.eighthsOver)));
        EXPECT_EQ(verdict.Lines[0].Verdict(), QString::fromUtf8(c.verdict));
        EXPECT_EQ(verdict.Lines[0].AtRisk, c.atRisk);
    }
}

TEST(RulesJudge, ASubstitutionInsideAnEighthIsNamed)
{
    const PlayingRules rules = Preset("Mini 8 × 4 (2–6 Achtel)");
    const std::int64_t eighth = rules.Format.PeriodMs;
    std::vector<std::vector<RulesLine::Spell>> spells = Lineups(rules, FairEighths);
    // The first child leaves a minute into the third eighth instead of at its end.
    spells[0] = {{0, 2 * eighth + 60000}};
    const GameVerdict verdict = RulesJudge::Judge(rules, GameOf(rules, int(spells.size()), spells, 8 * eighth));
    EXPECT_EQ(verdict.Changes, QStringList{QStringLiteral("Wechsel im 3. Achtel")});
    EXPECT_FALSE(verdict.Feasible);
}

// A child kept on the bench through the first eighths: at risk once what it
// needs takes every eighth that is left, impossible after that.
TEST(RulesJudge, FeasibilityIsJudgedEighthByEighth)
{
    const PlayingRules rules = Preset("Mini 8 × 4 (2–6 Achtel)");
    const std::vector<const char *> lineups = {"......XX", "XXXXXX..", "XXXXXX..", "XXXX..XX",
                                               "XX..XXXX", "..XXXXXX", "XXX..XXX", "XXX..XXX"};
    const struct
    {
        int eighthsOver;
        bool atRisk;
        const char *status;
    } steps[] = {
        {0, false, "Alle Regeln erfüllbar"},
        {5, false, "Alle Regeln erfüllbar"},
        {6, true, "4 Kind 4: noch 2 Achtel nötig, 2 übrig"},
        {8, false, "Alle Regeln erfüllbar"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.eighthsOver);
        const RulesGame game = GameOf(rules, 8, Lineups(rules, lineups), Periods(rules, step.eighthsOver));
        const GameVerdict verdict = RulesJudge::Judge(rules, game);
        EXPECT_EQ(verdict.Lines[0].AtRisk, step.atRisk);
        EXPECT_EQ(verdict.Status(), QString::fromUtf8(step.status));
    }
    // Kept off the court in the seventh too, it can no longer reach two.
    std::vector<const char *> late = lineups;
    late[0] = ".......X";
    const GameVerdict verdict = RulesJudge::Judge(rules, GameOf(rules, 8, Lineups(rules, late), Periods(rules, 7)));
    EXPECT_EQ(verdict.Lines[0].Open, QStringList{QStringLiteral("noch 2 Achtel nötig, 1 übrig")});
    EXPECT_FALSE(verdict.Feasible);
    EXPECT_EQ(RulesJudge::PeriodUnderWay(rules, GameOf(rules, 8, {}, Periods(rules, 7) - 1000)),
              QStringLiteral("7. Achtel"));
}

TEST(RulesJudge, TheStartQuestionNamesEachProblem)
{
    const PlayingRules rules = Preset("Mini 8 × 4 (2–6 Achtel)");
    const std::vector<const char *> lineups = {"XXXXXX..", "XXXXX...", "XXXX....", "XXX.....", "XX......", "......."};
    // After six eighths, the first child on court again would play a seventh;
    // four children are one too few.
    const RulesGame atBreak = GameOf(rules, 6, Lineups(rules, lineups), Periods(rules, 6));
    EXPECT_EQ(RulesJudge::StartProblems(rules, atBreak, {true, true, true, true, false, false}),
              (QStringList{QStringLiteral("Mannschaft 1: 4 Spieler auf dem Feld, die Regeln sehen 5 vor"),
                           QStringLiteral("Mannschaft 2: 0 Spieler auf dem Feld, die Regeln sehen 5 vor"),
                           QStringLiteral("4 Kind 4: wäre das 7. Achtel (höchstens 6)")}));
    // Halfway through the sixth eighth, a new line-up is a substitution inside it.
    const RulesGame midway = GameOf(rules, 6, Lineups(rules, lineups), Periods(rules, 6) - 120000);
    const QStringList problems = RulesJudge::StartProblems(rules, midway, {false, true, true, true, true, true});
    EXPECT_TRUE(problems.contains(
        QStringLiteral("Wechsel mitten im 6. Achtel: nur in den Pausen zwischen den Abschnitten erlaubt")))
        << problems.join(QLatin1Char('\n')).toStdString();
    // Without rules nothing is asked.
    EXPECT_TRUE(RulesJudge::StartProblems(Preset("Keine Regeln"), atBreak, {}).isEmpty());
}

} // namespace
