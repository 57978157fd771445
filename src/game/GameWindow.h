// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The window a game is played in, as the game's own parts see it: the clock,
// START/PAUSE/RESET, the rosters, the clock's menu and the RESET undo, the
// team files' names and the report the export adds.  The main window builds
// and lays them out; the journal and the history's start-up work on them
// through this base, so that they need nothing of the shell above.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "game/GameReport.h"
#include "timing/PeriodSchedule.h"
#include "timing/PlayingTimeLedger.h"

class ClockCommands;
class ResetUndo;
class TCheckListBox;
class TFrameClock;
class TGameControls;

class GameWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual PlayingTimeLedger &Ledger() = 0;

    TFrameClock *FrameClock1 = nullptr; // the game clock
    // START, PAUSE, RESET and the refresh of the playing times.
    TGameControls *GameControls = nullptr;
    // The clock's context menu: setting the clock, the period format, ending a period.
    ClockCommands *ClockMenuCommands = nullptr;
    // Ctrl+Z right after a RESET brings the game back.
    ResetUndo *TakeBackReset = nullptr;

    // The roster of team 1 (left) or 2 (right), as the game controls hold them.
    TCheckListBox *Roster(TeamIndex team) const;
    bool IsOnCourt(TeamIndex team, int row) const;

    // The name of the team file a roster was last loaded from (TeamFile::TeamName);
    // empty while it holds the rosters the program starts with.  The game
    // history keeps it, and puts it back with a game it brings back.
    const QString &TeamName(TeamIndex team) const { return m_teamNames.at(std::size_t(team - 1)); }
    void SetTeamName(TeamIndex team, const QString &name) { m_teamNames.at(std::size_t(team - 1)) = name; }

    // The game report that the export adds to the rosters' sheet; nothing
    // when there is none (no history, no action stored yet).  The game
    // history puts its own here while it stores.
    using ReportSource = std::function<std::optional<GameReport>()>;
    void SetReportSource(ReportSource source)
    {
        m_reportSource = std::move(source);
        emit ReportSourceChanged();
    }
    std::optional<GameReport> CurrentReport() const;

    // Where the periods of the game on screen lie.  The game history puts
    // its own here, which knows the periods ended by hand; without it they
    // follow the format in force.
    using PeriodSource = std::function<PeriodSchedule()>;
    void SetPeriodSource(PeriodSource source) { m_periodSource = std::move(source); }
    PeriodSchedule Periods() const;

signals:
    // A team file replaced the lines of team `team`'s roster; TeamName(team) names it.
    void TeamLoaded(TeamIndex team);
    // Both rosters were written into a workbook.
    void Exported();
    // The game history began or stopped handing out reports.
    void ReportSourceChanged();

private:
    std::array<QString, 2> m_teamNames;
    ReportSource m_reportSource;
    PeriodSource m_periodSource;
};
