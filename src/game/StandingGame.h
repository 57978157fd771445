// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A game as it stands while the clock does not run: what is needed to put
// the window back into that state (a RESET taken back, a stored game
// brought back at start-up).  Plain values: no widgets, no history.

#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "timing/ClockCorrection.h"
#include "timing/PlayingTimeLedger.h"

struct StandingGame
{
    struct Roster
    {
        QStringList Lines;
        std::vector<bool> Checked; // one per line
    };
    std::array<Roster, 2> Rosters; // index team - 1
    // Every row's shown time, as PlayingTimeLedger::AllElapsed gives them.
    PlayingTimeLedger::ElapsedTables Elapsed{};
    // The game time the clock stands at.
    std::int32_t GameMs = 0;
    // What the clock's display shows (its last refresh); without it, GameMs.
    std::optional<std::int32_t> ShownGameMs;
    // Whether the clock had run since the last RESET (a fresh game shows 00:00 without having started).
    bool ClockStarted = false;
    // The whole ledger, when the game is taken from this window (a RESET
    // taken back): it also keeps the fraction of a second that the last
    // refresh had not shown yet.  Without it the shown times are put back.
    std::optional<PlayingTimeLedger> Ledger;
    // Whose times a clock set by hand moves, and how far back it may go.
    std::optional<ClockCorrection::Stretch> LastStretch;
};
