// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A game played through the real playing-time ledger on a scripted tick
// source and written down as the history stores it: the times in each
// PAUSE are what the ledger shows then (the value of its last 200 ms
// refresh, a millisecond lost at every resume), not the length of the
// stretch.  Clock corrections and recoveries, which the ledger itself does
// not know, are kept as offsets on top of it, as the program applies them.

#include <array>
#include <memory>
#include <optional>

#include "history/GameRecord.h"
#include "support/ScriptedTicks.h"
#include "timing/PlayingTimeLedger.h"

class LedgerGame
{
public:
    // 7.12.2026 19:30:00 in Berlin; wall time moves with the tick counter.
    static constexpr std::int64_t WallBeginMs = 1796668200000;
    static constexpr std::int64_t RefreshMs = 200;

    LedgerGame(const QStringList &team1, const QStringList &team2, const GameFormat &format = {});

    // The team files the rosters came from when the game began.
    LedgerGame &Named(const QString &team1, const QString &team2);
    LedgerGame &Check(int team, int line, bool on = true);
    LedgerGame &Start();
    // The clock runs `ms`: the ledger refreshes every 200 ms, and a
    // checkpoint is kept at each whole second of game time.
    LedgerGame &Run(std::int64_t ms);
    // Wall time passes while the clock stands.
    LedgerGame &Wait(std::int64_t ms);
    LedgerGame &Pause();
    LedgerGame &Load(int team, const QStringList &lines, const QString &teamName = {});
    LedgerGame &EndPeriod(int period);
    LedgerGame &ChangeFormat(const GameFormat &format);
    // The bench sets the clock; the players on court at the last PAUSE follow.
    LedgerGame &SetClock(std::int64_t gameMs);
    LedgerGame &Export();
    LedgerGame &UndoReset();
    // The program dies while the clock runs; the recovery appends a PAUSE at
    // the last checkpoint and the game goes on from there, standing.
    LedgerGame &CrashAndRecover();

    StoredGame Game() const;
    std::int64_t GameMs() const { return m_gameMs; }
    std::int64_t WallMs() const { return WallBeginMs + std::int64_t(m_ticks.now - FirstTick); }
    // What the roster shows for a timed row.
    std::int32_t Shown(int team, int row) const;
    const QStringList &Lines(int team) const { return m_lines[std::size_t(team - 1)]; }

private:
    static constexpr std::uint32_t FirstTick = 100000;

    bool IsOnCourt(int team, int row) const;
    TeamTimes ShownTimes() const;
    void Record(GameEvent event);
    void NewLedger();

    ScriptedTicks m_ticks;
    std::unique_ptr<PlayingTimeLedger> m_ledger;
    GameOpening m_opening;
    std::vector<GameEvent> m_events;
    std::array<QStringList, HistoryTeamCount> m_lines;
    std::array<std::vector<bool>, HistoryTeamCount> m_checked;
    std::array<std::vector<bool>, HistoryTeamCount> m_onCourtAtPause;
    std::array<std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam>, HistoryTeamCount> m_offset{};
    std::int64_t m_gameMs = 0;
    std::int64_t m_shownMs = 0; // what the clock's display shows
    std::int64_t m_sinceStart = 0;
    bool m_running = false;
    std::optional<GameCheckpoint> m_checkpoint;
};
