// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Tells the running copy of the program from a second one: the first copy
// holds a lock on a file in the data folder for its whole life; a second
// copy started meanwhile gets no lock and must neither offer nor touch the
// first one's game (it runs without storing and says so once).  The lock is
// the kernel's (flock), so it ends with its process: a lock file left by a
// killed copy does not block the next start.
//
// The lock file is private (0600) like the database, and only a regular
// file that lies in the data folder itself is used: a link is never
// followed, and a FIFO, device, socket or folder in its place is never
// opened blocking; each is its own problem, as is a read-only folder.

#include <QString>

#include <optional>

#include "history/HistoryProblem.h"

class InstanceLock
{
public:
    // The lock file's name in the data folder.
    static constexpr const char *FileName = "instance.lock";

    // Creates the folder (mode 0700) when missing and tries the lock once,
    // without waiting.
    explicit InstanceLock(const QString &folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    bool IsHeld() const { return m_held; }
    // Why the lock is not held; nothing when held.
    const std::optional<HistoryProblem> &Problem() const { return m_problem; }

private:
    // Opens, checks and locks the file once; nothing, or why it is not held.
    // Sets `replaced` when the file was swapped for another meanwhile.
    std::optional<HistoryProblem> TryLock(bool &replaced);

    QString m_path;
    int m_fd = -1;
    bool m_held = false;
    std::optional<HistoryProblem> m_problem;
};
