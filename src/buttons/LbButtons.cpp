// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "buttons/LbButtons.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace LbButtonsPrivate {

void FillGradientBands(Canvas &canvas, TColor c1, TColor c2, int left, int top, int right, int bottom)
{
    constexpr int Steps = 31; // 32 bands, 31 steps between them
    const int span = bottom - top;
    const int band = span / Steps + 1;
    const TColor from = ColorToRGB(c1);
    const TColor to = ColorToRGB(c2);
    double red = RedOf(from), green = GreenOf(from), blue = BlueOf(from);
    const double redStep = (RedOf(to) - RedOf(from)) / double(Steps);
    const double greenStep = (GreenOf(to) - GreenOf(from)) / double(Steps);
    const double blueStep = (BlueOf(to) - BlueOf(from)) / double(Steps);

    const bool penWasClear = canvas.PenClear();
    const bool brushWasClear = canvas.BrushClear();
    canvas.SetPenClear(true);
    canvas.SetBrushClear(false);
    for (int i = 0; i <= Steps; ++i) {
        canvas.SetBrushColor(RGBColor(int(std::trunc(red)), int(std::trunc(green)), int(std::trunc(blue))));
        const int bandTop = top + (i * span) / Steps;
        canvas.FillRect(left, bandTop, right, std::min(bandTop + band, bottom));
        red += redStep;
        green += greenStep;
        blue += blueStep;
    }
    canvas.SetPenClear(penWasClear);
    canvas.SetBrushClear(brushWasClear);
}

TColor BlendHotColor(TColor color, TColor hotColor, int level)
{
    const double t = level / 8.0;
    const TColor base = ColorToRGB(color);
    const TColor hot = ColorToRGB(hotColor);
    // Levels outside 0..8 are not expected; the clamp keeps a channel from
    // spilling into its neighbour if one ever arrives.
    const auto mix = [t](int a, int b) { return std::clamp(int(std::trunc(a * (1.0 - t) + b * t)), 0, 255); };
    return RGBColor(mix(RedOf(base), RedOf(hot)), mix(GreenOf(base), GreenOf(hot)), mix(BlueOf(base), BlueOf(hot)));
}

void DrawKeyed(QPainter &painter, int x, int y, const QImage &image, TColor key)
{
    if (image.isNull())
        return;
    painter.drawImage(x, y, CutOutKeyColor(image, key));
}

void DrawGlyphCell(Canvas &canvas, const QImage &glyph, int x, int y, int srcX, int srcY, int cellW, int cellH)
{
    if (cellW <= 0 || cellH <= 0 || glyph.isNull())
        return;
    const QImage strip = glyph.convertToFormat(QImage::Format_RGB32);
    // The cell starts as the strip's left end, so a cell the strip does not
    // hold shows the up look instead of garbage.
    QImage cell = strip.copy(0, 0, cellW, cellH);
    if (cell.isNull())
        return;
    {
        QPainter painter(&cell);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(-srcX, -srcY, strip);
    }
    const QRgb corner = cell.pixel(0, cellH - 1);
    DrawKeyed(canvas.Painter(), x, y, cell, RGBColor(qRed(corner), qGreen(corner), qBlue(corner)));
}

} // namespace LbButtonsPrivate

using namespace LbButtonsPrivate;

namespace {

int AlignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    case taLeftJustify: break;
    }
    return Qt::AlignLeft;
}

// Word-wrapped, '&' underlines the next character, top of the box.
constexpr int TextFlags = Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

void DrawFrame(Canvas &canvas, const TLbButtonFace &f, bool down, TColor faceColor)
{
    const int W = f.Width, H = f.Height;
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld:
        // A flat button shows its frame only while hot or pressed.
        if (f.Flat && !(f.Enabled && (f.MouseInside || down)))
            return;
        if (f.Style == bsOld) {
            canvas.SetPenColor(f.ShadowColor);
            if (down) {
                canvas.MoveTo(1, H - 3);
                canvas.LineTo(1, 1);
                canvas.LineTo(W - 2, 1);
            } else {
                canvas.MoveTo(W - 2, 0);
                canvas.LineTo(W - 2, H - 2);
                canvas.LineTo(0, H - 2);
            }
            canvas.SetPenColor(down ? cl3DDkShadow : f.LightColor);
            canvas.MoveTo(0, H - 1);
            canvas.LineTo(0, 0);
            canvas.LineTo(W - 1, 0);
            canvas.SetPenColor(down ? f.LightColor : cl3DDkShadow);
            canvas.LineTo(W - 1, H - 1);
            canvas.LineTo(-1, H - 1);
        } else {
            canvas.SetPenColor(down ? f.ShadowColor : f.LightColor);
            canvas.MoveTo(0, H - 1);
            canvas.LineTo(0, 0);
            canvas.LineTo(W - 1, 0);
            canvas.SetPenColor(down ? f.LightColor : f.ShadowColor);
            canvas.LineTo(W - 1, H - 1);
            canvas.LineTo(0, H - 1);
        }
        return;
    case bsModern:
        canvas.SetPenColor(down ? f.ShadowColor : faceColor);
        canvas.Rectangle(1, 1, W - 1, H - 1);
        canvas.SetPenColor(f.ShadowColor);
        canvas.RoundRect(0, 0, W, H, 6, 6);
        return;
    case bsQuicken:
        canvas.SetPenClear(true);
        canvas.SetBrushClear(false);
        canvas.SetBrushColor(faceColor);
        canvas.RoundRect(0, 1, W, H, 4, 4);
        canvas.SetBrushClear(true);
        canvas.SetPenClear(false);
        canvas.SetPenColor(f.ShadowColor);
        canvas.MoveTo(4, 0);
        canvas.LineTo(W - 5, 0);
        canvas.MoveTo(4, H - 1);
        canvas.LineTo(W - 5, H - 1);
        return;
    case bsShape: return;
    }
}

