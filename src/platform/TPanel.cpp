// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TPanel.h"

#include <QPainter>

#include "platform/Canvas.h"

TPanel::TPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TPanel::SetBevelOuter(Bevel bevel, int width)
{
    m_bevel = bevel;
    m_bevelWidth = width;
    update();
}

QRect TPanel::ClientRect() const
{
    const int inset = m_bevel == Bevel::None ? 0 : m_bevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Canvas canvas(painter);
    canvas.SetBrushColor(m_color);
    canvas.FillRect(rect());
    if (m_bevel == Bevel::None)
        return;
    // A lowered bevel is dark on its top and left edges, light on the others.
    const TColor topLeft = m_bevel == Bevel::Lowered ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = m_bevel == Bevel::Lowered ? clBtnHighlight : clBtnShadow;
    const int w = width(), h = height();
    for (int i = 0; i < m_bevelWidth; ++i) {
        canvas.SetPenColor(topLeft);
        canvas.MoveTo(i, h - 1 - i);
        canvas.LineTo(i, i);
        canvas.LineTo(w - 1 - i, i);
        canvas.SetPenColor(bottomRight);
        canvas.LineTo(w - 1 - i, h - 1 - i);
        canvas.LineTo(i - 1, h - 1 - i);
    }
}
