// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game controls: START, PAUSE and RESET and the 200 ms refresh of the
// playing times.  START and PAUSE share one place and one handler (the
// clicked button's Tag says which); while the clock runs the rosters, their
// loaders, RESET and the export button are disabled, so check marks and
// teams change only while the clock stands still.  F5 and F9, the keys that
// the hints of START and PAUSE name, click them; RESET has no key.

#include <QObject>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>

#include "game/RosterTimeRefresh.h"
#include "game/StandingGame.h"
#include "timing/PlayingTimeLedger.h"

class QWidget;
class TCheckListBox;
class TFrameClock;
class TLbSpeedButton;
class TTimer;

class TGameControls : public QObject
{
    Q_OBJECT
public:
    // What the controls switch and drive; all owned by the main window.
    struct Wiring
    {
        PlayingTimeLedger *Ledger = nullptr;
        TFrameClock *FrameClock1 = nullptr;
        TCheckListBox *Command1 = nullptr;
        TCheckListBox *Command2 = nullptr;
        QWidget *sbLoad1 = nullptr;
        QWidget *sbLoad2 = nullptr;
        QWidget *sbExcel = nullptr;
    };

    // Design bounds of the three buttons in the top panel.
    static constexpr QRect StartBounds{118, 5, 114, 45};
    static constexpr QRect PauseBounds{150, 31, 110, 40};
    static constexpr QRect ResetBounds{566, 5, 114, 45};

    // Creates the three buttons (children of `buttonParent`, not yet placed,
    // their clicks bound by the window that owns them) and the refresh timer.
    TGameControls(QWidget *buttonParent, const Wiring &wiring, QObject *parent = nullptr);

    TLbSpeedButton *bSTART = nullptr;
    TLbSpeedButton *bPause = nullptr;
    TLbSpeedButton *bReset = nullptr;
    TTimer *TimerList = nullptr;

    // Asked before START: false leaves the clock standing.
    using StartGuard = std::function<bool()>;
    void SetStartGuard(StartGuard guard) { m_startGuard = std::move(guard); }

    // Whether the clock runs: the refresh runs exactly then.
    bool Running() const;

    // The roster of team 1 or 2; nullptr for any other team.
    TCheckListBox *Roster(TeamIndex team) const;
    // The ledger's on-court query: whether line `row` of the team's roster is checked.
    bool IsOnCourt(TeamIndex team, int row) const;

    // The game as it stands now; meant for a standing clock.
    StandingGame Snapshot() const;
    // Puts the standing game back: both rosters with their check marks, the
    // ledger's counts and times, the clock, and the buttons as after a PAUSE,
    // so that START goes on from there.  Ignored while the clock runs.
    void Restore(const StandingGame &game);

signals:
    // Each after the click's effect: the clock runs (from `gameMs`, the time
    // it stood at), stands, is about to be reset, was reset.
    void ClockStarted(std::int64_t gameMs);
    void ClockPaused();
    void AboutToReset();
    void ResetDone();
    // After each refresh of the playing times while the clock runs.
    void Refreshed();

public slots:
    // START (Tag 0) or PAUSE (Tag 1).
    void bSTART_STOPClick(QObject *sender);
    // A new game: clock and every playing time back to zero.
    void bResetClick(QObject *sender);
    // One refresh of the playing times of everyone on court.
    void TimerListTimer(QObject *sender);

private:
    TLbSpeedButton *MakeButton(QWidget *parent, const char *name, int tag);
    // Enables and shows what a running or a standing clock allows.
    void ShowClockState(bool running);
    void RepaintRoster(TeamIndex team);

    Wiring m_wiring;
    // Built once: the refresh runs every 200 ms and must not allocate.
    PlayingTimeLedger::OnCourtQuery m_isOnCourt;
    PlayingTimeLedger::RepaintRoster m_repaintRoster;
    // What each roster's time texts show, so a refresh repaints only changes.
    std::array<RosterTimeRefresh, 2> m_timeRefresh;
    StartGuard m_startGuard;
};
