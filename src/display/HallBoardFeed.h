// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Keeps a hall display showing the game in a window: the bench clock's
// digits each time the clock writes them, the period under way, and the
// players on court with the times their rosters show.  It has no timer of
// its own: it follows the clock's refreshes and the game's signals, so the
// display can never show another second than the bench.

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

#include "display/HallBoard.h"

class GameWindow;
class HallDisplay;

class HallBoardFeed : public QObject
{
    Q_OBJECT
public:
    // Lives as long as `display`, its parent.
    HallBoardFeed(GameWindow &window, HallDisplay &display);

    // The board as the window shows the game now.
    HallBoard Board() const;

public slots:
    void Refresh();
    // The periods may have moved (a format, rules, a period ended, the clock set).
    void RefreshPeriod();

private:
    const QString &PeriodText() const;

    GameWindow &m_window;
    HallDisplay &m_display;
    // The period is looked up once per shown second, not at every refresh.
    mutable std::optional<std::int64_t> m_periodShownMs;
    mutable QString m_period;
};
