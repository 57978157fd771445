// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/PlayingTimeLedger.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <utility>

#include "TwoTeamsOfTen.h"
#include "support/ScriptedTicks.h"

namespace {

// Both teams of ten with a settable on-court set, as the bench would have them.
class LedgerGame : public TwoTeamsOfTen
{
protected:
    std::vector<int> repaints;

    void StartAt(std::uint32_t t)
    {
        ticks.now = t;
        ledger.Start();
    }
    void PauseAt(std::uint32_t t)
    {
        ticks.now = t;
        ledger.Pause(Query());
    }
    void RefreshAt(std::uint32_t t)
    {
        ticks.now = t;
        ledger.RefreshOnCourt(Query(), [this](int team) { repaints.push_back(team); });
    }
    std::string Shown(int team, int row) { return FormatPlayTime(ledger.ElapsedOf(team, row)); }
};

TEST_F(LedgerGame, WorkedExampleStartRefreshPauseSubstituteResume)
{
    StartAt(1000);
    EXPECT_EQ(ledger.StartTick(), 1000u);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(ledger.Row(1, row).RefTick, 1000u);

    RefreshAt(61000);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(ledger.ElapsedOf(1, row), 60000);
        EXPECT_EQ(Shown(2, row), " 1:00");
    }
    for (int row = 5; row < 10; ++row)
        EXPECT_EQ(ledger.ElapsedOf(1, row), 0);
    EXPECT_EQ(repaints, (std::vector<int>{1, 2}));

    PauseAt(61000);
    EXPECT_EQ(ledger.PauseTick(), 61000u);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(ledger.Row(1, row).RefTick, 1000u);
    for (int row = 5; row < 10; ++row)
        EXPECT_EQ(ledger.Row(1, row).RefTick, 61000u);

    onCourt.erase({1, 0});
    onCourt.insert({1, 5});
    StartAt(71000);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(ledger.Row(1, row).RefTick, 11001u);
    for (int row = 5; row < 10; ++row)
        EXPECT_EQ(ledger.Row(1, row).RefTick, 71001u);

    RefreshAt(101000);
    EXPECT_EQ(ledger.ElapsedOf(1, 1), 89999);
    EXPECT_EQ(Shown(1, 1), " 1:30");
    EXPECT_EQ(ledger.ElapsedOf(1, 5), 29999);
    EXPECT_EQ(Shown(1, 5), " 0:30");
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 60000);
    EXPECT_EQ(Shown(1, 0), " 1:00");
}

TEST_F(LedgerGame, ReadsTheTickSourceExactlyAsOftenAsTheStepsSay)
{
    ticks.reads = 0;
    StartAt(1000);
    EXPECT_EQ(ticks.reads, 2); // StartTick, then the reference for a first start
    ticks.reads = 0;
    RefreshAt(2000);
    EXPECT_EQ(ticks.reads, 10); // one per row on court
    ticks.reads = 0;
    PauseAt(3000);
    EXPECT_EQ(ticks.reads, 2);
    ticks.reads = 0;
    StartAt(4000);
    EXPECT_EQ(ticks.reads, 2);
}

TEST_F(LedgerGame, PauseUsesItsOwnTwoReads)
{
    StartAt(1000);
    ticks.queued = {5000, 5003};
    ledger.Pause(Query());
    EXPECT_EQ(ledger.PauseTick(), 5000u);
    EXPECT_EQ(ledger.Row(1, 9).RefTick, 1000u + 4003u); // d = second read - StartTick
}

TEST_F(LedgerGame, LongerTeamIsRefreshedOverAllItsLines)
{
    ledger.SetCount(2, 14);
    onCourt.insert({2, 13});
    StartAt(0);
    RefreshAt(5000);
    EXPECT_EQ(ledger.ElapsedOf(2, 13), 5000);
    EXPECT_EQ(ledger.ElapsedOf(1, 9), 0);
}

TEST_F(LedgerGame, ResetZeroesEverythingAndMakesTheNextStartAFirstStart)
{
    StartAt(1000);
    RefreshAt(40000);
    PauseAt(40000);
    StartAt(50000);
    PauseAt(60000);
    ledger.Reset();
    EXPECT_EQ(ledger.PauseTick(), 0u);
    for (int team = 1; team <= 2; ++team)
        for (int row = 0; row < PlayingTimeLedger::RowsPerTeam; ++row) {
            EXPECT_EQ(ledger.Row(team, row).Elapsed, 0u);
            EXPECT_EQ(ledger.Row(team, row).RefTick, 0u);
        }
    EXPECT_EQ(Shown(1, 0), " 0:00");
    // RESET keeps the counts, so the next game is timed without a new load.
    EXPECT_EQ(ledger.Count(1), 10);
    StartAt(100000);
    EXPECT_EQ(ledger.Row(1, 7).RefTick, 100000u);
    RefreshAt(103000);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 3000);
}

TEST_F(LedgerGame, TeamWithCountZeroIsSkippedEverywhere)
{
    ledger.SetCount(2, 0);
    StartAt(1000);
    EXPECT_EQ(ledger.Row(2, 0).RefTick, 0u);
    RefreshAt(5000);
    EXPECT_EQ(ledger.ElapsedOf(2, 0), 0);
    PauseAt(6000);
    EXPECT_EQ(ledger.Row(2, 5).RefTick, 0u);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 4000);
}

TEST_F(LedgerGame, TickWrapDuringAGameKeepsTimesRight)
{
    StartAt(4294967000u);
    EXPECT_EQ(ledger.Row(1, 0).RefTick, 4294967000u);
    RefreshAt(704);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 1000);
    PauseAt(2000);
    StartAt(12000); // a pause across nothing special: 10 001 ms removed
    RefreshAt(13000);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 2296 + 1000 - 1);
}

