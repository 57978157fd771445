// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "clock/TDigit.h"
#include "clock/TFrameClock.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"
#include "platform/TTimer.h"
#include "support/MainWindowFixture.h"

namespace {

constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb DarkGrey = 0xFF404040;

using ClockInMainWindow = MainWindowFixture;

TEST_F(ClockInMainWindow, FillsTheClockPanelInsideItsBevel)
{
    TFrameClock *clock = form->FrameClock1;
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->parentWidget(), form->PanelClock);
    EXPECT_EQ(clock->geometry(), QRect(2, 2, 314, 100));
    EXPECT_EQ(clock->Color(), clBlack);
    form->show(); // a hidden widget gets its resize events only when shown
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->PanelClock->resize(400, 120);
    EXPECT_EQ(clock->geometry(), QRect(2, 2, 396, 116));
    EXPECT_EQ(clock->DigitS1->geometry(), QRect(246, 7, 60, 85)) << "digits keep their places";
}

TEST_F(ClockInMainWindow, ShowsZeroWithADimLeadingDigitAndAYellowColon)
{
    const QImage shot = form->FrameClock1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(314, 100));
    // Left and right bars of each 0 lit, the middle bar dark.
    EXPECT_EQ(shot.pixel(7 + 7, 7 + 25), DarkGrey);
    EXPECT_EQ(shot.pixel(7 + 29, 7 + 42), Black);
    for (const int left : {79, 174, 246}) {
        EXPECT_EQ(shot.pixel(left + 7, 7 + 25), Yellow) << left;
        EXPECT_EQ(shot.pixel(left + 52, 7 + 60), Yellow) << left;
        EXPECT_EQ(shot.pixel(left + 29, 7 + 42), Black) << left;
    }
    EXPECT_EQ(shot.pixel(0, 0), Black);
    EXPECT_EQ(shot.pixel(313, 99), Black);
    // The colon: two yellow dots one above the other in the label's middle.
    int upper = 0, lower = 0;
    for (int y = 0; y < 81; ++y)
        for (int x = 146; x < 171; ++x)
            if (shot.pixel(x, y) == Yellow)
                ++(y < 40 ? upper : lower);
    EXPECT_GT(upper, 20);
    EXPECT_GT(lower, 20);
}

TEST_F(ClockInMainWindow, RunsOnTheWindowsTickSource)
{
    ticks.now = 40000;
    form->FrameClock1->StartStop(false);
    ticks.now += 61000;
    form->FrameClock1->Timer1Timer(form->FrameClock1->Timer1);
    form->FrameClock1->StartStop(true);
    EXPECT_EQ(form->FrameClock1->DigitM1->Value(), 1);
    EXPECT_EQ(form->FrameClock1->DigitS1->Value(), 1);
    form->FrameClock1->ResetClock();
    EXPECT_EQ(form->FrameClock1->DigitM1->Value(), 0);
}

} // namespace