struct TextMeasure
{
    QString caption; // possibly shortened
    int maxW = 0;
    int tw = 0;
    int th = 0;
};

TextMeasure MeasureCaption(const TLbButtonFace &f, const QFont &font, int gw)
{
    TextMeasure m;
    const int W = f.Width;
    if (f.Style == bsShape || f.Layout == blGlyphTop || f.Layout == blGlyphBottom)
        m.maxW = W - 8;
    else
        m.maxW = gw > 0 ? W - 8 - (gw + 4) : W - 8;
    m.maxW = std::max(m.maxW, 0);

    const QFontMetrics metrics(font);
    m.caption = f.Caption;
    if (!f.WordWrap) {
        // Single-line width, '&' counted as the character it is.
        while (!m.caption.isEmpty() && metrics.horizontalAdvance(m.caption) > m.maxW) {
            m.caption.chop(1);
            if (!m.caption.isEmpty() && m.caption.back().isHighSurrogate())
                m.caption.chop(1);
        }
    }
    if (!m.caption.isEmpty()) {
        const QRect box = metrics.boundingRect(QRect(0, 0, m.maxW, 0), Qt::AlignLeft | TextFlags, m.caption);
        m.tw = box.x() + box.width();
        m.th = box.y() + box.height();
    }
    return m;
}

void DrawCaption(Canvas &canvas, const QFont &font, TColor color, const QRect &box, int flags, const QString &caption)
{
    if (caption.isEmpty() || box.width() <= 0 || box.height() <= 0)
        return;
    QPainter &painter = canvas.Painter();
    painter.save();
    painter.setFont(font);
    painter.setPen(ToQColor(color));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(box, flags, caption);
    painter.restore();
}

} // namespace

