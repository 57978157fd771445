// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "RosterTestSupport.h"

namespace {

constexpr int Check = TCheckListBox::CheckColumnWidth;

class RosterDrawing : public ::testing::Test, public RosterFixture
{ };

// The time stands at right - 78 on an opaque background: a long line text
// is covered from there on, and an empty line shows nothing but its check
// box and its time.
TEST_F(RosterDrawing, TimeAtRightMinus78CoversTheLineText)
{
    list.SetLines({QString(), QString(40, QLatin1Char('#')), QStringLiteral(" 4 Anna")});
    PlayFor(3, 5, 60000);
    const QImage image = Grab();
    const int width = list.viewport()->width();
    const int timeLeft = width - TeamRoster::TimeTextOffset;
    const QImage expected = Region(ExpectedTimeCell(QStringLiteral(" 1:00"), width), timeLeft, 0, 23);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Region(image, timeLeft, row * 23, 23), expected) << "row " << row;

    const QRect beforeTime(Check, 0, timeLeft - Check, 23);
    EXPECT_TRUE(RegionIsAll(image, beforeTime, Rgb(clWindow))) << "empty line: nothing but check box and time";
    EXPECT_TRUE(RegionHasColour(image, beforeTime.translated(0, 23), Rgb(clWindowText))) << "the long text is drawn";
    EXPECT_TRUE(RegionHasColour(image, QRect(Check, 46, 60, 23), Rgb(clWindowText)));
    EXPECT_TRUE(RegionIsAll(image, QRect(Check, 46, 2, 23), Rgb(clWindow))) << "text starts two pixels in";
}

TEST_F(RosterDrawing, LinesPastTheFiftiethShowNoTime)
{
    QStringList lines;
    for (int i = 0; i < 52; ++i)
        lines << QStringLiteral("%1 Spieler").arg(i, 2);
    list.SetLines(lines);
    PlayFor(52, 52, 65000);
    EXPECT_EQ(TeamRoster::TimeText(ledger, 1, 49), QStringLiteral(" 1:05"));
    EXPECT_EQ(TeamRoster::TimeText(ledger, 1, 50), QStringLiteral("--:--"));

    list.scrollToBottom();
    const QImage image = Grab();
    const int width = list.viewport()->width();
    const int timeLeft = width - TeamRoster::TimeTextOffset;
    for (int row : {49, 50, 51}) {
        const QRect line = list.ItemRect(row);
        ASSERT_TRUE(line.isValid()) << row;
        const QString time = row < 50 ? QStringLiteral(" 1:05") : QStringLiteral("--:--");
        EXPECT_EQ(Region(image, timeLeft, line.top(), 23), Region(ExpectedTimeCell(time, width), timeLeft, 0, 23))
            << row;
    }
}

TEST_F(RosterDrawing, DisabledListDrawsEveryTextGrey)
{
    list.SetLines({QStringLiteral(" 4 Anna"), QStringLiteral(" 5 Berta")});
    list.SetChecked(0, true);
    list.SetItemIndex(1);
    PlayFor(2, 2, 0);
    const QImage enabled = Grab();
    EXPECT_TRUE(RegionHasColour(enabled, QRect(Check, 0, 200, 46), Rgb(clWindowText)));

    list.setEnabled(false);
    const QImage image = Grab();
    const QRect text(Check, 0, list.viewport()->width() - Check, 46);
    EXPECT_FALSE(RegionHasColour(image, text, Rgb(clWindowText)));
    EXPECT_FALSE(RegionHasColour(image, text.translated(0, 23).adjusted(0, 0, 0, -23), Rgb(clHighlightText)))
        << "no highlighted text on the selected line";
    EXPECT_TRUE(RegionHasColour(image, text.adjusted(0, 0, 0, -23), Rgb(clGrayText)));
    EXPECT_TRUE(RegionHasColour(image, text.adjusted(0, 23, 0, 0), Rgb(clGrayText))) << "the selected line too";
    // The time is grey as well.
    const int timeLeft = list.viewport()->width() - TeamRoster::TimeTextOffset;
    EXPECT_EQ(Region(image, timeLeft, 0, 23),
              Region(ExpectedTimeCell(QStringLiteral(" 0:00"), list.viewport()->width(), clWindow, clGrayText),
                     timeLeft, 0, 23));
    // A disabled check box: button face inside, a grey tick.
    EXPECT_EQ(image.pixel(7, 14), Rgb(clBtnFace)) << "unticked part of the face";
    EXPECT_EQ(image.pixel(4, 10), Rgb(clGrayText));
}

