// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Setting the standing clock with the players following, over a real ledger
// and a scripted tick source.  The clock is modelled here as the window's
// clock frame measures it: game time grows by the running stretches.

#include "timing/ClockCorrection.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

#include "TwoTeamsOfTen.h"
#include "support/ScriptedTicks.h"

namespace {

using Outcome = ClockCorrection::Outcome;

// Two teams of ten, the first five of each on court, and a clock beside the
// ledger that the corrections set.
class Correction : public TwoTeamsOfTen
{
protected:
    ClockCorrection correction;
    std::int32_t clockMs = 0; // the standing clock's game time
    std::uint32_t clockStartTick = 0;
    int resumes = 0;

    void StartAt(std::uint32_t t)
    {
        ticks.now = t;
        if (ledger.PauseTick() != 0)
            ++resumes;
        ledger.Start();
        correction.StretchStarted(clockMs, clockMs);
        clockStartTick = t;
    }
    // The refresh and the pause at the same tick: the shown times are exact.
    void PauseAt(std::uint32_t t)
    {
        ticks.now = t;
        ledger.RefreshOnCourt(Query(), {});
        ledger.Pause(Query());
        correction.StretchEnded(ledger, Query());
        clockMs += static_cast<std::int32_t>(t - clockStartTick);
    }
    void RefreshAt(std::uint32_t t)
    {
        ticks.now = t;
        ledger.RefreshOnCourt(Query(), {});
    }
    Outcome SetClock(std::int32_t newMs)
    {
        const Outcome outcome = correction.Apply(ledger, clockMs, newMs);
        if (outcome == Outcome::Applied)
            clockMs = newMs;
        return outcome;
    }
    void Substitute(int team, int off, int on)
    {
        onCourt.erase({team, off});
        onCourt.insert({team, on});
    }
    std::int32_t Time(int team, int row) const { return ledger.ElapsedOf(team, row); }
    // A player on court for the whole game shows the clock's time, less the
    // millisecond that each resume takes from every player (the ledger's rule).
    void ExpectWholeGamePlayerOnTheClock(int team, int row, std::int32_t runningSincePause = 0) const
    {
        EXPECT_EQ(Time(team, row), clockMs + runningSincePause - resumes) << "team " << team << " line " << row;
    }
};

// The game every table case starts from: 30 s with lines 0-4 on court, line 0
// of team 1 replaced by line 5, then 20 s more.  The clock stands at 50 s;
// the last stretch began at 30 s.
class AfterTwoStretches : public Correction
{
protected:
    void SetUp() override
    {
        Correction::SetUp();
        StartAt(1000);
        PauseAt(31000);
        Substitute(1, 0, 5);
        StartAt(41000);
        PauseAt(61000);
        ASSERT_EQ(clockMs, 50000);
        ASSERT_EQ(Time(1, 0), 30000);
        ASSERT_EQ(Time(1, 1), 49999);
        ASSERT_EQ(Time(1, 5), 19999);
    }
};

struct CorrectionCase
{
    const char *what;
    std::int32_t newMs;
    Outcome outcome;
};

TEST_F(AfterTwoStretches, MovesThePlayersOfTheLastStretchByDeltaOrNobody)
{
    const CorrectionCase cases[] = {
        {"forward", 62000, Outcome::Applied},
        {"back a little", 47000, Outcome::Applied},
        {"back to the stretch's start", 30000, Outcome::Applied},
        {"below the stretch's start", 29999, Outcome::BelowStretchStart},
        {"far below", 0, Outcome::BelowStretchStart},
        {"below zero", -1000, Outcome::BelowZero},
        {"the same time", 50000, Outcome::Unchanged},
    };
    const PlayingTimeLedger::ElapsedTables before = ledger.AllElapsed();
    for (const CorrectionCase &c : cases) {
        SCOPED_TRACE(c.what);
        ledger.RestorePaused(before);
        clockMs = 50000;
        ASSERT_EQ(SetClock(c.newMs), c.outcome);
        const std::int32_t delta = c.outcome == Outcome::Applied ? c.newMs - 50000 : 0;
        EXPECT_EQ(clockMs, 50000 + delta);
        for (int team = 1; team <= 2; ++team)
            for (int row = 0; row < PlayingTimeLedger::RowsPerTeam; ++row) {
                const bool follows = onCourt.count({team, row}) > 0;
                // Never below 0, though a substitute trails the clock by the resume's millisecond.
                EXPECT_EQ(Time(team, row), std::max(before[team - 1][row] + (follows ? delta : 0), 0))
                    << "team " << team << " line " << row;
            }
        ExpectWholeGamePlayerOnTheClock(2, 0);
    }
}

TEST_F(AfterTwoStretches, TheLimitStaysTheStretchsStartAcrossCorrectionsInOnePause)
{
    EXPECT_EQ(correction.EarliestGameTime(), 30000);
    ASSERT_EQ(SetClock(40000), Outcome::Applied);
    ASSERT_EQ(SetClock(35000), Outcome::Applied);
    EXPECT_EQ(SetClock(29000), Outcome::BelowStretchStart);
    EXPECT_EQ(clockMs, 35000);
    ASSERT_EQ(SetClock(30000), Outcome::Applied);
    EXPECT_EQ(Time(1, 5), 0) << "the substitute is back where the stretch began, never below";
    EXPECT_EQ(Time(1, 1), 29999);
    EXPECT_EQ(Time(1, 0), 30000) << "line 0 sat out the last stretch";
    ExpectWholeGamePlayerOnTheClock(2, 4);
    ASSERT_EQ(SetClock(90000), Outcome::Applied);
    ExpectWholeGamePlayerOnTheClock(2, 4);
    EXPECT_EQ(Time(1, 5), 60000);
}

TEST_F(AfterTwoStretches, CheckMarksChangedInThePauseDoNotDecideWhoFollows)
{
    Substitute(1, 1, 6); // takes effect at the next START only
    ASSERT_EQ(SetClock(55000), Outcome::Applied);
    EXPECT_EQ(Time(1, 1), 54999);
    EXPECT_EQ(Time(1, 6), 0);
}

TEST_F(AfterTwoStretches, ACorrectionThenASubstitutionThenStartGoesOnFromTheCorrectedTimes)
{
    ASSERT_EQ(SetClock(54000), Outcome::Applied);
    Substitute(1, 5, 0);
    StartAt(71000);
    RefreshAt(81000);
    EXPECT_EQ(Time(1, 0), 30000 + 10000 - 2) << "two resumes, a millisecond each";
    EXPECT_EQ(Time(1, 5), 23999) << "off court now, it keeps its corrected time";
    ExpectWholeGamePlayerOnTheClock(2, 0, 10000);
    PauseAt(81000);
    EXPECT_EQ(clockMs, 64000);
    EXPECT_EQ(correction.EarliestGameTime(), 54000);
    EXPECT_TRUE(correction.Follows(1, 0));
    EXPECT_FALSE(correction.Follows(1, 5));
}

TEST_F(Correction, BeforeTheFirstStartMovesTheClockAlone)
{
    EXPECT_FALSE(correction.LastStretch());
    EXPECT_EQ(correction.EarliestGameTime(), 0);
    ASSERT_EQ(SetClock(120000), Outcome::Applied);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(Time(1, row), 0);
    ASSERT_EQ(SetClock(0), Outcome::Applied) << "nobody played yet: back to 0 is fine";
    ASSERT_EQ(SetClock(120000), Outcome::Applied);
    StartAt(1000);
    PauseAt(11000);
    EXPECT_EQ(clockMs, 130000);
    EXPECT_EQ(Time(1, 0), 10000) << "the players' times start with their first START";
    EXPECT_EQ(correction.EarliestGameTime(), 120000);
}

TEST_F(Correction, AfterResetThereIsNoLastStretch)
{
    StartAt(1000);
    PauseAt(11000);
    ledger.Reset();
    correction.Forget();
    clockMs = 0;
    ASSERT_EQ(SetClock(5000), Outcome::Applied);
    EXPECT_EQ(Time(1, 0), 0);
}

TEST_F(Correction, NobodyOnCourtLeavesOnlyTheClocksOwnLimit)
{
    onCourt.clear();
    StartAt(1000);
    PauseAt(11000);
    EXPECT_EQ(correction.EarliestGameTime(), 0);
    EXPECT_EQ(SetClock(0), Outcome::Applied);
    EXPECT_EQ(SetClock(-1), Outcome::BelowZero);
}

TEST_F(Correction, LinesPastTheFiftiethStayUntimed)
{
    ledger.SetCount(2, 60);
    for (int row = 45; row < 60; ++row)
        onCourt.insert({2, row});
    StartAt(1000);
    PauseAt(11000);
    ASSERT_EQ(SetClock(20000), Outcome::Applied);
    EXPECT_EQ(Time(2, 49), 20000);
    EXPECT_FALSE(correction.Follows(2, 50));
    EXPECT_EQ(Time(2, 50), 0);
    EXPECT_EQ(ledger.Row(2, 55).Elapsed, 0u);
}

TEST_F(Correction, AStretchBroughtBackDecidesWhoFollows)
{
    // A recovered game: line 7 of team 2 played from 40 s to 45 s.
    PlayingTimeLedger::ElapsedTables times{};
    times[1][7] = 5000;
    ledger.RestorePaused(times);
    clockMs = 45000;
    ClockCorrection::Stretch stretch;
    stretch.StartGameMs = 40000;
    stretch.OnCourt[1][7] = true;
    correction.SetLastStretch(stretch);
    EXPECT_EQ(correction.LastStretch(), stretch);
    EXPECT_TRUE(correction.Follows(2, 7));
    EXPECT_FALSE(correction.Follows(1, 7));
    EXPECT_FALSE(correction.Follows(3, 7));
    EXPECT_FALSE(correction.Follows(2, -1));
    EXPECT_EQ(SetClock(39000), Outcome::BelowStretchStart);
    ASSERT_EQ(SetClock(41000), Outcome::Applied);
    EXPECT_EQ(Time(2, 7), 1000);
    EXPECT_EQ(Time(1, 0), 0);
}

} // namespace
