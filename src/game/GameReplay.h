// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Turns a stored game back into what the window shows: both rosters with
// their check marks, every player's playing time and the game clock, all
// standing (paused).  Read through GameEventReader, which checks the game
// against the program's rules; player times come from the pauses and, for a
// stretch still running at the end, from the latest checkpoint: that stretch
// ends at the checkpoint's game time (the running time since, under one
// second, counts nowhere).  Without a checkpoint from that stretch it counts
// nothing.  A game that does not fit the rules is refused whole with a
// German sentence: it is never returned half right.

#include <array>
#include <functional>

#include "game/GameEventReader.h"
#include "game/GameResult.h"
#include "history/GameRecord.h"
#include "timing/PeriodSchedule.h"

struct RecoveredTeam
{
    QStringList Lines;
    std::vector<bool> Checked;
    // The name of the team file the roster was last loaded from; empty for
    // the rosters the program starts with.
    QString Name;
    // The shown time of all 50 ledger rows.  Rows at and past the roster's
    // line count keep what they showed when their line was last in the
    // roster: a later team load with more lines shows them again, as the
    // ledger does.
    std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam> Elapsed{};
};

// The last stretch of running clock, which a clock set by hand moves.
struct RecoveredStretch
{
    std::int64_t StartGameMs = 0; // the game time of its START
    std::int64_t StartShownMs = 0; // what the clock showed at its START
    // Check marks when it ended (index team - 1), one per line.
    std::array<std::vector<bool>, HistoryTeamCount> OnCourt;

    bool operator==(const RecoveredStretch &) const = default;
};

struct RecoveredGame
{
    GameId Id = 0;
    std::array<RecoveredTeam, HistoryTeamCount> Teams; // index team - 1
    GameFormat Format;
    // Game time the clock stands at.
    std::int64_t GameMs = 0;
    // What the clock showed there: after a PAUSE its last refresh, up to
    // 200 ms short of GameMs, as the players' times are.
    std::int64_t ShownGameMs = 0;
    // The clock ran when the game was last saved (a crash or kill during play).
    bool WasRunning = false;
    // Wall time of the last saved action or checkpoint.
    std::int64_t LastSavedWallMs = 0;
    // The playing-time rules it was last played by ("Keine Regeln" when none were stored).
    QString RulesName;
    // The last period_end seen (0: none).
    int PeriodsEnded = 0;
    // The periods by the opening's format, its changes and the periods ended.
    PeriodSchedule Periods;
    // The last stretch: ended by the last PAUSE, or still running at the
    // end; nothing when the clock never ran.
    std::optional<RecoveredStretch> LastStretch;
};

namespace GameReplay {

// The game as it stood at its last saved moment, or a German sentence
// ("Das gespeicherte Spiel kann nicht wiederhergestellt werden: ...").
GameResult<RecoveredGame> Replay(const StoredGame &game);

} // namespace GameReplay
