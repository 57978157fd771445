// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The main window's place and size between runs, kept in the per-user
// settings store (organisation "Velmarin", application = the executable's
// name without its last extension) as the integers "Left", "Top", "Width"
// and "Height": the outer frame of the window.

#include <QRect>
#include <QString>

class QScreen;
class QWidget;

class WindowGeometryStore
{
public:
    explicit WindowGeometryStore(QString applicationName);

    // What a start-up read found: each value is applied right after it is
    // read, and the first missing or non-integer value ends the reading.
    struct Restored
    {
        bool keyExists = false;
        bool hasLeft = false, hasTop = false, hasWidth = false, hasHeight = false;
        int left = 0, top = 0, width = 0, height = 0;
    };
    Restored Read() const;
    // Writes the four values; returns false when the store could not be written.
    bool Write(const QRect &frame) const;

    const QString &ApplicationName() const { return m_applicationName; }

    // A frame that lies entirely outside every screen (a monitor that is
    // gone) is moved onto the nearest screen, keeping its size where it fits.
    static QRect KeepOnScreens(const QRect &frame, const QList<QRect> &screens);

private:
    QString m_applicationName;
};
