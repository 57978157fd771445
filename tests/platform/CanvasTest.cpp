// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/Canvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include "support/CanvasImage.h"

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

class CanvasPixels : public ::testing::Test
{
protected:
    QImage image;
    // Every pixel of `image` whose colour is `colour`, as a set of points.
    std::vector<QPoint> PixelsOf(QRgb colour) const
    {
        std::vector<QPoint> points;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    points.emplace_back(x, y);
        return points;
    }
};

TEST_F(CanvasPixels, FillRectExcludesRightAndBottom)
{
    image = Draw(12, 10, [](Canvas &canvas) {
        canvas.SetBrushColor(clBlack);
        canvas.FillRect(2, 3, 5, 6);
    });
    EXPECT_EQ(PixelsOf(Black).size(), 9u);
    EXPECT_EQ(image.pixel(2, 3), Black);
    EXPECT_EQ(image.pixel(4, 5), Black);
    EXPECT_EQ(image.pixel(5, 5), White);
    EXPECT_EQ(image.pixel(4, 6), White);
}

TEST_F(CanvasPixels, RectangleOutlinesOnTheLastIncludedColumnAndRow)
{
    image = Draw(12, 10, [](Canvas &canvas) {
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(clRed);
        canvas.Rectangle(1, 1, 6, 5);
    });
    EXPECT_EQ(image.pixel(1, 1), Black);
    EXPECT_EQ(image.pixel(5, 4), Black);
    EXPECT_EQ(image.pixel(6, 4), White);
    EXPECT_EQ(image.pixel(5, 5), White);
    EXPECT_EQ(image.pixel(2, 2), Red);
    EXPECT_EQ(PixelsOf(Red).size(), 3u * 2u);
}

TEST_F(CanvasPixels, LineToPaintsTheStartButNotTheEnd)
{
    image = Draw(12, 10, [](Canvas &canvas) {
        canvas.SetPenColor(clBlack);
        canvas.MoveTo(1, 8);
        canvas.LineTo(1, 1); // up: (1,8)..(1,2)
        canvas.LineTo(9, 1); // right: (1,1)..(8,1)
        canvas.LineTo(9, 4); // down: (9,1)..(9,3)
        canvas.LineTo(-1, 4); // left to beyond the edge
    });
    EXPECT_EQ(image.pixel(1, 8), Black);
    EXPECT_EQ(image.pixel(1, 1), Black);
    EXPECT_EQ(image.pixel(8, 1), Black);
    EXPECT_EQ(image.pixel(9, 1), Black);
    EXPECT_EQ(image.pixel(9, 3), Black);
    EXPECT_EQ(image.pixel(9, 4), Black);
    EXPECT_EQ(image.pixel(0, 4), Black);
    EXPECT_EQ(image.pixel(10, 1), White);
    EXPECT_EQ(image.pixel(1, 9), White);
    // Diagonal: the end point is left out too.
    image = Draw(12, 10, [](Canvas &canvas) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(4, 4);
    });
    EXPECT_EQ(PixelsOf(Black).size(), 4u);
    EXPECT_EQ(image.pixel(4, 4), White);
}

TEST_F(CanvasPixels, RoundRectLeavesTheCornersUntouched)
{
    image = Draw(20, 12, [](Canvas &canvas) {
        canvas.SetBrushClear(true);
        canvas.SetPenColor(clBlack);
        canvas.RoundRect(0, 0, 20, 12, 6, 6);
    });
    EXPECT_EQ(image.pixel(0, 0), White);
    EXPECT_EQ(image.pixel(19, 0), White);
    EXPECT_EQ(image.pixel(0, 11), White);
    EXPECT_EQ(image.pixel(19, 11), White);
    EXPECT_EQ(image.pixel(10, 0), Black);
    EXPECT_EQ(image.pixel(10, 11), Black);
    EXPECT_EQ(image.pixel(0, 6), Black);
    EXPECT_EQ(image.pixel(19, 6), Black);
    EXPECT_EQ(image.pixel(10, 6), White) << "clear brush";
}

TEST_F(CanvasPixels, SystemColoursResolveThroughThePalette)
{
    EXPECT_FALSE(IsSystemColor(clRed));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_EQ(ColorToRGB(clSkyBlue), clSkyBlue);
    EXPECT_EQ(ToQColor(clSkyBlue), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(ColorToRGB(clBtnFace) & 0xFF000000u, 0u);
}

// A canvas drawing with kept pens and brushes must leave exactly the pixels
// a plain canvas leaves, also after its few kept colours have been replaced.
TEST_F(CanvasPixels, KeptToolsDrawTheSamePixelsAsFreshOnes)
{
    const QPoint hexagon[] = {{1, 4}, {3, 2}, {8, 2}, {10, 4}, {8, 6}, {3, 6}};
    const auto draw = [&hexagon](Canvas &canvas) {
        // More colours than the cache keeps, so slots are reused on the way.
        for (int shade = 0; shade < 20; ++shade) {
            canvas.SetBrushColor(RGBColor(shade * 10, 0, 0));
            canvas.SetPenColor(RGBColor(0, shade * 10, 0));
            canvas.FillRect(shade % 12, 0, shade % 12 + 1, 1);
        }
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(clRed);
        canvas.Polygon(hexagon, 6);
        canvas.SetPenClear(true);
        canvas.SetBrushColor(clWhite);
        canvas.Rectangle(4, 8, 7, 10);
    };
    const QImage plain = Draw(12, 10, draw);
    CanvasToolCache tools;
    image = Draw(12, 10, tools, draw);
    EXPECT_EQ(image, plain);
    EXPECT_EQ(image.pixel(5, 4), Red);
    EXPECT_EQ(image.pixel(3, 2), Black);
    image = Draw(12, 10, tools, draw); // a second paint with the same kept tools
    EXPECT_EQ(image, plain);
}

// TextOut: the top of the character cell at y, and with a brush the whole
// cell (advance x ascent+descent) behind the text is filled: nothing of it
// shows through, and nothing outside it is touched.
TEST(CanvasText, OpaqueTextFillsExactlyItsCell)
{
    const QFont font = MakeFont("Courier New", -21, true);
    const QString text = QStringLiteral(" 0:00 ");
    int width = 0, height = 0;
    const QImage image = Draw(120, 40, [&](Canvas &canvas) {
        const QFontMetrics metrics(font, canvas.Painter().device());
        width = metrics.horizontalAdvance(text);
        height = metrics.ascent() + metrics.descent();
        canvas.SetFont(font);
        canvas.SetFontColor(clBlack);
        canvas.SetBrushColor(clRed);
        EXPECT_EQ(canvas.TextWidth(text), width);
        EXPECT_EQ(canvas.TextHeight(), height);
        canvas.TextOut(5, 3, text);
    });
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= 5 && x < 5 + width && y >= 3 && y < 3 + height;
            const QRgb pixel = image.pixel(x, y);
            if (!inside)
                ASSERT_EQ(pixel, White) << x << "," << y;
            else
                ASSERT_NE(pixel, White) << x << "," << y;
            black += pixel == Black;
        }
    }
    EXPECT_GT(black, 20) << "bold glyphs have solid pixels in the font colour";
    // The leading blank covers its cell with the brush only.
    EXPECT_EQ(image.pixel(6, 3), Red);
}

