// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TShape.h"

#include <QPainter>

#include "platform/Canvas.h"

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::SetBrushColor(TColor color)
{
    if (color == m_brushColor)
        return;
    m_brushColor = color;
    update();
}

void TShape::SetPenColor(TColor color)
{
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

void TShape::Paint(QPainter &painter) const
{
    Canvas canvas(painter);
    canvas.SetPenColor(m_penColor);
    canvas.SetBrushColor(m_brushColor);
    canvas.Rectangle(0, 0, width(), height());
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}
