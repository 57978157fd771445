// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The playing-time ledger: for every line of both rosters, the time the
// player was on court while the game clock ran.  A row is addressed by its
// team (1 = left roster, 2 = right roster) and the line's position; the
// ledger knows nothing of names.  Plain logic over a tick source and an
// on-court query; no widget code.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/TickSource.h"
#include "timing/ShownTime.h"

using TeamIndex = int;

struct PlayerTime
{
    std::uint32_t Elapsed = 0; // milliseconds shown for the player (read as signed when formatted)
    std::uint32_t RefTick = 0; // while on court and running: playing time = tick - RefTick
};

class PlayingTimeLedger
{
public:
    static constexpr int RowsPerTeam = 50;
    using OnCourtQuery = std::function<bool(TeamIndex team, int row)>;
    using RepaintRoster = std::function<void(TeamIndex team)>;

    explicit PlayingTimeLedger(TickSource tick = SystemTickSource());

    void Reset();
    void SetCount(TeamIndex team, int lines);
    void Start();
    void Pause(const OnCourtQuery &isOnCourt);
    void RefreshOnCourt(const OnCourtQuery &isOnCourt, const RepaintRoster &repaint);

    // Every row's Elapsed, row 0 first, per team (index team - 1).
    using ElapsedTables = std::array<std::array<std::int32_t, RowsPerTeam>, 2>;
    // Puts the ledger into a pause after a game with these times (a stored
    // game brought back): the next Start resumes, and every counted row goes
    // on from the time it shows.
    void RestorePaused(const ElapsedTables &elapsed);
    // Adds `delta` milliseconds to the time of one row while the clock
    // stands (the clock set by hand); the next Start goes on from there.
    void AdjustElapsed(TeamIndex team, int row, std::int32_t delta);
    ElapsedTables AllElapsed() const;

    // Elapsed milliseconds of a row; 0 for a row the tables do not have.
    std::int32_t ElapsedOf(TeamIndex team, int row) const;
    // Whether the tables keep a time for this line (only the first 50 lines of a team are timed).
    static bool IsTimed(TeamIndex team, int row);
    // How many of a roster's `lines` have a time: the first RowsPerTeam.
    static constexpr int TimedRows(int lines) { return lines < 0 ? 0 : lines > RowsPerTeam ? RowsPerTeam : lines; }

    int Count(TeamIndex team) const;
    std::uint32_t StartTick() const { return m_startTick; }
    std::uint32_t PauseTick() const { return m_pauseTick; }
    const PlayerTime &Row(TeamIndex team, int row) const;

private:
    static bool IsTeam(TeamIndex team) { return team == 1 || team == 2; }
    int RowsWalked(TeamIndex team) const;

    TickSource m_tick;
    std::array<std::array<PlayerTime, RowsPerTeam>, 2> m_rows{};
    std::array<int, 2> m_count{};
    // Rows whose RefTick belongs to the game under way; rows above this that
    // come into use during a pause are re-based at the next START.
    std::array<int, 2> m_rowsInGame{};
    std::uint32_t m_startTick = 0;
    std::uint32_t m_pauseTick = 0;
    // PauseTick 0 also happens when a pause falls on tick 0 after a wrap;
    // this flag, not the tick value, decides whether a START resumes.
    bool m_pausedSinceReset = false;
};

// Milliseconds to the five-character time text " M:SS" / "MM:SS": the
// shown second (ShownTime) with the minutes run modulo 60.
std::string FormatPlayTime(std::int32_t milliseconds);

// What a line past the ledger's 50 rows shows instead of a time.
inline constexpr const char *UntimedPlayTime = "--:--";
