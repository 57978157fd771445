// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Whole games played through the main window's handlers with a scripted
// tick source: the buttons, the clock, the rosters and the ledger together.

#include <QTest>

#include <gtest/gtest.h>

#include "app/TFormMain.h"
#include "buttons/TLbSpeedButton.h"
#include "clock/TDigit.h"
#include "clock/TFrameClock.h"
#include "game/GameControls.h"
#include "platform/TSpeedButton.h"
#include "platform/TTimer.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"
#include "support/ScriptedTicks.h"

namespace {

class Game : public MainWindowFixture
{
protected:
    QString Shown(int team, int row) const { return TeamRoster::TimeText(form->Ledger(), team, row); }
    void SetOnCourt(int team, int row, bool on) { form->Roster(team)->SetChecked(row, on); }

    // The enabled and visible state of every switched control, as one text.
    std::string State() const
    {
        auto flag = [](bool b) { return b ? '1' : '0'; };
        std::string s;
        s += flag(!form->bSTART->isHidden());
        s += flag(form->bSTART->isEnabled());
        s += flag(!form->bPause->isHidden());
        s += flag(form->bPause->isEnabled());
        s += flag(form->bReset->isEnabled());
        s += flag(form->Command1->isEnabled());
        s += flag(form->Command2->isEnabled());
        s += flag(form->sbLoad1->isEnabled());
        s += flag(form->sbLoad2->isEnabled());
        s += flag(form->sbExcel->isEnabled());
        s += flag(form->TimerList->Enabled());
        return s;
    }
};

//                                     START  PAUSE  RESET rosters loaders excel timer
const std::string StartUpState = "11"
                                 "00"
                                 "0"
                                 "11"
                                 "11"
                                 "0"
                                 "0";
const std::string RunningState = "00"
                                 "11"
                                 "0"
                                 "00"
                                 "00"
                                 "0"
                                 "1";
const std::string StoppedState = "11"
                                 "00"
                                 "1"
                                 "11"
                                 "11"
                                 "1"
                                 "0";

TEST_F(Game, ControlsFollowTheStateTable)
{
    EXPECT_EQ(State(), StartUpState);
    EXPECT_EQ(form->bPause->geometry(), form->bSTART->geometry()) << "PAUSE stands where START stands";
    EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
    Start(1000);
    EXPECT_EQ(State(), RunningState);
    EXPECT_TRUE(form->GameControls->Running());
    Pause(5000);
    EXPECT_EQ(State(), StoppedState);
    form->bResetClick(form->bReset);
    EXPECT_EQ(State(), StoppedState) << "RESET changes no enabled or visible state";
    EXPECT_EQ(form->bPause->geometry(), form->bSTART->geometry());
}

// The three game buttons as the design sets them up, a row each.
struct GameButtonDesign
{
    TLbSpeedButton *TFormMain::*button;
    const char *caption;
    int tag;
    QRect geometry;
    TColor color, colorWhenDown, hotTrackColor, lightColor, shadowColor;
    const char *hint;
};

const GameButtonDesign GameButtons[] = {
    {&TFormMain::bSTART, "START", 0, QRect(118, 5, 114, 45), clGreen, 0x0080FF80, 0x0000C000, 0x00C0FFC0, 0x0000C000,
     "F5"},
    {&TFormMain::bPause, "PAUSE", 1, QRect(118, 5, 114, 45), clRed, 0x008080FF, 0x00B0B0FF, 0x009090FF, 0x000000C0,
     "F9"},
    {&TFormMain::bReset, "RESET", 0, QRect(566, 5, 114, 45), clBlack, clGray, clBlack, clSilver, clBlack, "F5"},
};

TEST_F(Game, ButtonDesignValues)
{
    for (const GameButtonDesign &design : GameButtons) {
        const TLbSpeedButton *button = (*form).*design.button;
        SCOPED_TRACE(design.caption);
        EXPECT_EQ(button->Caption(), QString::fromUtf8(design.caption));
        EXPECT_EQ(button->Tag(), design.tag);
        EXPECT_EQ(button->geometry(), design.geometry);
        EXPECT_EQ(button->Color(), design.color);
        EXPECT_EQ(button->ColorWhenDown(), design.colorWhenDown);
        EXPECT_EQ(button->HotTrackColor(), design.hotTrackColor);
        EXPECT_EQ(button->LightColor(), design.lightColor);
        EXPECT_EQ(button->ShadowColor(), design.shadowColor);
        EXPECT_EQ(button->Hint(), QString::fromUtf8(design.hint));
        // What all three share.
        EXPECT_EQ(button->Style(), bsModern);
        EXPECT_EQ(button->Alignment(), taCenter);
        EXPECT_TRUE(button->UseHotTrackFont());
        EXPECT_EQ(button->Font().Color, clWhite);
        EXPECT_TRUE(button->Font().Font.bold());
        EXPECT_EQ(button->Font().Font.pixelSize(), 19);
        EXPECT_EQ(button->HotTrackFont().Color, clYellow);
        EXPECT_EQ(button->HotTrackFont().Font.pixelSize(), 21);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(button->SlowDecease());
    }
    EXPECT_EQ(form->TimerList->Interval(), 200);
}

TEST_F(Game, WholeGameWithSubstitutionsMatchesTheLedger)
{
    Start(1000);
    Refresh(61000);
    EXPECT_EQ(ClockText(), QStringLiteral("01:00"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 1:00"));
    EXPECT_EQ(Shown(2, 4), QStringLiteral(" 1:00"));
    EXPECT_EQ(Shown(1, 5), QStringLiteral(" 0:00"));
    Pause(61000);

    // Substitution during the pause: line 0 off, line 5 on.
    SetOnCourt(1, 0, false);
    SetOnCourt(1, 5, true);
    Start(71000);
    Refresh(101000);
    EXPECT_EQ(Shown(1, 1), QStringLiteral(" 1:30"));
    EXPECT_EQ(Shown(1, 5), QStringLiteral(" 0:30"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 1:00"));
    EXPECT_EQ(form->Ledger().ElapsedOf(1, 1), 89999);
    EXPECT_EQ(form->Ledger().ElapsedOf(1, 5), 29999);
    // The clock left out the pause, to the millisecond (its resume removes no extra millisecond).
    EXPECT_EQ(ClockText(), QStringLiteral("01:30"));

    Pause(101000);
    form->bResetClick(form->bReset);
    EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(Shown(1, row), QStringLiteral(" 0:00"));

    // START after RESET is a first start: both count again from zero.
    Start(200000);
    Refresh(203000);
    EXPECT_EQ(ClockText(), QStringLiteral("00:03"));
    EXPECT_EQ(Shown(1, 1), QStringLiteral(" 0:03"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 0:00")) << "still on the bench";
}

TEST_F(Game, ClockAndPlayersChangeTheirSecondsTogether)
{
    Start(10000);
    for (std::uint32_t ms = 0; ms <= 65000; ms += 50) {
        Refresh(10000 + ms);
        const QString clock = ClockText();
        const QString player = Shown(2, 0);
        // " M:SS" against "MM:SS": the same minutes and seconds.
        ASSERT_EQ(clock.mid(1), player.mid(0).replace(QLatin1Char(' '), QLatin1Char('0')).mid(1))
            << "at " << ms << " ms";
    }
}

TEST_F(Game, PauseTimeCountsForNobody)
{
    Start(1000);
    Refresh(4000);
    Pause(4000);
    Start(60000);
    Refresh(62000);
    Pause(62000);
    EXPECT_EQ(ClockText(), QStringLiteral("00:05"));
    EXPECT_EQ(form->Ledger().ElapsedOf(1, 0), 4999);
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 0:05"));
}

TEST_F(Game, TeamLoadedDuringAPauseKeepsTheTimesOfItsPositions)
{
    Start(0);
    Refresh(30000);
    Pause(30000);
    LoadTeam(1,
             WriteTeam(QStringLiteral("team.txt"), "1 A\n2 B\n3 C\n4 D\n5 E\n6 F\n7 G\n8 H\n9 I\n10 J\n11 K\n12 L\n"));
    ASSERT_EQ(form->Command1->Count(), 12);
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 0:30")) << "line 0 of the new team shows what line 0 had";
    for (int row = 0; row < 12; ++row)
        EXPECT_FALSE(form->Command1->Checked(row));
    // Put lines 0 and 11 on court; line 11 is new in this game.
    SetOnCourt(1, 0, true);
    SetOnCourt(1, 11, true);
    Start(40000);
    Refresh(45000);
    EXPECT_EQ(Shown(1, 11), QStringLiteral(" 0:05"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 0:35"));
}

TEST_F(Game, WhileRunningTheRostersTakeNoCheckChanges)
{
    form->show();
    Start(1000);
    const bool before = form->Command1->Checked(7);
    form->Command1->setFocus();
    form->Command1->SetItemIndex(7);
    QTest::keyClick(form->Command1, Qt::Key_Space);
    EXPECT_EQ(form->Command1->Checked(7), before);
    EXPECT_FALSE(form->sbLoad1->isEnabled());
    EXPECT_FALSE(form->sbExcel->isEnabled());
}

TEST_F(Game, ARealClickOnStartAndPauseSwapsTheButtons)
{
    form->show();
    QTest::mouseClick(form->bSTART, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(State(), RunningState);
    QTest::mouseClick(form->bPause, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(State(), StoppedState);
    QTest::mouseClick(form->bReset, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
}

TEST_F(Game, ATimerThatCannotStartIsReported)
{
    form->FrameClock1->Timer1->SimulateNoTimersAvailable(true);
    form->show();
    RecordedReports reports;
    QTest::mouseClick(form->bSTART, Qt::LeftButton, {}, QPoint(50, 20));
    ASSERT_EQ(reports.messages, QStringList{QStringLiteral("Not enough timers available")});
    EXPECT_FALSE(form->bSTART->Down()) << "the button saw its release";
}

} // namespace
