// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The clock's context menu, opened with the right mouse button anywhere on
// the clock (the digits are display-only and pass the click on to it):
//
//   Uhr stellen …             while the clock stands
//   ---
//   4 × 10 Minuten  (ticked: the current format; one of them at most)
//   4 × 12 Minuten
//   4 × 8 Minuten
//   8 × 5 Minuten
//   Regeln ▸                  (the playing-time rules, "Keine Regeln" first; one ticked)
//   ---
//   Abschnitt hier beenden    while the clock stands after some game time
//   ---
//   Hallenanzeige             (ticked while the hall display is open)
//
// The menu only reports what was chosen; ClockCommands does it.

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/GameFormatSetting.h"
#include "timing/PlayingRules.h"

class QAction;
class QMenu;
class QPoint;
class TFrameClock;

class ClockMenu : public QObject
{
    Q_OBJECT
public:
    // What decides the menu's enabling and ticks, asked when it opens.
    struct State
    {
        bool ClockStands = true;
        // The game time the clock shows, in whole seconds.
        std::int64_t ShownGameMs = 0;
        GameFormat Format;
        QString RulesName;
    };
    using StateQuery = std::function<State()>;

    ClockMenu(TFrameClock *clock, StateQuery state);

    QMenu *Menu = nullptr;
    QAction *SetClockAction = nullptr;
    std::array<QAction *, CommonGameFormats.size()> FormatActions{};
    QMenu *RulesMenu = nullptr;
    std::vector<QAction *> RulesActions; // as PlayingRuleSets::All()
    QAction *EndPeriodAction = nullptr;
    // Its tick is kept by whoever opens the display.
    QAction *HallDisplayAction = nullptr;

    // Brings enabling and ticks up to date and shows the menu at `globalPos`.
    void Popup(const QPoint &globalPos);
    // Brings enabling and ticks up to date with the state.
    void Update();

signals:
    void SetClockChosen();
    // The format that picking a common format leads to (the overtime length stays).
    void FormatChosen(const GameFormat &format);
    void EndPeriodChosen();
    void RulesChosen(const PlayingRules &rules);
    void HallDisplayChosen();

private:
    TFrameClock *m_clock;
    StateQuery m_state;
};
