// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A rectangle shape: the brush fills the inside, a one-pixel pen outlines it
// on the first and last column and row.  Windowless: whatever lies outside
// the rectangle is not its business, and nothing under it shows through
// unless the brush is clear.

#include <QWidget>

#include "platform/TColor.h"

class TShape : public QWidget
{
    Q_OBJECT
public:
    explicit TShape(QWidget *parent = nullptr);

    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor color);
    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor color);

    // Draws the shape for its current size (the paint event calls this).
    void Paint(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_brushColor = clWhite;
    TColor m_penColor = clBlack;
};
