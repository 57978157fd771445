// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Pixel rules of the button face painter, checked on QImage.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FaceTestSupport.h"

namespace {

using namespace facetest;
using LbButtonsPrivate::BlendHotColor;
using LbButtonsPrivate::FillGradientBands;

// ---- frames of the six styles ---------------------------------------------

TEST(ButtonFaceFrames, NormalIsRaisedWhenUpAndSunkenWhenDown)
{
    TLbButtonFace face = Plain(bsNormal);
    QImage up = Paint(face);
    EXPECT_EQ(At(up, 0, 19), clWhite) << "start of the first line";
    EXPECT_EQ(At(up, 0, 0), clWhite);
    EXPECT_EQ(At(up, 38, 0), clWhite);
    EXPECT_EQ(At(up, 39, 0), clBlack) << "the corner belongs to the shadow";
    EXPECT_EQ(At(up, 39, 19), clBlack);
    EXPECT_EQ(At(up, 1, 19), clBlack);
    EXPECT_EQ(At(up, 20, 10), clSilver) << "the whole canvas in the face colour";
    EXPECT_EQ(CountOf(up, LbKeyColor), 0);

    face.Down = true;
    QImage down = Paint(face);
    EXPECT_EQ(At(down, 0, 0), clBlack);
    EXPECT_EQ(At(down, 0, 19), clBlack);
    EXPECT_EQ(At(down, 39, 0), clWhite);
    EXPECT_EQ(At(down, 1, 19), clWhite);
    EXPECT_EQ(At(down, 20, 10), clSilver);

    face.ColorWhenDown = clRed;
    EXPECT_EQ(At(Paint(face), 20, 10), clRed);
}

TEST(ButtonFaceFrames, EncartaHasTheNormalFrame)
{
    TLbButtonFace face = Plain(bsEncarta);
    EXPECT_EQ(Paint(face), Paint(Plain(bsNormal)));
    face.Down = true;
    TLbButtonFace normal = Plain(bsNormal);
    normal.Down = true;
    EXPECT_EQ(Paint(face), Paint(normal));
}

TEST(ButtonFaceFrames, OldIsTwoPixelsDeep)
{
    const TColor DkShadow = ColorToRGB(cl3DDkShadow);
    TLbButtonFace face = Plain(bsOld);
    QImage up = Paint(face);
    // Inner shadow on the right and bottom.
    EXPECT_EQ(At(up, 38, 1), clBlack);
    EXPECT_EQ(At(up, 38, 17), clBlack);
    EXPECT_EQ(At(up, 38, 18), clBlack);
    EXPECT_EQ(At(up, 1, 18), clBlack);
    EXPECT_EQ(At(up, 0, 18), clWhite) << "the light edge is drawn over it";
    EXPECT_EQ(At(up, 38, 0), clWhite);
    // Light top and left, dark-shadow right and bottom.
    EXPECT_EQ(At(up, 0, 1), clWhite);
    EXPECT_EQ(At(up, 0, 0), clWhite);
    EXPECT_EQ(At(up, 39, 0), DkShadow);
    EXPECT_EQ(At(up, 39, 18), DkShadow);
    EXPECT_EQ(At(up, 39, 19), DkShadow);
    EXPECT_EQ(At(up, 0, 19), DkShadow) << "the last line runs to column -1";
    EXPECT_EQ(At(up, 1, 1), clSilver);

    face.Down = true;
    QImage down = Paint(face);
    EXPECT_EQ(At(down, 1, 17), clBlack);
    EXPECT_EQ(At(down, 1, 2), clBlack);
    EXPECT_EQ(At(down, 1, 1), clBlack);
    EXPECT_EQ(At(down, 37, 1), clBlack);
    EXPECT_EQ(At(down, 38, 1), clSilver);
    EXPECT_EQ(At(down, 1, 18), clSilver);
    EXPECT_EQ(At(down, 0, 0), DkShadow);
    EXPECT_EQ(At(down, 0, 18), DkShadow);
    EXPECT_EQ(At(down, 39, 0), clWhite);
    EXPECT_EQ(At(down, 0, 19), clWhite);
}

TEST(ButtonFaceFrames, ModernSplitsItsGradientAQuarterDown)
{
    const TColor face = RGBColor(0, 128, 0), light = RGBColor(192, 255, 192), shadow = RGBColor(0, 192, 0);
    TLbButtonFace f = Plain(bsModern, 114, 45);
    f.Color = face;
    f.LightColor = light;
    f.ShadowColor = shadow;
    const QImage up = Paint(f);
    // First gradient: light at row 2 towards the face colour; the second
    // starts in the face colour at row H div 4.
    EXPECT_NE(At(up, 50, 10), face);
    EXPECT_EQ(At(up, 50, 11), face);
    EXPECT_NE(At(up, 50, 12), face);
    EXPECT_EQ(At(up, 2, 11), face);
    EXPECT_EQ(At(up, 111, 11), face);
    // Inner outline in the face colour, rounded outline in the shadow colour.
    EXPECT_EQ(At(up, 1, 20), face);
    EXPECT_EQ(At(up, 112, 20), face);
    EXPECT_EQ(At(up, 50, 1), face);
    EXPECT_EQ(At(up, 50, 43), face);
    EXPECT_EQ(At(up, 0, 20), shadow);
    EXPECT_EQ(At(up, 113, 20), shadow);
    EXPECT_EQ(At(up, 50, 0), shadow);
    EXPECT_EQ(At(up, 50, 44), shadow);

    f.Down = true;
    const QImage down = Paint(f);
    EXPECT_NE(At(down, 50, 11), face);
    EXPECT_EQ(At(down, 50, 12), face);
    EXPECT_EQ(At(down, 50, 1), shadow) << "pressed: inner outline in the shadow colour";
    EXPECT_EQ(At(down, 1, 20), shadow);
}

TEST(ButtonFaceFrames, ModernCornersStayKeyColoured)
{
    TLbButtonFace f = Plain(bsModern, 30, 16);
    const QImage image = Paint(f);
    for (auto [x, y] : {std::pair{0, 0},
                        {1, 0},
                        {0, 1},
                        {29, 0},
                        {28, 0},
                        {29, 1},
                        {0, 15},
                        {1, 15},
                        {0, 14},
                        {29, 15},
                        {28, 15},
                        {29, 14}})
        EXPECT_EQ(At(image, x, y), LbKeyColor) << x << "," << y;
    for (auto [x, y] :
         {std::pair{2, 0}, {1, 1}, {0, 2}, {27, 0}, {28, 1}, {29, 2}, {2, 15}, {1, 14}, {0, 13}, {28, 14}})
        EXPECT_EQ(At(image, x, y), clBlack) << x << "," << y;
    EXPECT_EQ(CountOf(image, LbKeyColor), 12);
}

TEST(ButtonFaceFrames, QuickenFillsARoundedFaceWithTwoLines)
{
    TLbButtonFace f = Plain(bsQuicken, 30, 16);
    f.Color = clRed;
    f.ShadowColor = clBlue;
    const QImage image = Paint(f);
    EXPECT_EQ(At(image, 3, 0), LbKeyColor);
    EXPECT_EQ(At(image, 4, 0), clBlue);
    EXPECT_EQ(At(image, 24, 0), clBlue);
    EXPECT_EQ(At(image, 25, 0), LbKeyColor);
    EXPECT_EQ(At(image, 4, 15), clBlue);
    EXPECT_EQ(At(image, 24, 15), clBlue);
    EXPECT_EQ(At(image, 0, 1), LbKeyColor) << "rounded corner";
    EXPECT_EQ(At(image, 1, 1), clRed);
    EXPECT_EQ(At(image, 0, 8), clRed);
    EXPECT_EQ(At(image, 29, 8), clRed);
    EXPECT_EQ(At(image, 10, 14), clRed);

    f.Transparent = true;
    EXPECT_EQ(Paint(f), image) << "a transparent Quicken button still fills its face";

    f.Down = true;
    f.ColorWhenDown = clGreen;
    const TColor orange = RGBColor(255, 128, 0);
    f.Glyph = Strip({clYellow, clYellow, orange});
    f.NumGlyphs = 3;
    const QImage down = Paint(f);
    EXPECT_EQ(At(down, 1, 1), clGreen) << "pressed colour";
    EXPECT_EQ(At(down, 4, 0), clBlue) << "same lines";
    EXPECT_EQ(At(down, 5, 5), orange) << "pressed cell, one pixel right and down";
    EXPECT_EQ(At(down, 4, 5), clGreen);
    EXPECT_EQ(At(down, 5, 4), clGreen);
}

TEST(ButtonFaceFrames, QuickenFaceFillsItsWholeRectangleWithoutOutline)
{
    // The filled rounded rectangle (0, 1, W, H) covers columns 0 to W-1 and
    // rows 1 to H-1 like any filled rectangle; the lines lie over its top
    // and bottom rows.
    TLbButtonFace f = Plain(bsQuicken, 12, 6);
    f.Color = clRed;
    f.ShadowColor = clBlue;
    const QImage image = Paint(f);
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += At(image, x, y) == clRed ? 'r' : At(image, x, y) == clBlue ? 'b' : '.';
        rows.push_back(row);
    }
    const std::vector<std::string> expected = {
        "....bbb.....", ".rrrrrrrrrr.", "rrrrrrrrrrrr", "rrrrrrrrrrrr", "rrrrrrrrrrrr", ".rrrbbbrrrr.",
    };
    EXPECT_EQ(rows, expected);
}

