// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <ranges>
#include <string>
#include <vector>

#include "PaintCounter.h"
#include "clock/DigitGeometry.h"
#include "clock/TDigit.h"
#include "support/PropertyTable.h"

namespace {

constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Gray = 0xFF808080;
constexpr QRgb Marker = 0xFF123456;

std::vector<QPoint> PointsOf(const DigitPolygon &polygon)
{
    return {polygon.points.begin(), polygon.points.begin() + polygon.count};
}

// The clock's digits: 60 x 85, thickness 7, separation 0 (W 59, H 84, h 42).
TEST(DigitGeometry, ClockDigitPolygonsPointByPoint)
{
    const DigitPolygons p = ComputeDigitPolygons(60, 85, 7, 0);
    using P = std::vector<QPoint>;
    EXPECT_EQ(PointsOf(p[0]), (P{{7, 7}, {14, 0}, {45, 0}, {52, 7}, {45, 14}, {14, 14}})) << "top";
    EXPECT_EQ(PointsOf(p[1]), (P{{7, 42}, {14, 35}, {45, 35}, {52, 42}, {45, 49}, {14, 49}})) << "middle";
    EXPECT_EQ(PointsOf(p[2]), (P{{7, 77}, {14, 70}, {45, 70}, {52, 77}, {45, 84}, {14, 84}})) << "bottom";
    EXPECT_EQ(PointsOf(p[3]), (P{{0, 14}, {7, 7}, {14, 14}, {14, 35}, {7, 42}, {0, 35}})) << "upper-left";
    EXPECT_EQ(PointsOf(p[4]), (P{{45, 14}, {52, 7}, {59, 14}, {59, 35}, {52, 42}, {45, 35}})) << "upper-right";
    EXPECT_EQ(PointsOf(p[5]), (P{{0, 49}, {7, 42}, {14, 49}, {14, 70}, {7, 77}, {0, 70}})) << "lower-left";
    EXPECT_EQ(PointsOf(p[6]), (P{{45, 49}, {52, 42}, {59, 49}, {59, 70}, {52, 77}, {45, 70}})) << "lower-right";
    EXPECT_EQ(PointsOf(p[7]), (P{{59, 84}, {45, 84}, {59, 70}})) << "corner mark";
}

TEST(DigitGeometry, SeparationShortensSegmentsAndShrinksTheCornerMark)
{
    const DigitPolygons p = ComputeDigitPolygons(60, 85, 7, 2);
    using P = std::vector<QPoint>;
    EXPECT_EQ(PointsOf(p[0]), (P{{9, 7}, {16, 0}, {43, 0}, {50, 7}, {43, 14}, {16, 14}}));
    EXPECT_EQ(PointsOf(p[3]), (P{{0, 16}, {7, 9}, {14, 16}, {14, 33}, {7, 40}, {0, 33}}));
    EXPECT_EQ(PointsOf(p[7]), (P{{59, 84}, {47, 84}, {59, 72}}));
    // Odd last row: h = 83 div 2 = 41, and the lower verticals end above the bottom tips.
    const DigitPolygons odd = ComputeDigitPolygons(60, 84, 7, 0);
    EXPECT_EQ(odd[1].points[0], QPoint(7, 41));
    EXPECT_EQ(odd[5].points[4], QPoint(7, 75));
    EXPECT_EQ(odd[2].points[0], QPoint(7, 76));
}

// Segment interiors of the 60 x 85 digit, in bit order.
const QPoint Interior[8] = {{29, 7}, {29, 42}, {29, 77}, {7, 25}, {52, 25}, {7, 60}, {52, 60}, {57, 82}};

class DigitPixels : public ::testing::Test
{
protected:
    TDigit digit;
    QImage image{60, 85, QImage::Format_RGB32};

