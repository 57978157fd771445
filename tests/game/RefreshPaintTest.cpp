// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The 200 ms refresh of the playing times in a shown main window: it paints
// only when a time text changes, and what the screen then shows is exactly
// what a complete repaint of the window shows.

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "app/TFormMain.h"
#include "buttons/TLbSpeedButton.h"
#include "clock/PaintCounter.h"
#include "clock/TFrameClock.h"
#include "platform/TSpeedButton.h"
#include "platform/TTimer.h"
#include "rosters/TCheckListBox.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedTicks.h"

namespace {

class RefreshPaint : public MainWindowFixture
{
protected:
    void Show()
    {
        form->show();
        QApplication::processEvents();
    }
    // START and PAUSE, then the deferred repaints of the controls they switch.
    void Start(std::uint32_t at)
    {
        MainWindowFixture::Start(at);
        QApplication::processEvents();
    }
    void Pause(std::uint32_t at)
    {
        MainWindowFixture::Pause(at);
        QApplication::processEvents();
    }
    void LoadTeam2(int lines)
    {
        // Names long enough to run under the time column.
        QByteArray team;
        for (int i = 1; i <= lines; ++i)
            team +=
                QByteArray::number(i).rightJustified(2, ' ') + " Maximilian-Alexander von Hohenzollern-Sigmaringen\n";
        LoadTeam(2, WriteTeam(QStringLiteral("team.txt"), team));
    }
    // What the window's backing store holds: the pixels on the screen.
    QImage Screen() const
    {
        return form->screen()->grabWindow(form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The same window painted completely afresh.
    QImage FreshlyPainted() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(RefreshPaint, OnlyARefreshWithANewSecondPaintsTheRosters)
{
    Show();
    Start(1000);
    PaintCounter left(form->Command1->viewport());
    PaintCounter right(form->Command2->viewport());
    Refresh(1200);
    EXPECT_EQ(left.count, 1) << "the first refresh after START paints";
    EXPECT_EQ(right.count, 1);
    // The starting five show 0:01 from 550 ms on, 0:02 from 1550 ms on.
    const std::vector<std::pair<std::uint32_t, int>> expected = {{1400, 1}, {1600, 2}, {1800, 2}, {2000, 2},
                                                                 {2200, 2}, {2400, 2}, {2600, 3}, {2800, 3}};
    for (const auto &[at, paints] : expected) {
        Refresh(at);
        EXPECT_EQ(left.count, paints) << "at " << at;
        EXPECT_EQ(right.count, paints) << "at " << at;
    }
}

TEST_F(RefreshPaint, TheScreenShowsWhatACompleteRepaintShows)
{
    LoadTeam2(20);
    for (int row : {0, 1, 2, 3, 4, 12})
        form->Command2->SetChecked(row, true);
    Show();
    // Three lines scrolled away: the first on-court lines are out of sight.
    form->Command2->verticalScrollBar()->setValue(3);
    QApplication::processEvents();
    // Line 7 of team 1 comes on court later, so its seconds turn at other moments.
    Start(1000);
    for (std::uint32_t at = 1200; at <= 3000; at += 200)
        Refresh(at);
    Pause(3100);
    form->Command1->SetChecked(7, true);
    QApplication::processEvents();
    Start(3400);
    QImage before = Screen();
    int changes = 0;
    // Fine steps first, then past the turn of the tens of seconds, of the
    // minute and of the tens of minutes: every character of a time changes.
    std::vector<std::uint32_t> moments;
    for (std::uint32_t at = 3500; at <= 6000; at += 100)
        moments.push_back(at);
    for (std::uint32_t from : {10600u, 60600u, 600600u})
        for (std::uint32_t at = from; at <= from + 1600; at += 200)
            moments.push_back(at);
    for (const std::uint32_t at : moments) {
        Refresh(at);
        const QImage screen = Screen();
        ASSERT_EQ(screen, FreshlyPainted()) << "at " << at << " ms the screen differs from a complete repaint";
        changes += screen != before;
        before = screen;
    }
    EXPECT_GE(changes, 8) << "the times did move on";
}

TEST_F(RefreshPaint, WhilePausedNeitherTimerRuns)
{
    Show();
    Start(1000);
    EXPECT_TRUE(form->TimerList->isActive());
    EXPECT_TRUE(form->FrameClock1->Timer1->isActive());
    Pause(2000);
    EXPECT_FALSE(form->TimerList->isActive()) << "the roster refresh goes on while paused";
    EXPECT_FALSE(form->FrameClock1->Timer1->isActive()) << "the clock display timer goes on while paused";
}

} // namespace