TEST(ButtonFaceFrames, ShapeIsAllKeyWithoutFrame)
{
    TLbButtonFace f = Plain(bsShape);
    f.Transparent = false;
    const QImage image = Paint(f);
    EXPECT_EQ(CountOf(image, LbKeyColor), 40 * 20);
}

TEST(ButtonFaceFrames, FlatFramesShowOnlyWhileHotOrPressed)
{
    for (TLbSpeedButtonStyle style : {bsNormal, bsEncarta, bsOld}) {
        TLbButtonFace f = Plain(style);
        f.Flat = true;
        EXPECT_EQ(CountOf(Paint(f), clSilver), 40 * 20) << style << ": no frame when up";
        f.MouseInside = true;
        EXPECT_LT(CountOf(Paint(f), clSilver), 40 * 20) << style << ": frame while hot";
        f.MouseInside = false;
        f.Down = true;
        EXPECT_LT(CountOf(Paint(f), clSilver), 40 * 20) << style << ": frame while pressed";
        f.MouseInside = true;
        f.Enabled = false;
        EXPECT_EQ(CountOf(Paint(f), clSilver), 40 * 20) << style << ": never when disabled";
    }
    for (TLbSpeedButtonStyle style : {bsModern, bsQuicken}) {
        TLbButtonFace f = Plain(style);
        const QImage normal = Paint(f);
        f.Flat = true;
        EXPECT_EQ(Paint(f), normal) << style << " ignores Flat";
    }
}

