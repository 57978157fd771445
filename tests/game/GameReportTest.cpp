// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The game report on scripted games played through the real ledger: period
// times, spells on court and clock settings, and in every game the period
// times adding up to the totals the roster shows.

#include "game/GameReport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <ostream>
#include <tuple>

#include "LedgerGame.h"
#include "game/GameReplay.h"
#include "history/PayloadCodec.h"
#include "timing/ShownTime.h"

// Readable QStrings in failure messages (found by argument-dependent lookup).
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr std::int64_t Minute = 60000;

QStringList Roster(int players, int team)
{
    QStringList lines;
    for (int i = 1; i <= players; ++i)
        lines.append(QStringLiteral("%1 Spieler %2/%3").arg(i + 3, 2).arg(team).arg(i));
    return lines;
}

GameReport ReportOf(const StoredGame &game)
{
    const GameResult<GameReport> report = GameReport::Of(game);
    if (!report)
        ADD_FAILURE() << report.Error.toStdString();
    return report.Value.value_or(GameReport{});
}

std::vector<ReportStint> Stints(const GameReport &report)
{
    std::vector<ReportStint> stints;
    for (const ReportChange &change : report.Changes) {
        if (const auto *stint = std::get_if<ReportStint>(&change))
            stints.push_back(*stint);
    }
    return stints;
}

std::vector<ReportClockSet> ClockSets(const GameReport &report)
{
    std::vector<ReportClockSet> sets;
    for (const ReportChange &change : report.Changes) {
        if (const auto *set = std::get_if<ReportClockSet>(&change))
            sets.push_back(*set);
    }
    return sets;
}

const ReportLine &LineOf(const GameReport &report, int team, int row)
{
    for (const ReportLine &line : report.Lines) {
        if (line.Team == team && line.Row == row)
            return line;
    }
    static const ReportLine none{};
    ADD_FAILURE() << "no line " << row << " of team " << team;
    return none;
}

// The sums the report promises, for every line of the current rosters: its
// period times add up to its total, the total is what the roster shows, and
// the spells at its position add up to it as well; exactly, and in the whole
// seconds written, where each spell also ends at its start plus its length
// and the periods counted are those that show time.  Untimed lines have no
// times at all.
void ExpectExactSums(const GameReport &report, const LedgerGame &game)
{
    std::size_t index = 0;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const QStringList &lines = game.Lines(team);
        for (int row = 0; row < lines.size(); ++row, ++index) {
            ASSERT_LT(index, report.Lines.size());
            const ReportLine &line = report.Lines[index];
            SCOPED_TRACE(testing::Message() << "team " << team << ", row " << row);
            EXPECT_EQ(line.Team, team);
            EXPECT_EQ(line.Row, row);
            EXPECT_EQ(line.Text, lines[row]);
            EXPECT_LE(std::size_t(line.PeriodsOnCourt), report.Periods.size());
            std::int64_t stintSum = 0;
            std::int64_t shownStintSum = 0;
            for (const ReportStint &stint : Stints(report)) {
                if (stint.Team == team && stint.Row == row) {
                    stintSum += stint.LengthMs;
                    shownStintSum += stint.ShownLengthMs;
                    if (stint.Timed)
                        EXPECT_EQ(stint.ShownOffMs - stint.ShownOnMs, stint.ShownLengthMs);
                    EXPECT_EQ(stint.ShownOnMs % 1000, 0);
                }
            }
            if (row < PlayingTimeLedger::RowsPerTeam) {
                EXPECT_TRUE(line.Timed);
                ASSERT_EQ(line.PeriodMs.size(), report.Periods.size());
                for (const std::int64_t ms : line.PeriodMs)
                    EXPECT_GE(ms, 0);
                EXPECT_EQ(std::accumulate(line.PeriodMs.begin(), line.PeriodMs.end(), std::int64_t(0)), line.TotalMs);
                EXPECT_EQ(line.TotalMs, game.Shown(team, row));
                EXPECT_EQ(stintSum, line.TotalMs);
                const std::int64_t shownTotal = ShownTime::Ms(line.TotalMs);
                EXPECT_EQ(std::accumulate(line.ShownPeriodMs.begin(), line.ShownPeriodMs.end(), std::int64_t(0)),
                          shownTotal);
                EXPECT_EQ(shownStintSum, shownTotal);
                EXPECT_EQ(line.PeriodsOnCourt,
                          std::count_if(line.ShownPeriodMs.begin(), line.ShownPeriodMs.end(),
                                        [](std::int64_t ms) { return ms > 0; }));
            } else {
                EXPECT_FALSE(line.Timed);
                EXPECT_TRUE(line.PeriodMs.empty());
                EXPECT_EQ(line.TotalMs, 0);
                EXPECT_EQ(stintSum, 0);
            }
        }
    }
    EXPECT_EQ(index, report.Lines.size());
    EXPECT_EQ(report.GameMs, game.GameMs());
}

