// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Pixel tests paint through a Canvas onto a QImage that starts in one
// colour (or over an image as it stands), and read the pixels back once the
// painter has ended:
//     const QImage image = Draw(12, 10, [](Canvas &canvas) { canvas.FillRect(2, 3, 5, 6); });

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

#include "platform/Canvas.h"

using CanvasPaint = std::function<void(Canvas &)>;

namespace canvasimage {

template <typename... Tools>
void PaintOver(QImage &image, const CanvasPaint &paint, Tools &...tools)
{
    QPainter painter(&image);
    Canvas canvas(painter, tools...);
    paint(canvas);
}

template <typename... Tools>
QImage DrawOnto(int width, int height, const QColor &background, const CanvasPaint &paint, Tools &...tools)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    PaintOver(image, paint, tools...);
    return image;
}

} // namespace canvasimage

// A width x height image in `background`, then painted by `paint`.
inline QImage Draw(int width, int height, const CanvasPaint &paint, const QColor &background = Qt::white)
{
    return canvasimage::DrawOnto(width, height, background, paint);
}

// The same, with the pens and brushes kept in `tools`.
inline QImage Draw(int width, int height, CanvasToolCache &tools, const CanvasPaint &paint,
                   const QColor &background = Qt::white)
{
    return canvasimage::DrawOnto(width, height, background, paint, tools);
}

// Paints `paint` over what `image` already shows.
inline void DrawOver(QImage &image, const CanvasPaint &paint)
{
    canvasimage::PaintOver(image, paint);
}
