// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The players' side of setting the standing clock to another game time (the
// referee's): a correction by delta = new - old game time changes the
// playing time of every player who was on court during the last stretch of
// running clock by the same delta, so a player who played the whole game
// still shows the clock's time.  Players who were not on court keep theirs.
//
// The last stretch is known from two snapshots: the game time at the START
// that began it and the lines on court at the PAUSE that ended it.  Check
// marks changed during the pause do not count; they take effect only at the
// next START.  Before the first PAUSE of a game, and after RESET, there is
// no last stretch and a correction moves the clock alone.
//
// A correction never takes the clock below 0, nor before the stretch's
// START: one that would is refused as a whole.  A player's time follows by
// the same delta but never below 0 (a player's shown time trails the clock
// by up to one refresh).  The players of the last stretch were on court for all of it (the
// rosters are locked while the clock runs), so each of them gained exactly
// what the clock gained, corrections included: the limit for all of them is
// the game time at the stretch's START.  The players' shown times would be a
// shakier measure, as they trail the running clock by up to one refresh.
// The clock itself is set by the caller.

#include <array>
#include <cstdint>
#include <optional>

#include "timing/PlayingTimeLedger.h"

class ClockCorrection
{
public:
    using OnCourtTable = std::array<std::array<bool, PlayingTimeLedger::RowsPerTeam>, 2>;

    // One stretch of running clock: the game time at its START and who was
    // on court (index team - 1, then row).
    struct Stretch
    {
        std::int64_t StartGameMs = 0;
        OnCourtTable OnCourt{};
        // What the clock's display showed at that START (its last refresh
        // before), up to a refresh short of StartGameMs.
        std::int64_t StartShownMs = 0;

        bool operator==(const Stretch &) const = default;
    };

    enum class Outcome {
        Applied, // the clock may move; the players of the last stretch moved by delta
        Unchanged, // the new time is the old one: nothing to do
        BelowZero, // refused: the clock would go below 0
        BelowStretchStart, // refused: a player would go below the time at the stretch's start
    };

    // At START: the game time the stretch begins at, and what the clock showed then.
    void StretchStarted(std::int64_t gameMs, std::int64_t shownMs)
    {
        m_startGameMs = gameMs;
        m_startShownMs = shownMs;
    }
    // At PAUSE, before any check mark changes: the rows the ledger timed
    // that were on court.  The stretch becomes the last stretch.
    void StretchEnded(const PlayingTimeLedger &ledger, const PlayingTimeLedger::OnCourtQuery &isOnCourt);
    // At RESET: a new game has no last stretch.
    void Forget() { m_lastStretch.reset(); }

    // The last stretch, for a game that is brought back (a recovery, RESET
    // taken back); nothing before the first PAUSE of a game.
    const std::optional<Stretch> &LastStretch() const { return m_lastStretch; }
    void SetLastStretch(const std::optional<Stretch> &stretch) { m_lastStretch = stretch; }

    // Whether line `row` of `team` follows a correction.
    bool Follows(TeamIndex team, int row) const;

    // The earliest game time the standing clock can be set to: 0, or the
    // start of the last stretch when anyone was on court in it.
    std::int64_t EarliestGameTime() const;
    // The same as the bench can type it: the second the clock showed then.
    std::int64_t EarliestShownTime() const;

    // The time a correction to `typedMs` goes to.  A time typed in whole
    // seconds that names the second the clock showed at the last stretch's
    // START, a fraction short of that START, means the START itself.
    std::int64_t Admitted(std::int64_t typedMs) const;

    // What setting the clock from `oldGameMs` to `newGameMs` would do.
    Outcome Check(std::int64_t oldGameMs, std::int64_t newGameMs) const;
    // Checks, and when allowed moves the players of the last stretch by
    // new - old.  A refused or empty correction changes nothing.
    Outcome Apply(PlayingTimeLedger &ledger, std::int32_t oldGameMs, std::int32_t newGameMs) const;

private:
    bool AnyoneInLastStretch() const;

    std::int64_t m_startGameMs = 0;
    std::int64_t m_startShownMs = 0;
    std::optional<Stretch> m_lastStretch;
};