// The totals are the times a recovery brings back.
void ExpectReplayAgrees(const GameReport &report, const StoredGame &game)
{
    const GameResult<RecoveredGame> replay = GameReplay::Replay(game);
    ASSERT_TRUE(replay) << replay.Error.toStdString();
    for (const ReportLine &line : report.Lines) {
        if (line.Timed) {
            EXPECT_EQ(line.TotalMs, replay.Value->Teams[std::size_t(line.Team - 1)].Elapsed[std::size_t(line.Row)])
                << "team " << line.Team << ", row " << line.Row;
        }
    }
    EXPECT_EQ(report.GameMs, replay.Value->GameMs);
}

// The report of a game played on the real ledger, checked against the
// ledger and against the replay, which reads the game the same way.
GameReport CheckedReport(const LedgerGame &game)
{
    GameReport report = ReportOf(game.Game());
    ExpectExactSums(report, game);
    ExpectReplayAgrees(report, game.Game());
    return report;
}

std::vector<QString> Labels(const GameReport &report)
{
    std::vector<QString> labels;
    for (const ReportPeriod &period : report.Periods)
        labels.push_back(period.Label);
    return labels;
}

TEST(GameReportPeriods, AStretchAcrossABoundaryIsSplitInProportionToTheOverlap)
{
    LedgerGame game(Roster(5, 1), Roster(5, 2));
    game.Check(1, 0).Check(1, 1).Check(2, 0).Start().Run(12 * Minute + 130).Pause();
    const GameReport report = CheckedReport(game);

    ASSERT_EQ(report.Periods.size(), 2u);
    EXPECT_EQ(report.Periods[0], (ReportPeriod{QStringLiteral("1. Abschnitt"), false, 0, 10 * Minute}));
    EXPECT_EQ(report.Periods[1], (ReportPeriod{QStringLiteral("2. Abschnitt"), false, 10 * Minute, 20 * Minute}));
    // The roster shows the last refresh, 12:00.000, not the clock's 12:00.130;
    // the 120 s past the boundary are 120130 / 720130 of the stretch.
    const ReportLine &player = LineOf(report, 1, 0);
    EXPECT_EQ(player.TotalMs, 720000);
    EXPECT_EQ(player.PeriodMs, (std::vector<std::int64_t>{599891, 120109}));
    EXPECT_EQ(player.PeriodsOnCourt, 2);
    const ReportLine &bench = LineOf(report, 1, 2);
    EXPECT_EQ(bench.PeriodMs, (std::vector<std::int64_t>{0, 0}));
    EXPECT_EQ(bench.PeriodsOnCourt, 0);

    const std::vector<ReportStint> stints = Stints(report);
    ASSERT_EQ(stints.size(), 3u);
    const ReportStint expected{1,
                               0,
                               Roster(5, 1)[0],
                               true,
                               0,
                               12 * Minute + 130,
                               720000,
                               LedgerGame::WallBeginMs,
                               LedgerGame::WallBeginMs + 12 * Minute + 130,
                               0,
                               720000,
                               720000,
                               QStringLiteral("Team 1")};
    EXPECT_EQ(stints[0], expected);
    EXPECT_EQ(stints[1].Row, 1);
    EXPECT_EQ(stints[2].Team, 2);
}

