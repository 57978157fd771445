// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The main window's outer frame over many starts, with the window manager's
// frame known at once, some looks after the window appeared, only after the
// settling time, or never (no manager: the frame is the client area).

#include "app/WindowPlacement.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const QSize DesignClient(800, 405);
const QRect DesignFrame(257, 110, 808, 439);
const QRect Screen(0, 0, 1280, 800);
const QMargins NoFrame;
const QMargins Openbox(1, 20, 1, 5); // left, top, right, bottom

enum class FrameArrives { AtOnce, AfterSomeLooks, AfterSettling };

WindowPlacement::Wish FirstRun()
{
    return {DesignFrame, true, true, true};
}

WindowPlacement::Wish Stored(const QRect &frame)
{
    return {frame, false, false, false};
}

// One start as the toolkit and a reparenting manager play it: the window is
// placed before it is shown, the manager puts the frame where the window
// asked to be (north-west gravity) so that the client area moves inside it,
// and the margins are reported when `arrives` says.  Returns the client area
// once all is settled.
QRect Show(WindowPlacement &placement, const QMargins &margins, FrameArrives arrives)
{
    QRect client = placement.Place(NoFrame);
    if (arrives == FrameArrives::AfterSomeLooks) {
        for (int look = 0; look < 5; ++look)
            EXPECT_FALSE(placement.Settle(NoFrame, client));
    }
    if (arrives == FrameArrives::AfterSettling)
        placement.StopSettling();
    client.translate(margins.left(), margins.top());
    if (const std::optional<QRect> settled = placement.Settle(margins, client))
        client = *settled;
    placement.StopSettling();
    return client;
}

struct Start
{
    QRect client;
    QRect kept;
};

// Starts from a first run, each closed untouched, the kept frame read back by the next.
std::vector<Start> Starts(int count, const QMargins &margins, FrameArrives arrives)
{
    std::vector<Start> starts;
    WindowPlacement::Wish wish = FirstRun();
    for (int i = 0; i < count; ++i) {
        WindowPlacement placement(wish, DesignClient, Screen);
        const QRect client = Show(placement, margins, arrives);
        starts.push_back({client, placement.FrameToKeep(client, margins)});
        wish = Stored(starts.back().kept);
    }
    return starts;
}

TEST(WindowPlacement, FirstRunIsCentredAtTheDesignSize)
{
    struct Case
    {
        QMargins margins;
        FrameArrives arrives;
        QRect client, kept;
    };
    const Case cases[] = {
        {NoFrame, FrameArrives::AtOnce, QRect(240, 197, 800, 405), QRect(240, 197, 800, 405)},
        {Openbox, FrameArrives::AtOnce, QRect(237, 200, 806, 414), QRect(236, 180, 808, 439)},
        {Openbox, FrameArrives::AfterSomeLooks, QRect(237, 200, 806, 414), QRect(236, 180, 808, 439)},
        // Too late to size the client, yet the frame kept is the design's.
        {Openbox, FrameArrives::AfterSettling, QRect(241, 217, 800, 405), QRect(240, 197, 808, 439)},
    };
    for (const Case &c : cases) {
        const Start first = Starts(1, c.margins, c.arrives).front();
        EXPECT_EQ(first.client, c.client) << int(c.arrives);
        EXPECT_EQ(first.kept, c.kept) << int(c.arrives);
    }
}

TEST(WindowPlacement, AnUntouchedWindowKeepsItsFrameAndClientOverTenStarts)
{
    for (const QMargins &margins : {NoFrame, Openbox, QMargins(4, 30, 4, 4)}) {
        for (const FrameArrives arrives :
             {FrameArrives::AtOnce, FrameArrives::AfterSomeLooks, FrameArrives::AfterSettling}) {
            const std::vector<Start> starts = Starts(10, margins, arrives);
            // A frame that comes too late for the first start's client is there for the second.
            const Start &reference = starts[1];
            for (std::size_t i = 0; i < starts.size(); ++i) {
                const std::string where =
                    std::to_string(margins.top()) + " " + std::to_string(int(arrives)) + " start " + std::to_string(i);
                EXPECT_EQ(starts[i].kept, reference.kept) << where;
                if (i > 0 || arrives != FrameArrives::AfterSettling) {
                    EXPECT_EQ(starts[i].client, reference.client) << where;
                }
            }
        }
    }
}

TEST(WindowPlacement, AMovedOrResizedWindowComesBackAsLeft)
{
    for (const QMargins &margins : {NoFrame, Openbox}) {
        WindowPlacement first(FirstRun(), DesignClient, Screen);
        Show(first, margins, FrameArrives::AfterSomeLooks);
        const QRect left(100, 150, 900, 500); // the client area as the user left it
        const QRect kept = first.FrameToKeep(left, margins);
        EXPECT_EQ(kept, left.marginsAdded(margins));

        WindowPlacement second(Stored(kept), DesignClient, Screen);
        EXPECT_EQ(Show(second, margins, FrameArrives::AfterSomeLooks), left);
        EXPECT_EQ(second.FrameToKeep(left, margins), kept);
        // Only moved, or only resized.
        for (const QRect &changed : {left.translated(1, 0), left.adjusted(0, 0, 0, -1)})
            EXPECT_EQ(second.FrameToKeep(changed, margins), changed.marginsAdded(margins));
    }
}

TEST(WindowPlacement, NoStoredSizeMeansTheSizeOfAFirstRun)
{
    // Stored position, no width: no height either, since reading stops.
    const WindowPlacement::Wish noWidth{QRect(20, 30, 808, 439), false, true, true};
    WindowPlacement unframed(noWidth, DesignClient, Screen);
    EXPECT_EQ(unframed.Place(NoFrame), QRect(20, 30, 800, 405));
    WindowPlacement framed(noWidth, DesignClient, Screen);
    EXPECT_EQ(Show(framed, Openbox, FrameArrives::AfterSomeLooks), QRect(21, 50, 806, 414));
    EXPECT_EQ(framed.FrameToKeep(QRect(21, 50, 806, 414), Openbox), QRect(20, 30, 808, 439));
    // Only the height from the design.
    WindowPlacement noHeight({QRect(20, 30, 500, 439), false, false, true}, DesignClient, Screen);
    EXPECT_EQ(noHeight.Place(NoFrame).size(), QSize(500, 405));
}

TEST(WindowPlacement, AWindowResizedBeforeItsFrameCameIsLeftAlone)
{
    WindowPlacement placement(Stored(QRect(50, 60, 700, 400)), DesignClient, Screen);
    const QRect client = placement.Place(NoFrame);
    EXPECT_FALSE(placement.Settle(NoFrame, client));
    EXPECT_TRUE(placement.IsSettling());
    const QRect resized = client.adjusted(0, 0, 40, 0).translated(Openbox.left(), Openbox.top());
    EXPECT_FALSE(placement.Settle(Openbox, resized));
    EXPECT_FALSE(placement.IsSettling());
    EXPECT_EQ(placement.FrameToKeep(resized, Openbox), QRect(50, 60, 742, 425));
}

} // namespace
