// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "LedgerGame.h"

#include <stdexcept>

#include "timing/ShownTime.h"

LedgerGame::LedgerGame(const QStringList &team1, const QStringList &team2, const GameFormat &format)
{
    m_ticks.now = FirstTick;
    m_lines = {team1, team2};
    for (std::size_t team = 0; team < HistoryTeamCount; ++team)
        m_checked[team].assign(std::size_t(m_lines[team].size()), false);
    m_opening.Rosters = {RosterState{team1, m_checked[0]}, RosterState{team2, m_checked[1]}};
    m_opening.Format = format;
    m_opening.WallMs = WallMs();
    NewLedger();
}

void LedgerGame::NewLedger()
{
    m_ledger = std::make_unique<PlayingTimeLedger>(m_ticks.Source());
    for (int team = 1; team <= HistoryTeamCount; ++team)
        m_ledger->SetCount(team, int(m_lines[std::size_t(team - 1)].size()));
}

bool LedgerGame::IsOnCourt(int team, int row) const
{
    const std::vector<bool> &checked = m_checked[std::size_t(team - 1)];
    return row >= 0 && std::size_t(row) < checked.size() && checked[std::size_t(row)];
}

std::int32_t LedgerGame::Shown(int team, int row) const
{
    return m_ledger->ElapsedOf(team, row) + m_offset[std::size_t(team - 1)][std::size_t(row)];
}

TeamTimes LedgerGame::ShownTimes() const
{
    TeamTimes times;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const int rows = PlayingTimeLedger::TimedRows(int(Lines(team).size()));
        for (int row = 0; row < rows; ++row)
            times[std::size_t(team - 1)].push_back(Shown(team, row));
    }
    return times;
}

void LedgerGame::Record(GameEvent event)
{
    event.Sequence = std::int64_t(m_events.size()) + 1;
    m_events.push_back(std::move(event));
}

LedgerGame &LedgerGame::Check(int team, int line, bool on)
{
    m_checked[std::size_t(team - 1)].at(std::size_t(line)) = on;
    Record(GameEvent::Check(m_gameMs, WallMs(), team, line, on));
    return *this;
}

LedgerGame &LedgerGame::Start()
{
    if (m_running)
        throw std::logic_error("START while running");
    m_ledger->Start();
    m_running = true;
    m_sinceStart = 0;
    Record(GameEvent::Start(m_gameMs, WallMs()));
    return *this;
}

LedgerGame &LedgerGame::Run(std::int64_t ms)
{
    if (!m_running)
        throw std::logic_error("Run while standing");
    const auto onCourt = [this](TeamIndex team, int row) { return IsOnCourt(team, row); };
    for (std::int64_t step = 0; step < ms; ++step) {
        ++m_ticks.now;
        ++m_gameMs;
        if (++m_sinceStart % RefreshMs == 0) {
            m_ledger->RefreshOnCourt(onCourt, nullptr);
            m_shownMs = m_gameMs; // the clock's display refreshes with the ledger
        }
        if (m_gameMs % 1000 == 0)
            m_checkpoint = GameCheckpoint{std::int64_t(m_events.size()), m_gameMs, WallMs(), ShownTimes()};
    }
    return *this;
}

LedgerGame &LedgerGame::Wait(std::int64_t ms)
{
    if (m_running)
        throw std::logic_error("Wait while running");
    m_ticks.now += std::uint32_t(ms);
    return *this;
}

LedgerGame &LedgerGame::Pause()
{
    if (!m_running)
        throw std::logic_error("PAUSE while standing");
    m_ledger->Pause([this](TeamIndex team, int row) { return IsOnCourt(team, row); });
    m_running = false;
    m_onCourtAtPause = m_checked;
    Record(GameEvent::Pause(m_gameMs, WallMs(), ShownTimes(), m_shownMs));
    return *this;
}

LedgerGame &LedgerGame::Named(const QString &team1, const QString &team2)
{
    m_opening.TeamNames = {team1, team2};
    return *this;
}

LedgerGame &LedgerGame::Load(int team, const QStringList &lines, const QString &teamName)
{
    m_lines[std::size_t(team - 1)] = lines;
    m_checked[std::size_t(team - 1)].assign(std::size_t(lines.size()), false);
    m_ledger->SetCount(team, int(lines.size()));
    Record(GameEvent::TeamLoad(m_gameMs, WallMs(), team, lines, teamName));
    return *this;
}

LedgerGame &LedgerGame::EndPeriod(int period)
{
    // At the second the clock shows, as the clock's menu ends it.
    Record(GameEvent::PeriodEnd(m_gameMs, WallMs(), period, ShownTime::Ms(m_shownMs)));
    return *this;
}

LedgerGame &LedgerGame::ChangeFormat(const GameFormat &format)
{
    Record(GameEvent::FormatChange(m_gameMs, WallMs(), format));
    return *this;
}

LedgerGame &LedgerGame::SetClock(std::int64_t gameMs)
{
    if (m_running)
        throw std::logic_error("clock set while running");
    const std::int64_t delta = gameMs - m_gameMs;
    for (std::size_t team = 0; team < HistoryTeamCount; ++team) {
        const std::vector<bool> &onCourt = m_onCourtAtPause[team];
        for (std::size_t row = 0; row < onCourt.size() && row < std::size_t(PlayingTimeLedger::RowsPerTeam); ++row) {
            if (onCourt[row])
                m_offset[team][row] += std::int32_t(delta);
        }
    }
    m_gameMs = m_shownMs = gameMs;
    Record(GameEvent::Correction(m_gameMs, WallMs(), delta));
    return *this;
}

LedgerGame &LedgerGame::Export()
{
    Record(GameEvent::Export(m_gameMs, WallMs()));
    return *this;
}

LedgerGame &LedgerGame::UndoReset()
{
    Record(GameEvent::ResetUndone(m_gameMs, WallMs()));
    return *this;
}

LedgerGame &LedgerGame::CrashAndRecover()
{
    if (!m_running || !m_checkpoint || m_checkpoint->AfterSequence < std::int64_t(m_events.size()))
        throw std::logic_error("no checkpoint of the running stretch");
    const GameCheckpoint checkpoint = *m_checkpoint;
    // The recovered ledger starts from the checkpoint's times; rows past a
    // shorter roster keep what they showed.
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<std::int32_t> &saved = checkpoint.Times[std::size_t(team - 1)];
        for (int row = 0; row < PlayingTimeLedger::RowsPerTeam; ++row)
            m_offset[std::size_t(team - 1)][std::size_t(row)] =
                std::size_t(row) < saved.size() ? saved[std::size_t(row)] : Shown(team, row);
    }
    m_ticks.now += 30000; // the program starts again
    NewLedger();
    m_running = false;
    m_onCourtAtPause = m_checked;
    m_gameMs = m_shownMs = checkpoint.GameMs;
    Record(GameEvent::Pause(checkpoint.GameMs, checkpoint.WallMs, checkpoint.Times));
    m_checkpoint.reset();
    return *this;
}

StoredGame LedgerGame::Game() const
{
    StoredGame game;
    game.Summary.Id = 1;
    game.Summary.BegunWallMs = m_opening.WallMs;
    game.Opening = m_opening;
    game.Events = m_events;
    return game;
}
