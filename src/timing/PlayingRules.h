// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The playing-time rules of youth basketball a bench may play by: how many
// periods each child plays and sits out, how many minutes, in which half,
// and when substitutions are allowed.  A rule set also fixes the period
// format and how many players of a team are on court.  The presets carry the
// published rules they follow; "Keine Regeln" (the default) checks nothing.
// Plain values, no widgets.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "timing/GameFormat.h"

struct PlayingRules
{
    // What counts as a period played: any running time on court in it, or
    // the whole period on court without a break (two halves of a period in
    // two spells do not make one).
    enum class PeriodPlayed { AnyTime, Unbroken };

    QString Name; // as the settings and the game history keep it: German whatever the interface
    GameFormat Format;
    PeriodPlayed Counts = PeriodPlayed::AnyTime;
    int MinPeriods = 0; // periods played, at least (0: no rule)
    int MaxPeriods = 0; // periods played, at most (0: no rule)
    int MinRests = 0; // periods sat out, at least (0: no rule)
    std::int64_t MinMs = 0; // playing time, at least (0: no rule)
    std::int64_t MaxMs = 0; // playing time, at most (0: no rule)
    bool PeriodInEachHalf = false; // at least one period played in each half
    bool ChangesOnlyBetweenPeriods = false; // substitutions only in the breaks
    int OnCourt = 5; // players of a team on court

    // Whether anything is checked ("Keine Regeln" checks nothing).
    bool Active() const;
    // The name as the bench reads it, in the interface's language.
    QString DisplayName() const;
    // What a period is called: "Achtel" for eight, "Viertel" for four, else "Abschnitt".
    QString PeriodWord() const;
    // The same for a count: "1 Achtel", "2 Abschnitte".
    QString Periods(int count) const;
    // Regular period `number`: "3. Achtel".
    QString PeriodName(int number) const;

    bool operator==(const PlayingRules &) const = default;
};

namespace PlayingRuleSets {

inline constexpr const char *NoRules = QT_TRANSLATE_NOOP("PlayingRules", "Keine Regeln");

// "Keine Regeln" first, then the presets.
const std::vector<PlayingRules> &All();
// The rule set of that name; nothing for an unknown name.
std::optional<PlayingRules> Named(const QString &name);

} // namespace PlayingRuleSets