TEST_F(LedgerGame, PauseFallingOnTickZeroStillResumes)
{
    // A pause exactly at the wrap reads tick 0; the next START must still be
    // a resume, not a first start that would throw the times away.
    StartAt(4294960000u);
    PauseAt(0);
    EXPECT_EQ(ledger.PauseTick(), 0u);
    StartAt(1000);
    RefreshAt(2000);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 7296 + 1000 - 1);
}

TEST_F(LedgerGame, LinesLoadedDuringAPauseCountOnlyFromTheNextStart)
{
    StartAt(1000);
    RefreshAt(31000);
    PauseAt(31000);
    // A longer team file arrives during the pause: rows 10..13 had no
    // reference in this game.
    ledger.SetCount(1, 14);
    onCourt.clear();
    onCourt.insert({1, 0});
    onCourt.insert({1, 12});
    StartAt(500000);
    RefreshAt(510000);
    EXPECT_EQ(ledger.ElapsedOf(1, 12), 10000);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 30000 + 10000 - 1);
}

TEST_F(LedgerGame, LinesComingBackAfterAShorterLoadGoOnFromTheirShownTime)
{
    StartAt(0);
    RefreshAt(20000); // rows 0..4 show 20 s
    PauseAt(20000);
    ledger.SetCount(1, 2); // a short team: rows 2..9 drop out of the walk
    StartAt(30000);
    PauseAt(40000);
    ledger.SetCount(1, 10); // the long team again
    StartAt(50000);
    RefreshAt(53000);
    EXPECT_EQ(ledger.ElapsedOf(1, 3), 23000); // 20 s shown + 3 s running, nothing stale
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 20000 + 10000 - 1 + 3000 - 1);
}

TEST_F(LedgerGame, CountsBeyondTheTablesNeverReachPastThem)
{
    ledger.SetCount(1, 1000);
    ledger.SetCount(2, -5);
    for (int row = 0; row < 1000; ++row)
        onCourt.insert({1, row});
    StartAt(0);
    RefreshAt(1000);
    PauseAt(2000);
    StartAt(3000);
    EXPECT_EQ(ledger.ElapsedOf(1, 49), 1000);
    EXPECT_EQ(ledger.ElapsedOf(1, 50), 0);
    EXPECT_FALSE(PlayingTimeLedger::IsTimed(1, 50));
    EXPECT_TRUE(PlayingTimeLedger::IsTimed(2, 49));
    EXPECT_FALSE(PlayingTimeLedger::IsTimed(3, 0));
    EXPECT_EQ(ledger.ElapsedOf(0, 0), 0);
    EXPECT_EQ(ledger.ElapsedOf(1, -1), 0);
}

TEST(FormatPlayTime, TimeTexts)
{
    const std::pair<std::int32_t, const char *> texts[] = {
        {0, " 0:00"},
        {549, " 0:00"},
        {550, " 0:01"},
        {65000, " 1:05"},
        {599549, " 9:59"},
        {599550, "10:00"},
        {3599549, "59:59"},
        {3599550, " 0:00"},
        {-1000, " 0:00"},
        {306550, " 5:07"},
        {754000, "12:34"},
        // The 450 ms are added modulo 2^32, so the largest value turns into
        // -2147483199 ms, -2147483 whole seconds: -35791 minutes (-31 modulo
        // 60) and -23 seconds, printed as they are.  No undefined behaviour.
        {INT32_MAX, "-31:-23"},
    };
    for (const auto &[milliseconds, text] : texts)
        EXPECT_EQ(FormatPlayTime(milliseconds), text) << milliseconds << " ms";
}

} // namespace

TEST_F(LedgerGame, RestoredTimesStandPausedAndGoOnAtTheNextStart)
{
    PlayingTimeLedger::ElapsedTables stored{};
    stored[0][0] = 61000;
    stored[0][7] = 30000; // on the bench: keeps its time
    stored[1][49] = 5000; // a row past the count keeps what it shows
    ticks.now = 4000000000u;
    ledger.RestorePaused(stored);
    EXPECT_EQ(ledger.AllElapsed(), stored);

    StartAt(4000000000u + 9000); // resumed after 9 s, across nothing but a pause
    RefreshAt(4000000000u + 9000 + 10001);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 71000) << "on court: ten seconds more (less the resume's millisecond)";
    EXPECT_EQ(ledger.ElapsedOf(1, 1), 10000);
    EXPECT_EQ(ledger.ElapsedOf(1, 7), 30000);
    EXPECT_EQ(ledger.ElapsedOf(2, 49), 5000);
    PauseAt(4000000000u + 9000 + 10001);
    EXPECT_EQ(ledger.ElapsedOf(1, 7), 30000);
}

TEST_F(LedgerGame, AnAdjustedTimeIsShownAtOnceAndCountedOnFrom)
{
    StartAt(1000);
    RefreshAt(21000);
    PauseAt(21000);
    ledger.AdjustElapsed(1, 0, -1500);
    ledger.AdjustElapsed(2, 3, 2500);
    ledger.AdjustElapsed(2, 50, 1000); // untimed line: nothing
    ledger.AdjustElapsed(3, 0, 1000); // no such team: nothing
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 18500);
    EXPECT_EQ(ledger.ElapsedOf(2, 3), 22500);
    StartAt(31000);
    RefreshAt(41001);
    EXPECT_EQ(ledger.ElapsedOf(1, 0), 28500);
    EXPECT_EQ(ledger.ElapsedOf(2, 3), 32500);
}
