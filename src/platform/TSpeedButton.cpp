// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TSpeedButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

TSpeedButton::TSpeedButton(QWidget *parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TSpeedButton::SetGlyph(const QImage &strip, int numGlyphs)
{
    m_glyph = strip;
    m_numGlyphs = std::max(1, numGlyphs);
    update();
}

QImage TSpeedButton::Cell(int index) const
{
    if (m_glyph.isNull())
        return {};
    const int cellWidth = m_glyph.width() / m_numGlyphs;
    if (index >= m_numGlyphs)
        index = 0;
    return m_glyph.copy(index * cellWidth, 0, cellWidth, m_glyph.height());
}

QImage TSpeedButton::CurrentGlyph() const
{
    if (!isEnabled())
        return m_numGlyphs > 1 ? Cell(1) : Cell(0);
    if (isDown() && m_numGlyphs > 2)
        return Cell(2);
    return Cell(0);
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    const QImage glyph = CurrentGlyph();
    if (glyph.isNull())
        return;
    // Pressed glyphs move one pixel right and down, as the frame sinks.
    const int shift = isDown() ? 1 : 0;
    const QPoint at((width() - glyph.width()) / 2 + shift, (height() - glyph.height()) / 2 + shift);
    painter.drawImage(at, glyph);
}
