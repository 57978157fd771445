// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameControls.h"

#include "buttons/TLbSpeedButton.h"
#include "clock/TFrameClock.h"
#include "game/ButtonKey.h"
#include "platform/Canvas.h"
#include "platform/TTimer.h"
#include "rosters/TCheckListBox.h"

namespace {

// Colours of one button, as the main window's form data gives them.
struct ButtonColours
{
    TColor Color;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    TColor LightColor;
    TColor ShadowColor;
};

void ApplyDesign(TLbSpeedButton *button, const QString &caption, const ButtonColours &colours, const QString &hint)
{
    button->SetCaption(caption);
    button->SetColor(colours.Color);
    button->SetColorWhenDown(colours.ColorWhenDown);
    button->SetHotTrackColor(colours.HotTrackColor);
    button->SetLightColor(colours.LightColor);
    button->SetShadowColor(colours.ShadowColor);
    button->SetFont(TLbFont{MakeFont("Arial", -19, true), clWhite});
    button->SetHotTrackFont(TLbFont{MakeFont("Arial", -21, true), clYellow});
    button->SetUseHotTrackFont(true);
    button->SetStyle(bsModern);
    button->SetAlignment(taCenter);
    button->setCursor(Qt::PointingHandCursor);
    button->SetHint(hint);
    button->SetShowHint(true);
}

} // namespace

TGameControls::TGameControls(QWidget *buttonParent, const Wiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    m_isOnCourt = [this](TeamIndex team, int row) { return IsOnCourt(team, row); };
    m_repaintRoster = [this](TeamIndex team) { RepaintRoster(team); };

    bSTART = MakeButton(buttonParent, "bSTART", 0);
    ApplyDesign(bSTART, QStringLiteral("START"), {clGreen, 0x0080FF80, 0x0000C000, 0x00C0FFC0, 0x0000C000},
                QStringLiteral("F5"));

    bPause = MakeButton(buttonParent, "bPause", 1);
    ApplyDesign(bPause, QStringLiteral("PAUSE"), {clRed, 0x008080FF, 0x00B0B0FF, 0x009090FF, 0x000000C0},
                QStringLiteral("F9"));
    bPause->setEnabled(false);
    bPause->setVisible(false);

    bReset = MakeButton(buttonParent, "bReset", 0);
    // RESET keeps the control's default shadow colour.
    ApplyDesign(bReset, QStringLiteral("RESET"), {clBlack, clGray, clBlack, clSilver, bReset->ShadowColor()},
                QStringLiteral("F5"));
    bReset->setEnabled(false);

    // The keys the hints of START and PAUSE name.  RESET names one too, but
    // is left without: a mis-hit key must never wipe a game.
    new ButtonKey(QKeySequence(Qt::Key_F5), bSTART);
    new ButtonKey(QKeySequence(Qt::Key_F9), bPause);

    TimerList = new TTimer(this);
    TimerList->setObjectName(QStringLiteral("TimerList"));
    TimerList->SetInterval(200);
    connect(TimerList, &QTimer::timeout, this, [this] { TimerListTimer(TimerList); });
}

TLbSpeedButton *TGameControls::MakeButton(QWidget *parent, const char *name, int tag)
{
    auto *button = new TLbSpeedButton(parent);
    button->setObjectName(QLatin1String(name));
    button->SetTag(tag);
    return button;
}

bool TGameControls::Running() const
{
    return TimerList->Enabled();
}

TCheckListBox *TGameControls::Roster(TeamIndex team) const
{
    switch (team) {
    case 1: return m_wiring.Command1;
    case 2: return m_wiring.Command2;
    default: return nullptr;
    }
}

bool TGameControls::IsOnCourt(TeamIndex team, int row) const
{
    // A line the roster does not hold is not checked: nobody is on court there.
    const TCheckListBox *roster = Roster(team);
    return roster && roster->Checked(row);
}

void TGameControls::RepaintRoster(TeamIndex team)
{
    // Repaints now, as a Refresh would, but only the time texts that changed.
    if (TCheckListBox *roster = Roster(team))
        m_timeRefresh[std::size_t(team - 1)].Repaint(*roster, *m_wiring.Ledger, team);
}