TEST(ButtonFaceFrames, TransparentFacesDrawNoFill)
{
    for (TLbSpeedButtonStyle style : {bsNormal, bsEncarta, bsOld, bsModern}) {
        TLbButtonFace f = Plain(style);
        f.Transparent = true;
        const QImage image = Paint(f);
        EXPECT_EQ(At(image, 20, 10), LbKeyColor) << style;
        EXPECT_EQ(CountOf(image, clSilver), style == bsModern ? 2 * 36 + 2 * 16 : 0) << style;
        EXPECT_GT(CountOf(image, clBlack), 0) << style << " keeps its frame";
    }
}

// ---- disabled look, hot blend, pressed shift --------------------------------

TEST(ButtonFaceLook, DisabledIsUpIgnoresHotColourAndGreysTheCaption)
{
    TLbButtonFace f = Plain(bsNormal, 60, 24);
    f.HotTrackColor = clRed;
    f.FadeLevel = 8;
    f.Down = true;
    f.ColorWhenDown = clBlue;
    f.Caption = "HH";
    f.Font = TLbFont{MakeFont("Arial", -14, true), clYellow};
    f.Enabled = false;
    const QImage image = Paint(f);
    EXPECT_EQ(At(image, 0, 0), clWhite) << "raised frame: Down is ignored";
    EXPECT_EQ(At(image, 59, 23), clBlack);
    EXPECT_EQ(At(image, 58, 2), clSilver) << "no hot or pressed colour";
    EXPECT_EQ(CountOf(image, clRed), 0);
    EXPECT_EQ(CountOf(image, clBlue), 0);
    EXPECT_EQ(CountOf(image, clYellow), 0);
    EXPECT_GT(CountOf(image, clGray), 10) << "caption in grey";

    f.Enabled = true;
    f.Down = false;
    const QImage enabled = Paint(f);
    EXPECT_EQ(At(enabled, 58, 2), clRed) << "hot colour at level 8";
    EXPECT_GT(CountOf(enabled, clYellow), 10);
}