void DrawButtonFace(Canvas &canvas, const TLbButtonFace &f)
{
    const int W = f.Width, H = f.Height;
    if (W <= 0 || H <= 0)
        return;
    const bool down = f.Enabled && f.Down;
    const int S = down && f.Style != bsEncarta ? 1 : 0; // PressShift

    TColor faceColor = ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != clNone)
        faceColor = BlendHotColor(f.Color, f.HotTrackColor, f.FadeLevel);
    if (down && f.ColorWhenDown != clNone)
        faceColor = f.ColorWhenDown; // the pressed colour wins over the hot one

    // Background.
    canvas.SetPenClear(false);
    canvas.SetBrushClear(false);
    if (f.Style == bsShape) {
        canvas.SetBrushColor(LbKeyColor);
        canvas.FillRect(-1, -1, W + 1, H + 1);
    } else if (!f.Transparent) {
        canvas.SetBrushColor(faceColor);
        switch (f.Style) {
        case bsNormal:
        case bsEncarta:
        case bsOld: canvas.FillRect(-1, -1, W + 1, H + 1); break;
        case bsModern:
            FillGradientBands(canvas, f.LightColor, faceColor, 2, 2, W - 2, H / 4 + S);
            FillGradientBands(canvas, faceColor, f.LightColor, 2, H / 4 + S, W - 2, H - 1);
            break;
        case bsQuicken:
        case bsShape: break;
        }
    }
    canvas.SetBrushClear(true);

    DrawFrame(canvas, f, down, faceColor);

    QFont font = f.Font.Font;
    if (f.Style == bsEncarta && down)
        font.setBold(true);
    // Text over see-through pixels is drawn without smoothing: a smoothed
    // edge would mix with the key colour and show as a pink fringe.
    if (f.Transparent || f.Style == bsShape)
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));

    // Glyph cell: up, disabled, pressed or hot.
    const int gw = f.NumGlyphs > 0 && !f.Glyph.isNull() ? f.Glyph.width() / f.NumGlyphs : 0;
    const int gh = f.Glyph.isNull() ? 0 : f.Glyph.height();
    int srcX = 0;
    if (!f.Enabled) {
        srcX = gw;
    } else {
        if (f.MouseInside && f.NumGlyphs > 3)
            srcX = 3 * gw;
        if (down && f.NumGlyphs > 2)
            srcX = 2 * gw;
    }

    const TextMeasure text = MeasureCaption(f, font, gw);
    const int alignFlags = AlignmentFlags(f.Alignment);

    if (f.Style == bsShape) {
        DrawGlyphCell(canvas, f.Glyph, (W - gw) / 2, (H - gh) / 2, srcX, 0, gw, gh);
        DrawCaption(canvas, font, f.Font.Color, QRect(S, (H - text.th) / 2 + S, W - S, H - ((H - text.th) / 2 + S)),
                    Qt::AlignHCenter | TextFlags, text.caption);
    } else {
        int tl = S + 4, tt = 0, gx = 0, gy = 0;
        if (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) {
            tt = (H - text.th) / 2 + S;
            gy = (H - gh) / 2 + S;
            const int te = text.caption.isEmpty() ? 0 : text.tw + 4;
            if (f.Layout == blGlyphLeft) {
                if (gw > 0)
                    tl += gw + 4;
                gx = S + 4;
                if (!f.WordWrap) {
                    if (f.Alignment == taRightJustify)
                        gx = W - 4 - gw - te + S;
                    else if (f.Alignment == taCenter)
                        gx = (W - gw) / 2 + S - te / 2;
                }
            } else {
                gx = tl + te;
                if (!f.WordWrap) {
                    if (f.Alignment == taRightJustify)
                        gx = W - 4 - gw + S;
                    else if (f.Alignment == taCenter)
                        gx = (W - gw) / 2 + S + te / 2;
                }
            }
        } else {
            const int total = text.th + (gh > 0 ? gh + 4 : 0);
            const int top0 = (H - total) / 2;
            if (f.Layout == blGlyphTop) {
                gy = top0 + S;
                tt = top0 + gh + S;
            } else {
                tt = top0 + S;
                gy = top0 + text.th + S;
            }
            switch (f.Alignment) {
            case taLeftJustify: gx = S + 4; break;
            case taRightJustify: gx = W - gw - 4 + S; break;
            case taCenter: gx = (W - gw) / 2 + S; break;
            }
        }
        const TColor textColor = f.Enabled ? f.Font.Color : clGray;
        DrawCaption(canvas, font, textColor, QRect(tl, tt, text.maxW, text.th), alignFlags | TextFlags, text.caption);
        DrawGlyphCell(canvas, f.Glyph, gx, gy, srcX, 0, gw, gh);
    }

    if (f.HasPopupMenu) {
        const QImage &arrow = LbArrowBitmap();
        const QRgb corner = arrow.pixel(0, arrow.height() - 1);
        DrawKeyed(canvas.Painter(), W - 11, H / 2 - 1, arrow, RGBColor(qRed(corner), qGreen(corner), qBlue(corner)));
    }
}

QImage PaintButtonFace(const TLbButtonFace &face, TColor background)
{
    if (face.Width <= 0 || face.Height <= 0)
        return {};
    QImage image(face.Width, face.Height, QImage::Format_RGB32);
    image.fill(ToQColor(background));
    QPainter painter(&image);
    Canvas canvas(painter);
    DrawButtonFace(canvas, face);
    return image;
}

const QImage &LbArrowBitmap()
{
    static const QImage arrow = [] {
        constexpr QRgb B = 0xFF000000, W = 0xFFFFFFFF;
        constexpr QRgb rows[3][5] = {
            {B, B, B, B, B},
            {W, B, B, B, W},
            {W, W, B, W, W},
        };
        QImage image(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                image.setPixel(x, y, rows[y][x]);
        return image;
    }();
    return arrow;
}

TLbColorPreset ApplyColorStyle(TLbColorStyle value)
{
    TLbColorPreset p; // not flat, not modern, not Quicken, black font
    const auto set = [&p](TColor face, TColor light, TColor shadow, TColor down, TColor hot) {
        p.FaceColor = face;
        p.LightColor = light;
        p.ShadowColor = shadow;
        p.ColorWhenDown = down;
        p.HotTrackColor = hot;
    };
    switch (value) {
    case lcsCustom: break;
    case lcsGold:
        set(0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF);
        p.IsModern = true;
        break;
    case lcsChrome:
        set(0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone);
        p.IsModern = true;
        break;
    case lcsBlue:
        set(0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone);
        p.IsModern = true;
        break;
    case lcsRed:
        set(0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone);
        p.IsModern = true;
        break;
    case lcsUltraFlat1:
        set(clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6);
        p.Flat = true;
        break;
    case lcsUltraFlat2:
        set(clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4);
        p.Flat = true;
        break;
    case lcsUltraFlatXP:
        set(0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6);
        p.Flat = true;
        break;
    case lcsAqua:
        set(0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone);
        p.IsModern = true;
        break;
    case lcsDefault: set(clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone); break;
    case lcsQuicken:
        set(0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C);
        p.IsQuicken = true;
        p.FontColor = clWhite;
        break;
    }
    return p;
}
