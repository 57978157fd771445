// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameRecovery.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"
#include "ScriptedGame.h"
#include "history/CheckpointSchedule.h"

using namespace HistoryTest;

namespace {

using Outcome = RecoveryCandidate::Outcome;

StoredGame PlayedMinute()
{
    ScriptedGame game(SampleOpening());
    game.Start();
    game.Run(61000);
    game.Pause();
    return game.Stored();
}

struct RecoveryCase
{
    const char *Name;
    // Fills the store; returns the id of the latest game, 0 for none.
    std::function<GameId(GameHistoryStore &, const QString &path)> Fill;
    Outcome Result;
    bool OpenGame;
    std::int64_t GameMs = 61000; // of a game offered
};

void PrintTo(const RecoveryCase &recovery, std::ostream *out)
{
    *out << recovery.Name;
}

class Recovery : public testing::TestWithParam<RecoveryCase>
{ };

TEST_P(Recovery, OffersOnlyAnOpenGameWhoseClockRanAndRefusesOneThatDoesNotAddUp)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    GameId latest = 0;
    {
        auto store = OpenStore(path);
        latest = GetParam().Fill(*store, path);
    }
    auto store = OpenStore(path);
    const RecoveryCandidate candidate = FindGameToRecover(*store);
    EXPECT_EQ(candidate.Result, GetParam().Result) << candidate.Message.toStdString();
    EXPECT_EQ(candidate.OpenGame.has_value(), GetParam().OpenGame);
    if (GetParam().OpenGame) {
        EXPECT_EQ(candidate.OpenGame, latest);
    }
    EXPECT_EQ(candidate.Message.isEmpty(), GetParam().Result != Outcome::Refused);
    if (GetParam().Result == Outcome::Offer) {
        EXPECT_EQ(candidate.Game.Id, latest);
        EXPECT_EQ(candidate.Game.GameMs, GetParam().GameMs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    History, Recovery,
    testing::Values(RecoveryCase{"NoGameStored", [](GameHistoryStore &, const QString &) { return GameId(0); },
                                 Outcome::Nothing, false},
                    RecoveryCase{"LatestEndedByReset",
                                 [](GameHistoryStore &store, const QString &) {
                                     const GameId id = StoreInOrder(store, PlayedMinute());
                                     store.EndGame(id, GameEndReason::Reset, 0);
                                     return id;
                                 },
                                 Outcome::Nothing, false},
                    RecoveryCase{"LatestGivenUp",
                                 [](GameHistoryStore &store, const QString &) {
                                     const GameId id = StoreInOrder(store, PlayedMinute());
                                     store.EndGame(id, GameEndReason::NewGame, 0);
                                     return id;
                                 },
                                 Outcome::Nothing, false},
                    RecoveryCase{"LatestOpenButItsClockNeverRan",
                                 [](GameHistoryStore &store, const QString &) {
                                     return *store.BeginGame(SampleOpening(), GameEvent::Check(0, 0, 1, 7, true)).Value;
                                 },
                                 Outcome::Nothing, true},
                    RecoveryCase{"LatestOpenKilledBeforeItsFirstCheckpoint",
                                 [](GameHistoryStore &store, const QString &) {
                                     const GameId id =
                                         *store.BeginGame(SampleOpening(), GameEvent::Check(0, 0, 1, 7, true)).Value;
                                     store.AppendEvent(id, GameEvent::Start(0, 0));
                                     return id;
                                 },
                                 Outcome::Offer, true, 0},
                    RecoveryCase{"LatestOpenAfterAnEndedOne",
                                 [](GameHistoryStore &store, const QString &) {
                                     store.EndGame(StoreInOrder(store, PlayedMinute()), GameEndReason::Reset, 0);
                                     return StoreInOrder(store, PlayedMinute());
                                 },
                                 Outcome::Offer, true},
                    RecoveryCase{"LatestOpenWithAGapInItsActions",
                                 [](GameHistoryStore &store, const QString &path) {
                                     const GameId id = StoreInOrder(store, PlayedMinute());
                                     RawDatabase(path).Execute("DELETE FROM event WHERE seq = 1");
                                     return id;
                                 },
                                 Outcome::Refused, true},
                    RecoveryCase{"LatestOpenWithAnUnreadableRoster",
                                 [](GameHistoryStore &store, const QString &path) {
                                     const GameId id = StoreInOrder(store, PlayedMinute());
                                     RawDatabase(path).Execute("UPDATE game SET team2_lines = '{'");
                                     return id;
                                 },
                                 Outcome::Refused, true}),
    [](const testing::TestParamInfo<RecoveryCase> &info) { return std::string(info.param.Name); });

// The time the recovered clock will show: its last refresh before, not the
// PAUSE's exact time a fraction later.
TEST(RecoveryQuestion, NamesTheGameTimeAsTheClockShowsItAndTheLastSavedLocalTime)
{
    const std::int64_t saved = QDateTime(QDate(2026, 12, 8), QTime(19, 42, 31)).toMSecsSinceEpoch();
    const std::vector<std::pair<std::int64_t, const char *>> times = {
        {(23 * 60 + 41) * 1000, "23:41"},
        {549, "00:00"},
        {550, "00:01"},
        {75 * 60000 + 9449, "75:09"},
    };
    for (const auto &[gameMs, shown] : times) {
        RecoveredGame game;
        game.GameMs = gameMs + 199;
        game.ShownGameMs = gameMs;
        game.LastSavedWallMs = saved;
        EXPECT_EQ(RecoveryQuestion(game),
                  QStringLiteral("Das letzte Spiel wurde nicht beendet (Spielzeit %1, zuletzt "
                                 "gesichert am 8.12.2026 um 19:42). Spiel fortsetzen?")
                      .arg(QLatin1String(shown)));
    }
}

TEST(CheckpointSchedule, OnceForEachWholeSecondOfGameTime)
{
    CheckpointSchedule schedule;
    schedule.Restart(0);
    const std::vector<std::pair<std::int64_t, bool>> looks = {{200, false}, {999, false},  {1000, true}, {1200, false},
                                                              {2199, true}, {2200, false}, {5000, true}};
    for (const auto &[gameMs, due] : looks)
        EXPECT_EQ(schedule.IsDue(gameMs), due) << gameMs;

    schedule.Restart(61400); // resumed inside second 61
    EXPECT_FALSE(schedule.IsDue(61600));
    EXPECT_FALSE(schedule.IsDue(61800));
    EXPECT_TRUE(schedule.IsDue(62000));
    schedule.Restart(0); // after a RESET
    EXPECT_TRUE(schedule.IsDue(1000));
}

} // namespace