TEST_F(RosterDrawing, SelectedLineInHighlightColoursBesideAPlainCheckColumn)
{
    list.SetLines({QStringLiteral(" 4 Anna"), QStringLiteral(" 5 Berta"), QStringLiteral(" 6 Clara")});
    list.SetItemIndex(1);
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(Check, 23), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(Check + 1, 45), Rgb(clHighlight));
    EXPECT_TRUE(RegionHasColour(image, QRect(Check, 23, 100, 23), Rgb(clHighlightText)));
    EXPECT_FALSE(RegionHasColour(image, QRect(Check, 23, list.viewport()->width() - Check, 23), Rgb(clWindowText)));
    EXPECT_EQ(image.pixel(0, 23), Rgb(clWindow)) << "the check box column keeps the list colour";
    EXPECT_EQ(image.pixel(Check, 0), Rgb(clWindow));
}

// The flat box: 13 x 13 centred in the 15-pixel column and the 23-pixel
// line, its outer ring left in the list colour, a one-pixel shadow outline,
// and the tick of seven columns three pixels tall.
TEST_F(RosterDrawing, FlatCheckBoxes)
{
    list.SetLines({QStringLiteral("a"), QStringLiteral("b")});
    list.SetChecked(0, true);
    const QImage image = Grab();
    const int boxLeft = 1, boxTop = 5;
    for (int row = 0; row < 2; ++row) {
        const int top = row * 23 + boxTop;
        EXPECT_EQ(image.pixel(boxLeft, top), Rgb(clWindow)) << "outer ring";
        EXPECT_EQ(image.pixel(boxLeft + 12, top + 12), Rgb(clWindow));
        EXPECT_EQ(image.pixel(boxLeft + 1, top + 1), Rgb(clBtnShadow)) << "outline";
        EXPECT_EQ(image.pixel(boxLeft + 11, top + 11), Rgb(clBtnShadow));
        EXPECT_EQ(image.pixel(boxLeft + 6, top + 1), Rgb(clBtnShadow));
    }
    // The tick of line 0, and its absence in line 1.
    const QPoint tick[] = {{3, 5}, {3, 7}, {4, 8}, {5, 9}, {5, 7}, {7, 5}, {9, 3}, {9, 5}};
    for (const QPoint p : tick) {
        EXPECT_EQ(image.pixel(boxLeft + p.x(), boxTop + p.y()), Rgb(clWindowText)) << p.x() << "," << p.y();
        EXPECT_EQ(image.pixel(boxLeft + p.x(), 23 + boxTop + p.y()), Rgb(clWindow));
    }
    EXPECT_EQ(image.pixel(boxLeft + 9, boxTop + 6), Rgb(clWindow)) << "the tick is three pixels tall";
    EXPECT_EQ(image.pixel(boxLeft + 3, boxTop + 4), Rgb(clWindow));
    EXPECT_EQ(image.pixel(boxLeft + 10, boxTop + 3), Rgb(clWindow));
}

TEST_F(RosterDrawing, FocusedLineGetsADottedRectangle)
{
    list.SetLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    keepFocus = true;
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.activateWindow();
    QApplication::setActiveWindow(&list);
    list.setFocus();
    if (!QTest::qWaitFor([this] { return list.hasFocus(); }, 1000))
        GTEST_SKIP() << "this platform gives the test window no focus";
    list.SetItemIndex(1);
    const QImage image = Grab();
    const QRgb dot = Rgb(ColorToRGB(clHighlight) ^ 0x00FFFFFFu);
    const int right = list.viewport()->width() - 1;
    // Every other pixel of the outline, on the pixels where x + y is even.
    EXPECT_EQ(image.pixel(Check, 23), dot);
    EXPECT_EQ(image.pixel(Check + 1, 23), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(Check + 1, 45), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(Check, 45), dot);
    EXPECT_EQ(image.pixel(right, ((right + 23) % 2 == 0) ? 23 : 24), dot);
    EXPECT_EQ(image.pixel(Check + 40, 23), dot);
    EXPECT_EQ(image.pixel(Check + 40, 24), Rgb(clHighlight)) << "inside the outline";
    EXPECT_FALSE(RegionHasColour(image, QRect(Check, 0, 300, 23), dot)) << "only the focused line";
}

// A resize moves the time with the right edge, however the view caches its line size.
TEST_F(RosterDrawing, TimeFollowsTheRightEdgeAfterAResize)
{
    list.SetLines({QString(30, QLatin1Char('#'))});
    PlayFor(1, 1, 0);
    Grab();
    for (const int outer : {521, 301, 460}) {
        list.resize(outer, 234);
        const QImage image = Grab();
        const int width = list.viewport()->width();
        ASSERT_EQ(width, outer - 4);
        EXPECT_EQ(list.ItemRect(0), QRect(0, 0, width, 23));
        const int timeLeft = width - TeamRoster::TimeTextOffset;
        EXPECT_EQ(Region(image, timeLeft, 0, 23),
                  Region(ExpectedTimeCell(QStringLiteral(" 0:00"), width), timeLeft, 0, 23))
            << outer;
    }
}

} // namespace
