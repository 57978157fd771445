// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameReplay.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"
#include "ScriptedGame.h"
#include "history/PayloadCodec.h"

using namespace HistoryTest;

namespace {

const QString RefusalPrefix = QStringLiteral("Das gespeicherte Spiel kann nicht wiederhergestellt werden: ");

void Substitute(ScriptedGame &game, int team, int off, int on)
{
    game.Check(team, off, false);
    game.Check(team, on, true);
}

struct ScriptCase
{
    const char *Name;
    std::function<GameOpening()> Opening;
    std::function<void(ScriptedGame &)> Play;
};

void ExpectSameGame(const RecoveredGame &actual, const RecoveredGame &expected)
{
    for (int team = 0; team < 2; ++team) {
        SCOPED_TRACE(team + 1);
        EXPECT_EQ(actual.Teams[team].Lines, expected.Teams[team].Lines);
        EXPECT_EQ(actual.Teams[team].Checked, expected.Teams[team].Checked);
        EXPECT_EQ(actual.Teams[team].Elapsed, expected.Teams[team].Elapsed);
    }
    EXPECT_EQ(actual.GameMs, expected.GameMs);
    EXPECT_EQ(actual.WasRunning, expected.WasRunning);
    EXPECT_EQ(actual.LastSavedWallMs, expected.LastSavedWallMs);
    EXPECT_EQ(actual.Format, expected.Format);
    EXPECT_EQ(actual.PeriodsEnded, expected.PeriodsEnded);
}

void PrintTo(const ScriptCase &script, std::ostream *out)
{
    *out << script.Name;
}

class ScriptedReplay : public testing::TestWithParam<ScriptCase>
{ };

class KilledWhileRunning : public ScriptedReplay
{ };

// The replay gives exactly what the ledger showed at the last saved moment,
// from the events in memory and after a round trip through a database file.
TEST_P(ScriptedReplay, GivesTheLedgerAsItStoodAtTheLastSavedMoment)
{
    ScriptedGame game(GetParam().Opening());
    GetParam().Play(game);
    const RecoveredGame expected = game.Expected();

    const GameResult<RecoveredGame> replayed = GameReplay::Replay(game.Stored());
    ASSERT_TRUE(replayed) << replayed.Error.toStdString();
    ExpectSameGame(*replayed.Value, expected);

    QTemporaryDir temp;
    auto store = OpenStore(temp.filePath(QStringLiteral("games.db")));
    ASSERT_TRUE(store);
    const StoredGame &stored = game.Stored();
    const GameId id = StoreInOrder(*store, stored);
    const HistoryResult<StoredGame> loaded = store->LoadGame(id);
    ASSERT_TRUE(loaded) << Words(loaded).toStdString();
    const GameResult<RecoveredGame> fromFile = GameReplay::Replay(*loaded.Value);
    ASSERT_TRUE(fromFile) << fromFile.Error.toStdString();
    ExpectSameGame(*fromFile.Value, expected);
    EXPECT_EQ(fromFile.Value->Id, id);
}

// A game killed while the clock runs comes back behind the truth by less
// than one second of running time, never ahead of it.
TEST_P(KilledWhileRunning, LosesLessThanASecondOfRunningTimeAndNothingRunsAhead)
{
    ScriptedGame game(GetParam().Opening());
    GetParam().Play(game);
    ASSERT_TRUE(game.Running());
    const RecoveredGame recovered = *GameReplay::Replay(game.Stored()).Value;
    EXPECT_LE(recovered.GameMs, game.GameMs());
    EXPECT_LT(game.GameMs() - recovered.GameMs, 1000);
    for (int team = 1; team <= 2; ++team) {
        for (int row = 0; row < PlayingTimeLedger::TimedRows(int(game.Roster(team).Lines.size())); ++row) {
            const std::int32_t truth = game.TrueElapsed(team, row);
            const std::int32_t back = recovered.Teams[team - 1].Elapsed[row];
            EXPECT_LE(back, truth) << team << "/" << row;
            EXPECT_LT(truth - back, 1000) << team << "/" << row;
        }
    }
}

GameOpening TenAndTen()
{
    return SampleOpening(10, 10);
}

std::vector<ScriptCase> Scripts()
{
    return {ScriptCase{"OneStretch", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(61300);
                           game.Pause();
                       }},
            ScriptCase{"CheckMarksBeforeTheFirstStartOnly", TenAndTen,
                       [](ScriptedGame &game) { Substitute(game, 2, 4, 9); }},
            ScriptCase{"SubstitutionsBetweenStretches", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(61000);
                           game.Pause();
                           game.Stand(10000);
                           Substitute(game, 1, 0, 5);
                           Substitute(game, 2, 2, 7);
                           game.Start();
                           game.Run(30000);
                           game.Pause();
                           game.Stand(45000);
                           Substitute(game, 1, 5, 0);
                           game.Check(2, 9, true); // six on court: the program allows it
                           game.Start();
                           game.Run(12345);
                           game.Pause();
                       }},
            ScriptCase{"TeamLoadsDuringPausesShrinkAndGrowTheRoster", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(40000);
                           game.Pause();
                           game.Load(2, NumberedLines(QStringLiteral("Kurz"), 3));
                           game.Check(2, 0, true);
                           game.Check(2, 2, true);
                           game.Start();
                           game.Run(20000);
                           game.Pause();
                           // Rows 3 to 9 come back with the times they showed before the first load.
                           game.Load(2, NumberedLines(QStringLiteral("Lang"), 12));
                           for (int line = 5; line < 10; ++line)
                               game.Check(2, line, true);
                           game.Export();
                           game.Start();
                           game.Run(20000);
                           game.Pause();
                       }},
            ScriptCase{"LinesPastThe50thHaveNoTime", [] { return SampleOpening(55, 10); },
                       [](ScriptedGame &game) {
                           Substitute(game, 1, 0, 52);
                           game.Check(1, 49, true);
                           game.Start();
                           game.Run(30000);
                           game.Pause();
                           Substitute(game, 1, 49, 54);
                           game.Start();
                           game.Run(30000);
                           game.Pause();
                       }},
            ScriptCase{"RunningAtTheEndWithACheckpoint", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(61000);
                           game.Pause();
                           Substitute(game, 1, 1, 6);
                           game.Stand(3000);
                           game.Start();
                           game.Run(4300);
                       }},
            ScriptCase{"RunningAtTheEndBeforeTheFirstCheckpointOfItsStretch", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(61500);
                           game.Pause();
                           game.Start();
                           game.Run(300); // the checkpoint stored is from the stretch before
                       }},
            ScriptCase{"RunningAtTheVeryFirstStart", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(999);
                       }},
            ScriptCase{"ReservedKindsExportAndAResetTakenBack", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Record(GameEvent::FormatChange(0, 0, GameFormat{2, 1200000, 120000}));
                           game.Start();
                           game.Run(90000);
                           game.Pause();
                           game.Record(GameEvent::PeriodEnd(0, 0, 1));
                           game.Record(GameEvent::Correction(0, 0, -2500));
                           game.Export();
                           game.Record(GameEvent::ResetUndone(0, 0));
                           game.Start();
                           game.Run(5000);
                           game.Pause();
                       }},
            ScriptCase{"ClockSetForwardThenASubstitutionThenBack", TenAndTen,
                       [](ScriptedGame &game) {
                           game.Start();
                           game.Run(30000);
                           game.Pause();
                           game.Record(GameEvent::Correction(0, 0, 1870));
                           game.Check(1, 0, false);
                           game.Check(1, 7, true);
                           game.Record(GameEvent::Correction(0, 0, -400));
                           game.Start();
                           game.Run(12000);
                           game.Pause();
                           game.Record(GameEvent::Correction(0, 0, -900));
                       }},
            ScriptCase{"AWholeGameEndingWhileRunning", [] { return SampleOpening(12, 12); },
                       [](ScriptedGame &game) {
                           for (int stretch = 0; stretch < 40; ++stretch) {
                               game.Start();
                               game.Run(9000 + 777 * std::uint32_t(stretch % 7));
                               game.Pause();
                               game.Stand(20000);
                               const int team = 1 + stretch % 2;
                               const int off = stretch % 5;
                               const int on = 5 + stretch % 7;
                               if (game.Roster(team).Checked[std::size_t(on)])
                                   continue;
                               Substitute(game, team, off, on);
                           }
                           game.Start();
                           game.Run(7654);
                       }}};
}

