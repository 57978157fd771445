// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Turns a stored game back into what the window shows: both rosters with
// their check marks, every player's playing time and the game clock, all
// standing (paused).  Pure: no database, no clock, no widgets.
//
// The replay follows the program's rules: START and PAUSE alternate,
// beginning with START; check marks and teams change only while the clock
// stands; a team load leaves all check marks of that team off and keeps the
// times with the line positions; only the first 50 lines of a team are
// timed.  Player times come from the pauses (each carries the shown time of
// every timed row) and, for a stretch still running at the end, from the
// latest checkpoint; that stretch ends at the checkpoint's game time (the
// running time since, under one second, counts nowhere).  Without a
// checkpoint from that stretch it counts nothing.
//
// Anything that does not fit these rules (a gap in the sequence, a PAUSE
// while standing, a line outside its roster, a time that is negative or
// ahead of the game clock, a bench player whose time moved, an unknown
// kind of action, ...) refuses the whole game with a German sentence:
// a game is never returned half right.

#include <array>
#include <functional>

#include "history/GameRecord.h"
#include "history/PeriodSchedule.h"

struct RecoveredTeam
{
    QStringList Lines;
    std::vector<bool> Checked;
    // The shown time of all 50 ledger rows.  Rows at and past the roster's
    // line count keep what they showed when their line was last in the
    // roster: a later team load with more lines shows them again, as the
    // ledger does.
    std::array<std::int32_t, TimedRowsPerTeam> Elapsed{};
};

// The last stretch of running clock, which a clock set by hand moves.
struct RecoveredStretch
{
    std::int64_t StartGameMs = 0; // the game time of its START
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
    // The clock ran when the game was last saved (a crash or kill during play).
    bool WasRunning = false;
    // Wall time of the last saved action or checkpoint.
    std::int64_t LastSavedWallMs = 0;
    // The last period_end seen (0: none).
    int PeriodsEnded = 0;
    // The periods by the opening's format, its changes and the periods ended.
    PeriodSchedule Periods;
    // The last stretch: ended by the last PAUSE, or still running at the
    // end; nothing when the clock never ran.
    std::optional<RecoveredStretch> LastStretch;
};

namespace GameReplay {

// How far a player's time may run ahead of the game clock: the clock and
// the ledger read the tick source a moment apart at every START and PAUSE.
inline constexpr std::int64_t PlayerAheadToleranceMs = 1000;
// Game time beyond which a stored game is taken as damaged (the ledger's
// times are 32-bit milliseconds: about 24 days).
inline constexpr std::int64_t MaxGameMs = 0x7FFFFFFF;

// Whether a stored format can be played: 1 to 99 regular periods, lengths
// within the game time (overtimes may be 0: until the bench ends them).
bool IsValidFormat(std::int64_t periods, std::int64_t periodMs, std::int64_t overtimeMs);

// Walks a stored game's events in order, checking what every event must
// have (no gap in the sequence, a possible game time) before `apply` sees
// it.  Empty, or German words for the first thing that does not fit, with
// the number of the action where `apply` objected.
QString WalkEvents(const std::vector<GameEvent> &events, const std::function<QString(const GameEvent &)> &apply);

// The game as it stood at its last saved moment, or a German sentence
// ("Das gespeicherte Spiel kann nicht wiederhergestellt werden: ...").
HistoryResult<RecoveredGame> Replay(const StoredGame &game);

} // namespace GameReplay
