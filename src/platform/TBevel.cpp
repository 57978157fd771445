// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TBevel.h"

#include <QPainter>

#include "platform/Canvas.h"

TBevel::TBevel(QWidget *parent)
    : QWidget(parent)
{ }

void TBevel::SetBevelStyle(Style style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TBevel::Paint(QPainter &painter) const
{
    const TColor first = m_style == Style::Lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = m_style == Style::Lowered ? clBtnHighlight : clBtnShadow;
    const int right = width() - 1;
    const int bottom = height() - 1;
    Canvas canvas(painter);
    // Up the left edge and along the top, then down the right edge and back
    // along the bottom; each run leaves out its last point.
    canvas.SetPenColor(first);
    canvas.MoveTo(0, bottom);
    canvas.LineTo(0, 0);
    canvas.LineTo(right, 0);
    canvas.SetPenColor(second);
    canvas.LineTo(right, bottom);
    canvas.LineTo(0, bottom);
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}
