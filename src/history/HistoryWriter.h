// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Writes the game history off the user-interface thread.  A commit with
// synchronous=FULL waits for the disk, which can take many milliseconds on
// a slow one; the window only queues its actions here and goes on at once.
//
// The writer owns the store and a worker thread that applies the queued
// actions in order (HistorySession says what each one means).  The first
// write that fails is reported once through WriteFailed, delivered on the
// thread the writer lives on (the user-interface thread); from then on
// nothing more is written and the program goes on as if without a history.
// A writer made without a store (the history could not be opened) does
// nothing and reports nothing: the opening problem has been told already.
//
// Meanwhile the whole database file is checked on a thread of its own
// (IntegrityCheck).  Damage found there is reported like a failed write,
// nothing more is written, and the file is set aside as a damaged one
// ("games.db.damaged-...") when the writer ends, so that the next start
// begins a new one.
//
// Usage from the window:
//   NewGame(opening)            at start-up and after every RESET
//   ContinueGame(id)            instead, when a recovered game goes on
//   Record(GameEvent::...)      after each action has taken effect on screen
//   SaveCheckpoint(...)         while running, at each whole second of game time
//   EndGame(Reset, wallMs)      on RESET, before NewGame
//   UndoReset(gameMs, wallMs)   when the RESET is taken back
//   WaitIdle()                  before the program ends (the destructor waits too)
//   LoadCurrentGame()           for the game report of an export

#include <QDateTime>
#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <variant>

#include "history/GameRecord.h"

class GameHistoryStore;
class HistorySession;
class IntegrityCheck;
class QThread;

class HistoryWriter : public QObject
{
    Q_OBJECT
public:
    // The whole file is checked `checkDelay` after the writer begins (tests take 0).
    explicit HistoryWriter(std::unique_ptr<GameHistoryStore> store, QObject *parent = nullptr,
                           std::chrono::milliseconds checkDelay = std::chrono::seconds(2));
    // Writes everything queued, then stops the thread.
    ~HistoryWriter() override;

    // Each returns at once; see HistorySession for what they store.
    void NewGame(const GameOpening &opening);
    void ContinueGame(GameId game);
    void Record(const GameEvent &event);
    // A checkpoint still waiting behind no other action is replaced by a
    // newer one: a slow disk never builds up a queue of them.
    void SaveCheckpoint(const GameCheckpoint &checkpoint);
    void EndGame(GameEndReason reason, std::int64_t wallMs);
    void UndoReset(std::int64_t gameMs, std::int64_t wallMs);

    // Blocks until every queued action is written (or dropped after a failure).
    void WaitIdle();
    // Once everything queued is written, the game that actions go to as
    // stored so far, read on the calling thread while the worker waits.
    // Nothing without a store, after a failure, or before the game's first
    // action; a problem when it cannot be read.
    HistoryResult<StoredGame> LoadCurrentGame();
    // Whether a write has failed; nothing is written since.
    bool Failed() const { return m_failed.load(); }
    // Whether anything is written at all (false without a store).
    bool IsActive() const { return m_session != nullptr; }

signals:
    // The first failure, once.
    void WriteFailed(const HistoryProblem &problem);

private:
    struct NewGameTask
    {
        GameOpening Opening;
    };
    struct ContinueTask
    {
        GameId Game;
    };
    struct RecordTask
    {
        GameEvent Event;
    };
    struct CheckpointTask
    {
        GameCheckpoint Checkpoint;
    };
    struct EndTask
    {
        GameEndReason Reason;
        std::int64_t WallMs;
    };
    struct UndoResetTask
    {
        std::int64_t GameMs;
        std::int64_t WallMs;
    };
    // Damage the check found: fails like a write, in order with the writes.
    struct DamageTask
    {
        HistoryProblem Reason;
    };
    using Task =
        std::variant<NewGameTask, ContinueTask, RecordTask, CheckpointTask, EndTask, UndoResetTask, DamageTask>;

    void Enqueue(Task task);
    void Run();
    HistoryStatus Apply(const Task &task);
    void OnDamageFound();

    std::unique_ptr<HistorySession> m_session;
    QString m_path;
    // When the check found damage: the time the file is set aside under.
    std::optional<QDateTime> m_damageFound;
    std::unique_ptr<QThread> m_thread;
    // Declared last: stopped first, before the thread it reports to.
    std::unique_ptr<IntegrityCheck> m_check;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Task> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::atomic<bool> m_failed{false};
};
