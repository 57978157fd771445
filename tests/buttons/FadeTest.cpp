// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The fade-out after the pointer leaves a button with SlowDecease: eight
// steps handed from the worker to the UI thread, parking, and stopping the
// worker in the middle of a fade without ever hanging.

#include <QTest>

#include <chrono>
#include <gtest/gtest.h>
#include <memory>

#include "ButtonTestSupport.h"

namespace {

using namespace buttontest;
using LbButtonsPrivate::BlendHotColor;

// ---- the thread on its own ---------------------------------------------------

TEST(ButtonThread, StartsParkedAndParkingIsCounted)
{
    ScriptedSleep sleep;
    int steps = 0;
    TLbButtonThread thread(
        [&](TLbButtonThread *sender) {
            EXPECT_EQ(sender, &thread);
            ++steps;
            sender->Suspend(); // park again after each step
        },
        sleep.Method());
    EXPECT_TRUE(thread.Suspended());
    QTest::qWait(20);
    EXPECT_EQ(sleep.calls.load(), 0) << "a parked worker does not tick";

    thread.Suspend();
    thread.Resume();
    EXPECT_TRUE(thread.Suspended()) << "two parks need two wakes";
    QTest::qWait(20);
    EXPECT_EQ(steps, 0);
    thread.Resume();
    ASSERT_TRUE(ProcessUntil([&] { return steps == 1 && thread.Suspended(); }));
    EXPECT_EQ(sleep.lastMs.load(), TLbButtonThread::TickMilliseconds);
    QTest::qWait(20);
    EXPECT_EQ(steps, 1) << "parked by its step";

    thread.Resume();
    thread.Terminate();
    thread.WaitFor();
    EXPECT_TRUE(thread.isFinished());
}

TEST(ButtonThread, DestroyingATickingThreadStopsIt)
{
    ScriptedSleep sleep;
    int steps = 0;
    auto thread = std::make_unique<TLbButtonThread>([&](TLbButtonThread *) { ++steps; }, sleep.Method());
    thread->Resume();
    ASSERT_TRUE(ProcessUntil([&] { return steps >= 3; }));
    // Destruction must not hang, although the worker waits inside a hand-off,
    // and no step of the worker may arrive once the thread is gone.
    const auto begun = std::chrono::steady_clock::now();
    thread.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(5));
    const int stepsAtEnd = steps;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, stepsAtEnd);
}

TEST(ButtonThread, RefusedThreadReportsACreationError)
{
    try {
        TLbButtonThread thread([](TLbButtonThread *) {}, {}, 1 /* far below any usable stack */);
        FAIL() << "expected a creation error";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith("Thread creation error: ")) << error.what();
    }
}

// ---- the button's fade -------------------------------------------------------

class Fade : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        form->resize(200, 100);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    TLbSpeedButton *Make(ScriptedSleep &sleep, int *created = nullptr)
    {
        // The buttons die with the form, before the sleeps their threads use.
        auto *button = new TLbSpeedButton(form.get());
        button->setGeometry(10, 10, 60, 24);
        button->SetColor(clBlack);
        button->SetHotTrackColor(clWhite);
        button->SetHotTrackFont(TLbFont{MakeFont("Arial", -18, true), clYellow});
        button->SetFadeThreadFactory(ThreadsWith(sleep, created));
        button->show();
        button->SetSlowDecease(true);
        QCoreApplication::processEvents(); // the first paint cycle
        return button;
    }
    ScriptedSleep sleep;
    ScriptedSleep gatedSleep{true};
    std::unique_ptr<QWidget> form;
};

struct Frame
{
    int level;
    TColor face;
    bool hotFont;
    bool operator==(const Frame &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Frame &f)
{
    return out << "{" << f.level << ", " << std::hex << f.face << std::dec << ", " << f.hotFont << "}";
}

std::vector<Frame> Expected(std::initializer_list<int> levels, bool hotFont = false)
{
    std::vector<Frame> frames;
    for (int level : levels)
        frames.push_back({level, BlendHotColor(clBlack, clWhite, level), hotFont});
    return frames;
}

// Records level, face colour and font of every paint of `button`.
std::unique_ptr<PaintLog> Record(TLbSpeedButton *button, std::vector<Frame> &frames)
{
    return std::make_unique<PaintLog>(button, [button, &frames] {
        frames.push_back({button->FadeLevel(), CentreOf(*button), button->FaceState().Font == button->HotTrackFont()});
    });
}

TEST_F(Fade, EightStepsAfterLeavingThenParked)
{
    int created = 0;
    TLbSpeedButton *button = Make(sleep, &created);
    button->SetUseHotTrackFont(true);
    EXPECT_EQ(created, 1);
    std::vector<Frame> frames;
    auto log = Record(button, frames);

    Enter(button);
    EXPECT_EQ(frames, Expected({8}, true)) << "hot at once";
    frames.clear();
    Leave(button);
    EXPECT_TRUE(frames.empty()) << "no repaint when the pointer leaves";
    EXPECT_FALSE(button->FadeThread()->Suspended());

    ASSERT_TRUE(ProcessUntil([&] { return button->FadeThread()->Suspended(); }));
    QTest::qWait(30);
    EXPECT_EQ(frames, Expected({7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(sleep.calls.load(), 8);
    EXPECT_EQ(sleep.lastMs.load(), 30);
    EXPECT_EQ(CentreOf(*button), clBlack);
}

TEST_F(Fade, LeavingAButtonThatNeverWasHotParksAfterOneStep)
{
    TLbSpeedButton *button = Make(sleep);
    std::vector<Frame> frames;
    auto log = Record(button, frames);
    Leave(button);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeThread()->Suspended(); }));
    QTest::qWait(30);
    EXPECT_EQ(frames, Expected({0}));
}

TEST_F(Fade, ReenteringDuringAFadeKeepsTheTicksGoing)
{
    ScriptedSleep &sleep = gatedSleep;
    TLbSpeedButton *button = Make(sleep);
    button->SetUseHotTrackFont(true);
    std::vector<Frame> frames;
    auto log = Record(button, frames);
    Enter(button);
    Leave(button);
    sleep.Release(2);
    ASSERT_TRUE(ProcessUntil([&] { return frames.size() == 3 && sleep.SomeoneWaiting(); }));
    Enter(button);
    sleep.Open();
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeThread()->Suspended(); }));
    std::vector<Frame> expected = Expected({8}, true);
    for (Frame f : Expected({7, 6}))
        expected.push_back(f);
    for (Frame f : Expected({8, 7, 6, 5, 4, 3, 2, 1, 0}, true))
        expected.push_back(f);
    EXPECT_EQ(frames, expected) << "faded while the pointer is still over it, in the hot font";

    frames.clear();
    Leave(button);
    ASSERT_TRUE(ProcessUntil([&] { return frames.size() == 1 && button->FadeThread()->Suspended(); }));
    EXPECT_EQ(frames, Expected({0})) << "the next leave parks at the first tick, in the normal font";
}