// The scripts that end with the clock running: a kill at that moment.
std::vector<ScriptCase> ScriptsEndingWhileRunning()
{
    std::vector<ScriptCase> running;
    for (const ScriptCase &script : Scripts()) {
        ScriptedGame game(script.Opening());
        script.Play(game);
        if (game.Running())
            running.push_back(script);
    }
    return running;
}

std::string ScriptName(const testing::TestParamInfo<ScriptCase> &info)
{
    return info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(History, ScriptedReplay, testing::ValuesIn(Scripts()), ScriptName);
INSTANTIATE_TEST_SUITE_P(History, KilledWhileRunning, testing::ValuesIn(ScriptsEndingWhileRunning()), ScriptName);

// The reference game the refusals spoil: two teams of ten, a substitution
// and a team load in the pause, still running at the end with a checkpoint.
//   1 start  2 pause  3 check 1/0 off  4 check 1/5 on  5 team_load 2 (8 lines)
//   6-10 check 2/0-4 on  11 start  (checkpoint)
ScriptedGame ReferenceGame()
{
    ScriptedGame game(SampleOpening(10, 10));
    game.Start();
    game.Run(61000);
    game.Pause();
    Substitute(game, 1, 0, 5);
    game.Load(2, NumberedLines(QStringLiteral("Neu"), 8));
    for (int line = 0; line < 5; ++line)
        game.Check(2, line, true);
    game.Start();
    game.Run(5500);
    return game;
}

GameEvent &Event(StoredGame &game, int sequence)
{
    return game.Events[std::size_t(sequence - 1)];
}

void Renumber(StoredGame &game)
{
    for (std::size_t index = 0; index < game.Events.size(); ++index)
        game.Events[index].Sequence = std::int64_t(index + 1);
    if (game.Checkpoint)
        game.Checkpoint->AfterSequence = std::int64_t(game.Events.size());
}

// Changes one shown time in a pause's payload.
void SetPauseTime(GameEvent &pause, int team, int row, std::int32_t value)
{
    TeamTimes times = *PayloadCodec::DecodeTimes(pause.Payload);
    times[std::size_t(team - 1)][std::size_t(row)] = value;
    pause.Payload = PayloadCodec::EncodeTimes(times);
}

struct RefusalCase
{
    const char *Name;
    std::function<void(StoredGame &)> Spoil;
    const char *Says;
};

void PrintTo(const RefusalCase &refusal, std::ostream *out)
{
    *out << refusal.Name;
}

class Refusal : public testing::TestWithParam<RefusalCase>
{ };

// The rules a game is played by are the last ones stored while the clock stood.
TEST(ReplayedRules, AreTheLastStoredOrNone)
{
    StoredGame game = ReferenceGame().Stored();
    EXPECT_EQ(GameReplay::Replay(game).Value->RulesName, QStringLiteral("Keine Regeln"));
    const GameEvent pause = Event(game, 2); // a copy: the inserts move the events
    for (const char *name : {"Mini 8 \u00d7 4 (2\u20136 Achtel)", "2 gespielt, 2 Pause"})
        game.Events.insert(game.Events.begin() + 2,
                           GameEvent::RulesChange(pause.GameMs, pause.WallMs, QString::fromUtf8(name)));
    Renumber(game);
    EXPECT_EQ(GameReplay::Replay(game).Value->RulesName, QStringLiteral("Mini 8 \u00d7 4 (2\u20136 Achtel)"));
}

TEST_P(Refusal, AnInconsistentGameIsRefusedWhole)
{
    StoredGame game = ReferenceGame().Stored();
    // Unspoiled, the game is brought back: the refusal is the spoil's.
    const GameResult<RecoveredGame> whole = GameReplay::Replay(game);
    ASSERT_TRUE(whole) << whole.Error.toStdString();
    EXPECT_TRUE(whole.Value->WasRunning);
    EXPECT_EQ(whole.Value->GameMs, 66000);
    GetParam().Spoil(game);
    const GameResult<RecoveredGame> replayed = GameReplay::Replay(game);
    ASSERT_FALSE(replayed.Ok()) << "recovered a spoiled game";
    EXPECT_TRUE(replayed.Error.startsWith(RefusalPrefix)) << replayed.Error.toStdString();
    EXPECT_TRUE(replayed.Error.contains(QString::fromUtf8(GetParam().Says))) << replayed.Error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    History, Refusal,
    testing::Values(
        RefusalCase{"NoActions",
                    [](StoredGame &game) {
                        game.Events.clear();
                        game.Checkpoint.reset();
                    },
                    "es enthält keine Aktion"},
        RefusalCase{"AGapInTheSequence", [](StoredGame &game) { game.Events.erase(game.Events.begin() + 3); },
                    "Aktion Nr. 4 fehlt"},
        RefusalCase{"PauseBeforeAnyStart",
                    [](StoredGame &game) {
                        game.Events.erase(game.Events.begin());
                        Renumber(game);
                    },
                    "PAUSE bei stehender Uhr (Aktion 1)"},
        RefusalCase{"StartWhileRunning",
                    [](StoredGame &game) {
                        game.Events.insert(game.Events.begin() + 1, game.Events.front());
                        Renumber(game);
                    },
                    "START bei laufender Uhr (Aktion 2)"},
        RefusalCase{"CheckWhileRunning",
                    [](StoredGame &game) {
                        GameEvent check = Event(game, 3);
                        check.GameMs = 61000;
                        game.Events.push_back(check);
                        Renumber(game);
                    },
                    "Änderung bei laufender Uhr (Aktion 12)"},
        RefusalCase{"RulesWhileRunning",
                    [](StoredGame &game) {
                        game.Events.push_back(GameEvent::RulesChange(61000, 0, QStringLiteral("2 volle Viertel")));
                        Renumber(game);
                    },
                    "Änderung bei laufender Uhr (Aktion 12)"},
        RefusalCase{"UnreadableRules",
                    [](StoredGame &game) {
                        const GameEvent pause = Event(game, 2);
                        game.Events.insert(
                            game.Events.begin() + 2,
                            GameEvent::RulesChange(pause.GameMs, pause.WallMs, QString(201, QLatin1Char('R'))));
                        Renumber(game);
                    },
                    "unlesbare Regeln (Aktion 3)"},
        RefusalCase{"LineOutsideTheRoster", [](StoredGame &game) { Event(game, 10).Arg2 = 8; },
                    "Zeile 9 gibt es in der Aufstellung von Mannschaft 2 nicht"},
        RefusalCase{"NegativeLine", [](StoredGame &game) { Event(game, 3).Arg2 = -1; }, "Zeile 0 gibt es"},
        RefusalCase{"NoSuchTeam", [](StoredGame &game) { Event(game, 4).Arg1 = 3; }, "Mannschaft 3 gibt es nicht"},
        RefusalCase{"CheckMarkNeitherOnNorOff", [](StoredGame &game) { Event(game, 4).Arg3 = 2; },
                    "unmögliches Häkchen"},
        RefusalCase{"NegativeGameTime", [](StoredGame &game) { Event(game, 2).GameMs = -5; },
                    "unmögliche Spielzeit (Aktion 2)"},
        RefusalCase{"GameTimeRunsBackwardsWhileRunning",
                    [](StoredGame &game) {
                        game.Events.push_back(GameEvent::PeriodEnd(60999, 0, 1));
                        Renumber(game);
                    },
                    "Spielzeit läuft rückwärts (Aktion 12)"},
        RefusalCase{"FirstStartNotAtZero", [](StoredGame &game) { Event(game, 1).GameMs = 70000; },
                    "Spielzeit verändert, während die Uhr stand (Aktion 1)"},
        RefusalCase{"GameTimeMovesWhileTheClockStands", [](StoredGame &game) { Event(game, 5).GameMs += 1; },
                    "Spielzeit verändert, während die Uhr stand (Aktion 5)"},
        RefusalCase{"NegativePlayerTime", [](StoredGame &game) { SetPauseTime(Event(game, 2), 1, 0, -1); },
                    "Zeile 1 von Mannschaft 1 ist negativ oder größer als die Spielzeit"},
        RefusalCase{"PlayerAheadOfTheClock",
                    [](StoredGame &game) {
                        SetPauseTime(Event(game, 2), 2, 4,
                                     std::int32_t(61000 + StoredGameRules::PlayerAheadToleranceMs + 1));
                    },
                    "Zeile 5 von Mannschaft 2 ist negativ oder größer als die Spielzeit"},
        RefusalCase{"BenchPlayerWhoseTimeMoved", [](StoredGame &game) { SetPauseTime(Event(game, 2), 1, 7, 1); },
                    "auf der Bank (Zeile 8 von Mannschaft 1) hat sich verändert"},
        RefusalCase{"TimesForFewerRowsThanTheRoster",
                    [](StoredGame &game) {
                        TeamTimes times = *PayloadCodec::DecodeTimes(Event(game, 2).Payload);
                        times[0].pop_back();
                        Event(game, 2).Payload = PayloadCodec::EncodeTimes(times);
                    },
                    "die Spielzeiten passen nicht zur Aufstellung von Mannschaft 1"},
        RefusalCase{"UnreadableTimes", [](StoredGame &game) { Event(game, 2).Payload.chop(1); },
                    "unlesbare Spielzeiten"},
        RefusalCase{"UnknownKindOfAction",
                    [](StoredGame &game) {
                        Event(game, 6).Kind = GameEventKind::Unknown;
                        Event(game, 6).KindName = QStringLiteral("foul");
                    },
                    "unbekannte Art von Aktion „foul“ (Aktion 6)"},
        RefusalCase{"TeamLoadOfAnotherLineCount", [](StoredGame &game) { Event(game, 5).Arg2 = 9; },
                    "unlesbare Aufstellung"},
        RefusalCase{"TeamLoadUnreadable", [](StoredGame &game) { Event(game, 5).Payload = "[\"a\""; },
                    "unlesbare Aufstellung"},
        RefusalCase{"ExportWhileRunning",
                    [](StoredGame &game) {
                        game.Events.push_back(GameEvent::Export(61000, 0));
                        Renumber(game);
                    },
                    "Änderung bei laufender Uhr"},
        RefusalCase{"CorrectionThatDoesNotAddUp",
                    [](StoredGame &game) {
                        game.Events.insert(game.Events.begin() + 2, GameEvent::Correction(60000, 0, -500));
                        Renumber(game);
                    },
                    "die Korrektur passt nicht zur Spielzeit (Aktion 3)"},
        RefusalCase{"CheckpointAfterTheLastAction", [](StoredGame &game) { game.Checkpoint->AfterSequence = 12; },
                    "der Sicherungspunkt gehört zu keiner gespeicherten Aktion"},
        RefusalCase{"CheckpointBehindTheLastAction", [](StoredGame &game) { game.Checkpoint->GameMs = 60999; },
                    "der Sicherungspunkt liegt vor der letzten Aktion"},
        RefusalCase{"CheckpointWithABenchPlayerWhoseTimeMoved",
                    [](StoredGame &game) { game.Checkpoint->Times[0][9] += 1; },
                    "auf der Bank (Zeile 10 von Mannschaft 1) hat sich verändert (Sicherungspunkt)"},
        RefusalCase{"CheckpointWithTheOldRoster", [](StoredGame &game) { game.Checkpoint->Times[1].resize(10, 0); },
                    "die Spielzeiten passen nicht zur Aufstellung von Mannschaft 2 (Sicherungspunkt)"},
        RefusalCase{
            "CheckpointAheadOfItsGameTime",
            [](StoredGame &game) { game.Checkpoint->Times[0][1] = std::int32_t(game.Checkpoint->GameMs + 1001); },
            "ist negativ oder größer als die Spielzeit (Sicherungspunkt)"},
        RefusalCase{"OpeningChecksOfAnotherLength",
                    [](StoredGame &game) { game.Opening.Rosters[1].Checked.pop_back(); },
                    "die Aufstellung von Mannschaft 2 ist unvollständig"},
        RefusalCase{"OpeningFormatWithoutPeriods", [](StoredGame &game) { game.Opening.Format.RegularPeriods = 0; },
                    "unmögliches Spielformat"},
        RefusalCase{"GameTimeBeyondTheLedgersRange",
                    [](StoredGame &game) { Event(game, 2).GameMs = StoredGameRules::MaxGameMs + 1; },
                    "unmögliche Spielzeit (Aktion 2)"}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.Name); });

} // namespace

