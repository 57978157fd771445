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

namespace {

// A rectangle of `size` in the middle of `area`.
QRect Centred(const QRect &area, QSize size)
{
    return QRect(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
}

// The largest 16:9 rectangle in `area`, in its middle.
QRect Widescreen(const QRect &area)
{
    QSize size(area.width(), area.width() * 9 / 16);
    if (size.height() > area.height())
        size = QSize(area.height() * 16 / 9, area.height());
    return Centred(area, size);
}

} // namespace

QRect HallWindowPlace(const QRect &available, const QRect &bench)
{
    const QSize usual(available.width() * 3 / 5, available.width() * 3 / 5 * 9 / 16);
    const QSize smallest(320, 180);
    if (!bench.intersects(available))
        return Centred(available, usual.boundedTo(available.size()));
    const QRect beside[] = {
        QRect(QPoint(available.left(), available.top()), QPoint(bench.left() - 1, available.bottom())),
        QRect(QPoint(bench.right() + 1, available.top()), available.bottomRight()),
        QRect(available.topLeft(), QPoint(available.right(), bench.top() - 1)),
        QRect(QPoint(available.left(), bench.bottom() + 1), available.bottomRight()),
    };
    QRect best;
    for (const QRect &room : beside) {
        const QRect fits = room.isValid() ? Widescreen(room) : QRect();
        if (fits.width() > best.width())
            best = fits;
    }
    if (best.width() >= smallest.width() && best.height() >= smallest.height())
        return best.width() > usual.width() ? Centred(best, usual) : best;
    // No room beside it: the corner farthest from the bench.
    const QSize size = usual.expandedTo(smallest).boundedTo(available.size()) * 2 / 3;
    const bool right = bench.center().x() < available.center().x();
    const bool below = bench.center().y() < available.center().y();
    return QRect(QPoint(right ? available.right() + 1 - size.width() : available.left(),
                        below ? available.bottom() + 1 - size.height() : available.top()),
                 size);
}
