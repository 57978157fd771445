// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "PaintCounter.h"
#include "clock/TDigit.h"
#include "clock/TFrameClock.h"
#include "platform/TLabel.h"
#include "platform/TTimer.h"
#include "support/ScriptedTicks.h"

namespace {

constexpr TColor DarkGrey = 0x404040;

class Clock : public ::testing::Test
{
protected:
    ScriptedTicks ticks;
    TFrameClock frame{ticks.Source()};

    // What the four digits show, as "MM:SS".
    std::string Shown() const
    {
        std::string text;
        for (const TDigit *digit : {frame.DigitM10, frame.DigitM1, frame.DigitS10, frame.DigitS1}) {
            if (text.size() == 2)
                text += ':';
            text += char('0' + digit->Value());
            EXPECT_EQ(digit->ValueBinary(), TDigit::DigitPatterns[std::size_t(digit->Value())]);
        }
        return text;
    }
    TColor LeadingColour() const { return frame.DigitM10->ColorOn(); }

    void StartAt(std::uint32_t tick)
    {
        ticks.now = tick;
        frame.StartStop(false);
    }
    void PauseAt(std::uint32_t tick)
    {
        ticks.now = tick;
        frame.StartStop(true);
    }
    // One timer event at this tick.
    std::string ShownAt(std::uint32_t tick)
    {
        ticks.now = tick;
        frame.Timer1Timer(frame.Timer1);
        return Shown();
    }
};

constexpr std::uint32_t Minutes(std::uint32_t m)
{
    return m * 60000u;
}
constexpr std::uint32_t Seconds(std::uint32_t s)
{
    return s * 1000u;
}

TEST_F(Clock, LayoutWhenCreated)
{
    EXPECT_EQ(frame.size(), QSize(443, 270));
    EXPECT_EQ(frame.Color(), clBlack);
    EXPECT_EQ(Shown(), "00:00");
    EXPECT_EQ(LeadingColour(), DarkGrey);
    const struct
    {
        const TDigit *digit;
        int left;
        TColor on;
    } digits[] = {{frame.DigitM10, 7, DarkGrey},
                  {frame.DigitM1, 79, clYellow},
                  {frame.DigitS10, 174, clYellow},
                  {frame.DigitS1, 246, clYellow}};
    for (const auto &[digit, left, on] : digits) {
        EXPECT_EQ(digit->geometry(), QRect(left, 7, 60, 85)) << digit->objectName().toStdString();
        EXPECT_EQ(digit->ColorOn(), on);
        EXPECT_EQ(digit->ColorOff(), clBlack);
        EXPECT_EQ(digit->Color(), clBlack);
        EXPECT_EQ(digit->Thickness(), 7);
        EXPECT_EQ(digit->Separation(), 0);
        EXPECT_FALSE(digit->isEnabled());
    }
    const TLabel *colon = frame.LabSec;
    EXPECT_EQ(colon->text(), QStringLiteral(":"));
    EXPECT_EQ(colon->geometry(), QRect(146, 0, 25, 81));
    EXPECT_EQ(colon->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(colon->font().pixelSize(), 75);
    EXPECT_TRUE(colon->font().bold());
    EXPECT_EQ(colon->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(colon->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    EXPECT_EQ(colon->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(colon->autoFillBackground());
    EXPECT_FALSE(frame.Timer1->isActive());
    EXPECT_EQ(frame.Timer1->interval(), 200);
    EXPECT_EQ(frame.Timer1->Tag(), -1);
    EXPECT_FALSE(frame.Started());
}

TEST_F(Clock, SecondsTurnAt550Milliseconds)
{
    StartAt(1000);
    EXPECT_EQ(ShownAt(1000 + 549), "00:00");
    EXPECT_EQ(ShownAt(1000 + 550), "00:01");
    EXPECT_EQ(ShownAt(1000 + Seconds(59) + 549), "00:59");
    EXPECT_EQ(ShownAt(1000 + Seconds(59) + 550), "01:00");
}

TEST_F(Clock, TheLeadingDigitLightsUpFromTenMinutes)
{
    StartAt(77);
    EXPECT_EQ(ShownAt(77 + Minutes(9) + Seconds(59) + 549), "09:59");
    EXPECT_EQ(LeadingColour(), DarkGrey);
    EXPECT_EQ(ShownAt(77 + Minutes(9) + Seconds(59) + 550), "10:00");
    EXPECT_EQ(LeadingColour(), clYellow);
    EXPECT_EQ(ShownAt(77 + Minutes(59) + Seconds(59) + 549), "59:59");
    EXPECT_EQ(LeadingColour(), clYellow);
    EXPECT_EQ(ShownAt(77 + Minutes(59) + Seconds(59) + 550), "00:00") << "minutes run modulo 60";
    EXPECT_EQ(LeadingColour(), DarkGrey);
    EXPECT_EQ(ShownAt(77 + Minutes(70) + Seconds(3)), "10:03");
}

TEST_F(Clock, APauseIsNotCountedToTheMillisecond)
{
    StartAt(50000);
    EXPECT_TRUE(frame.Timer1->isActive());
    EXPECT_EQ(ShownAt(50000 + Seconds(2) + 800), "00:03");
    PauseAt(50000 + Seconds(3));
    EXPECT_FALSE(frame.Timer1->isActive());
    EXPECT_EQ(Shown(), "00:03") << "a pause does not write the display";
    StartAt(50000 + Seconds(8));
    EXPECT_EQ(Shown(), "00:03") << "nor does a start";
    // Game time 4.549 s and 4.550 s: 1.549 s and 1.550 s after the resume.
    EXPECT_EQ(ShownAt(50000 + Seconds(8) + 1549), "00:04");
    EXPECT_EQ(ShownAt(50000 + Seconds(8) + 1550), "00:05");
    // Two seconds after the resume the game time is five seconds.
    ticks.now = 50000 + Seconds(10);
    EXPECT_EQ(ticks.now - std::uint32_t(frame.Timer1->Tag()), Seconds(5));
}

TEST_F(Clock, ManyPausesAddUp)
{
    std::uint32_t tick = 123456;
    StartAt(tick);
    for (int i = 0; i < 10; ++i) {
        tick += 1000; // running
        PauseAt(tick);
        tick += 777 + 13 * i; // paused
        StartAt(tick);
    }
    EXPECT_EQ(ShownAt(tick + 549), "00:10");
    EXPECT_EQ(ShownAt(tick + 550), "00:11");
}

TEST_F(Clock, ResetKeepsTheLeadingColourUntilTheFirstUpdateAfterTheNextStart)
{
    StartAt(0);
    EXPECT_EQ(ShownAt(Minutes(12) + Seconds(34)), "12:34");
    PauseAt(Minutes(12) + Seconds(34));
    const std::uint32_t pauseTick = ClockPauseTick;
    frame.ResetClock();
    EXPECT_EQ(Shown(), "00:00");
    EXPECT_EQ(LeadingColour(), clYellow) << "reset leaves the colour";
    EXPECT_EQ(frame.Timer1->Tag(), -1);
    EXPECT_FALSE(frame.Started());
    EXPECT_EQ(ClockPauseTick, pauseTick) << "reset leaves the pause tick";
    EXPECT_FALSE(frame.Timer1->isActive());

    StartAt(Minutes(20));
    EXPECT_EQ(LeadingColour(), clYellow) << "a start does not write the display";
    EXPECT_EQ(ShownAt(Minutes(20) + 200), "00:00");
    EXPECT_EQ(LeadingColour(), DarkGrey);
}

TEST_F(Clock, APauseRightAfterResetCountsFromTheNextStart)
{
    StartAt(1000);
    ShownAt(1000 + Seconds(42));
    PauseAt(1000 + Seconds(42));
    frame.ResetClock();

    PauseAt(90000);
    EXPECT_TRUE(frame.Started());
    EXPECT_FALSE(frame.Timer1->isActive());
    StartAt(150000);
    EXPECT_EQ(ShownAt(150000 + 549), "00:00");
    EXPECT_EQ(ShownAt(150000 + 550), "00:01");
}

TEST_F(Clock, APauseRightAfterCreationCountsFromTheNextStart)
{
    PauseAt(5000);
    StartAt(65000);
    EXPECT_EQ(ShownAt(65000 + Seconds(2) + 550), "00:03");
}

TEST_F(Clock, TheTickCounterWrappingDuringAGameChangesNothing)
{
    const std::uint32_t start = 0xFFFFFFFFu - Seconds(10) + 1; // ten seconds before the wrap
    StartAt(start);
    std::string previous = "00:00";
    for (std::uint32_t game = 0; game <= Seconds(30); game += 200) {
        const std::string shown = ShownAt(start + game); // wraps past 0 on the way
        EXPECT_GE(shown, previous) << "at game time " << game;
        previous = shown;
    }
    EXPECT_EQ(previous, "00:30");
    PauseAt(start + Seconds(30));

    // A pause across the wrap: 4.9 s played, paused from 100 ms before the wrap to 200 ms after.
    frame.ResetClock();
    StartAt(0u - 5000u);
    PauseAt(0u - 100u);
    StartAt(200);
    EXPECT_EQ(ShownAt(200 + 1649), "00:06");
    EXPECT_EQ(ShownAt(200 + 1650), "00:07");
}

// A start reference of 0xFFFFFFFF has the bits of "not started" (-1); it must
// not make the next start or pause take the running game for a new one.
TEST_F(Clock, AStartReferenceWithAllBitsSetIsAStartLikeAnyOther)
{
    StartAt(0xFFFFFFFFu);
    EXPECT_EQ(frame.Timer1->Tag(), -1) << "the reference itself is kept in the tag";
    EXPECT_TRUE(frame.Started());
    EXPECT_EQ(ShownAt(0xFFFFFFFFu + Seconds(3)), "00:03");
    PauseAt(0xFFFFFFFFu + Seconds(3));
    StartAt(Seconds(60));
    EXPECT_EQ(ShownAt(Seconds(60) + Seconds(2) + 550), "00:06") << "3 s before the pause and 2.55 s after";
}

TEST_F(Clock, PausesThatShiftTheReferenceToAllBitsSetKeepTheGame)
{
    StartAt(0xFFFFFF00u); // 256 ms before the wrap
    PauseAt(0xFFFFFF00u + 1000); // one second played
    StartAt(0xFFFFFF00u + 1255); // paused for 255 ms: reference now 0xFFFFFFFF
    EXPECT_EQ(frame.Timer1->Tag(), -1);
    PauseAt(0xFFFFFF00u + 5255); // five seconds played
    StartAt(0xFFFFFF00u + 9000);
    EXPECT_EQ(ShownAt(0xFFFFFF00u + 9000 + 549), "00:05");
    EXPECT_EQ(ShownAt(0xFFFFFF00u + 9000 + 550), "00:06");
}

TEST_F(Clock, ATimerThatCannotStartIsReportedAfterTheReferenceIsSet)
{
    frame.Timer1->SimulateNoTimersAvailable(true);
    ticks.now = 7000;
    try {
        frame.StartStop(false);
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "Not enough timers available");
    }
    EXPECT_EQ(frame.Timer1->Tag(), 7000);
    EXPECT_TRUE(frame.Started());
    EXPECT_FALSE(frame.Timer1->isActive());
}

TEST_F(Clock, ItsOwnTimerRefreshesTheDisplay)
{
    StartAt(0);
    ticks.now = Seconds(4);
    // Waits for a real timer event; the time shown comes from the script.
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.DigitS1->Value() == 4; }, 5000));
    PauseAt(Seconds(4));
}

TEST_F(Clock, AnUpdateRepaintsOnlyTheDigitsThatChanged)
{
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QApplication::processEvents();
    PaintCounter m10(frame.DigitM10), m1(frame.DigitM1), s10(frame.DigitS10), s1(frame.DigitS1), whole(&frame);
    auto counts = [&] { return std::vector<int>{m10.count, m1.count, s10.count, s1.count, whole.count}; };

    StartAt(0);
    ShownAt(100);
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0, 0, 0})) << "00:00 again: nothing";
    ShownAt(600);
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0, 1, 0})) << "00:01";
    ShownAt(800);
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0, 1, 0}));
    ShownAt(Seconds(9) + 600);
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 1, 2, 0})) << "00:10";
    EXPECT_EQ(ShownAt(Minutes(9) + Seconds(59)), "09:59");
    EXPECT_EQ(counts(), (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(ShownAt(Minutes(10)), "10:00");
    EXPECT_EQ(counts(), (std::vector<int>{2, 2, 3, 4, 0})) << "the tens change value and colour";
    ShownAt(Minutes(10) + 500);
    EXPECT_EQ(counts(), (std::vector<int>{2, 2, 3, 4, 0}));
    PauseAt(Minutes(10) + 500);
}

} // namespace