TEST_F(Fade, WithoutHotColourTheTicksStillRepaint)
{
    TLbSpeedButton *button = Make(sleep);
    button->SetHotTrackColor(clNone);
    std::vector<Frame> frames;
    auto log = Record(button, frames);
    Enter(button);
    Leave(button);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeThread()->Suspended(); }));
    ASSERT_EQ(frames.size(), 9u);
    for (const Frame &f : frames)
        EXPECT_EQ(f.face, clBlack);
}

TEST_F(Fade, StoppingInTheMiddleOfAFadeNeverHangs)
{
    for (int round = 0; round < 200; ++round) {
        ScriptedSleep sleep;
        TLbSpeedButton *button = Make(sleep);
        std::unique_ptr<TLbSpeedButton> owned(button); // dies before its sleep, even on failure
        Enter(button);
        Leave(button);
        const int steps = round % 8;
        ASSERT_TRUE(ProcessUntil([&] { return 8 - button->FadeLevel() >= steps; })) << round;
        PaintLog paints(button);
        button->SetSlowDecease(false);
        EXPECT_EQ(button->FadeThread(), nullptr);
        EXPECT_EQ(button->FadeLevel(), 0);
        EXPECT_FALSE(button->SlowDecease());
        EXPECT_EQ(paints.count, 0) << "steps served during the stop do nothing";
        QCoreApplication::processEvents();
        EXPECT_GE(paints.count, 1) << "then the face is repainted";
        EXPECT_EQ(CentreOf(*button), clBlack);
    }
}

TEST_F(Fade, StoppingWhileTheWorkerWaitsInsideAHandOff)
{
    ScriptedSleep &sleep = gatedSleep;
    TLbSpeedButton *button = Make(sleep);
    Enter(button);
    Leave(button);
    sleep.Release(1);
    // Give the worker time to post its step; it now blocks until the UI runs it.
    ASSERT_TRUE(ProcessUntil([&] { return sleep.calls.load() == 1 && !sleep.SomeoneWaiting(); }));
    QThread::msleep(20);
    sleep.Open();
    button->SetSlowDecease(false);
    EXPECT_EQ(button->FadeThread(), nullptr);
    EXPECT_EQ(button->FadeLevel(), 0);
    delete button;
}

// A button that notes any paint after its destruction began.
class WatchedButton : public TLbSpeedButton
{
public:
    WatchedButton(QWidget *parent, int &latePaints)
        : TLbSpeedButton(parent)
        , m_latePaints(latePaints)
    { }
    ~WatchedButton() override { m_dying = true; }

protected:
    void Paint() override
    {
        if (m_dying)
            ++m_latePaints;
        TLbSpeedButton::Paint();
    }

private:
    int &m_latePaints;
    bool m_dying = false;
};

TEST_F(Fade, DestroyingInTheMiddleOfAFadeNeverHangs)
{
    int latePaints = 0;
    for (int round = 0; round < 200; ++round) {
        ScriptedSleep sleep;
        auto owned = std::make_unique<WatchedButton>(form.get(), latePaints);
        WatchedButton *button = owned.get();
        button->setGeometry(10, 10, 60, 24);
        button->SetHotTrackColor(clWhite);
        button->SetFadeThreadFactory(ThreadsWith(sleep));
        button->show();
        button->SetSlowDecease(true);
        Enter(button);
        Leave(button);
        const int steps = round % 9;
        ASSERT_TRUE(ProcessUntil([&] { return 8 - button->FadeLevel() >= std::min(steps, 8); })) << round;
        owned.reset();
    }
    EXPECT_EQ(latePaints, 0) << "no step touches a button being destroyed";
}

} // namespace