// The bench ends the first period where the clock stands (00:03 for 3.4 s
// of game time), sets the clock to 10:03 and brings a substitute on: the
// period ends at the whole second shown, so the substitute's first moments
// do not fall into the period before and he played one period, not two.
TEST(GameReportPeriods, APeriodEndedByHandEndsAtTheSecondShownAndAddsNoPeriodToTheNextPlayers)
{
    LedgerGame game(Roster(6, 1), {});
    for (int row = 0; row < 5; ++row)
        game.Check(1, row);
    game.Start().Run(3400).Pause().EndPeriod(1).SetClock(10 * Minute + 3000);
    game.Check(1, 0, false).Check(1, 5).Start().Run(2000).Pause();
    const GameReport report = CheckedReport(game);

    ASSERT_EQ(report.Periods.size(), 3u);
    EXPECT_EQ(report.Periods[0].EndMs, 3000);
    EXPECT_EQ(report.Periods[1].EndMs, 10 * Minute + 3000);
    const ReportLine &substitute = LineOf(report, 1, 5);
    EXPECT_EQ(substitute.ShownPeriodMs, (std::vector<std::int64_t>{0, 0, 2000}));
    EXPECT_EQ(substitute.PeriodsOnCourt, 1);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodsOnCourt, 2);
    EXPECT_EQ(LineOf(report, 1, 1).PeriodsOnCourt, 3);
}

TEST(GameReportPeriods, APauseAtTheBoundaryPutsEachStretchInItsOwnPeriod)
{
    LedgerGame game(Roster(2, 1), {});
    game.Check(1, 0).Start().Run(10 * Minute).Pause().Start().Run(100000).Pause();
    const GameReport report = CheckedReport(game);
    // The ledger loses a millisecond at the resume: 99999 ms in the second period.
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{600000, 99999}));
}

TEST(GameReportPeriods, APeriodEndedByTheBenchHoldsTheTimeBeforeIt)
{
    LedgerGame slow(Roster(2, 1), {});
    slow.Check(1, 0).Start().Run(598000).Pause().EndPeriod(1).Start().Run(3 * Minute).Pause();
    GameReport report = CheckedReport(slow);
    ASSERT_EQ(report.Periods.size(), 2u);
    EXPECT_EQ(report.Periods[0].EndMs, 598000);
    EXPECT_EQ(report.Periods[1].BeginMs, 598000);
    EXPECT_EQ(report.Periods[1].EndMs, 1198000);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{598000, 179999}));

    // The bench's clock ran past 10:00 before the whistle and shows 10:00:
    // the period ends there, and the 0.4 s past it, which show as no second,
    // stay with the first period until the clock runs on.
    LedgerGame fast(Roster(2, 1), {});
    fast.Check(1, 0).Start().Run(600400).Pause().EndPeriod(1);
    report = CheckedReport(fast);
    ASSERT_EQ(report.Periods.size(), 1u);
    EXPECT_EQ(report.Periods[0].EndMs, 600000);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{600400}));
    fast.Start().Run(1000).Pause();
    report = CheckedReport(fast);
    ASSERT_EQ(report.Periods.size(), 2u);
    EXPECT_EQ(report.Periods[1].BeginMs, 600000);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{600000, 1399}));
    EXPECT_EQ(LineOf(report, 1, 0).ShownPeriodMs, (std::vector<std::int64_t>{600000, 1000}));

    // Ended while the clock runs: the stretch is split at that moment.
    LedgerGame running(Roster(2, 1), {});
    running.Check(1, 0).Start().Run(590000).EndPeriod(1).Run(10000).Pause();
    report = CheckedReport(running);
    ASSERT_EQ(report.Periods.size(), 2u);
    EXPECT_EQ(report.Periods[0].EndMs, 590000);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{590000, 10000}));
}

TEST(GameReportPeriods, OvertimesFollowTheRegularPeriodsAsLongAsTheGameGoesOn)
{
    LedgerGame game(Roster(3, 1), Roster(1, 2));
    game.Check(1, 0).Check(2, 0);
    for (int stretch = 0; stretch < 4; ++stretch)
        game.Start().Run(9 * Minute + 30000).Pause();
    game.Start().Run(2 * Minute).Pause(); // 40:00
    game.Check(1, 0, false).Check(1, 1).Start().Run(2 * Minute).Pause();
    const GameReport report = CheckedReport(game);

    EXPECT_EQ(Labels(report),
              (std::vector<QString>{QStringLiteral("1. Abschnitt"), QStringLiteral("2. Abschnitt"),
                                    QStringLiteral("3. Abschnitt"), QStringLiteral("4. Abschnitt"),
                                    QStringLiteral("Verlängerung 1")}));
    EXPECT_TRUE(report.Periods[4].Overtime);
    EXPECT_EQ(report.Periods[4].BeginMs, 40 * Minute);
    EXPECT_EQ(report.Periods[4].EndMs, 45 * Minute);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodsOnCourt, 4);
    EXPECT_EQ(LineOf(report, 2, 0).PeriodsOnCourt, 5);
    const ReportLine &overtimeOnly = LineOf(report, 1, 1);
    EXPECT_EQ(overtimeOnly.PeriodsOnCourt, 1);
    EXPECT_EQ(overtimeOnly.PeriodMs, (std::vector<std::int64_t>{0, 0, 0, 0, overtimeOnly.TotalMs}));
    EXPECT_GT(overtimeOnly.TotalMs, 0);

    game.Start().Run(4 * Minute).Pause();
    EXPECT_EQ(CheckedReport(game).Periods.back().Label, QStringLiteral("Verlängerung 2"));
}

