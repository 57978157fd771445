// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameFormatSetting.h"

#include <QSettings>

#include "platform/Registry.h"

namespace {

constexpr std::int64_t MinuteMs = 60000;
const char *const PeriodsKey = "Periods";
const char *const PeriodMinutesKey = "PeriodMinutes";
const char *const OvertimeMinutesKey = "OvertimeMinutes";

// The stored whole number from 1 to `max`, or `fallback`.
int ReadCount(const QSettings &settings, const char *key, int max, int fallback)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (!stored.isValid())
        return fallback;
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    return ok && number >= 1 && number <= max ? int(number) : fallback;
}

bool IsWholeMinutes(std::int64_t ms)
{
    return ms >= MinuteMs && ms <= GameFormatSetting::MaxMinutes * MinuteMs && ms % MinuteMs == 0;
}

} // namespace

GameFormatSetting::GameFormatSetting(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

GameFormat GameFormatSetting::Read() const
{
    GameFormat format;
    const QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    if (settings.status() != QSettings::NoError)
        return format;
    format.RegularPeriods = ReadCount(settings, PeriodsKey, MaxPeriods, format.RegularPeriods);
    format.PeriodMs = ReadCount(settings, PeriodMinutesKey, MaxMinutes, int(format.PeriodMs / MinuteMs)) * MinuteMs;
    format.OvertimeMs =
        ReadCount(settings, OvertimeMinutesKey, MaxMinutes, int(format.OvertimeMs / MinuteMs)) * MinuteMs;
    return format;
}

bool GameFormatSetting::Write(const GameFormat &format) const
{
    if (!IsStorable(format))
        return false;
    QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    settings.setValue(QLatin1String(PeriodsKey), format.RegularPeriods);
    settings.setValue(QLatin1String(PeriodMinutesKey), int(format.PeriodMs / MinuteMs));
    settings.setValue(QLatin1String(OvertimeMinutesKey), int(format.OvertimeMs / MinuteMs));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool GameFormatSetting::IsStorable(const GameFormat &format)
{
    return format.RegularPeriods >= 1 && format.RegularPeriods <= MaxPeriods && IsWholeMinutes(format.PeriodMs)
        && IsWholeMinutes(format.OvertimeMs);
}

GameFormat CommonGameFormat::AppliedTo(GameFormat current) const
{
    current.RegularPeriods = Periods;
    current.PeriodMs = PeriodMinutes * MinuteMs;
    return current;
}

bool CommonGameFormat::Matches(const GameFormat &format) const
{
    return format.RegularPeriods == Periods && format.PeriodMs == PeriodMinutes * MinuteMs;
}
