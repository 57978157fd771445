// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallBoardFeed.h"

#include <QAbstractItemModel>

#include "clock/TFrameClock.h"
#include "display/HallDisplay.h"
#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/GameWindow.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"
#include "timing/ShownTime.h"

HallBoardFeed::HallBoardFeed(GameWindow &window, HallDisplay &display)
    : QObject(&display)
    , m_window(window)
    , m_display(display)
{
    connect(window.FrameClock1, &TFrameClock::Shown, this, &HallBoardFeed::Refresh);
    connect(window.GameControls, &TGameControls::Refreshed, this, &HallBoardFeed::Refresh);
    connect(window.GameControls, &TGameControls::ResetDone, this, &HallBoardFeed::RefreshPeriod);
    connect(&window, &GameWindow::TeamLoaded, this, &HallBoardFeed::Refresh);
    for (TeamIndex team : {1, 2}) {
        const QAbstractItemModel *lines = window.Roster(team)->model();
        connect(lines, &QAbstractItemModel::dataChanged, this, &HallBoardFeed::Refresh);
        connect(lines, &QAbstractItemModel::modelReset, this, &HallBoardFeed::Refresh);
        connect(lines, &QAbstractItemModel::rowsInserted, this, &HallBoardFeed::Refresh);
        connect(lines, &QAbstractItemModel::rowsRemoved, this, &HallBoardFeed::Refresh);
    }
    // The game history moves the periods when it hears of these; the
    // display asks once it has.
    const ClockCommands *commands = window.ClockMenuCommands;
    connect(commands, &ClockCommands::FormatChosen, this, &HallBoardFeed::RefreshPeriod, Qt::QueuedConnection);
    connect(commands, &ClockCommands::RulesChosen, this, &HallBoardFeed::RefreshPeriod, Qt::QueuedConnection);
    connect(commands, &ClockCommands::PeriodEndRequested, this, &HallBoardFeed::RefreshPeriod, Qt::QueuedConnection);
    connect(commands, &ClockCommands::ClockCorrected, this, &HallBoardFeed::RefreshPeriod, Qt::QueuedConnection);
    Refresh();
}

void HallBoardFeed::Refresh()
{
    m_display.SetBoard(Board());
}

void HallBoardFeed::RefreshPeriod()
{
    m_periodShownMs.reset();
    Refresh();
}

HallBoard HallBoardFeed::Board() const
{
    HallBoard board;
    const TFrameClock &clock = *m_window.FrameClock1;
    board.Digits = clock.ShownDigits();
    board.MinuteTensLit = clock.MinuteTensLit();
    board.Period = PeriodText();
    const PlayingTimeLedger &ledger = m_window.Ledger();
    for (TeamIndex team : {1, 2}) {
        const TCheckListBox &roster = *m_window.Roster(team);
        std::vector<HallPlayer> &players = board.OnCourt.at(std::size_t(team - 1));
        for (int row = 0; row < roster.Count(); ++row) {
            if (roster.Checked(row))
                players.push_back({roster.Item(row), TeamRoster::TimeText(ledger, team, row).trimmed()});
        }
    }
    return board;
}

const QString &HallBoardFeed::PeriodText() const
{
    const std::int64_t shownMs = ShownTime::Ms(m_window.FrameClock1->ShownGameTime());
    if (m_periodShownMs == shownMs)
        return m_period;
    m_periodShownMs = shownMs;
    const PeriodSchedule periods = m_window.Periods();
    // At the very end of a period the clock shows its last second, and the
    // period is over: the hall sees the next one.
    const std::optional<SchedulePeriod> period = periods.PeriodUnderWay(shownMs + 1);
    m_period = period ? PeriodName(*period, periods.Format()) : QString();
    return m_period;
}
