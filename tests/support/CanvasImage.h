#pragma once
// Pixel tests paint through a Canvas onto a QImage that starts in one
// colour, and read the pixels back once the painter has ended:
//     const QImage image = Draw(12, 10, [](Canvas &canvas) { canvas.FillRect(2, 3, 5, 6); });

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

#include "Canvas.h"

using CanvasPaint = std::function<void(Canvas &)>;

namespace canvasimage {

template <typename... Tools>
QImage DrawOnto(int width, int height, const QColor &background, const CanvasPaint &paint, Tools &...tools)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    Canvas canvas(painter, tools...);
    paint(canvas);
    painter.end();
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