    void SetUp() override
    {
        digit.resize(60, 85);
        digit.SetThickness(7);
        digit.SetSeparation(0);
        digit.SetColor(clBlue);
        digit.SetColorOn(clYellow);
        digit.SetColorOff(clGray);
    }
    void PaintAll()
    {
        image.fill(Marker);
        QPainter painter(&image);
        digit.Paint(painter, image.rect());
    }
};

TEST_F(DigitPixels, EachBitLightsItsOwnPolygon)
{
    for (int bit = 0; bit < 8; ++bit) {
        digit.SetValueBinary(std::uint8_t(1u << bit));
        PaintAll();
        for (int probe = 0; probe < 8; ++probe)
            EXPECT_EQ(image.pixel(Interior[probe]), probe == bit ? Yellow : Gray)
                << "mask " << (1 << bit) << ", polygon " << probe;
    }
}

TEST_F(DigitPixels, MasksZeroAndAllSetIncludingTheCornerMark)
{
    digit.SetValueBinary(0);
    PaintAll();
    for (const QPoint &at : Interior)
        EXPECT_EQ(image.pixel(at), Gray) << at.x() << "," << at.y();
    digit.SetValueBinary(255);
    PaintAll();
    for (const QPoint &at : Interior)
        EXPECT_EQ(image.pixel(at), Yellow) << at.x() << "," << at.y();
}

TEST_F(DigitPixels, OutlinesAndBackgroundAreInTheBackgroundColour)
{
    for (const int mask : {0, 255}) {
        digit.SetValueBinary(std::uint8_t(mask));
        PaintAll();
        // Every corner of every polygon lies on its outline.
        for (const DigitPolygon &polygon : ComputeDigitPolygons(60, 85, 7, 0))
            for (const QPoint &at : PointsOf(polygon))
                EXPECT_EQ(image.pixel(at), Blue) << "mask " << mask << " at " << at.x() << "," << at.y();
        // Edges between corners, and the gaps the segments leave.
        for (const QPoint at : {QPoint(29, 0), QPoint(29, 14), QPoint(0, 25), QPoint(14, 25), QPoint(29, 84),
                                QPoint(59, 60), QPoint(52, 84)})
            EXPECT_EQ(image.pixel(at), Blue) << "edge " << at.x() << "," << at.y();
        for (const QPoint at : {QPoint(0, 0), QPoint(59, 0), QPoint(29, 25), QPoint(29, 60), QPoint(0, 84)})
            EXPECT_EQ(image.pixel(at), Blue) << "gap " << at.x() << "," << at.y();
        for (int y = 0; y < 85; ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_NE(image.pixel(x, y), Marker) << "unpainted pixel " << x << "," << y;
    }
}

TEST_F(DigitPixels, TheFillStaysInsideTheClipRectangle)
{
    digit.SetValueBinary(0);
    PaintAll();
    const QImage before = image;
    digit.SetValueBinary(255);
    digit.SetColor(clRed);
    {
        QPainter painter(&image);
        const QRect lowerHalf(0, 43, 60, 42);
        painter.setClipRect(lowerHalf);
        digit.Paint(painter, lowerHalf);
    }
    EXPECT_EQ(image.copy(0, 0, 60, 43), before.copy(0, 0, 60, 43));
    EXPECT_EQ(image.pixel(29, 60), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(Interior[7]), Yellow);
}

TEST_F(DigitPixels, EveryDigitHasItsMaskAndLightsItsSegments)
{
    // Written out from the lit segments of each digit: t top, m middle,
    // b bottom, l upper-left, r upper-right, L lower-left, R lower-right.
    struct Row
    {
        int value;
        int mask;
        const char *lit;
    };
    const Row rows[] = {
        {0, 125, "tblrLR"}, {1, 80, "rR"},      {2, 55, "tmbrL"}, {3, 87, "tmbrR"},    {4, 90, "mlrR"},
        {5, 79, "tmblR"},   {6, 111, "tmblLR"}, {7, 81, "trR"},   {8, 127, "tmblrLR"}, {9, 95, "tmblrR"},
    };
    const std::string segments = "tmblrLR"; // in bit order; the corner mark is never lit
    // From 9 down, so that each write changes the value (0 is already shown).
    for (const Row &row : std::views::reverse(rows)) {
        digit.SetValue(row.value);
        EXPECT_EQ(digit.ValueBinary(), row.mask) << "digit " << row.value;
        PaintAll();
        for (int polygon = 0; polygon < 8; ++polygon) {
            const bool lit = polygon < 7 && std::strchr(row.lit, segments[std::size_t(polygon)]);
            EXPECT_EQ(image.pixel(Interior[polygon]), lit ? Yellow : Gray)
                << "digit " << row.value << ", polygon " << polygon;
        }
    }
}

TEST_F(DigitPixels, BorderStyleChangesNothingOnScreen)
{
    digit.SetValueBinary(0x5A);
    digit.SetBorderStyle(TDigit::bsSingle);
    PaintAll();
    const QImage single = image;
    digit.SetBorderStyle(TDigit::bsNone);
    PaintAll();
    EXPECT_EQ(image, single);
}

TEST_F(DigitPixels, OutlandishThicknessAndSeparationPaintWithoutHarm)
{
    for (const auto &[t, s] :
         {std::pair{-7, 0}, std::pair{INT_MIN, INT_MAX}, std::pair{30, -5}, std::pair{0, INT_MIN}}) {
        digit.SetThickness(t);
        digit.SetSeparation(s);
        digit.SetValueBinary(255);
        PaintAll();
        EXPECT_EQ(digit.Separation(), s);
    }
}

TEST(Digit, AFreshDigit)
{
    TDigit digit;
    ExpectProperties({
        {"width", digit.width(), 16},
        {"height", digit.height(), 32},
        {"Color", digit.Color(), clBlack},
        {"Value", digit.Value(), 0},
        {"ValueBinary", digit.ValueBinary(), 125},
        {"ColorOn", digit.ColorOn(), clYellow},
        {"ColorOff", digit.ColorOff(), clBlack},
        {"Thickness", digit.Thickness(), 2},
        {"Separation", digit.Separation(), 1},
        {"BorderStyle", digit.BorderStyle(), TDigit::bsSingle},
        {"opaque paint event", digit.testAttribute(Qt::WA_OpaquePaintEvent), true},
    });

    // Thickness 2, separation 1: W 15, H 31, h 15.
    QImage image(16, 32, QImage::Format_RGB32);
    image.fill(Marker);
    {
        QPainter painter(&image);
        digit.Paint(painter, image.rect());
    }
    EXPECT_EQ(image.pixel(7, 2), Yellow) << "top";
    EXPECT_EQ(image.pixel(2, 8), Yellow) << "upper-left";
    EXPECT_EQ(image.pixel(13, 24), Yellow) << "lower-right";
    EXPECT_EQ(image.pixel(7, 15), 0xFF000000u) << "middle is off, in black";
    EXPECT_EQ(image.pixel(7, 0), 0xFF000000u) << "outline";
}

TEST(Digit, ThicknessIsLimitedByHalfTheCurrentSize)
{
    TDigit digit;
    digit.resize(60, 85);
    digit.SetThickness(30);
    EXPECT_EQ(digit.Thickness(), 30);
    digit.SetThickness(31);
    EXPECT_EQ(digit.Thickness(), 30) << "60 div 2 = 30";
    digit.resize(60, 41);
    digit.SetThickness(21);
    EXPECT_EQ(digit.Thickness(), 30) << "41 div 2 = 20";
    digit.SetThickness(20);
    EXPECT_EQ(digit.Thickness(), 20);
    digit.SetThickness(-4);
    EXPECT_EQ(digit.Thickness(), -4) << "no lower bound";
    digit.SetSeparation(-9);
    EXPECT_EQ(digit.Separation(), -9);
}

// A shown digit, so that paints really happen and can be counted.
class ShownDigit : public ::testing::Test
{
protected:
    TDigit digit;
    PaintCounter *paints = nullptr;

    void SetUp() override
    {
        digit.resize(60, 85);
        digit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&digit));
        QApplication::processEvents();
        paints = new PaintCounter(&digit);
    }
};

