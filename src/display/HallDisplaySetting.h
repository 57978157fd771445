// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What the hall display keeps in the per-user settings store, in its own
// group: whether it was open when the program ended, the screen it was on
// (by name), its theme and whether it shows the players.  Nothing is written
// before the display is first opened; a value missing or not understood
// reads as the default.

#include <QString>

struct HallDisplayChoices
{
    bool Open = false;
    QString Screen;
    QString Theme; // a HallTheme key
    bool Players = false;
};

class HallDisplaySetting
{
public:
    explicit HallDisplaySetting(QString applicationName);

    HallDisplayChoices Read() const;
    // Each false when the store could not be written.
    bool WriteOpen(bool open) const;
    bool WriteScreen(const QString &name) const;
    bool WriteTheme(const QString &key) const;
    bool WritePlayers(bool shown) const;

private:
    bool Write(const char *key, const QVariant &value) const;

    QString m_applicationName;
};
