// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The history holds players' names, often of children: its folder and files
// are readable by the user alone (folder 0700, files 0600), and a damaged
// file is moved aside under a new name, never overwritten or deleted.

#include <QDateTime>
#include <QString>

#include <array>

#include "history/HistoryProblem.h"

namespace PrivateFiles {

// The files SQLite keeps beside a database, by their suffix.
inline constexpr std::array<const char *, 3> CompanionSuffixes{"-wal", "-shm", "-journal"};

// Creates `folder` and its missing parents with mode 0700 and takes group
// and other permissions from `folder` itself when it is the user's.  No cause
// when done, else why not.
HistoryCause EnsureFolder(const QString &folder);

// Creates an empty file of mode 0600 at `path` when there is none, and
// takes group and other permissions from an existing one and its companions.
// No cause when done, else why not.
HistoryCause PrepareFile(const QString &path);

// Takes group and other permissions from the companions that exist now
// (SQLite creates them later than the file).  Only regular files of this
// user are changed, never through a link.
void TightenCompanions(const QString &path);

// What stands at a path, looked at without following a link; Missing also
// when the path cannot be looked at (opening it then tells why).
enum class FileKind { Missing, Regular, Folder, Link, Fifo, Socket, Device, Other };
FileKind KindAt(const QString &path);

struct MoveAsideOutcome
{
    QString NewPath; // where the file lies now; empty when it was not moved
    HistoryCause Error; // why it could not be moved; none when it was
};

// Renames the file to "<path>.damaged-YYYYMMDD-HHMMSS" (local time of `now`,
// with "-2", "-3", ... when taken) and each companion to that name plus its
// suffix.  Never replaces an existing file.
MoveAsideOutcome MoveAside(const QString &path, const QDateTime &now);

// The name a damaged file and its companions are set aside under: the first
// of "<path>.damaged-YYYYMMDD-HHMMSS", "...-2", ... that is free with every
// companion suffix.
QString AsideName(const QString &path, const QDateTime &now);
// rename(2) that never replaces an existing file; 0 when done, else the errno value.
int MoveNoReplace(const QString &from, const QString &to);
// A copy of the regular file `from` (never through a link) as a new file
// `to` of mode 0600 that did not exist before, on the disk when it
// returns; 0 when done, else the errno value (a half copy is removed).
int CopyNoReplace(const QString &from, const QString &to);

} // namespace PrivateFiles