TEST(GameReportPeriods, AFormatChangeMidGameKeepsTheBoundariesAlreadyPlayed)
{
    LedgerGame game(Roster(1, 1), {});
    game.Check(1, 0).Start().Run(15 * Minute).Pause();
    game.ChangeFormat(GameFormat{4, 12 * Minute, 5 * Minute}).Start().Run(8 * Minute).Pause();
    const GameReport report = CheckedReport(game);
    ASSERT_EQ(report.Periods.size(), 3u);
    EXPECT_EQ(report.Periods[1].BeginMs, 10 * Minute);
    EXPECT_EQ(report.Periods[1].EndMs, 22 * Minute);
    EXPECT_EQ(report.Periods[2].EndMs, 34 * Minute);
    // 15:00 to 23:00 gave 479999 ms (one lost at the resume), 420000/480000 of it before 22:00.
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{600000, 300000 + 419999, 60000}));
}

// Each spell carries the name its team went by when it began: the team
// file's, or the side's number before any file (and after a load stored
// without a name, as older games have them).
TEST(GameReportLines, TeamLoadsKeepTheTimesWithThePositionsAndSpellsTheNameTheyBeganWith)
{
    const QStringList first = {QStringLiteral("4 Anna"), QStringLiteral("5 Bea"), QStringLiteral("6 Cleo")};
    const QStringList shorter = {QStringLiteral("7 Dora"), QStringLiteral("8 Eva")};
    const QStringList longer = {QStringLiteral("9 Fee"), QStringLiteral("10 Gina"), QStringLiteral("11 Hanna"),
                                QStringLiteral("12 Ida")};
    LedgerGame game(first, Roster(1, 2));
    game.Named(QStringLiteral("Adler Nord"), QString());
    game.Check(1, 0).Check(1, 1).Check(1, 2).Check(2, 0).Start().Run(5 * Minute).Pause();
    game.Check(2, 0, false).Load(1, shorter, QStringLiteral("Falken Süd")).Check(1, 0).Start().Run(2 * Minute).Pause();
    // The line at position 2 comes back with the time Cleo left there.
    game.Load(1, longer).Check(1, 2).Start().Run(Minute).Pause();
    // The same team again, the same line checked: a new spell all the same.
    game.Load(1, longer, QStringLiteral("Löwen")).Check(1, 2).Start().Run(Minute).Pause();
    const GameReport report = CheckedReport(game);

    ASSERT_EQ(report.Lines.size(), 5u);
    EXPECT_EQ(LineOf(report, 1, 0).TotalMs, 5 * Minute + 2 * Minute - 1);
    EXPECT_EQ(LineOf(report, 1, 1).TotalMs, 5 * Minute);
    EXPECT_EQ(LineOf(report, 1, 2).TotalMs, 7 * Minute - 1);
    EXPECT_EQ(LineOf(report, 1, 2).Text, QStringLiteral("11 Hanna"));
    EXPECT_EQ(LineOf(report, 1, 3).TotalMs, 0);

    using Spell = std::tuple<QString, QString, std::int64_t>;
    std::vector<Spell> spells;
    for (const ReportStint &stint : Stints(report))
        spells.emplace_back(stint.TeamName, stint.Text, stint.LengthMs);
    const QString adler = QStringLiteral("Adler Nord");
    EXPECT_EQ(spells,
              (std::vector<Spell>{{adler, first[0], 5 * Minute},
                                  {adler, first[1], 5 * Minute},
                                  {adler, first[2], 5 * Minute},
                                  {QStringLiteral("Team 2"), Roster(1, 2)[0], 5 * Minute},
                                  {QStringLiteral("Falken Süd"), shorter[0], 2 * Minute - 1},
                                  {QStringLiteral("Team 1"), longer[2], Minute},
                                  {QStringLiteral("Löwen"), longer[2], Minute - 1}}));
}