TEST_F(ShownDigit, ShownChangesRepaintAtOnceAndUnchangedOnesNotAtAll)
{
    digit.SetColorOn(clRed);
    EXPECT_EQ(paints->count, 1) << "ColorOn repaints before the setter returns";
    digit.SetColorOff(clGray);
    digit.SetValueBinary(0);
    digit.SetBorderStyle(TDigit::bsNone);
    digit.SetValue(4);
    EXPECT_EQ(paints->count, 5);

    digit.SetColorOn(clRed);
    digit.SetColorOff(clGray);
    digit.SetValueBinary(TDigit::DigitPatterns[4]);
    digit.SetBorderStyle(TDigit::bsNone);
    digit.SetValue(4);
    digit.SetColor(digit.Color());
    QApplication::processEvents();
    EXPECT_EQ(paints->count, 5) << "unchanged values paint nothing";
}

TEST_F(ShownDigit, GeometryAndBackgroundRequestARepaintForLater)
{
    digit.SetThickness(digit.Thickness());
    digit.SetSeparation(digit.Separation());
    digit.SetColor(clBlue);
    EXPECT_EQ(paints->count, 0) << "requested, not painted yet";
    QApplication::processEvents();
    EXPECT_GE(paints->count, 1) << "thickness and separation repaint even when unchanged";
    const int afterFirst = paints->count;
    digit.SetThickness(43); // more than 60 div 2: ignored, nothing requested
    QApplication::processEvents();
    EXPECT_EQ(paints->count, afterFirst);
    EXPECT_EQ(digit.Thickness(), 2);
}

