// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "clock/DigitGeometry.h"

#include <cstdint>

namespace {

// Thickness and separation have no bounds, so the sums are formed in 64 bits
// and folded back into 32 the way 32-bit arithmetic would wrap them, rather
// than overflowing.
using Wide = std::int64_t;

QPoint At(Wide x, Wide y)
{
    return QPoint(static_cast<std::int32_t>(static_cast<std::uint32_t>(x)),
                  static_cast<std::int32_t>(static_cast<std::uint32_t>(y)));
}

DigitPolygon Horizontal(Wide lastColumn, Wide top, Wide t, Wide s)
{
    const Wide w = lastColumn;
    return {{At(s + t, top + t), At(s + 2 * t, top), At(w - s - 2 * t, top), At(w - s - t, top + t),
             At(w - s - 2 * t, top + 2 * t), At(s + 2 * t, top + 2 * t)},
            6};
}

DigitPolygon Vertical(Wide left, Wide top, Wide halfHeight, Wide t, Wide s)
{
    const Wide h = halfHeight;
    return {{At(left, top + 2 * t + s), At(left + t, top + t + s), At(left + 2 * t, top + 2 * t + s),
             At(left + 2 * t, top + h - t - s), At(left + t, top + h - s), At(left, top + h - t - s)},
            6};
}

} // namespace

DigitPolygons ComputeDigitPolygons(int width, int height, int thickness, int separation)
{
    const Wide W = Wide(width) - 1; // last pixel column
    const Wide H = Wide(height) - 1; // last pixel row
    const Wide h = H / 2; // truncates toward zero, also for odd sizes
    const Wide t = thickness;
    const Wide s = separation;
    DigitPolygon corner;
    corner.points[0] = At(W, H);
    corner.points[1] = At(W - 2 * t + s, H);
    corner.points[2] = At(W, H - 2 * t + s);
    corner.count = 3;
    return {
        Horizontal(W, 0, t, s),
        Horizontal(W, h - t, t, s),
        Horizontal(W, H - 2 * t, t, s),
        Vertical(0, 0, h, t, s),
        Vertical(W - 2 * t, 0, h, t, s),
        Vertical(0, h - t, h, t, s),
        Vertical(W - 2 * t, h - t, h, t, s),
        corner,
    };
}
