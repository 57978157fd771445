// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// F5 and F9 in the main window, sent the way the platform sends keys: to the
// active window, and from there to its focused control (a roster, mostly).

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "clock/TDigit.h"
#include "game/GameControls.h"
#include "platform/TSpeedButton.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"

namespace {

// What a user sees of a game: which buttons show and work, which controls
// are enabled, the clock, and the times the ledger holds.
std::string Snapshot(TFormMain &form)
{
    const auto shown = [](const QWidget *control) {
        return std::string(control->isHidden() ? "-" : "+") + (control->isEnabled() ? "e " : "d ");
    };
    const auto enabled = [](const QWidget *control) { return std::string(control->isEnabled() ? "e " : "d "); };
    std::string s = shown(form.bSTART) + shown(form.bPause) + enabled(form.bReset) + enabled(form.Command1)
        + enabled(form.sbExcel) + (form.TimerList->Enabled() ? "running " : "stopped ");
    const TFrameClock &clock = *form.FrameClock1;
    for (const TDigit *digit : {clock.DigitM10, clock.DigitM1, clock.DigitS10, clock.DigitS1})
        s += char('0' + digit->Value());
    s += " start " + std::to_string(form.Ledger().StartTick());
    for (int row : {0, 5})
        s += " " + std::to_string(form.Ledger().ElapsedOf(1, row));
    return s;
}

class GameKeys : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->show();
        ActivateAndFocusRoster();
    }
    // While the clock runs the rosters are disabled and nothing has the focus.
    void ActivateAndFocusRoster()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        if (form->Command1->isEnabled()) {
            form->Command1->setFocus();
            ASSERT_TRUE(form->Command1->hasFocus());
        }
    }
    void Key(Qt::Key key, std::uint32_t at, Qt::KeyboardModifiers modifiers = {})
    {
        ticks.now = at;
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    // A press repeated by a held key.
    void Repeat(Qt::Key key, std::uint32_t at)
    {
        ticks.now = at;
        QTest::simulateEvent(form->windowHandle(), true, key, {}, {}, true);
    }
    bool Running() const { return form->GameControls->Running(); }
};

TEST_F(GameKeys, F5AndF9DoWhatClicksOnStartAndPauseDo)
{
    TFormMain clicked(ExePath(), ticks.Source());
    struct Step
    {
        Qt::Key key;
        std::uint32_t at;
    };
    // A first start, a pause, a start that continues the game, a pause.
    const Step steps[] = {{Qt::Key_F5, 1000}, {Qt::Key_F9, 4000}, {Qt::Key_F5, 60000}, {Qt::Key_F9, 62000}};
    for (const Step step : steps) {
        if (Running()) {
            // The last refresh of both windows' timers before the key.
            Refresh(step.at);
            clicked.FrameClock1->Timer1Timer(clicked.FrameClock1->Timer1);
            clicked.TimerListTimer(clicked.TimerList);
        }
        ActivateAndFocusRoster();
        Key(step.key, step.at);
        clicked.bSTART_STOPClick(step.key == Qt::Key_F5 ? clicked.bSTART : clicked.bPause);
        EXPECT_EQ(Snapshot(*form), Snapshot(clicked)) << "after " << QKeySequence(step.key).toString().toStdString();
    }
    EXPECT_EQ(Snapshot(*form), "+e -d e e e stopped 0005 start 60000 4999 0");
}

TEST_F(GameKeys, EachKeyActsOnlyWhileItsButtonShows)
{
    Key(Qt::Key_F9, 1000);
    EXPECT_FALSE(Running()) << "F9 while stopped";
    Key(Qt::Key_F5, 2000);
    ASSERT_TRUE(Running());
    const std::string running = Snapshot(*form);
    Key(Qt::Key_F5, 3000);
    EXPECT_EQ(Snapshot(*form), running) << "F5 while running";
    Key(Qt::Key_F9, 4000);
    ASSERT_FALSE(Running());
    const std::string paused = Snapshot(*form);
    Key(Qt::Key_F9, 5000);
    EXPECT_EQ(Snapshot(*form), paused) << "F9 while stopped";
}