TEST(ButtonFaceLook, ShapeCaptionKeepsItsColourWhenDisabled)
{
    TLbButtonFace f = Plain(bsShape, 60, 24);
    f.Caption = "HH";
    f.Font = TLbFont{MakeFont("Arial", -14, true), clRed};
    f.Enabled = false;
    const QImage image = Paint(f);
    EXPECT_GT(CountOf(image, clRed), 10);
    EXPECT_EQ(CountOf(image, clGray), 0);
    EXPECT_EQ(CountOf(image, clRed) + CountOf(image, LbKeyColor), 60 * 24) << "sharp text over see-through pixels";
}

TEST(ButtonFaceLook, HotBlendAtLevelsZeroFourAndEight)
{
    const TColor base = RGBColor(10, 100, 255), hot = RGBColor(255, 0, 20);
    EXPECT_EQ(BlendHotColor(base, hot, 0), base);
    EXPECT_EQ(BlendHotColor(base, hot, 8), hot);
    EXPECT_EQ(BlendHotColor(base, hot, 4), RGBColor(132, 50, 137)) << "halfway, truncated";
    EXPECT_EQ(BlendHotColor(base, hot, 7), RGBColor(224, 12, 49));
    EXPECT_EQ(BlendHotColor(clBtnFace, clBtnFace, 3), ColorToRGB(clBtnFace)) << "system colours resolve";

    TLbButtonFace f = Plain(bsNormal);
    f.Color = base;
    f.HotTrackColor = hot;
    for (int level : {0, 4, 8}) {
        f.FadeLevel = level;
        EXPECT_EQ(At(Paint(f), 20, 10), BlendHotColor(base, hot, level)) << level;
    }
    f.Down = true;
    f.ColorWhenDown = clGreen;
    EXPECT_EQ(At(Paint(f), 20, 10), clGreen) << "pressed colour wins over hot";
}

TEST(ButtonFaceLook, EncartaPressedIsBoldAndUnshifted)
{
    TLbButtonFace f = Plain(bsEncarta, 60, 30);
    f.Glyph = Strip({clRed});
    f.NumGlyphs = 1;
    const QImage up = Paint(f);
    f.Down = true;
    const QImage down = Paint(f);
    EXPECT_EQ(At(up, 5, 12), clRed);
    EXPECT_EQ(At(down, 5, 12), clRed);
    EXPECT_EQ(At(down, 4, 11), clRed) << "glyph not shifted";

    TLbButtonFace n = Plain(bsNormal, 60, 30);
    n.Glyph = f.Glyph;
    n.NumGlyphs = 1;
    n.Down = true;
    const QImage shifted = Paint(n);
    EXPECT_NE(At(shifted, 4, 11), clRed) << "other styles shift one pixel right and down";
    EXPECT_EQ(At(shifted, 5, 12), clRed);
    EXPECT_EQ(At(shifted, 12, 18), clRed);

    TLbButtonFace text = Plain(bsEncarta, 60, 30);
    text.Caption = "IIII";
    text.Font.Color = clBlue;
    const int regular = CountOf(Paint(text), clBlue);
    text.Down = true;
    EXPECT_GT(CountOf(Paint(text), clBlue), regular) << "bold while pressed";
}

// ---- gradient bands -----------------------------------------------------------

// Colour of band i, with the channel values grown step by step as doubles.
TColor BandColour(TColor c1, TColor c2, int i)
{
    double r = RedOf(c1), g = GreenOf(c1), b = BlueOf(c1);
    for (int k = 0; k < i; ++k) {
        r += (RedOf(c2) - RedOf(c1)) / 31.0;
        g += (GreenOf(c2) - GreenOf(c1)) / 31.0;
        b += (BlueOf(c2) - BlueOf(c1)) / 31.0;
    }
    return RGBColor(int(r), int(g), int(b));
}

// The row colours that 32 bands over (top, bottom) give, later bands on top.
std::vector<TColor> ExpectedRows(TColor c1, TColor c2, int top, int bottom)
{
    std::vector<TColor> rows(bottom - top, LbKeyColor);
    const int span = bottom - top, band = span / 31 + 1;
    for (int i = 0; i < 32; ++i) {
        const int t = top + i * span / 31;
        for (int y = t; y < std::min(t + band, bottom); ++y)
            rows[y - top] = BandColour(c1, c2, i);
    }
    return rows;
}

