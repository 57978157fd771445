// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The playing-time rules a bench plays by, kept by name ("Rules") beside
// the period format in the per-user settings store.  Written only when the
// user picks a rule set; nothing stored, or a name this program does not
// know, reads as "Keine Regeln".

#include <QString>

#include "timing/PlayingRules.h"

class RulesSetting
{
public:
    explicit RulesSetting(QString applicationName);

    PlayingRules Read() const;
    // False when the store could not be written.
    bool Write(const PlayingRules &rules) const;

private:
    QString m_applicationName;
};