TEST(GameReportLines, LinesPastTheFiftiethHaveNoTimesButTheirSpellsAndPeriodsCount)
{
    LedgerGame game(Roster(55, 1), Roster(2, 2));
    for (int row = 48; row <= 52; ++row)
        game.Check(1, row);
    game.Start().Run(12 * Minute).Pause();
    const GameReport report = CheckedReport(game);

    ASSERT_EQ(report.Lines.size(), 57u);
    EXPECT_TRUE(LineOf(report, 1, 49).Timed);
    EXPECT_EQ(LineOf(report, 1, 49).TotalMs, 12 * Minute);
    for (const int row : {50, 51, 52}) {
        EXPECT_EQ(LineOf(report, 1, row).PeriodsOnCourt, 2);
        EXPECT_FALSE(LineOf(report, 1, row).Timed);
    }
    EXPECT_EQ(LineOf(report, 1, 53).PeriodsOnCourt, 0);
    const std::vector<ReportStint> stints = Stints(report);
    ASSERT_EQ(stints.size(), 5u);
    EXPECT_TRUE(stints[1].Timed);
    EXPECT_EQ(stints[2],
              (ReportStint{1, 50, Roster(55, 1)[50], false, 0, 12 * Minute, 0, LedgerGame::WallBeginMs,
                           LedgerGame::WallBeginMs + 12 * Minute, 0, 0, 12 * Minute, QStringLiteral("Team 1")}));
}

TEST(GameReportChanges, ASpellGoesOnAcrossPausesWhileItsLineStaysChecked)
{
    LedgerGame game(Roster(3, 1), Roster(1, 2));
    game.Check(1, 0).Check(1, 1).Check(2, 0).Start().Run(Minute).Pause();
    const std::int64_t firstPauseWall = game.WallMs();
    game.Wait(30000).Check(1, 1, false).Check(1, 2);
    // Unchecked by mistake and checked again before START: the player never left.
    game.Check(1, 0, false).Check(1, 0);
    const std::int64_t secondStartWall = game.WallMs();
    game.Start().Run(Minute).Pause();
    const GameReport report = CheckedReport(game);

    const std::vector<ReportStint> stints = Stints(report);
    ASSERT_EQ(stints.size(), 4u);
    // In game order: the spells of the first START by team and row, then the substitute.
    EXPECT_EQ(stints[0],
              (ReportStint{1, 0, Roster(3, 1)[0], true, 0, 2 * Minute, 2 * Minute - 1, LedgerGame::WallBeginMs,
                           game.WallMs(), 0, 2 * Minute, 2 * Minute, QStringLiteral("Team 1")}));
    EXPECT_EQ(stints[1],
              (ReportStint{1, 1, Roster(3, 1)[1], true, 0, Minute, Minute, LedgerGame::WallBeginMs, firstPauseWall, 0,
                           Minute, Minute, QStringLiteral("Team 1")}));
    EXPECT_EQ(stints[2].Team, 2);
    // Substituted during the pause: on at the game time of the START that followed, and its wall time.
    EXPECT_EQ(stints[3],
              (ReportStint{1, 2, Roster(3, 1)[2], true, Minute, 2 * Minute, Minute - 1, secondStartWall, game.WallMs(),
                           Minute, Minute, 2 * Minute, QStringLiteral("Team 1")}));
}

TEST(GameReportRecovery, ARecoveredGameCountsUpToItsCheckpointAndNothingOfTheLostSecond)
{
    LedgerGame game(Roster(2, 1), Roster(2, 2));
    game.Check(1, 0).Check(2, 1).Start().Run(Minute).Pause().Check(2, 1, false).Check(2, 0);
    game.Start().Run(5750).CrashAndRecover();
    EXPECT_EQ(game.GameMs(), Minute + 5000);
    GameReport report = CheckedReport(game);
    EXPECT_EQ(LineOf(report, 1, 0).TotalMs, Minute + 5000 - 1);

    game.Start().Run(Minute).Pause();
    report = CheckedReport(game);
    // The spell goes on across the recovery: the line stayed checked.
    const std::vector<ReportStint> stints = Stints(report);
    ASSERT_EQ(stints.size(), 3u);
    EXPECT_EQ(stints[0].OffGameMs, 2 * Minute + 5000);
    EXPECT_EQ(stints[0].LengthMs, LineOf(report, 1, 0).TotalMs);
}

