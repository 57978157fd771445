// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A game played as the window plays it, on the real playing-time ledger
// with a scripted tick source, and recorded as the window records it: every
// action as an event, a pause with the shown time of every timed row, and a
// checkpoint at the first 200 ms refresh after each whole second of game
// time.  It also knows what a recovery must give: the state at the last
// saved moment.

#include <array>

#include "game/GameReplay.h"
#include "history/CheckpointSchedule.h"
#include "support/ScriptedTicks.h"
#include "timing/PlayingTimeLedger.h"

class ScriptedGame
{
public:
    static constexpr std::uint32_t RefreshMs = 200;

    explicit ScriptedGame(const GameOpening &opening);

    void Start();
    void Pause();
    // The clock runs `ms` milliseconds: refreshes, checkpoints.
    void Run(std::uint32_t ms);
    // Time passes while the clock stands.
    void Stand(std::uint32_t ms);
    void Check(int team, int line, bool on);
    void Load(int team, const QStringList &lines);
    void Export();
    // Any other recorded action, at the current game and wall time (a
    // correction is also applied to the game time).
    void Record(GameEvent event);

    std::int64_t GameMs() const;
    std::int64_t WallMs() const;
    bool Running() const { return m_running; }
    const StoredGame &Stored() const { return m_stored; }
    // What recovering the game now must give.
    RecoveredGame Expected() const;
    // The ledger's time of a row if it were refreshed now (a kill's truth).
    std::int32_t TrueElapsed(int team, int row) const;
    const RosterState &Roster(int team) const { return m_rosters[std::size_t(team - 1)]; }

    // Shown Elapsed of every timed row, as a pause or checkpoint records it.
    TeamTimes TimedTimes() const;

private:
    using Snapshot = std::array<std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam>, 2>;
    Snapshot LedgerSnapshot() const;
    bool IsOnCourt(int team, int row) const;
    void Append(GameEvent event);

    ScriptedTicks m_ticks;
    PlayingTimeLedger m_ledger{m_ticks.Source()};
    std::array<RosterState, 2> m_rosters;
    // Who was on court at the last PAUSE: a correction of the clock moves their times.
    std::array<std::vector<bool>, 2> m_onCourtAtPause;
    std::int64_t m_wallBase = 0;
    bool m_running = false;
    std::int64_t m_standingGameMs = 0; // while running: the game time at START
    std::uint32_t m_stretchStartTick = 0;
    std::uint32_t m_nextRefreshTick = 0;
    CheckpointSchedule m_schedule;
    StoredGame m_stored;
    // The last saved moment of the running stretch (its START or latest checkpoint).
    Snapshot m_saved{};
    std::int64_t m_savedGameMs = 0;
    std::int64_t m_savedWallMs = 0;
};
