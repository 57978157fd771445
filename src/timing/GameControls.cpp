// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/GameControls.h"

#include "buttons/TLbSpeedButton.h"
#include "clock/TFrameClock.h"
#include "platform/Canvas.h"
#include "platform/TTimer.h"
#include "rosters/TCheckListBox.h"
#include "timing/ButtonKey.h"

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

    if (tag == 0) {
        m_wiring.Ledger->Start();
        for (RosterTimeRefresh &refresh : m_timeRefresh)
            refresh.Forget();
    } else {
        m_wiring.Ledger->Pause(m_isOnCourt);
    }
    TimerList->SetEnabled(!pause);
    m_wiring.FrameClock1->StartStop(pause);

    bSTART->setEnabled(pause);
    bPause->setEnabled(!bSTART->isEnabled());
    bSTART->setVisible(pause);
    bPause->setVisible(bSTART->isHidden());
    bReset->setEnabled(pause);
    m_wiring.Command1->setEnabled(bSTART->isEnabled());
    m_wiring.Command2->setEnabled(m_wiring.Command1->isEnabled());
    m_wiring.sbExcel->setEnabled(bSTART->isEnabled());
    m_wiring.sbLoad1->setEnabled(bSTART->isEnabled());
    m_wiring.sbLoad2->setEnabled(bSTART->isEnabled());
    if (pause)
        emit ClockPaused();
    else
        emit ClockStarted();
}

void TGameControls::bResetClick(QObject *)
{
    m_wiring.FrameClock1->ResetClock();
    m_wiring.Ledger->Reset();
    m_wiring.Command1->Refresh();
    m_wiring.Command2->Refresh();
    emit GameReset();
}

void TGameControls::TimerListTimer(QObject *)
{
    m_wiring.Ledger->RefreshOnCourt(m_isOnCourt, m_repaintRoster);
}
