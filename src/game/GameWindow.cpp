// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameWindow.h"

#include "game/ClockCommands.h"
#include "game/GameControls.h"

TCheckListBox *GameWindow::Roster(TeamIndex team) const
{
    return GameControls->Roster(team);
}

bool GameWindow::IsOnCourt(TeamIndex team, int row) const
{
    return GameControls->IsOnCourt(team, row);
}

std::optional<GameReport> GameWindow::CurrentReport() const
{
    return m_reportSource ? m_reportSource() : std::nullopt;
}

PeriodSchedule GameWindow::Periods() const
{
    if (m_periodSource)
        return m_periodSource();
    return PeriodSchedule(ClockMenuCommands ? ClockMenuCommands->Format() : GameFormat{});
}
