// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallDisplaySetting.h"

#include <QSettings>

#include "platform/Registry.h"

namespace {

constexpr const char *OpenKey = "HallDisplay/Open";
constexpr const char *ScreenKey = "HallDisplay/Screen";
constexpr const char *ThemeKey = "HallDisplay/Theme";
constexpr const char *PlayersKey = "HallDisplay/Players";

// Only what this program writes counts: "true" or "false" (a native store
// may hand back a real bool); anything else is the default.
bool ReadFlag(const QSettings &settings, const char *key)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (stored.typeId() == QMetaType::Bool)
        return stored.toBool();
    return stored.typeId() == QMetaType::QString && stored.toString() == QLatin1String("true");
}

QString ReadText(const QSettings &settings, const char *key)
{
    const QVariant stored = settings.value(QLatin1String(key));
    return stored.typeId() == QMetaType::QString ? stored.toString() : QString();
}

} // namespace

HallDisplaySetting::HallDisplaySetting(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

HallDisplayChoices HallDisplaySetting::Read() const
{
    const QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    if (settings.status() != QSettings::NoError)
        return {};
    return {ReadFlag(settings, OpenKey), ReadText(settings, ScreenKey), ReadText(settings, ThemeKey),
            ReadFlag(settings, PlayersKey)};
}

bool HallDisplaySetting::WriteOpen(bool open) const
{
    return Write(OpenKey, open);
}

bool HallDisplaySetting::WriteScreen(const QString &name) const
{
    return Write(ScreenKey, name);
}

bool HallDisplaySetting::WriteTheme(const QString &key) const
{
    return Write(ThemeKey, key);
}

bool HallDisplaySetting::WritePlayers(bool shown) const
{
    return Write(PlayersKey, shown);
}

bool HallDisplaySetting::Write(const char *key, const QVariant &value) const
{
    QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
