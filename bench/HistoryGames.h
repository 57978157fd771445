// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Stored games as a season leaves them, for the history benchmarks and for
// the start-up figure of the real program with a long history.

#include <cstdint>

#include "history/GameHistoryStore.h"

namespace HistoryGames {

inline constexpr std::int64_t Wall = 1765222920000;
inline constexpr int Players = 12;

// Both rosters of `lines` players, the first five on court.
GameOpening Opening(int lines);

// A full game of four ten-minute periods with two teams of twelve: the
// clock stopped about every 20 s of play (a pause for nearly every whistle),
// 40 substitutions, two exports; ended by a RESET.  `running` leaves it
// running at the end with a checkpoint, as after a crash.
void RecordGame(GameHistoryStore &store, int number, bool running);

// Writes `games` full games into a new database file: the first few as the
// program stores them (RecordGame), the rest copied from those in a few
// large transactions, so that a history of 10 000 games takes seconds to
// make instead of minutes.  Every game is ended by a RESET but, when
// `lastRunning`, the last one, which is left running.  Empty when done,
// else what went wrong.
QString MakeHistory(const QString &path, int games, bool lastRunning);

} // namespace HistoryGames
