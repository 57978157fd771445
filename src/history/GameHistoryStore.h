// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game history on disk: one SQLite database file (WAL mode,
// synchronous=FULL, so every committed action survives a crash of the
// program and a power cut), its folder and files readable by the user alone.
//
// Opening never throws and never stops the program; it says what it found:
//   - a usable database (created when missing, migrated when older);
//   - a damaged or foreign file (not a SQLite database, tables of another
//     program, damage in what start-up reads of it): moved aside as
//     "games.db.damaged-YYYYMMDD-HHMMSS" together with its -wal/-shm/-journal
//     files (nothing is overwritten or deleted) and a fresh database created;
//   - a companion that must not be applied (a stray rollback journal, a WAL
//     of another database, a WAL damaged before its end): set aside first,
//     see CompanionCheck; the database is used without it, or with the
//     part of the WAL before the damage;
//   - a file of a newer schema version: left untouched, nothing is stored;
//   - a database that cannot be opened (unwritable folder, a folder, link,
//     FIFO, socket or device in its place or a companion's): nothing is
//     stored, and nothing there is touched.
// Each start comes with one message at most (what is Told).  Opening takes the same
// time however many games the file holds: the whole file is checked after
// start-up instead (IntegrityCheck).
//
// Only regular files in the data folder itself are used: SQLite opens the
// database with SQLITE_OPEN_NOFOLLOW (and its own journals never through a
// link), the program's own reads are O_NOFOLLOW | O_NONBLOCK.
//
// The WAL is kept short: SQLite moves it into the file every few hundred
// pages (about two minutes of running clock) and the writer at every PAUSE
// (MoveLogIntoDatabase), and it is cut back after each time, so that a
// damaged WAL costs at most the stretch since the last PAUSE.
//
// Writes and reads report failures (full disk, damaged pages, ...) as a
// HistoryStatus or HistoryResult carrying what went wrong; nothing throws.
// A store is used by one thread at a time: opened and read at start-up on the
// user-interface thread, then handed to a HistoryWriter for its worker thread.

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "history/GameRecord.h"
#include "history/Sqlite.h"

class GameHistoryStore
{
public:
    enum class OpenProblem {
        None,
        SetAside, // a damaged or foreign file was moved aside; the store is a fresh one
        CompanionSetAside, // a companion was set aside (Told says which); the store is the database as found
        CannotOpen, // no store: nothing is saved this run
        NewerVersion, // no store: the file is from a newer program and left untouched
    };

    struct OpenResult
    {
        std::unique_ptr<GameHistoryStore> Store; // null when nothing can be stored
        OpenProblem Problem = OpenProblem::None;
        // What to tell the user, in order (the companions set aside first); none when all is well.
        std::vector<HistoryProblem> Told;
        QString SetAsidePath; // where the damaged or foreign file now lies
    };

    // Opens or creates the database at `path`, creating its folder.  `now`
    // names a file that is moved aside.
    static OpenResult Open(const QString &path, const QDateTime &now = QDateTime::currentDateTime());

    ~GameHistoryStore();
    GameHistoryStore(const GameHistoryStore &) = delete;
    GameHistoryStore &operator=(const GameHistoryStore &) = delete;

    const QString &Path() const { return m_path; }

    // --- Writes: each one transaction, durable when it returns Ok. ---

    // Stores a new game with its opening and its first action (a game is
    // created by its first action, so an untouched start stores nothing).
    // Check marks missing from a roster count as off.
    HistoryResult<GameId> BeginGame(const GameOpening &opening, const GameEvent &firstAction);
    // Appends an action to the game as its next sequence number.
    HistoryStatus AppendEvent(GameId game, const GameEvent &event);
    // Replaces the game's checkpoint in one statement; it is marked with the
    // game's last event, so a reader can tell from which stretch it is.
    HistoryStatus SaveCheckpoint(GameId game, const GameCheckpoint &checkpoint);
    // Moves what the WAL holds into the database file and empties the WAL,
    // without waiting for a reader (what it holds back stays for the next
    // time); called after every PAUSE.
    HistoryStatus MoveLogIntoDatabase();
    // Marks an open game ended.  Ending a game that is already ended changes nothing.
    HistoryStatus EndGame(GameId game, GameEndReason reason, std::int64_t wallMs);
    // A RESET taken back: the game ended by that RESET is open again, with a
    // reset_undone action at `gameMs` (the time the clock showed before the
    // RESET).  Refused for a game not ended by a RESET.
    HistoryStatus ReopenGame(GameId game, std::int64_t gameMs, std::int64_t wallMs);

    // --- Reads ---

    // The most recently begun game; an empty value when none is stored.
    HistoryResult<std::optional<GameSummary>> LatestGame();
    // A game with its opening, its events in order and its latest checkpoint.
    // Values that cannot be decoded give an error; whether the game makes
    // sense is for GameReplay to judge.
    HistoryResult<StoredGame> LoadGame(GameId game);
    // The games still open (neither ended by a RESET nor given up), oldest
    // first, found through their index.
    HistoryResult<std::vector<GameId>> OpenGames();
    // Number of stored games.
    HistoryResult<std::int64_t> GameCount();

private:
    GameHistoryStore(QString path, SqliteConnection connection);
    // `mark`: the database's number in application_id.
    bool PrepareStatements(std::int64_t mark);
    // Runs `body` (which gives an SQLite result code) in one transaction
    // that also writes the mark on page 1 (see CompanionCheck).
    HistoryStatus Write(const std::function<int()> &body);
    int InsertEvent(GameId game, const GameEvent &event);
    template <typename T>
    HistoryResult<T> ReadFailure(int code);

    QString m_path;
    SqliteConnection m_connection;
    // Declared after the connection: finalised before it closes.
    SqliteStatement m_begin;
    SqliteStatement m_mark;
    SqliteStatement m_commit;
    SqliteStatement m_insertEvent;
    SqliteStatement m_saveCheckpoint;
};