TEST_F(Clock, AStandingClockSetToATimeShowsItAndGoesOnFromThere)
{
    EXPECT_EQ(frame.GameTime(), 0) << "not started";
    StartAt(1000);
    EXPECT_EQ(ShownAt(1000 + Seconds(4) + 200), "00:04");
    EXPECT_EQ(frame.GameTime(), 4200) << "running";
    PauseAt(1000 + Seconds(5));
    EXPECT_EQ(frame.GameTime(), 5000) << "standing";

    ticks.now = 1000 + Seconds(9);
    frame.SetGameTime(Minutes(12) + 7549);
    EXPECT_EQ(Shown(), "12:07") << "shown at once";
    EXPECT_EQ(LeadingColour(), clYellow);
    EXPECT_EQ(frame.GameTime(), int(Minutes(12) + 7549));
    StartAt(1000 + Seconds(20));
    EXPECT_EQ(ShownAt(1000 + Seconds(22)), "12:09") << "the time set plus two seconds of play: 12:09.549";

    frame.SetGameTime(0);
    EXPECT_EQ(frame.GameTime(), int(Minutes(12) + 9549)) << "ignored while running";
}

TEST_F(Clock, ASetTimeBeforeTheFirstStartIsWhereTheGameBegins)
{
    ticks.now = 777;
    frame.SetGameTime(-5);
    EXPECT_EQ(frame.GameTime(), 0) << "no time below zero";
    frame.SetGameTime(Seconds(90));
    EXPECT_TRUE(frame.Started());
    EXPECT_EQ(Shown(), "01:30");
    StartAt(5000);
    EXPECT_EQ(ShownAt(5000 + Seconds(1)), "01:31");
}