TEST_F(GameKeys, AHeldKeyActsOnce)
{
    Repeat(Qt::Key_F5, 1000);
    EXPECT_FALSE(Running()) << "a repeat is no press";
    Key(Qt::Key_F5, 2000);
    for (std::uint32_t at = 2030; at < 3000; at += 30) {
        Repeat(Qt::Key_F5, at);
        Repeat(Qt::Key_F9, at);
    }
    EXPECT_TRUE(Running()) << "repeats of F9 paused the clock";
    Key(Qt::Key_F9, 4000);
    for (std::uint32_t at = 4030; at < 5000; at += 30) {
        Repeat(Qt::Key_F9, at);
        Repeat(Qt::Key_F5, at);
    }
    EXPECT_FALSE(Running()) << "repeats of F5 started the clock";
}

// RESET keeps no key, although its hint names F5: after a pause, no key
// sets the game back to zero, and F5 continues it.
TEST_F(GameKeys, NoKeyResetsTheGame)
{
    Key(Qt::Key_F5, 1000);
    Refresh(6000);
    Key(Qt::Key_F9, 6000);
    ActivateAndFocusRoster();
    ASSERT_TRUE(form->bReset->isEnabled());
    const std::string paused = Snapshot(*form);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> others[] = {
        {Qt::Key_F1, {}},
        {Qt::Key_F2, {}},
        {Qt::Key_F3, {}},
        {Qt::Key_F4, {}},
        {Qt::Key_F6, {}},
        {Qt::Key_F7, {}},
        {Qt::Key_F8, {}},
        {Qt::Key_F10, {}},
        {Qt::Key_F11, {}},
        {Qt::Key_F12, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Enter, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_R, {}},
        {Qt::Key_R, Qt::AltModifier},
        {Qt::Key_F5, Qt::ShiftModifier},
        {Qt::Key_F5, Qt::ControlModifier},
        {Qt::Key_F9, Qt::AltModifier},
    };
    for (const auto &[key, modifiers] : others) {
        Key(key, 7000, modifiers);
        ASSERT_EQ(Snapshot(*form), paused) << QKeySequence(key | modifiers).toString().toStdString();
    }
    Key(Qt::Key_F5, 8000);
    Refresh(10000);
    EXPECT_EQ(Snapshot(*form), "-d +e d d d running 0007 start 8000 6999 0");
}

TEST_F(GameKeys, SpaceStillTicksTheFocusedRosterLine)
{
    form->Command1->SetItemIndex(7);
    Key(Qt::Key_Space, 1000);
    ASSERT_TRUE(form->Command1->Checked(7));
    Key(Qt::Key_F5, 1000);
    Refresh(3000);
    Key(Qt::Key_F9, 3000);
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 1, 7), QStringLiteral(" 0:02")) << "the line ticked by Space played";
}

TEST_F(GameKeys, NoKeyActsUnderAModalDialog)
{
    QDialog aboutBox(form.get());
    form->SetAboutBox(&aboutBox);
    QTimer::singleShot(0, &aboutBox, [&] {
        Key(Qt::Key_F5, 1000);
        QTest::keyClick(aboutBox.windowHandle(), Qt::Key_F5);
        aboutBox.reject();
    });
    form->sbInfoClick(form->sbInfo);
    EXPECT_FALSE(Running());

    // A window manager may leave the main window active under a new dialog.
    QDialog dialog(form.get());
    dialog.setAttribute(Qt::WA_ShowWithoutActivating);
    dialog.setModal(true);
    dialog.show();
    ActivateAndFocusRoster();
    Key(Qt::Key_F5, 2000);
    EXPECT_FALSE(Running());
    dialog.hide();

    Key(Qt::Key_F5, 3000);
    EXPECT_TRUE(Running()) << "the key works again once the dialog is closed";
}

TEST_F(GameKeys, WhatTheHandlerThrowsIsReportedAsForAClick)
{
    form->FrameClock1->Timer1->SimulateNoTimersAvailable(true);
    RecordedReports reports;
    Key(Qt::Key_F5, 1000);
    EXPECT_EQ(reports.messages, QStringList{QStringLiteral("Not enough timers available")});
}

} // namespace