struct OverflowSeen
{
    QObject *sender = nullptr;
    int value = -100;
    int mask = -100;
    int paints = -100;
    int calls = 0;
};

TEST_F(ShownDigit, OverflowRunsWhileTheOldPatternStillShows)
{
    OverflowSeen seen;
    QObject::connect(&digit, &TDigit::OnOverflow, [&](QObject *sender) {
        ++seen.calls;
        seen.sender = sender;
        seen.value = digit.Value();
        seen.mask = digit.ValueBinary();
        seen.paints = paints->count;
    });
    digit.SetValue(3);
    const int paintsShowing3 = paints->count;
    digit.SetValue(10);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.sender, &digit);
    EXPECT_EQ(seen.value, 0) << "Value is already 0 in the handler";
    EXPECT_EQ(seen.mask, 87) << "the pattern of 3 still in place";
    EXPECT_EQ(seen.paints, paintsShowing3) << "nothing repainted before the handler";
    EXPECT_EQ(digit.Value(), 0);
    EXPECT_EQ(digit.ValueBinary(), 125);
    EXPECT_EQ(paints->count, paintsShowing3 + 1);
}

TEST_F(ShownDigit, OverflowWhileAlreadyZeroStillReportsAndRedraws)
{
    int calls = 0;
    QObject::connect(&digit, &TDigit::OnOverflow, [&](QObject *) { ++calls; });
    digit.SetValueBinary(0); // Value stays 0, the digit is blank
    const int before = paints->count;
    digit.SetValue(-1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(digit.Value(), 0);
    EXPECT_EQ(digit.ValueBinary(), 125);
    EXPECT_EQ(paints->count, before + 1);
}

TEST_F(ShownDigit, WritingTheCurrentValueLeavesADirectMaskAlone)
{
    digit.SetValueBinary(0);
    const int before = paints->count;
    digit.SetValue(0);
    EXPECT_EQ(digit.ValueBinary(), 0) << "still blank";
    EXPECT_EQ(paints->count, before);
    digit.SetValue(2);
    EXPECT_EQ(digit.ValueBinary(), 55);
}

TEST_F(ShownDigit, AnOverflowHandlerMayWriteValueItself)
{
    QObject::connect(&digit, &TDigit::OnOverflow, [&](QObject *) { digit.SetValue(7); });
    digit.SetValue(12);
    EXPECT_EQ(digit.Value(), 7);
    EXPECT_EQ(digit.ValueBinary(), 81) << "the mask follows the value the handler left";
}

TEST(Digit, OverflowWithoutAHandlerJustShowsZero)
{
    TDigit digit;
    digit.SetValue(5);
    digit.SetValue(INT_MIN);
    EXPECT_EQ(digit.Value(), 0);
    EXPECT_EQ(digit.ValueBinary(), 125);
}

} // namespace