// What a clock set by hand after a recovery moves: the players on court at
// the last PAUSE (whatever was ticked since) from the last START's game time;
// for a game still running at the end, those ticked now.
TEST(ReplayedStretch, IsTheLastPausesCheckMarksFromTheLastStart)
{
    ScriptedGame game(SampleOpening(10, 10));
    EXPECT_FALSE(GameReplay::Replay(game.Stored()).Value->LastStretch.has_value()) << "no action: no stretch";
    game.Start();
    game.Run(61000);
    game.Pause();
    Substitute(game, 1, 0, 5);
    game.Start();
    const std::int64_t secondStart = game.GameMs();
    game.Run(3000);
    game.Pause();
    const std::array<std::vector<bool>, HistoryTeamCount> atPause{game.Roster(1).Checked, game.Roster(2).Checked};
    Substitute(game, 2, 1, 7);

    const auto standing = GameReplay::Replay(game.Stored());
    ASSERT_TRUE(standing.Ok()) << standing.Error.toStdString();
    EXPECT_EQ(standing.Value->LastStretch, (RecoveredStretch{secondStart, secondStart, atPause}));

    game.Start();
    const std::int64_t thirdStart = game.GameMs();
    game.Run(2500);
    const auto running = GameReplay::Replay(game.Stored());
    ASSERT_TRUE(running.Ok()) << running.Error.toStdString();
    EXPECT_EQ(running.Value->LastStretch,
              (RecoveredStretch{thirdStart, thirdStart, {game.Roster(1).Checked, game.Roster(2).Checked}}));
}

// The periods of a recovered game follow its format changes and periods ended.
TEST(ReplayedPeriods, FollowTheFormatAndThePeriodsEnded)
{
    ScriptedGame game(SampleOpening(10, 10));
    game.Start();
    game.Run(2000);
    game.Pause();
    game.Record(GameEvent::PeriodEnd(game.GameMs(), game.WallMs(), 1));
    game.Record(GameEvent::FormatChange(game.GameMs(), game.WallMs(), GameFormat{8, 300000, 300000}));
    const auto replayed = GameReplay::Replay(game.Stored());
    ASSERT_TRUE(replayed.Ok()) << replayed.Error.toStdString();
    const PeriodSchedule &periods = replayed.Value->Periods;
    EXPECT_EQ(periods.Format(), (GameFormat{8, 300000, 300000}));
    const auto second = periods.PeriodUnderWay(game.GameMs() + 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Number, 2);
    EXPECT_EQ(second->BeginMs, game.GameMs());
    EXPECT_EQ(second->EndMs, game.GameMs() + 300000);
}
