// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Helpers for the pixel tests of the button face: paint a face into a
// QImage that starts in the key colour, read pixels back as TColor; and the
// Draw helper for the parts of a face painted on their own.

#include <QFontMetrics>
#include <QImage>

#include "buttons/LbButtons.h"
#include "support/CanvasImage.h"

namespace facetest {

inline QImage Paint(const TLbButtonFace &face)
{
    return PaintButtonFace(face, LbKeyColor);
}

inline TColor At(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

inline int CountOf(const QImage &image, TColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += At(image, x, y) == colour;
    return count;
}

// A plain face without caption or glyph.
inline TLbButtonFace Plain(TLbSpeedButtonStyle style, int w = 40, int h = 20)
{
    TLbButtonFace face;
    face.Width = w;
    face.Height = h;
    face.Style = style;
    face.Color = clSilver;
    face.LightColor = clWhite;
    face.ShadowColor = clBlack;
    face.Font = TLbFont{MakeFont("Arial", -12), clBlack};
    return face;
}

// A strip of `cells` 8 x 8 cells in the given solid colours; each cell's
// bottom-left pixel is white, its transparent key.
inline QImage Strip(std::initializer_list<TColor> colours)
{
    const int cells = int(colours.size());
    QImage strip(8 * cells, 8, QImage::Format_RGB32);
    int i = 0;
    for (TColor c : colours) {
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                strip.setPixelColor(8 * i + x, y, ToQColor(c));
        strip.setPixelColor(8 * i, 7, Qt::white);
        ++i;
    }
    return strip;
}

} // namespace facetest