TEST(GameReportRecovery, ResetTakenBackAndExportsChangeNothing)
{
    LedgerGame plain(Roster(2, 1), {});
    LedgerGame busy(Roster(2, 1), {});
    for (LedgerGame *game : {&plain, &busy}) {
        game->Check(1, 0).Start().Run(Minute).Pause();
        if (game == &busy)
            game->Export().UndoReset().Export();
        game->Start().Run(Minute).Pause();
    }
    const GameReport plainReport = CheckedReport(plain);
    const GameReport busyReport = CheckedReport(busy);
    EXPECT_EQ(busyReport.Lines, plainReport.Lines);
    EXPECT_EQ(Stints(busyReport), Stints(plainReport));
}

TEST(GameReportChanges, AGameWithoutActionsHasOneEmptyPeriod)
{
    LedgerGame game(Roster(2, 1), Roster(1, 2));
    const GameReport report = ReportOf(game.Game()); // nothing for the replay to bring back
    ExpectExactSums(report, game);
    ASSERT_EQ(report.Periods.size(), 1u);
    EXPECT_TRUE(report.Changes.empty());
    EXPECT_EQ(report.Lines.size(), 3u);
}

// Two on court, one on the bench, 5:00.3 played: the roster shows 5:00.2.
LedgerGame FiveMinutesPlayed()
{
    LedgerGame game(Roster(3, 1), {});
    game.Check(1, 0).Check(1, 1).Start().Run(5 * Minute + 300).Pause();
    return game;
}

TEST(GameReportCorrections, ThePlayersOnCourtAtTheLastPauseFollowTheClock)
{
    struct Case
    {
        const char *name;
        std::vector<std::int64_t> clockSetTo;
        std::int64_t onCourtTotal;
    };
    const Case cases[] = {
        {"forward", {5 * Minute + 2000}, 5 * Minute + 1900},
        {"back", {4 * Minute + 55000}, 4 * Minute + 54900},
        {"twice in one pause", {5 * Minute + 2000, 4 * Minute + 59000}, 4 * Minute + 58900},
        {"to the millisecond it showed", {5 * Minute + 200}, 5 * Minute + 100},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.name);
        LedgerGame game = FiveMinutesPlayed();
        for (const std::int64_t gameMs : each.clockSetTo)
            game.SetClock(gameMs);
        const GameReport report = CheckedReport(game);
        EXPECT_EQ(LineOf(report, 1, 0).TotalMs, each.onCourtTotal);
        EXPECT_EQ(LineOf(report, 1, 1).TotalMs, each.onCourtTotal);
        EXPECT_EQ(LineOf(report, 1, 2).TotalMs, 0);
        const std::vector<ReportStint> stints = Stints(report);
        ASSERT_EQ(stints.size(), 2u);
        EXPECT_EQ(stints[0].OffGameMs, each.clockSetTo.back());
        EXPECT_EQ(stints[0].LengthMs, each.onCourtTotal);
        // Each setting has a row of its own after the spells it changed.
        const std::vector<ReportClockSet> sets = ClockSets(report);
        ASSERT_EQ(sets.size(), each.clockSetTo.size());
        std::int64_t clock = 5 * Minute + 300;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            EXPECT_EQ(sets[i].GameMs, each.clockSetTo[i]);
            EXPECT_EQ(sets[i].DeltaMs, each.clockSetTo[i] - clock);
            clock = each.clockSetTo[i];
        }
        EXPECT_TRUE(std::holds_alternative<ReportClockSet>(report.Changes.back()));
    }
}

TEST(GameReportCorrections, ASubstitutionAfterTheClockWasSetStartsFromTheSetTime)
{
    LedgerGame game = FiveMinutesPlayed();
    game.SetClock(5 * Minute + 2000).Check(1, 0, false).Check(1, 2).Start().Run(Minute).Pause();
    const GameReport report = CheckedReport(game);
    EXPECT_EQ(LineOf(report, 1, 0).TotalMs, 5 * Minute + 1900);
    // The first refresh after the resume catches up the 100 ms the pause did not show.
    EXPECT_EQ(LineOf(report, 1, 1).TotalMs, 6 * Minute + 300 - 1 + 1700);
    EXPECT_EQ(LineOf(report, 1, 2).TotalMs, Minute - 1);

    ASSERT_EQ(report.Changes.size(), 4u);
    const auto &off = std::get<ReportStint>(report.Changes[0]);
    EXPECT_EQ(off.OffGameMs, 5 * Minute + 2000);
    EXPECT_EQ(std::get<ReportStint>(report.Changes[1]).OffGameMs, 6 * Minute + 2000);
    EXPECT_EQ(std::get<ReportClockSet>(report.Changes[2]).DeltaMs, 1700);
    const auto &on = std::get<ReportStint>(report.Changes[3]);
    EXPECT_EQ(on.Row, 2);
    EXPECT_EQ(on.OnGameMs, 5 * Minute + 2000);
}

