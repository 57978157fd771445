// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The face painter of the styled speed button and its ten colour presets.
// DrawButtonFace paints one complete face from plain values; it keeps no
// state, so the button can compose a fresh face on every paint.

#include <QFont>
#include <QImage>
#include <QString>

#include "platform/Canvas.h"
#include "platform/TColor.h"

enum TLbSpeedButtonStyle : int { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbSpeedButtonLayout : int { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbColorStyle : int {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken,
};
enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };

// Pixels of exactly this colour are left out when a composed face is copied
// to the screen, so the parent shows through them.
inline constexpr TColor LbKeyColor = 0x00FF00FF;

// A font as the controls speak of it: the face and its colour.
struct TLbFont
{
    QFont Font;
    TColor Color = clWindowText;
    bool operator==(const TLbFont &other) const = default;
};

// Everything one face is painted from.
struct TLbButtonFace
{
    int Width = 0;
    int Height = 0;
    int FadeLevel = 0; // weight of HotTrackColor in eighths, 0..8
    int NumGlyphs = 0;
    QImage Glyph; // strip of NumGlyphs cells: up, disabled, pressed, hot
    bool Down = false;
    bool MouseInside = false;
    bool Transparent = false;
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopupMenu = false;
    TLbSpeedButtonStyle Style = bsNormal;
    TColor Color = clBtnFace;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor LightColor = clWhite;
    TColor ShadowColor = clBlack;
    TLbFont Font;
    TLbSpeedButtonLayout Layout = blGlyphLeft;
    QString Caption;
    TAlignment Alignment = taLeftJustify;
};

// Paints the complete face into `canvas` (which covers Width x Height).
void DrawButtonFace(Canvas &canvas, const TLbButtonFace &face);
// The complete face in a new Width x Height image that starts in
// `background`; a null image for an empty face.
QImage PaintButtonFace(const TLbButtonFace &face, TColor background);

// One row of the colour presets.
struct TLbColorPreset
{
    TColor FaceColor = clBtnFace;
    TColor LightColor = clWhite;
    TColor ShadowColor = clBlack;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor FontColor = clBlack;
    bool Flat = false;
    bool IsModern = false;
    bool IsQuicken = false;

    TLbSpeedButtonStyle Style() const { return IsQuicken ? bsQuicken : IsModern ? bsModern : bsNormal; }
};

// The preset behind a ColorStyle value; lcsCustom gives the starting values
// (not flat, not modern, not Quicken, black font), which nobody applies.
TLbColorPreset ApplyColorStyle(TLbColorStyle value);

// The drop-down arrow shown when a popup menu is attached: 5 x 3 pixels,
// a black downward triangle on white, white being its transparent key.
const QImage &LbArrowBitmap();

// The painter's helpers, reachable for tests.
namespace LbButtonsPrivate {
// 32 horizontal bands from c1 at the top to c2 at the bottom of the
// rectangle (right and bottom excluded).
void FillGradientBands(Canvas &canvas, TColor c1, TColor c2, int left, int top, int right, int bottom);
// `color` with `level` eighths of `hotColor` mixed in (8 = hotColor), as RGB.
TColor BlendHotColor(TColor color, TColor hotColor, int level);
// Draws cell (srcX, srcY, cellW x cellH) of `glyph` at (x, y), leaving out
// the cell's bottom-left colour.  Cells beyond the strip keep the strip's
// left end.
void DrawGlyphCell(Canvas &canvas, const QImage &glyph, int x, int y, int srcX, int srcY, int cellW, int cellH);
// Draws `image` at (x, y) without the pixels of colour `key` (RGB).
void DrawKeyed(QPainter &painter, int x, int y, const QImage &image, TColor key);
} // namespace LbButtonsPrivate
