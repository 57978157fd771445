// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Where the hall display puts its parts, for the sizes of projectors,
// monitors and small windows; and which screen it opens on.

#include "display/HallLayout.h"

#include <gtest/gtest.h>

#include "display/HallScreenChoice.h"

namespace {

struct Size
{
    int Width;
    int Height;
};

TEST(HallLayout, DigitsFillAtLeastTwoFifthsAndNothingOverlapsOrLeavesTheWindow)
{
    for (const Size size :
         {Size{1920, 1080}, Size{1280, 800}, Size{1024, 768}, Size{640, 360}, Size{320, 180}, Size{3840, 2160}}) {
        for (const bool players : {false, true}) {
            for (const int lines : {0, 5, 12}) {
                const HallLayout layout = HallLayout::For(QSize(size.Width, size.Height), players, lines);
                const QRect window(0, 0, size.Width, size.Height);
                SCOPED_TRACE(testing::Message()
                             << size.Width << "x" << size.Height << " players " << players << " lines " << lines);
                EXPECT_GE(layout.Digits[0].height() * 10, size.Height * 4);
                EXPECT_TRUE(window.contains(layout.Period));
                EXPECT_FALSE(layout.Period.intersects(layout.Clock()));
                for (std::size_t i = 0; i < layout.Digits.size(); ++i) {
                    EXPECT_TRUE(window.contains(layout.Digits[i]));
                    if (i > 0)
                        EXPECT_LT(layout.Digits[i - 1].right(), layout.Digits[i].left());
                }
                for (const QRect &dot : layout.ColonDots) {
                    EXPECT_LT(layout.Digits[1].right(), dot.left());
                    EXPECT_LT(dot.right(), layout.Digits[2].left());
                }
                if (!players) {
                    EXPECT_EQ(layout.PlayerLines, 0);
                    continue;
                }
                EXPECT_EQ(layout.PlayerLines, std::max(lines, HallLayout::MinPlayerLines));
                EXPECT_FALSE(layout.Teams[0].intersects(layout.Teams[1]));
                for (int team = 0; team < 2; ++team) {
                    EXPECT_TRUE(window.contains(layout.Teams[team]));
                    EXPECT_FALSE(layout.Teams[team].intersects(layout.Clock()));
                    const QRect last = layout.PlayerLine(team, layout.PlayerLines - 1);
                    EXPECT_EQ(last.bottom(), layout.Teams[team].bottom());
                    EXPECT_GE(last.height(), layout.PlayerFontPx);
                }
            }
        }
    }
}

TEST(HallScreenChoice, FullScreenBesideTheBenchAndTheRememberedScreenFirst)
{
    struct Row
    {
        QStringList Screens;
        int Bench;
        QString Remembered;
        HallScreenChoice Expected;
    };
    const QString a = QStringLiteral("HDMI-1"), b = QStringLiteral("DP-2"), c = QStringLiteral("VGA-1");
    const QString same = QStringLiteral("screen");
    for (const Row &row : {
             Row{{a}, 0, {}, {0, false}}, // one screen: a window
             Row{{a}, 0, b, {0, false}}, Row{{}, -1, {}, {0, false}}, // no screen at all yet
             Row{{a, b}, 0, {}, {1, true}}, // the screen beside the bench, full
             Row{{a, b}, 1, {}, {0, true}}, Row{{a, b, c}, 0, c, {2, true}}, // the one it was on
             Row{{a, b, c}, 0, QStringLiteral("gone"), {1, true}},
             Row{{a, b}, 0, a, {0, false}}, // left on the bench's screen: stays a window there
             Row{{same, same}, 0, same, {1, true}}, // two screens of one name
             Row{{a, b}, 7, {}, {1, true}}, // the bench's screen unknown: taken as the first
         }) {
        EXPECT_EQ(HallScreenChoice::For(row.Screens, row.Bench, row.Remembered), row.Expected)
            << row.Screens.join(QLatin1Char(',')).toStdString() << " bench " << row.Bench << " remembered "
            << row.Remembered.toStdString();
    }
}

} // namespace

TEST(HallWindowPlace, BesideTheBenchWhereThereIsRoomElseInTheFarthestCorner)
{
    struct Row
    {
        QRect Available;
        QRect Bench;
        QRect Expected;
    };
    const QRect laptop(0, 0, 1280, 800);
    for (const Row &row : {
             Row{laptop, {}, {256, 184, 768, 432}}, // no bench on this screen: in the middle
             Row{laptop, {236, 180, 808, 439}, {479, 619, 321, 181}}, // the bench in the middle: below it
             Row{laptop, {0, 0, 640, 400}, {284, 400, 711, 400}},
             Row{laptop, {0, 0, 1280, 700}, {0, 512, 512, 288}}, // no room: the corner away from the bench, small
             Row{QRect(0, 0, 1920, 1080), {0, 0, 808, 439}, {390, 439, 1139, 641}},
         }) {
        const QRect place = HallWindowPlace(row.Available, row.Bench);
        EXPECT_EQ(place, row.Expected) << place.x() << "," << place.y() << " " << place.width() << "x"
                                       << place.height();
        EXPECT_TRUE(row.Available.contains(place));
    }
}
