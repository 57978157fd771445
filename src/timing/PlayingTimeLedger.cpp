// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/PlayingTimeLedger.h"

#include <algorithm>
#include <cstdio>

PlayingTimeLedger::PlayingTimeLedger(TickSource tick)
    : m_tick(std::move(tick))
{ }

void PlayingTimeLedger::Reset()
{
    for (auto &team : m_rows)
        team.fill(PlayerTime{});
    m_pauseTick = 0;
    m_pausedSinceReset = false;
    m_rowsInGame = {0, 0};
}

void PlayingTimeLedger::SetCount(TeamIndex team, int lines)
{
    if (!IsTeam(team))
        return;
    m_count[team - 1] = lines;
    // Rows that drop out of the count stop being moved at START and PAUSE,
    // so their references go stale; they are re-based if they come back.
    m_rowsInGame[team - 1] = std::min(m_rowsInGame[team - 1], RowsWalked(team));
}

int PlayingTimeLedger::Count(TeamIndex team) const
{
    return IsTeam(team) ? m_count[team - 1] : 0;
}

int PlayingTimeLedger::RowsWalked(TeamIndex team) const
{
    return std::clamp(m_count[team - 1], 0, RowsPerTeam);
}

void PlayingTimeLedger::Start()
{
    m_startTick = m_tick();
    if (!m_pausedSinceReset) {
        const std::uint32_t t = m_tick();
        for (TeamIndex team = 1; team <= 2; ++team) {
            const int rows = RowsWalked(team);
            for (int row = 0; row < rows; ++row)
                m_rows[team - 1][row].RefTick = t;
            m_rowsInGame[team - 1] = rows;
        }
        return;
    }
    const std::uint32_t t = m_tick();
    const std::uint32_t d = t - m_pauseTick + 1;
    for (TeamIndex team = 1; team <= 2; ++team) {
        const int rows = RowsWalked(team);
        auto &table = m_rows[team - 1];
        const int inGame = std::min(m_rowsInGame[team - 1], rows);
        for (int row = 0; row < inGame; ++row)
            table[row].RefTick += d;
        // Lines loaded during the pause: go on from the time their position
        // shows and count only running clock from now.
        for (int row = inGame; row < rows; ++row)
            table[row].RefTick = t - table[row].Elapsed;
        m_rowsInGame[team - 1] = rows;
    }
}

void PlayingTimeLedger::Pause(const OnCourtQuery &isOnCourt)
{
    m_pauseTick = m_tick();
    m_pausedSinceReset = true;
    const std::uint32_t d = m_tick() - m_startTick;
    for (TeamIndex team = 1; team <= 2; ++team) {
        const int rows = RowsWalked(team);
        for (int row = 0; row < rows; ++row) {
            if (!isOnCourt(team, row))
                m_rows[team - 1][row].RefTick += d;
        }
    }
}

void PlayingTimeLedger::RefreshOnCourt(const OnCourtQuery &isOnCourt, const RepaintRoster &repaint)
{
    for (TeamIndex team = 1; team <= 2; ++team) {
        const int rows = RowsWalked(team);
        auto &table = m_rows[team - 1];
        for (int row = 0; row < rows; ++row) {
            if (isOnCourt(team, row))
                table[row].Elapsed = m_tick() - table[row].RefTick;
        }
        if (repaint)
            repaint(team);
    }
}

void PlayingTimeLedger::RestorePaused(const ElapsedTables &elapsed)
{
    // As if the game had been paused just now: a reference of now - Elapsed
    // is what a pause leaves for a row that was on court, and the next Start
    // moves every counted row on by the pause from here.
    const std::uint32_t t = m_tick();
    for (TeamIndex team = 1; team <= 2; ++team) {
        auto &table = m_rows[team - 1];
        for (int row = 0; row < RowsPerTeam; ++row) {
            table[row].Elapsed = static_cast<std::uint32_t>(elapsed[team - 1][row]);
            table[row].RefTick = t - table[row].Elapsed;
        }
        m_rowsInGame[team - 1] = RowsWalked(team);
    }
    m_startTick = t;
    m_pauseTick = t;
    m_pausedSinceReset = true;
}

void PlayingTimeLedger::AdjustElapsed(TeamIndex team, int row, std::int32_t delta)
{
    if (!IsTeam(team) || !IsTimed(team, row))
        return;
    PlayerTime &time = m_rows[team - 1][row];
    time.Elapsed += static_cast<std::uint32_t>(delta);
    // The reference moves the other way, so the next refresh after a resume
    // counts on from the adjusted time.
    time.RefTick -= static_cast<std::uint32_t>(delta);
}

PlayingTimeLedger::ElapsedTables PlayingTimeLedger::AllElapsed() const
{
    ElapsedTables tables{};
    for (TeamIndex team = 1; team <= 2; ++team) {
        for (int row = 0; row < RowsPerTeam; ++row)
            tables[team - 1][row] = static_cast<std::int32_t>(m_rows[team - 1][row].Elapsed);
    }
    return tables;
}

std::int32_t PlayingTimeLedger::ElapsedOf(TeamIndex team, int row) const
{
    if (!IsTeam(team) || !IsTimed(team, row))
        return 0;
    return static_cast<std::int32_t>(m_rows[team - 1][row].Elapsed);
}

bool PlayingTimeLedger::IsTimed(TeamIndex team, int row)
{
    return IsTeam(team) && row >= 0 && row < RowsPerTeam;
}

const PlayerTime &PlayingTimeLedger::Row(TeamIndex team, int row) const
{
    static const PlayerTime none{};
    if (!IsTeam(team) || !IsTimed(team, row))
        return none;
    return m_rows[team - 1][row];
}

std::string FormatPlayTime(std::int32_t milliseconds)
{
    const std::int32_t shown = ShownTime::Seconds32(milliseconds);
    const int minutes = (shown / 60) % 60;
    const int seconds = shown % 60;
    char text[16];
    std::snprintf(text, sizeof text, "%2d:%2d", minutes, seconds);
    std::string result(text);
    if (result.size() > 3 && result[3] == ' ')
        result[3] = '0';
    return result;
}
