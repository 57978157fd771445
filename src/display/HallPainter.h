// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Draws a hall board into a layout with a theme, on any painter (the
// display's window, or an image in a test).  The segments are the bench
// clock's polygons at the layout's size, so they stay sharp at any size;
// the texts are scaled fonts.

class QFont;
class QPainter;
class QRect;
struct HallBoard;
struct HallLayout;
struct HallTheme;

// The type of the period and the players, at `pixelSize`.
QFont HallTextFont(int pixelSize);

// Paints what lies in `dirty` (the whole of it: background included).
void PaintHallBoard(QPainter &painter, const QRect &dirty, const HallLayout &layout, const HallBoard &board,
                    const HallTheme &theme);
