// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Which screen the hall display opens on, and how: full screen on a screen
// other than the bench's, the one it was last on when that is there; with a
// single screen a window beside the bench's.

#include <QRect>
#include <QString>
#include <QStringList>

struct HallScreenChoice
{
    int Screen = 0; // index into the names given
    bool FullScreen = false;

    bool operator==(const HallScreenChoice &) const = default;

    // `screens` names the screens there are now, `benchScreen` is the index
    // of the one the bench's window is on, `remembered` the name the display
    // was last on (empty: none).
    static HallScreenChoice For(const QStringList &screens, int benchScreen, const QString &remembered);
};

// Where the display opens as a window on a screen whose free area is
// `available`: a 16:9 picture of 3/5 of the width in the middle, or, when the
// bench's window (its frame `bench`) is on that screen, the largest 16:9
// picture beside it, as long as that is at least 320 x 180; else in the
// corner farthest from the bench.
QRect HallWindowPlace(const QRect &available, const QRect &bench = {});