void TGameControls::bSTART_STOPClick(QObject *sender)
{
    const auto *button = qobject_cast<const TLbSpeedButton *>(sender);
    const int tag = button ? button->Tag() : 0;
    const bool pause = tag == 1;
    const std::int64_t standingMs = m_wiring.FrameClock1->GameTime();

    if (tag == 0 && m_startGuard && !m_startGuard())
        return;
    if (tag == 0) {
        m_wiring.Ledger->Start();
        for (RosterTimeRefresh &refresh : m_timeRefresh)
            refresh.Forget();
    } else {
        m_wiring.Ledger->Pause(m_isOnCourt);
    }
    TimerList->SetEnabled(!pause);
    m_wiring.FrameClock1->StartStop(pause);
    ShowClockState(!pause);
    if (pause)
        emit ClockPaused();
    else
        emit ClockStarted(standingMs);
}

void TGameControls::ShowClockState(bool running)
{
    bSTART->setEnabled(!running);
    bPause->setEnabled(!bSTART->isEnabled());
    bSTART->setVisible(!running);
    bPause->setVisible(bSTART->isHidden());
    bReset->setEnabled(!running);
    m_wiring.Command1->setEnabled(bSTART->isEnabled());
    m_wiring.Command2->setEnabled(m_wiring.Command1->isEnabled());
    m_wiring.sbExcel->setEnabled(bSTART->isEnabled());
    m_wiring.sbLoad1->setEnabled(bSTART->isEnabled());
    m_wiring.sbLoad2->setEnabled(bSTART->isEnabled());
}

StandingGame TGameControls::Snapshot() const
{
    StandingGame game;
    for (TeamIndex team = 1; team <= 2; ++team) {
        const TCheckListBox &roster = *Roster(team);
        StandingGame::Roster &saved = game.Rosters[std::size_t(team - 1)];
        saved.Lines = roster.Lines();
        saved.Checked.resize(std::size_t(roster.Count()));
        for (int row = 0; row < roster.Count(); ++row)
            saved.Checked[std::size_t(row)] = roster.Checked(row);
    }
    game.Elapsed = m_wiring.Ledger->AllElapsed();
    game.GameMs = m_wiring.FrameClock1->GameTime();
    game.ShownGameMs = m_wiring.FrameClock1->ShownGameTime();
    game.ClockStarted = m_wiring.FrameClock1->Started();
    game.Ledger = *m_wiring.Ledger;
    return game;
}

void TGameControls::Restore(const StandingGame &game)
{
    if (Running())
        return;
    PlayingTimeLedger &ledger = *m_wiring.Ledger;
    if (game.Ledger)
        ledger = *game.Ledger;
    for (TeamIndex team = 1; team <= 2; ++team) {
        TCheckListBox &roster = *Roster(team);
        const StandingGame::Roster &saved = game.Rosters[std::size_t(team - 1)];
        // New lines would lose the selection; unchanged ones keep it.
        if (roster.Lines() != saved.Lines)
            roster.SetLines(saved.Lines);
        for (int row = 0; row < roster.Count(); ++row)
            roster.SetChecked(row, row < int(saved.Checked.size()) && saved.Checked[std::size_t(row)]);
        ledger.SetCount(team, roster.Count());
    }
    if (!game.Ledger) {
        if (game.ClockStarted)
            ledger.RestorePaused(game.Elapsed);
        else
            ledger.Reset(); // a game whose clock never ran starts as a fresh one
    }
    if (game.ClockStarted)
        m_wiring.FrameClock1->RestoreGameTime(game.GameMs, game.ShownGameMs.value_or(game.GameMs));
    else
        m_wiring.FrameClock1->ResetClock();
    ShowClockState(false);
    m_wiring.Command1->Refresh();
    m_wiring.Command2->Refresh();
}

void TGameControls::bResetClick(QObject *)
{
    emit AboutToReset();
    m_wiring.FrameClock1->ResetClock();
    m_wiring.Ledger->Reset();
    m_wiring.Command1->Refresh();
    m_wiring.Command2->Refresh();
    emit ResetDone();
}

void TGameControls::TimerListTimer(QObject *)
{
    m_wiring.Ledger->RefreshOnCourt(m_isOnCourt, m_repaintRoster);
    emit Refreshed();
}
