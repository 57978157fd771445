// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The one pen every outline and line is drawn with: one pixel, no cap past the end point.
QPen CosmeticPen(const QColor &color)
{
    QPen pen(color);
    pen.setWidth(0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

const QPen &CanvasToolCache::Pen(const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (const PenSlot &slot : m_pens)
        if (slot.used && slot.rgb == rgb)
            return slot.pen;
    PenSlot &slot = m_pens[m_nextPen];
    m_nextPen = (m_nextPen + 1) % Slots;
    slot = {rgb, true, CosmeticPen(color)};
    return slot.pen;
}

const QPen &CanvasToolCache::ClearPen()
{
    return m_clearPen;
}

const QBrush &CanvasToolCache::Brush(const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (const BrushSlot &slot : m_brushes)
        if (slot.used && slot.rgb == rgb)
            return slot.brush;
    BrushSlot &slot = m_brushes[m_nextBrush];
    m_nextBrush = (m_nextBrush + 1) % Slots;
    slot = {rgb, true, QBrush(color)};
    return slot.brush;
}

Canvas::Canvas(QPainter &painter)
    : m_painter(painter)
    , m_font(painter.font())
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    ApplyPen();
    ApplyBrush();
}

Canvas::Canvas(QPainter &painter, CanvasToolCache &tools)
    : m_painter(painter)
    , m_tools(&tools)
    , m_font(painter.font())
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    ApplyPen();
    ApplyBrush();
}

void Canvas::SetPenColor(TColor color)
{
    m_penColor = color;
    ApplyPen();
}

void Canvas::SetPenClear(bool clear)
{
    m_penClear = clear;
    ApplyPen();
}

void Canvas::SetBrushColor(TColor color)
{
    m_brushColor = color;
    ApplyBrush();
}

void Canvas::SetBrushClear(bool clear)
{
    m_brushClear = clear;
    ApplyBrush();
}

void Canvas::ApplyPen()
{
    if (m_tools) {
        m_painter.setPen(m_penClear ? m_tools->ClearPen() : m_tools->Pen(ToQColor(m_penColor)));
        return;
    }
    if (m_penClear) {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    m_painter.setPen(CosmeticPen(ToQColor(m_penColor)));
}

void Canvas::ApplyBrush()
{
    if (m_brushClear)
        m_painter.setBrush(Qt::NoBrush);
    else if (m_tools)
        m_painter.setBrush(m_tools->Brush(ToQColor(m_brushColor)));
    else
        m_painter.setBrush(ToQColor(m_brushColor));
}

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top || m_brushClear)
        return;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(m_brushColor));
}

void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (!m_penClear) {
        FillRect(left + 1, top + 1, right - 1, bottom - 1);
        const QColor pen = ToQColor(m_penColor);
        m_painter.fillRect(QRect(left, top, right - left, 1), pen);
        m_painter.fillRect(QRect(left, bottom - 1, right - left, 1), pen);
        m_painter.fillRect(QRect(left, top, 1, bottom - top), pen);
        m_painter.fillRect(QRect(right - 1, top, 1, bottom - top), pen);
    } else {
        FillRect(left, top, right, bottom);
    }
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH)
{
    // Rasterised here, pixel by pixel: Qt's aliased rounded rectangle is
    // lopsided (its right and bottom corners differ from the left and top).
    if (right <= left || bottom <= top)
        return;
    const int width = right - left, height = bottom - top;
    const int ew = std::clamp(ellipseW, 0, width), eh = std::clamp(ellipseH, 0, height);
    // Each corner is a quarter of an ew x eh ellipse through the pixel
    // centres of its box; a pixel belongs to the figure when its centre lies
    // within that ellipse widened by a quarter pixel.  6 x 6 gives the
    // outline ..##.. / .#..#. / #....# at the top.
    const double rx = (ew - 1) / 2.0 + 0.25, ry = (eh - 1) / 2.0 + 0.25;
    const double cy = (eh - 1) / 2.0;
    const double cx = (ew - 1) / 2.0;
    // Columns cut off at the left (and, mirrored, at the right) of row y.
    const auto inset = [&](int y) {
        const int fromEdge = std::min(y - top, bottom - 1 - y);
        const double dy = cy - fromEdge;
        if (dy <= 0 || ew <= 1)
            return 0;
        const double dx = rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
        // Every row keeps its middle, however small the figure.
        return std::clamp(int(std::ceil(cx - dx - 1e-9)), 0, (width - 1) / 2);
    };
    constexpr int None = std::numeric_limits<int>::max();
    const auto firstColumn = [&](int y) { return y < top || y >= bottom ? None : left + inset(y); };
    const QColor pen = ToQColor(m_penColor);
    const QColor brush = ToQColor(m_brushColor);
    for (int y = top; y < bottom; ++y) {
        const int x0 = firstColumn(y);
        if (x0 == None)
            continue;
        const int x1 = left + right - 1 - x0; // mirrored
        if (m_penClear) {
            if (!m_brushClear)
                m_painter.fillRect(QRect(x0, y, x1 - x0 + 1, 1), brush);
            continue;
        }
        // Outline: every pixel of the figure that has a neighbour outside it.
        const int above = firstColumn(y - 1), below = firstColumn(y + 1);
        if (above == None || below == None) {
            m_painter.fillRect(QRect(x0, y, x1 - x0 + 1, 1), pen);
            continue;
        }
        const int leftEnd = std::max(x0, std::max(above, below) - 1);
        const int rightStart = left + right - 1 - leftEnd;
        if (leftEnd >= rightStart - 1) {
            m_painter.fillRect(QRect(x0, y, x1 - x0 + 1, 1), pen);
            continue;
        }
        m_painter.fillRect(QRect(x0, y, leftEnd - x0 + 1, 1), pen);
        m_painter.fillRect(QRect(rightStart, y, x1 - rightStart + 1, 1), pen);
        if (!m_brushClear)
            m_painter.fillRect(QRect(leftEnd + 1, y, rightStart - leftEnd - 1, 1), brush);
    }
}

