// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Prints where a real-window test reads the hall display's digits in a
// window of WIDTH x HEIGHT: one line per digit and segment, "digit segment
// x y", segments in the order top, middle, bottom, upper left, upper right,
// lower left, lower right; then "player team line x y" for the left end of
// each player line and "background x y" for a pixel nothing is drawn on.
//     hall_face_points 1920 1080 [players]

#include <QPoint>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "clock/DigitGeometry.h"
#include "display/HallLayout.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT [players]\n", argv[0]);
        return 2;
    }
    const bool players = argc > 3 && std::strcmp(argv[3], "players") == 0;
    const HallLayout layout = HallLayout::For(QSize(std::atoi(argv[1]), std::atoi(argv[2])), players, 0);
    for (int digit = 0; digit < 4; ++digit) {
        const QRect box = layout.Digits[std::size_t(digit)];
        const DigitPolygons polygons =
            ComputeDigitPolygons(box.width(), box.height(), layout.Thickness, layout.Separation);
        for (int segment = 0; segment < 7; ++segment) {
            const DigitPolygon &polygon = polygons[std::size_t(segment)];
            QPoint sum;
            for (int i = 0; i < polygon.count; ++i)
                sum += polygon.points[std::size_t(i)];
            const QPoint centre = box.topLeft() + sum / polygon.count;
            std::printf("digit %d %d %d %d\n", digit, segment, centre.x(), centre.y());
        }
    }
    for (int team = 0; team < 2 && players; ++team) {
        for (int line = 0; line < layout.PlayerLines; ++line) {
            const QRect rect = layout.PlayerLine(team, line);
            std::printf("player %d %d %d %d %d %d\n", team, line, rect.left(), rect.top(), rect.width(), rect.height());
        }
    }
    std::printf("background %d %d\n", 1, 1);
    return 0;
}
