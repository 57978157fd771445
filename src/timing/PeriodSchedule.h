// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Where the periods of a game lie in game time.  Regular periods follow each
// other, then overtimes as long as the game goes on.  The bench may end a
// period by hand, and the format may change during the game; both only move
// boundaries that lie at or after the game time they happen at, so the
// periods already played stay as they were.  Pure values, no Qt beyond Core.
//
// A period of length 0 by the format (an overtime length of 0) has no end of
// its own: it lasts until the bench ends it.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "timing/GameFormat.h"

struct SchedulePeriod
{
    int Number = 1; // from 1, regular periods and overtimes counted together
    bool Overtime = false;
    int OrdinalInKind = 1; // 3 for the third regular period, 1 for the first overtime
    std::int64_t BeginMs = 0;
    std::int64_t EndMs = 0; // OpenEnd when it lasts until the bench ends it

    static constexpr std::int64_t OpenEnd = std::numeric_limits<std::int64_t>::max();
    bool operator==(const SchedulePeriod &) const = default;
};

class PeriodSchedule
{
    Q_DECLARE_TR_FUNCTIONS(PeriodSchedule)

public:
    // Far more than any real game has; a stored format that would need more
    // (periods of a few milliseconds) is taken as damaged.
    static constexpr int MaxPeriods = 1000;

    explicit PeriodSchedule(const GameFormat &format = {});

    // The bench ends period `period` at `gameMs`: later boundaries count from
    // there with the format's lengths.  A period that has not begun at
    // `gameMs` cannot end there: then the period under way ends.  Periods
    // after `period` that had begun by the format (the bench's clock ran
    // past the official end) are dropped, as the bench says the earlier one
    // lasted until now.  At game time 0 nothing has begun and nothing moves.
    // False, changing nothing, when finding the period takes more than MaxPeriods.
    bool EndPeriod(int period, std::int64_t gameMs);
    // From `gameMs` on the game is played by `format`: boundaries at or
    // before `gameMs` stay, later ones count from the last of those.  False,
    // changing nothing, when finding them takes more than MaxPeriods.
    bool ChangeFormat(const GameFormat &format, std::int64_t gameMs);

    // Every period that has begun before `gameMs`, at least the first, in
    // order; nothing when that takes more than MaxPeriods.
    std::optional<std::vector<SchedulePeriod>> PeriodsBefore(std::int64_t gameMs) const;
    // The period under way at `gameMs`: the last one begun before it (the
    // first at game time 0).  A period that ends exactly at `gameMs` is still
    // under way there.  Nothing when that takes more than MaxPeriods.
    std::optional<SchedulePeriod> PeriodUnderWay(std::int64_t gameMs) const;

    const GameFormat &Format() const { return m_format; }

private:
    // The period after `previous` (or the first) by the fixed periods and the format.
    SchedulePeriod Next(const SchedulePeriod *previous) const;

    // Periods whose end is settled, in order; later ones follow from the format.
    std::vector<SchedulePeriod> m_fixed;
    GameFormat m_format;
};

// "1. Abschnitt", "2. Abschnitt", ..., "Verlängerung 1", ...
QString PeriodLabel(const SchedulePeriod &period);
// What a regular period of `format` is called: "Achtel" for eight, "Viertel"
// for four, else "Abschnitt".
QString PeriodWord(const GameFormat &format);
// Regular period `ordinal` as the game's people say it: "3. Viertel", "2. Achtel", "5. Abschnitt".
QString RegularPeriodName(int ordinal, const GameFormat &format);
// As the game's people say it: "3. Viertel", "2. Achtel", "Verlängerung 1".
QString PeriodName(const SchedulePeriod &period, const GameFormat &format);
// Of three texts that say the same of eighths, quarters and any other
// periods, the one for the periods of `format`.  A sentence that counts or
// numbers periods is written whole for each word: other languages cannot
// put the word alone into one sentence (an ordinal, a plural).
const char *ForPeriodsOf(const GameFormat &format, const char *eighths, const char *quarters, const char *periods);