TEST(GameReportCorrections, BeforeTheFirstStartOnlyTheClockMoves)
{
    LedgerGame game(Roster(2, 1), {});
    game.Check(1, 0).SetClock(9 * Minute).Start().Run(2 * Minute).Pause();
    const GameReport report = CheckedReport(game);
    EXPECT_EQ(LineOf(report, 1, 0).TotalMs, 2 * Minute);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{Minute, Minute}));
    ASSERT_EQ(report.Changes.size(), 2u);
    EXPECT_EQ(std::get<ReportClockSet>(report.Changes[0]),
              (ReportClockSet{9 * Minute, 9 * Minute, LedgerGame::WallBeginMs}));
    EXPECT_EQ(std::get<ReportStint>(report.Changes[1]).OnGameMs, 9 * Minute);
}

TEST(GameReportCorrections, TheClockSetBackBeforeABoundaryTakesTheTimeOutOfTheLaterPeriod)
{
    LedgerGame game(Roster(2, 1), {});
    game.Check(1, 0).Start().Run(10 * Minute + 5000).Pause().SetClock(9 * Minute + 55000);
    GameReport report = CheckedReport(game);
    ASSERT_EQ(report.Periods.size(), 1u);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{9 * Minute + 55000}));

    game.Start().Run(10000).Pause();
    report = CheckedReport(game);
    ASSERT_EQ(report.Periods.size(), 2u);
    // 9999 ms for 9:55 to 10:05, split in halves, the later half taking the odd millisecond.
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{10 * Minute - 1, 5000}));
}

TEST(GameReportCorrections, AStretchTheClockWasSetBackPastCountsWhereTheClockNowStands)
{
    // The pause showed 199 ms less than the clock; the refresh after the
    // resume catches them up, so 200 ms of running clock give 398 ms, and
    // setting the clock back to that START by 200 ms leaves the player 198 ms
    // of a stretch without length.
    LedgerGame game(Roster(2, 1), {});
    game.Check(1, 0).Start().Run(10 * Minute + 199).Pause().Start().Run(200).Pause().SetClock(10 * Minute + 199);
    const GameReport report = CheckedReport(game);
    EXPECT_EQ(LineOf(report, 1, 0).TotalMs, 10 * Minute + 198);
    // The first stretch ran 199 of its 600199 ms in the second period and
    // the one without length gives its 198 ms to the period where it ends:
    // under a second that the clock, at 10:00, does not show, so the first
    // period keeps them.
    ASSERT_EQ(report.Periods.size(), 1u);
    EXPECT_EQ(LineOf(report, 1, 0).PeriodMs, (std::vector<std::int64_t>{599801 + 199 + 198}));
}

// A valid game, taken apart in the ways a damaged or foreign history could be.
struct Refusal
{
    const char *name;
    std::function<void(StoredGame &)> damage;
    const char *words;
    bool replayToo = true; // the replay reads the game through the same reader
};

