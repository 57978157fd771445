// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/RulesSetting.h"

#include <QSettings>

#include "platform/Registry.h"

namespace {

constexpr const char *RulesKey = "Rules";

} // namespace

RulesSetting::RulesSetting(QString applicationName)
    : m_applicationName(std::move(applicationName))
{ }

PlayingRules RulesSetting::Read() const
{
    const QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    const QVariant stored = settings.value(QLatin1String(RulesKey));
    const std::optional<PlayingRules> rules =
        settings.status() == QSettings::NoError && stored.typeId() == QMetaType::QString
        ? PlayingRuleSets::Named(stored.toString())
        : std::nullopt;
    return rules.value_or(PlayingRuleSets::All().front());
}

bool RulesSetting::Write(const PlayingRules &rules) const
{
    QSettings settings(QLatin1String(Registry::Organisation), m_applicationName);
    settings.setValue(QLatin1String(RulesKey), rules.Name);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
