// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The tables of the game history and how a database file is brought to the
// current version.  PRAGMA user_version holds the version; each migration
// step takes one version to the next inside one transaction, so a file is
// always at a whole version.
//
// Version 1:
//
//   game        id INTEGER PRIMARY KEY, begun_wall_ms, ended_wall_ms (NULL = open),
//               end_reason ('reset', 'new_game', NULL = open),
//               regular_periods, period_ms, overtime_ms,
//               team1_lines, team1_checks, team2_lines, team2_checks
//               (lines: JSON array of strings; checks: one '0'/'1' per line;
//               both as the rosters stood when the game began)
//   event       game_id, seq (1, 2, ... within the game), kind (text), game_ms, wall_ms,
//               arg1, arg2, arg3 (integers or NULL), payload (blob or NULL);
//               PRIMARY KEY (game_id, seq).  See GameEventKind for what each kind keeps.
//   checkpoint  game_id PRIMARY KEY (one per game, replaced), after_seq (the game's last
//               event when it was taken), game_ms, wall_ms, times (blob, as a pause's payload)
//
// Version 2 adds to game: team1_name, team2_name (the name of the team file
// each roster was loaded from when the game began; NULL for the rosters the
// program starts with, and in games that version 1 stored).
//
// Version 3 adds the index game_open: the games not ended (end_reason IS
// NULL), so that start-up finds them without reading every game.
//
// Apart from the tables, PRAGMA application_id holds a random number of
// each database file, its mark (see CompanionCheck).

struct sqlite3;

namespace Schema {

inline constexpr int CurrentVersion = 3;

// Runs every step from `fromVersion` up to `toVersion`; the SQLite result
// code of the step that failed, or SQLITE_OK.
int Migrate(sqlite3 *db, int fromVersion, int toVersion = CurrentVersion);

// Whether the tables and their columns are exactly those of `version`
// (1 to CurrentVersion).  A SQLite error while looking is returned in
// `code` (SQLITE_OK otherwise).
bool HasTablesOf(sqlite3 *db, int version, int &code);
inline bool HasCurrentTables(sqlite3 *db, int &code)
{
    return HasTablesOf(db, CurrentVersion, code);
}

// Whether the indexes made by a CREATE INDEX statement are exactly those of
// `version`, each with its own statement; another one would make the file
// another program's.  Errors as in HasTablesOf.
bool HasOwnIndexesOnly(sqlite3 *db, int version, int &code);

// The index of the open games, from version OpenGamesIndexVersion on.
inline constexpr const char *OpenGamesIndex = "game_open";
inline constexpr int OpenGamesIndexVersion = 3;

} // namespace Schema