TEST(CanvasText, ClearBrushLeavesTheBackground)
{
    const QImage image = Draw(60, 30, [](Canvas &canvas) {
        canvas.SetFont(MakeFont("Courier New", -21, true));
        canvas.SetFontColor(clBlue);
        canvas.SetBrushClear(true);
        canvas.TextOut(2, 2, QStringLiteral(" 8 "));
    });
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += image.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 10);
    EXPECT_EQ(image.pixel(3, 3), White) << "the blank's cell stays as it was";
}

// Rows of `image` as text: '#' for black, 'r' for red, '.' for anything else.
std::vector<std::string> Rows(const QImage &image, int x0, int y0, int w, int h)
{
    std::vector<std::string> rows;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x)
            row += image.pixel(x, y) == Black ? '#' : image.pixel(x, y) == Red ? 'r' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST_F(CanvasPixels, RoundRectCornersAreExactAndSymmetric)
{
    image = Draw(14, 9, [](Canvas &canvas) {
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(clRed);
        canvas.RoundRect(1, 1, 13, 9, 6, 6);
    });
    const std::vector<std::string> expected = {
        "..............", "...########...", "..#rrrrrrrr#..", ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.",
        ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.", "..#rrrrrrrr#..", "...########...",
    };
    EXPECT_EQ(Rows(image, 0, 0, 14, 9), expected);
}

TEST_F(CanvasPixels, RoundRectWithoutPenFillsTheSameColumnsAndRows)
{
    image = Draw(10, 7, [](Canvas &canvas) {
        canvas.SetPenClear(true);
        canvas.SetBrushColor(clRed);
        canvas.RoundRect(0, 1, 10, 7, 4, 4);
    });
    const std::vector<std::string> expected = {
        "..........", ".rrrrrrrr.", "rrrrrrrrrr", "rrrrrrrrrr", "rrrrrrrrrr", "rrrrrrrrrr", ".rrrrrrrr.",
    };
    EXPECT_EQ(Rows(image, 0, 0, 10, 7), expected);
}

// The focus outline dots every other pixel of the rectangle's edge, the
// pattern fixed to the image's grid, in the inverse of the brush colour.
TEST_F(CanvasPixels, FocusRectDotsTheEdgeInTheInverseOfTheBrush)
{
    image = Draw(8, 6, [](Canvas &canvas) {
        canvas.SetBrushColor(clWhite);
        canvas.DrawFocusRect(QRect(1, 1, 6, 4));
    });
    const std::vector<std::string> expected = {
        "........", ".#.#.#..", "......#.", ".#......", "..#.#.#.", "........",
    };
    EXPECT_EQ(Rows(image, 0, 0, 8, 6), expected);
    DrawOver(image, [](Canvas &canvas) {
        canvas.SetBrushColor(clRed);
        canvas.DrawFocusRect(1, 1, 7, 5);
    });
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 255)) << "red's inverse";
    EXPECT_EQ(image.pixel(2, 1), White) << "the pixels between the dots stay as they were";
}

// Only pixels of exactly the key colour become see-through; a neighbouring
// shade and every other pixel keep their colour, fully opaque.
TEST(CanvasKeyColour, CutOutMakesExactlyTheKeyTransparent)
{
    const QRgb nearKey = qRgb(0xFE, 0x00, 0xFF);
    const QRgb face = ToQColor(clBtnFace).rgb();
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0xFF, 0x00, 0xFF));
    image.setPixel(1, 0, Red);
    image.setPixel(2, 0, nearKey);
    image.setPixel(3, 0, face);

    const QImage cut = CutOutKeyColor(image, RGBColor(0xFF, 0x00, 0xFF));
    ASSERT_EQ(cut.format(), QImage::Format_ARGB32);
    EXPECT_EQ(cut.pixel(0, 0), 0u);
    EXPECT_EQ(cut.pixel(1, 0), Red);
    EXPECT_EQ(cut.pixel(2, 0), nearKey);
    EXPECT_EQ(cut.pixel(3, 0), face);
    EXPECT_EQ(CutOutKeyColor(image, clBtnFace).pixel(3, 0), 0u) << "a system colour is resolved first";
}

} // namespace
