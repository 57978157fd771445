// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Drawing with the pixel rules the program's controls are written against:
// rectangles exclude their right and bottom edges, LineTo paints its start
// point but not its end point, and nothing is antialiased.  Every control
// draws through this class so that the rules live in one place.

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>

#include <array>

#include "platform/TColor.h"

// Pens and brushes kept from one paint to the next.  A Canvas built with one
// switches colours by sharing the kept objects instead of building new ones,
// so a paint that repeats its colours allocates nothing.  Holds a few
// colours each; the oldest is replaced when a new one is needed.
class CanvasToolCache
{
public:
    const QPen &Pen(const QColor &color);
    const QPen &ClearPen();
    const QBrush &Brush(const QColor &color);

private:
    static constexpr int Slots = 8;
    struct PenSlot
    {
        QRgb rgb = 0;
        bool used = false;
        QPen pen;
    };
    struct BrushSlot
    {
        QRgb rgb = 0;
        bool used = false;
        QBrush brush;
    };
    std::array<PenSlot, Slots> m_pens;
    std::array<BrushSlot, Slots> m_brushes;
    int m_nextPen = 0;
    int m_nextBrush = 0;
    QPen m_clearPen{Qt::NoPen};
};

class Canvas
{
public:
    explicit Canvas(QPainter &painter);
    // Draws with pens and brushes from `tools`, which must outlive the canvas.
    Canvas(QPainter &painter, CanvasToolCache &tools);

    QPainter &Painter() { return m_painter; }

    void SetPenColor(TColor color);
    void SetPenClear(bool clear); // pen style clear: outlines are not drawn
    void SetBrushColor(TColor color);
    void SetBrushClear(bool clear); // brush style clear: interiors are not filled
    TColor PenColor() const { return m_penColor; }
    TColor BrushColor() const { return m_brushColor; }
    bool BrushClear() const { return m_brushClear; }
    bool PenClear() const { return m_penClear; }

    // Fills columns left..right-1 and rows top..bottom-1 with the brush.
    void FillRect(int left, int top, int right, int bottom);
    void FillRect(const QRect &rect)
    {
        FillRect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
    }
    // Outline on columns left and right-1, rows top and bottom-1 (pen), interior filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    // Rectangle with corner ellipses of ellipseW x ellipseH; same edge rule as
    // Rectangle, with or without a pen.
    void RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH);
    // Filled polygon (brush, odd-even rule) outlined by the pen through every point.
    void Polygon(const QPoint *points, int count);
    // The dotted focus outline on columns left and right-1, rows top and
    // bottom-1: every pixel whose x + y is even, in the inverse of the brush
    // colour (the background it is drawn on), so it shows on any background.
    void DrawFocusRect(int left, int top, int right, int bottom);
    void DrawFocusRect(const QRect &rect)
    {
        DrawFocusRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
    }

    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    // Draws from the pen position up to, not including, (x, y); the pen position becomes (x, y).
    void LineTo(int x, int y);
    QPoint PenPos() const { return m_penPos; }

    // Text in the canvas font and font colour.  TextOut puts the top of the
    // character cell at y; unless the brush is clear, the cell behind the
    // text (advance width by ascent + descent) is filled with the brush
    // first: an opaque background.
    void SetFont(const QFont &font) { m_font = font; }
    const QFont &Font() const { return m_font; }
    void SetFontColor(TColor color) { m_fontColor = color; }
    TColor FontColor() const { return m_fontColor; }
    void TextOut(int x, int y, const QString &text);
    int TextWidth(const QString &text) const;
    int TextHeight() const;

private:
    void ApplyPen();
    void ApplyBrush();

    QPainter &m_painter;
    CanvasToolCache *m_tools = nullptr;
    TColor m_penColor = clBlack;
    TColor m_brushColor = clWhite;
    bool m_penClear = false;
    bool m_brushClear = false;
    QPoint m_penPos;
    QFont m_font;
    TColor m_fontColor = clBlack;
};

// `image` as ARGB32 with every pixel of colour `key` (system colours
// resolved) made fully transparent, so whatever lies behind shows through
// there when it is drawn.  The key colour is an old way of marking the
// see-through parts of a face or a glyph in a picture without alpha.
QImage CutOutKeyColor(const QImage &image, TColor key);

// A font given the way the program's layout tables give it: a face name,
// a pixel height (negative = character height), bold and colour.
QFont MakeFont(const char *family, int height, bool bold = false);