TEST(GameReportRefusals, AGameThatDoesNotFitTheRulesGetsNoReportAndASentenceWhy)
{
    LedgerGame played(Roster(3, 1), Roster(1, 2));
    played.Check(1, 0).Start().Run(Minute).Pause().Check(1, 1).Start().Run(Minute).Pause();
    const auto times = [](std::int32_t row0, std::int32_t row1) {
        TeamTimes values;
        values[0] = {row0, row1, 0};
        values[1] = {0};
        return PayloadCodec::EncodeTimes(values);
    };
    const Refusal refusals[] = {
        {"the clock still runs", [](StoredGame &game) { game.Events.pop_back(); }, "die Uhr läuft noch", false},
        {"an action is missing", [](StoredGame &game) { game.Events.erase(game.Events.begin() + 1); },
         "Aktion Nr. 2 fehlt"},
        {"unreadable times", [](StoredGame &game) { game.Events[2].Payload = "xx"; }, "unlesbare Spielzeiten"},
        {"times for another roster",
         [](StoredGame &game) {
             TeamTimes values;
             values[0] = {1, 2};
             game.Events[2].Payload = PayloadCodec::EncodeTimes(values);
         },
         "passen nicht zur Aufstellung von Mannschaft 1"},
        {"a bench player's time moved", [&](StoredGame &game) { game.Events[2].Payload = times(Minute, 5); },
         "auf der Bank (Zeile 2 von Mannschaft 1)"},
        {"a time going back", [&](StoredGame &game) { game.Events.back().Payload = times(Minute - 1, 0); },
         "läuft rückwärts"},
        {"an unknown kind of action",
         [](StoredGame &game) {
             game.Events[3].Kind = GameEventKind::Unknown;
             game.Events[3].KindName = QStringLiteral("substitution");
         },
         "unbekannte Art von Aktion „substitution“"},
        {"a check mark while the clock runs",
         [](StoredGame &game) {
             std::swap(game.Events[3], game.Events[4]);
             std::swap(game.Events[3].Sequence, game.Events[4].Sequence);
         },
         "Änderung bei laufender Uhr (Aktion 5)"},
        {"a line that is not in the roster", [](StoredGame &game) { game.Events[3].Arg2 = 7; },
         "Zeile 8 gibt es in der Aufstellung von Mannschaft 1 nicht"},
        {"a format without periods", [](StoredGame &game) { game.Opening.Format.RegularPeriods = 0; },
         "unmögliches Spielformat"},
        {"periods of a millisecond",
         [](StoredGame &game) {
             game.Opening.Format = GameFormat{1, 1, 1};
         },
         "mehr als 1000 Spielabschnitte", false}, // the replay needs no periods
        {"check marks without their lines", [](StoredGame &game) { game.Opening.Rosters[1].Checked.clear(); },
         "Mannschaft 2 ist unvollständig"},
        {"a correction the clock does not show",
         [](StoredGame &game) {
             GameEvent correction = GameEvent::Correction(game.Events.back().GameMs + 5, 0, 6);
             correction.Sequence = std::int64_t(game.Events.size()) + 1;
             game.Events.push_back(correction);
         },
         "Korrektur passt nicht"},
        {"a correction below the last START",
         [](StoredGame &game) {
             const std::int64_t clock = game.Events.back().GameMs;
             GameEvent correction = GameEvent::Correction(clock - Minute - 1, 0, -Minute - 1);
             correction.Sequence = std::int64_t(game.Events.size()) + 1;
             game.Events.push_back(correction);
         },
         "vor den letzten START"},
        {"a period number past the most periods",
         [](StoredGame &game) {
             GameEvent end = GameEvent::PeriodEnd(game.Events.back().GameMs, 0, PeriodSchedule::MaxPeriods + 1);
             end.Sequence = std::int64_t(game.Events.size()) + 1;
             game.Events.push_back(end);
         },
         "unmögliche Spielabschnittsnummer"},
        {"a period end further than the most periods reach",
         [](StoredGame &game) {
             GameEvent end = GameEvent::PeriodEnd(game.Events.back().GameMs, 0, 1, 400LL * 3600 * 1000);
             end.Sequence = std::int64_t(game.Events.size()) + 1;
             game.Events.push_back(end);
         },
         "mehr als 1000 Spielabschnitte"},
    };
    for (const Refusal &refusal : refusals) {
        StoredGame game = played.Game();
        refusal.damage(game);
        const GameResult<GameReport> report = GameReport::Of(game);
        EXPECT_FALSE(report) << refusal.name;
        EXPECT_TRUE(report.Error.startsWith(QStringLiteral("Der Spielbericht kann nicht erstellt werden: ")))
            << refusal.name;
        EXPECT_TRUE(report.Error.contains(QString::fromUtf8(refusal.words)))
            << refusal.name << ": " << report.Error.toStdString();
        const GameResult<RecoveredGame> replay = GameReplay::Replay(game);
        EXPECT_EQ(replay.Ok(), !refusal.replayToo) << refusal.name;
        if (refusal.replayToo)
            EXPECT_TRUE(replay.Error.contains(QString::fromUtf8(refusal.words)))
                << refusal.name << ": " << replay.Error.toStdString();
    }
    EXPECT_TRUE(GameReport::Of(played.Game()));
}

} // namespace
