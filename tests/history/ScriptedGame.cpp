// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "ScriptedGame.h"

ScriptedGame::ScriptedGame(const GameOpening &opening)
    : m_rosters(opening.Rosters)
    , m_wallBase(opening.WallMs)
{
    m_ticks.now = 5000; // any boot-relative tick: only differences count
    m_wallBase -= m_ticks.now;
    m_ledger.Reset();
    for (int team = 1; team <= 2; ++team)
        m_ledger.SetCount(team, int(Roster(team).Lines.size()));
    m_stored.Summary.Id = 1;
    m_stored.Summary.BegunWallMs = opening.WallMs;
    m_stored.Opening = opening;
}

std::int64_t ScriptedGame::GameMs() const
{
    return m_running ? m_standingGameMs + (m_ticks.now - m_stretchStartTick) : m_standingGameMs;
}

std::int64_t ScriptedGame::WallMs() const
{
    return m_wallBase + m_ticks.now;
}

bool ScriptedGame::IsOnCourt(int team, int row) const
{
    const RosterState &roster = Roster(team);
    return row >= 0 && row < roster.Lines.size() && roster.Checked[std::size_t(row)];
}

void ScriptedGame::Append(GameEvent event)
{
    event.Sequence = std::int64_t(m_stored.Events.size()) + 1;
    m_stored.Events.push_back(std::move(event));
}

void ScriptedGame::Start()
{
    m_ledger.Start();
    Append(GameEvent::Start(GameMs(), WallMs()));
    m_running = true;
    m_stretchStartTick = m_ticks.now;
    m_nextRefreshTick = m_ticks.now + RefreshMs;
    m_schedule.Restart(m_standingGameMs);
    m_saved = LedgerSnapshot();
    m_savedGameMs = m_standingGameMs;
    m_savedWallMs = WallMs();
}

void ScriptedGame::Pause()
{
    m_ledger.Pause([this](int team, int row) { return IsOnCourt(team, row); });
    for (int team = 1; team <= 2; ++team)
        m_onCourtAtPause[std::size_t(team - 1)] = Roster(team).Checked;
    m_standingGameMs = GameMs();
    m_running = false;
    Append(GameEvent::Pause(m_standingGameMs, WallMs(), TimedTimes()));
}

void ScriptedGame::Run(std::uint32_t ms)
{
    const std::uint32_t end = m_ticks.now + ms;
    while (m_nextRefreshTick <= end) {
        m_ticks.now = m_nextRefreshTick;
        m_ledger.RefreshOnCourt([this](int team, int row) { return IsOnCourt(team, row); }, {});
        if (m_schedule.IsDue(GameMs())) {
            m_stored.Checkpoint =
                GameCheckpoint{std::int64_t(m_stored.Events.size()), GameMs(), WallMs(), TimedTimes()};
            m_saved = LedgerSnapshot();
            m_savedGameMs = GameMs();
            m_savedWallMs = WallMs();
        }
        m_nextRefreshTick += RefreshMs;
    }
    m_ticks.now = end;
}

void ScriptedGame::Stand(std::uint32_t ms)
{
    m_ticks.now += ms;
}

void ScriptedGame::Check(int team, int line, bool on)
{
    m_rosters[std::size_t(team - 1)].Checked[std::size_t(line)] = on;
    Append(GameEvent::Check(GameMs(), WallMs(), team, line, on));
}

void ScriptedGame::Load(int team, const QStringList &lines)
{
    RosterState &roster = m_rosters[std::size_t(team - 1)];
    roster.Lines = lines;
    roster.Checked.assign(std::size_t(lines.size()), false);
    m_ledger.SetCount(team, int(lines.size()));
    Append(GameEvent::TeamLoad(GameMs(), WallMs(), team, lines));
}

void ScriptedGame::Export()
{
    Append(GameEvent::Export(GameMs(), WallMs()));
}

void ScriptedGame::Record(GameEvent event)
{
    if (event.Kind == GameEventKind::Correction) {
        // The clock set by hand: the players of the last stretch follow it.
        m_standingGameMs += event.Arg1;
        for (int team = 1; team <= 2; ++team) {
            const std::vector<bool> &onCourt = m_onCourtAtPause[std::size_t(team - 1)];
            for (std::size_t row = 0; row < onCourt.size(); ++row) {
                if (onCourt[row])
                    m_ledger.AdjustElapsed(team, int(row), std::int32_t(event.Arg1));
            }
        }
    }
    event.GameMs = GameMs();
    event.WallMs = WallMs();
    Append(std::move(event));
}

TeamTimes ScriptedGame::TimedTimes() const
{
    TeamTimes times;
    for (int team = 1; team <= 2; ++team) {
        const int rows = PlayingTimeLedger::TimedRows(int(Roster(team).Lines.size()));
        for (int row = 0; row < rows; ++row)
            times[std::size_t(team - 1)].push_back(m_ledger.ElapsedOf(team, row));
    }
    return times;
}

ScriptedGame::Snapshot ScriptedGame::LedgerSnapshot() const
{
    Snapshot snapshot{};
    for (int team = 1; team <= 2; ++team) {
        for (int row = 0; row < PlayingTimeLedger::RowsPerTeam; ++row)
            snapshot[std::size_t(team - 1)][std::size_t(row)] = m_ledger.ElapsedOf(team, row);
    }
    return snapshot;
}

RecoveredGame ScriptedGame::Expected() const
{
    RecoveredGame game;
    game.Id = m_stored.Summary.Id;
    game.Format = m_stored.Opening.Format;
    const Snapshot times = m_running ? m_saved : LedgerSnapshot();
    for (int team = 1; team <= 2; ++team) {
        RecoveredTeam &recovered = game.Teams[std::size_t(team - 1)];
        recovered.Lines = Roster(team).Lines;
        recovered.Checked = Roster(team).Checked;
        recovered.Elapsed = times[std::size_t(team - 1)];
    }
    game.WasRunning = m_running;
    game.GameMs = m_running ? m_savedGameMs : m_standingGameMs;
    game.LastSavedWallMs = m_running ? m_savedWallMs : m_stored.Events.back().WallMs;
    for (const GameEvent &event : m_stored.Events) {
        if (event.Kind == GameEventKind::Format)
            game.Format = GameFormat{int(event.Arg1), event.Arg2, event.Arg3};
        if (event.Kind == GameEventKind::PeriodEnd)
            game.PeriodsEnded = int(event.Arg1);
    }
    return game;
}

std::int32_t ScriptedGame::TrueElapsed(int team, int row) const
{
    const PlayerTime &time = m_ledger.Row(team, row);
    if (m_running && IsOnCourt(team, row))
        return std::int32_t(m_ticks.now - time.RefTick);
    return std::int32_t(time.Elapsed);
}