TEST(ButtonFaceGradient, BandRectanglesCoverTheSpanWithoutItsEdges)
{
    const TColor c1 = RGBColor(0, 255, 7), c2 = RGBColor(255, 0, 200);
    for (auto [top, bottom] : {std::pair{3, 67}, {2, 11}, {11, 44}, {0, 5}, {5, 100}}) {
        const QImage image = Draw(
            12, bottom + 2,
            [&, top = top, bottom = bottom](Canvas &canvas) {
                FillGradientBands(canvas, c1, c2, 2, top, 9, bottom);
                EXPECT_FALSE(canvas.PenClear()) << "pen style restored";
            },
            ToQColor(LbKeyColor));
        const std::vector<TColor> expected = ExpectedRows(c1, c2, top, bottom);
        for (int y = 0; y < image.height(); ++y) {
            const TColor want = y >= top && y < bottom ? expected[y - top] : LbKeyColor;
            EXPECT_EQ(At(image, 5, y), want) << "row " << y << " of " << top << ".." << bottom;
            EXPECT_EQ(At(image, 2, y), want);
            EXPECT_EQ(At(image, 8, y), want);
            EXPECT_EQ(At(image, 1, y), LbKeyColor);
            EXPECT_EQ(At(image, 9, y), LbKeyColor);
        }
    }
}

TEST(ButtonFaceGradient, LongSpanEndsNearTheSecondColour)
{
    const QImage image = Draw(
        4, 64, [](Canvas &canvas) { FillGradientBands(canvas, clBlack, clWhite, 0, 0, 4, 62); }, Qt::black);
    // span 62: band height 3, band i starts at 2i; the last band (i = 31)
    // covers rows 62.. which lie outside, so row 61 is band 30.
    EXPECT_EQ(At(image, 0, 0), clBlack);
    EXPECT_EQ(At(image, 0, 2), BandColour(clBlack, clWhite, 1));
    EXPECT_EQ(At(image, 0, 61), BandColour(clBlack, clWhite, 30));
    EXPECT_EQ(At(image, 0, 62), clBlack);
}

TEST(ButtonFaceGradient, ModernFaceRowsFollowTheTwoGradients)
{
    const TColor face = clGreen, light = RGBColor(192, 255, 192);
    for (bool down : {false, true}) {
        TLbButtonFace f = Plain(bsModern, 114, 45);
        f.Color = face;
        f.LightColor = light;
        f.Down = down;
        const int s = down ? 1 : 0;
        const QImage image = Paint(f);
        const std::vector<TColor> upper = ExpectedRows(light, face, 2, 11 + s);
        const std::vector<TColor> lower = ExpectedRows(face, light, 11 + s, 44);
        for (int y = 2; y < 43; ++y) {
            const TColor want = y < 11 + s ? upper[y - 2] : lower[y - 11 - s];
            EXPECT_EQ(At(image, 57, y), want) << "row " << y << (down ? " pressed" : "");
        }
    }
}

// ---- glyph cells and placement -------------------------------------------------

TEST(ButtonFaceGlyph, CellFollowsTheState)
{
    TLbButtonFace f = Plain(bsNormal, 40, 20);
    f.Glyph = Strip({clRed, clGreen, clBlue, clYellow});
    f.NumGlyphs = 4;
    const auto cellShown = [&f] {
        const QImage image = Paint(f);
        const int s = f.Enabled && f.Down ? 1 : 0;
        return At(image, 4 + s + 4, 6 + s + 3);
    };
    EXPECT_EQ(cellShown(), clRed) << "up";
    f.MouseInside = true;
    EXPECT_EQ(cellShown(), clYellow) << "hot";
    f.Down = true;
    EXPECT_EQ(cellShown(), clBlue) << "pressed wins over hot";
    f.MouseInside = false;
    EXPECT_EQ(cellShown(), clBlue) << "pressed";
    f.Enabled = false;
    EXPECT_EQ(cellShown(), clGreen) << "disabled";
    f.Enabled = true;
    f.NumGlyphs = 3;
    f.MouseInside = true;
    f.Down = false;
    EXPECT_EQ(cellShown(), clRed) << "no hot cell in a three-cell strip";
    f.NumGlyphs = 2;
    f.Down = true;
    EXPECT_EQ(cellShown(), clRed) << "no pressed cell in a two-cell strip";
}

