// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Tells the running copy of the program from a second one: the first copy
// holds a lock file in the data folder for its whole life; a second copy
// started meanwhile gets no lock and must neither offer nor touch the first
// one's game (it runs without storing and says so once).  A lock left by a
// killed process does not block the next start: its process is gone, so
// the lock counts as stale and is taken over.

#include <QLockFile>
#include <QString>

#include <memory>

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
    // Why the lock is not held, as a German sentence for the user; empty when held.
    const QString &Problem() const { return m_problem; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
    QString m_problem;
};
