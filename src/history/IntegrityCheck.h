// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The check of the whole database file (PRAGMA quick_check).  It reads every
// page, so its time grows with the history, and start-up must not: it runs
// after start-up on a thread and a read-only connection of its own, and
// nothing waits for it.  Start-up itself reads the latest game and the open
// games, and SQLite checks every page it reads there (see GameHistoryStore),
// so damage in the game that is brought back still shows before the window
// does; damage anywhere else is found here and told like a failed write.

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

class IntegrityCheck
{
public:
    // Called on the check's thread once it is done: whether the file is
    // damaged (a file that cannot be read to the end is not called so; its
    // writes tell).
    using Done = std::function<void(bool damaged)>;

    // Checks the database at `path` once `delay` has passed, so that the
    // window's first paint does not share the disk with it.
    IntegrityCheck(const QString &path, std::chrono::milliseconds delay, Done done);
    // Stops a check under way (or not begun) and waits for its thread.
    ~IntegrityCheck();
    IntegrityCheck(const IntegrityCheck &) = delete;
    IntegrityCheck &operator=(const IntegrityCheck &) = delete;

    // The check itself, on the calling thread; `stopped` is asked while it
    // runs and ends it early (as sound).
    static bool IsDamaged(const QString &path, const std::function<bool()> &stopped = {});

private:
    bool Stopped();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::unique_ptr<QThread> m_thread;
};