void Canvas::Polygon(const QPoint *points, int count)
{
    if (count < 2)
        return;
    m_painter.drawPolygon(points, count, Qt::OddEvenFill);
}

void Canvas::DrawFocusRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const QColor ink = ToQColor(ColorToRGB(m_brushColor) ^ 0x00FFFFFFu);
    const int lastColumn = right - 1;
    const int lastRow = bottom - 1;
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            m_painter.fillRect(QRect(x, y, 1, 1), ink);
    };
    for (int x = left; x <= lastColumn; ++x) {
        dot(x, top);
        if (lastRow != top)
            dot(x, lastRow);
    }
    for (int y = top + 1; y < lastRow; ++y) {
        dot(left, y);
        if (lastColumn != left)
            dot(lastColumn, y);
    }
}

void Canvas::LineTo(int x, int y)
{
    const QPoint from = m_penPos;
    m_penPos = QPoint(x, y);
    if (m_penClear || from == m_penPos)
        return;
    const QColor pen = ToQColor(m_penColor);
    if (from.y() == y) {
        // Horizontal: start point included, end point excluded.
        const int step = x > from.x() ? 1 : -1;
        const int first = from.x();
        const int last = x - step;
        m_painter.fillRect(QRect(std::min(first, last), y, std::abs(last - first) + 1, 1), pen);
    } else if (from.x() == x) {
        const int step = y > from.y() ? 1 : -1;
        const int first = from.y();
        const int last = y - step;
        m_painter.fillRect(QRect(x, std::min(first, last), 1, std::abs(last - first) + 1), pen);
    } else {
        // Diagonal: Bresenham over the major axis, end point left out.
        const int dx = std::abs(x - from.x()), dy = -std::abs(y - from.y());
        const int sx = from.x() < x ? 1 : -1, sy = from.y() < y ? 1 : -1;
        int err = dx + dy;
        int cx = from.x(), cy = from.y();
        while (!(cx == x && cy == y)) {
            m_painter.fillRect(QRect(cx, cy, 1, 1), pen);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                cx += sx;
            }
            if (e2 <= dx) {
                err += dx;
                cy += sy;
            }
        }
    }
}

void Canvas::TextOut(int x, int y, const QString &text)
{
    m_painter.setFont(m_font);
    const QFontMetrics metrics = m_painter.fontMetrics();
    if (!m_brushClear)
        m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
                           ToQColor(m_brushColor));
    m_painter.setPen(ToQColor(m_fontColor));
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
    ApplyPen();
}

int Canvas::TextWidth(const QString &text) const
{
    return QFontMetrics(m_font, m_painter.device()).horizontalAdvance(text);
}

int Canvas::TextHeight() const
{
    const QFontMetrics metrics(m_font, m_painter.device());
    return metrics.ascent() + metrics.descent();
}

QImage CutOutKeyColor(const QImage &image, TColor key)
{
    QImage cut = image.convertToFormat(QImage::Format_ARGB32);
    const TColor rgb = ColorToRGB(key);
    const QRgb keyPixel = qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)) & RGB_MASK;
    for (int y = 0; y < cut.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(cut.scanLine(y));
        for (int x = 0; x < cut.width(); ++x)
            if ((line[x] & RGB_MASK) == keyPixel)
                line[x] = 0;
    }
    return cut;
}

QFont MakeFont(const char *family, int height, bool bold)
{
    QFont font(QString::fromLatin1(family));
    // A negative height is the character height in pixels; a positive one the cell height.
    font.setPixelSize(std::abs(height));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}
