// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// One seven-segment digit with a triangular corner mark, drawn as filled
// polygons.  It shows a decimal digit (Value, through DigitPatterns) or any
// segment combination given directly as a mask (ValueBinary).  A value
// outside 0 to 9 shows 0 and is reported through OnOverflow.
//
// Setters that change what is shown or its colours repaint at once and do
// nothing when the value is unchanged, so a clock that writes all its digits
// five times a second repaints only the ones that changed.

#include <QWidget>

#include <array>
#include <cstdint>

#include "platform/Canvas.h"
#include "platform/TColor.h"

class TDigit : public QWidget
{
    Q_OBJECT
public:
    enum TBorderStyle { bsNone = 0, bsSingle = 1 };

    // Segment mask of each decimal digit; bit 7 (the corner mark) is never set.
    static constexpr std::array<std::uint8_t, 10> DigitPatterns{125, 80, 55, 87, 90, 79, 111, 81, 127, 95};

    // The values stored layouts leave out because they equal them; a digit
    // built from a layout starts from its construction values and then takes
    // every stored one, so these matter only when writing a layout.
    struct DeclaredDefaults
    {
        static constexpr int Value = 0;
        static constexpr std::uint8_t ValueBinary = 0;
        static constexpr TColor ColorOn = clRed;
        static constexpr TColor ColorOff = clGray;
        static constexpr TBorderStyle BorderStyle = bsSingle;
    };

    // 16 x 32, black, showing 0 in yellow on black, thickness 2, separation 1.
    explicit TDigit(QWidget *parent = nullptr);

    int Value() const { return m_value; }
    // Unchanged: nothing.  Otherwise 0..9 is taken, anything else becomes 0
    // and OnOverflow is raised (Value already 0, the old pattern still
    // showing); then the mask follows Value and the digit repaints at once.
    void SetValue(int value);

    std::uint8_t ValueBinary() const { return m_valueBinary; }
    // Draws this mask without touching Value.
    void SetValueBinary(std::uint8_t mask);

    TColor ColorOn() const { return m_colorOn; }
    void SetColorOn(TColor color);
    TColor ColorOff() const { return m_colorOff; }
    void SetColorOff(TColor color);
    // Background, and the outline of every segment.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);

    // Stored and compared; the digit draws no border for either style.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    int Thickness() const { return m_thickness; }
    // Taken only up to width / 2 and height / 2 of the current size; a larger
    // one is ignored.  No lower bound.  Requests a repaint even when unchanged.
    void SetThickness(int thickness);
    int Separation() const { return m_separation; }
    // Always taken, without bounds; requests a repaint even when unchanged.
    void SetSeparation(int separation);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Fills `clip` with Color, then draws the eight polygons in bit order,
    // each in ColorOn or ColorOff and outlined in Color.  Coordinates are
    // relative to the digit's top-left corner, so any painter will do.
    void Paint(QPainter &painter, const QRect &clip) const;

signals:
    void OnOverflow(QObject *Sender);
    void OnMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(QObject *Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void DoOverflow();

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_value = 0;
    std::uint8_t m_valueBinary = DigitPatterns[0];
    TBorderStyle m_borderStyle = bsSingle;
    TColor m_colorOn = clYellow;
    TColor m_colorOff = clBlack;
    TColor m_color = clBlack;
    int m_separation = 0;
    int m_thickness = 0;
    int m_tag = 0;
    // Pens and brushes kept between paints, so a paint allocates nothing.
    mutable CanvasToolCache m_tools;
};