TEST(ButtonFaceGlyph, OneCellStripShowsItsUpLookWhenDisabled)
{
    TLbButtonFace f = Plain(bsNormal, 40, 20);
    f.Glyph = Strip({clRed});
    f.NumGlyphs = 1;
    f.Enabled = false;
    const QImage image = Paint(f);
    EXPECT_EQ(At(image, 8, 9), clRed);
    EXPECT_EQ(At(image, 4, 13), clSilver) << "bottom-left pixel is the key";
    EXPECT_EQ(CountOf(image, clRed), 63);
}

TEST(ButtonFaceGlyph, NoGlyphCountDrawsNoGlyph)
{
    TLbButtonFace f = Plain(bsNormal, 40, 20);
    f.Glyph = Strip({clRed});
    f.NumGlyphs = 0;
    EXPECT_EQ(CountOf(Paint(f), clRed), 0);
}

TEST(ButtonFaceGlyph, PlacementByLayoutAndAlignment)
{
    // Glyph only (no caption), 8 x 8, on a 40 x 30 face.
    const auto glyphAt = [](TLbSpeedButtonLayout layout, TAlignment alignment, bool wordWrap, int numGlyphs = 1) {
        TLbButtonFace f = Plain(bsNormal, 40, 30);
        f.Glyph = Strip({clRed});
        f.NumGlyphs = numGlyphs;
        f.Layout = layout;
        f.Alignment = alignment;
        f.WordWrap = wordWrap;
        const QImage image = Paint(f);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(image, x, y) == clRed)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    // The cell's top-left pixel is red (only its bottom-left one is the key).
    EXPECT_EQ(glyphAt(blGlyphLeft, taLeftJustify, false), QPoint(4, 11));
    EXPECT_EQ(glyphAt(blGlyphLeft, taRightJustify, false), QPoint(28, 11));
    EXPECT_EQ(glyphAt(blGlyphLeft, taCenter, false), QPoint(16, 11));
    EXPECT_EQ(glyphAt(blGlyphLeft, taCenter, true), QPoint(4, 11)) << "word wrap keeps it left";
    EXPECT_EQ(glyphAt(blGlyphRight, taLeftJustify, false), QPoint(4, 11));
    EXPECT_EQ(glyphAt(blGlyphRight, taRightJustify, false), QPoint(28, 11));
    EXPECT_EQ(glyphAt(blGlyphRight, taCenter, false), QPoint(16, 11));
    // Top and bottom: the 4-pixel allowance counts in the total only.
    EXPECT_EQ(glyphAt(blGlyphTop, taLeftJustify, false), QPoint(4, 9));
    EXPECT_EQ(glyphAt(blGlyphTop, taRightJustify, true), QPoint(28, 9));
    EXPECT_EQ(glyphAt(blGlyphBottom, taCenter, false), QPoint(16, 9));
}

TEST(ButtonFaceGlyph, ShapeCentresTheGlyphWithoutShift)
{
    TLbButtonFace f = Plain(bsShape, 40, 30);
    f.Glyph = Strip({clRed, clGreen, clBlue});
    f.NumGlyphs = 3;
    f.Down = true;
    const QImage image = Paint(f);
    EXPECT_EQ(At(image, 16, 11), clBlue);
    EXPECT_EQ(At(image, 16, 18), LbKeyColor) << "cell key";
    EXPECT_EQ(At(image, 15, 11), LbKeyColor);
}

// ---- caption ---------------------------------------------------------------

TEST(ButtonFaceCaption, ShortenedWithoutWordWrapUntilItFits)
{
    TLbButtonFace f = Plain(bsNormal, 60, 24);
    f.Font = TLbFont{MakeFont("Arial", -14), clBlack};
    const QString caption = "ABCDEFGHIJKLMN";
    const QFontMetrics metrics(f.Font.Font);
    QString fits = caption;
    while (metrics.horizontalAdvance(fits) > 60 - 8)
        fits.chop(1);
    ASSERT_GT(fits.size(), 1);
    ASSERT_LT(fits.size(), caption.size());

    const auto face = [&f](const QString &text, bool wrap) {
        TLbButtonFace g = f;
        g.Caption = text;
        g.WordWrap = wrap;
        return Paint(g);
    };
    EXPECT_EQ(face(caption, false), face(fits, false));
    EXPECT_NE(face(fits, false), face(fits.chopped(1), false));
    EXPECT_NE(face(caption + " OP", true), face(fits, true)) << "word wrap never shortens";
}

