// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Helpers of the history tests: throwaway data folders, sample games,
// direct access to a database file as another program would have it, and
// checks run as an unprivileged user (root passes every permission check).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "game/HistoryMessages.h"
#include "history/GameHistoryStore.h"
#include "history/InstanceLock.h"

struct sqlite3;

namespace HistoryTest {

// Both rosters of `lines1` and `lines2` numbered lines, the first five of each checked.
GameOpening SampleOpening(int lines1 = 10, int lines2 = 10, std::int64_t wallMs = 1765222920000);
QStringList NumberedLines(const QString &prefix, int count);

// What the user reads about an outcome of the history; empty when all is well.
inline QString Words(const GameHistoryStore::OpenResult &opened)
{
    return HistoryMessages::Text(opened.Told);
}
inline QString Words(const HistoryStatus &status)
{
    return HistoryMessages::Text(status.Problem);
}
template <typename T>
QString Words(const HistoryResult<T> &result)
{
    return HistoryMessages::Text(result.Problem);
}
inline QString Words(const InstanceLock &lock)
{
    return HistoryMessages::Text(lock.Problem());
}

QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
// The permission bits of a file or folder (without following a link).
unsigned ModeOf(const QString &path);
bool Exists(const QString &path);
// The names in a folder, sorted.
QStringList Entries(const QString &folder);

// Writes a recorded game into a store in the order the window records it:
// each action, and the checkpoint right after the action it follows.
GameId StoreInOrder(GameHistoryStore &store, const StoredGame &game);

// Opens a store and fails the test when there is none.
std::unique_ptr<GameHistoryStore> OpenStore(const QString &path);

// A database file opened with SQLite directly, as another program would.
class RawDatabase
{
public:
    explicit RawDatabase(const QString &path);
    ~RawDatabase();
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    // Runs statements; fails the test on an error.
    void Execute(const std::string &sql);
    // The first column of the first row as an integer, or as text.
    std::int64_t Integer(const std::string &sql);
    QString Text(const std::string &sql);

private:
    sqlite3 *m_db = nullptr;
};

// Writes beyond `bytes` into any regular file fail (EFBIG) while this lives:
// a disk that fills up, for this process only.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    std::uint64_t m_soft = 0;
    void (*m_previousHandler)(int) = nullptr;
};

// Runs `check` as the user "nobody" in a child process when the tests run
// as root (permissions do not stop root), directly otherwise; the test
// fails unless it returns true.  The check prints what it found on failure.
void ExpectAsUnprivilegedUser(const std::function<bool()> &check);
// The uid `ExpectAsUnprivilegedUser` runs checks under, to give it folders.
unsigned UnprivilegedUid();

} // namespace HistoryTest
