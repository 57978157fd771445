// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/WindowGeometryStore.h"

#include <QFileInfo>
#include <QSettings>

#include <limits>

#include "app/AppIdentity.h"

WindowGeometryStore::WindowGeometryStore(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

namespace {

// A 32-bit integer, or nothing: text, fractions and out-of-range numbers are not.
bool ReadInt32(const QSettings &settings, const char *key, int &value)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (!stored.isValid())
        return false;
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return false;
    value = int(number);
    return true;
}

} // namespace

WindowGeometryStore::Restored WindowGeometryStore::Read() const
{
    Restored restored;
    const QSettings settings(QLatin1String(AppIdentity::Organisation), m_applicationName);
    if (settings.status() != QSettings::NoError)
        return restored;
    // The settings "key" exists when the program's settings file does, even
    // with no values in it (then the window opens at the design position),
    // or where the store is no file, when it holds any value for the program.
    restored.keyExists = QFileInfo(settings.fileName()).isFile() || !settings.allKeys().isEmpty();
    if (!restored.keyExists)
        return restored;
    restored.hasLeft = ReadInt32(settings, "Left", restored.left);
    if (!restored.hasLeft)
        return restored;
    restored.hasTop = ReadInt32(settings, "Top", restored.top);
    if (!restored.hasTop)
        return restored;
    restored.hasWidth = ReadInt32(settings, "Width", restored.width);
    if (!restored.hasWidth)
        return restored;
    restored.hasHeight = ReadInt32(settings, "Height", restored.height);
    return restored;
}

bool WindowGeometryStore::Write(const QRect &frame) const
{
    QSettings settings(QLatin1String(AppIdentity::Organisation), m_applicationName);
    settings.setValue(QStringLiteral("Left"), frame.left());
    settings.setValue(QStringLiteral("Top"), frame.top());
    settings.setValue(QStringLiteral("Width"), frame.width());
    settings.setValue(QStringLiteral("Height"), frame.height());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QRect WindowGeometryStore::KeepOnScreens(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    for (const QRect &screen : screens) {
        if (screen.intersects(frame))
            return frame;
    }
    // Nearest screen by the distance between the frame's centre and the screen.
    const QPoint centre = frame.center();
    const QRect *nearest = &screens.first();
    long long best = std::numeric_limits<long long>::max();
    for (const QRect &screen : screens) {
        const long long dx = std::max({screen.left() - centre.x(), 0, centre.x() - screen.right()});
        const long long dy = std::max({screen.top() - centre.y(), 0, centre.y() - screen.bottom()});
        const long long distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    QRect placed(frame.topLeft(), frame.size().boundedTo(nearest->size()));
    if (placed.width() <= 0 || placed.height() <= 0)
        placed.setSize(nearest->size());
    placed.moveLeft(std::clamp(placed.left(), nearest->left(), nearest->right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), nearest->top(), nearest->bottom() - placed.height() + 1));
    return placed;
}