TEST(ButtonFaceCaption, NarrowButtonLosesItsCaption)
{
    TLbButtonFace f = Plain(bsNormal, 7, 20);
    f.Caption = "A";
    const QImage withCaption = Paint(f);
    f.Caption.clear();
    EXPECT_EQ(withCaption, Paint(f));
}

TEST(ButtonFaceCaption, AmpersandUnderlinesInsteadOfShowing)
{
    TLbButtonFace f = Plain(bsNormal, 80, 24);
    f.Font = TLbFont{MakeFont("Arial", -14), clBlack};
    f.Caption = "&Go";
    TLbButtonFace plain = f;
    plain.Caption = "Go";
    TLbButtonFace doubled = f;
    doubled.Caption = "&&Go";
    EXPECT_NE(Paint(f), Paint(plain)) << "underline";
    EXPECT_GT(CountOf(Paint(doubled), clBlack), CountOf(Paint(plain), clBlack)) << "two '&' show one";
}

// ---- arrow -------------------------------------------------------------------

TEST(ButtonFaceArrow, ArrowBitmapIsTheDocumentedTriangle)
{
    const QImage &arrow = LbArrowBitmap();
    ASSERT_EQ(arrow.size(), QSize(5, 3));
    const char *rows[] = {"BBBBB", "WBBBW", "WWBWW"};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(At(arrow, x, y), rows[y][x] == 'B' ? clBlack : clWhite) << x << "," << y;
}

TEST(ButtonFaceArrow, DrawnAtElevenFromTheRightWithWhiteSeeThrough)
{
    TLbButtonFace f = Plain(bsNormal, 50, 21);
    f.HasPopupMenu = true;
    const QImage image = Paint(f);
    const int x = 50 - 11, y = 21 / 2 - 1;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(At(image, x + i, y), clBlack);
    EXPECT_EQ(At(image, x, y + 1), clSilver);
    EXPECT_EQ(At(image, x + 1, y + 1), clBlack);
    EXPECT_EQ(At(image, x + 3, y + 1), clBlack);
    EXPECT_EQ(At(image, x + 4, y + 1), clSilver);
    EXPECT_EQ(At(image, x + 2, y + 2), clBlack);
    EXPECT_EQ(At(image, x + 1, y + 2), clSilver);
    EXPECT_EQ(CountOf(image, clBlack) - CountOf(Paint(Plain(bsNormal, 50, 21)), clBlack), 9);
}

// ---- presets ---------------------------------------------------------------

TEST(ButtonFacePresets, TableRows)
{
    const TLbColorPreset gold = ApplyColorStyle(lcsGold);
    EXPECT_EQ(gold.FaceColor, RGBColor(192, 192, 0));
    EXPECT_EQ(gold.HotTrackColor, RGBColor(223, 223, 0));
    EXPECT_EQ(gold.Style(), bsModern);
    const TLbColorPreset blue = ApplyColorStyle(lcsBlue);
    EXPECT_EQ(blue.FaceColor, RGBColor(0, 128, 255));
    EXPECT_EQ(blue.LightColor, RGBColor(0, 255, 255));
    const TLbColorPreset flat2 = ApplyColorStyle(lcsUltraFlat2);
    EXPECT_EQ(flat2.FaceColor, clBtnFace);
    EXPECT_EQ(flat2.ColorWhenDown, RGBColor(188, 218, 36));
    EXPECT_TRUE(flat2.Flat);
    EXPECT_EQ(flat2.Style(), bsNormal);
    const TLbColorPreset xp = ApplyColorStyle(lcsUltraFlatXP);
    EXPECT_EQ(xp.ShadowColor, RGBColor(133, 146, 181));
    EXPECT_EQ(xp.LightColor, RGBColor(132, 146, 181));
    const TLbColorPreset quicken = ApplyColorStyle(lcsQuicken);
    EXPECT_EQ(quicken.Style(), bsQuicken);
    EXPECT_EQ(quicken.FontColor, clWhite);
    EXPECT_EQ(quicken.FaceColor, RGBColor(0, 48, 96));
    EXPECT_EQ(ApplyColorStyle(lcsAqua).ShadowColor, clBlack);
    EXPECT_EQ(ApplyColorStyle(lcsDefault).Style(), bsNormal);
    for (TLbColorStyle s :
         {lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua, lcsDefault})
        EXPECT_EQ(ApplyColorStyle(s).FontColor, clBlack) << s;
}

} // namespace
