// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What the program's actions mean for the stored history, one game after
// another: a game is stored from its first action on, actions go to the
// game under way, a RESET ends it and can be taken back.  Runs on the
// writer's thread; HistoryWriter hands it the actions in order.

#include <memory>
#include <optional>

#include "history/GameHistoryStore.h"

class HistorySession
{
public:
    explicit HistorySession(std::unique_ptr<GameHistoryStore> store);

    // A new game begins (start-up, RESET) as `opening` shows; nothing is
    // stored until its first action.  Leaves an earlier RESET undoable.
    HistoryStatus NewGame(const GameOpening &opening);
    // Actions go on into a stored game (the one recovered at start-up).
    HistoryStatus ContinueGame(GameId game);
    // Appends to the game under way; the first action of a new game stores
    // the game with it in one transaction.  An export does not begin a game
    // (an export right after a RESET leaves the RESET undoable), and
    // actions without a game (before NewGame) are dropped.  A PAUSE moves
    // the WAL into the database file once it is stored.
    HistoryStatus Record(const GameEvent &event);
    // Replaces the checkpoint of the game under way; dropped without one.
    HistoryStatus SaveCheckpoint(const GameCheckpoint &checkpoint);
    // Ends the game under way, if it was stored.  After a RESET
    // (GameEndReason::Reset) that game can be reopened by UndoReset.
    HistoryStatus EndGame(GameEndReason reason, std::int64_t wallMs);
    // The RESET taken back: the game it ended is open again and under way,
    // with a reset_undone action at `gameMs`.  Nothing happens when no
    // stored game was ended by the last RESET, or a game was stored since.
    HistoryStatus UndoReset(std::int64_t gameMs, std::int64_t wallMs);

    // The stored game that actions go to; empty before its first action.
    std::optional<GameId> CurrentGame() const { return m_current; }
    // The game that actions go to as stored so far; a problem instead when
    // none is stored yet (no action) or it cannot be read.
    HistoryResult<StoredGame> LoadCurrentGame();

private:
    std::unique_ptr<GameHistoryStore> m_store;
    std::optional<GameOpening> m_pending;
    std::optional<GameId> m_current;
    std::optional<GameId> m_endedByReset;
};
