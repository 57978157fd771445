// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallScreenChoice.h"

HallScreenChoice HallScreenChoice::For(const QStringList &screens, int benchScreen, const QString &remembered)
{
    const int count = int(screens.size());
    if (benchScreen < 0 || benchScreen >= count)
        benchScreen = 0;
    if (count <= 1)
        return {0, false};
    // Screens of one kind can share a name; of those the one beside the
    // bench is meant, as a name on the bench's screen alone would be.
    int last = -1;
    for (int i = 0; i < count && !remembered.isEmpty(); ++i) {
        if (screens[i] == remembered && (last < 0 || last == benchScreen))
            last = i;
    }
    if (last >= 0)
        return {last, last != benchScreen};
    return {benchScreen == 0 ? 1 : 0, true};
}
