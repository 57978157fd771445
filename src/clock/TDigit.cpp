// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "clock/TDigit.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "clock/DigitGeometry.h"

TDigit::TDigit(QWidget *parent)
    : QWidget(parent)
{
    // It paints every pixel of its area, so nothing needs to be erased behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(16, 32);
    SetSeparation(1);
    SetThickness(2); // at most 16 div 2 and 32 div 2, so taken
}

void TDigit::SetValue(int value)
{
    if (value == m_value)
        return;
    if (value >= 0 && value <= 9) {
        m_value = value;
    } else {
        m_value = 0;
        DoOverflow();
    }
    // Read Value again: the overflow handler may have written it.
    m_valueBinary = DigitPatterns[static_cast<std::size_t>(m_value)];
    repaint();
}

void TDigit::SetValueBinary(std::uint8_t mask)
{
    if (mask == m_valueBinary)
        return;
    m_valueBinary = mask;
    repaint();
}

void TDigit::SetColorOn(TColor color)
{
    if (color == m_colorOn)
        return;
    m_colorOn = color;
    repaint();
}

void TDigit::SetColorOff(TColor color)
{
    if (color == m_colorOff)
        return;
    m_colorOff = color;
    repaint();
}

void TDigit::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TDigit::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    repaint();
}

void TDigit::SetThickness(int thickness)
{
    if (thickness > width() / 2 || thickness > height() / 2)
        return;
    m_thickness = thickness;
    update();
}

void TDigit::SetSeparation(int separation)
{
    m_separation = separation;
    update();
}

void TDigit::DoOverflow()
{
    emit OnOverflow(this);
}

void TDigit::Paint(QPainter &painter, const QRect &clip) const
{
    Canvas canvas(painter, m_tools);
    canvas.SetBrushColor(m_color);
    // The pen keeps the background colour: every segment is outlined in it.
    canvas.SetPenColor(canvas.BrushColor());
    canvas.FillRect(clip);
    const DigitPolygons polygons = ComputeDigitPolygons(width(), height(), m_thickness, m_separation);
    unsigned bit = 1;
    for (const DigitPolygon &polygon : polygons) {
        canvas.SetBrushColor((m_valueBinary & bit) ? m_colorOn : m_colorOff);
        canvas.Polygon(polygon.points.data(), polygon.count);
        bit <<= 1;
    }
}

void TDigit::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    Paint(painter, event->rect());
}

void TDigit::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void TDigit::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), at.x(), at.y());
}

void TDigit::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
}
