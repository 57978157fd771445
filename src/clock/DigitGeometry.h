// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Where a seven-segment digit's polygons lie for a control size, a stroke
// half-width t and a separation s.  Segments are hexagons 2t thick with
// pointed ends, each shortened by s at both ends; the corner mark is a right
// triangle in the bottom-right corner with legs of 2t - s.  Plain arithmetic,
// no drawing, so the shapes can be checked point by point.

#include <QPoint>

#include <array>

struct DigitPolygon
{
    std::array<QPoint, 6> points;
    int count = 0; // 6 for a segment, 3 for the corner mark
};

// Index i is the polygon of bit i of the segment mask, which is also the
// order they are painted in: top, middle, bottom, upper-left, upper-right,
// lower-left, lower-right, corner mark.
using DigitPolygons = std::array<DigitPolygon, 8>;

DigitPolygons ComputeDigitPolygons(int width, int height, int thickness, int separation);
