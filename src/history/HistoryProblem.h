// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What went wrong in the game history, as facts: which failure, the files
// it concerns and the cause below it.  The history keeps to storage; the
// sentences the user reads are made from these facts above it
// (game/HistoryMessages), so that storage code never words anything.

#include <QString>
#include <QStringList>

#include <cstdint>

// Why a file operation or the database failed.
struct HistoryCause
{
    enum class Kind {
        None, // nothing failed
        System, // Code: an errno value
        Store, // Code: a StoreFault; Name: the database engine's own name for it
        FileInPlace, // Code: the PrivateFiles::FileKind standing where the database belongs
        CompanionInPlace, // Code: the FileKind standing where its companion Name belongs
        NoWriteAheadLog, // the file system allows no write-ahead log
        NotAFolder, // Name: a path in the data folder's way that is no folder
        CompanionNotSetAside, // Name: the companion, Path: the database; Code: the errno value
    };
    // What the database engine's result codes come to.
    enum class StoreFault {
        DiskFull,
        InputOutput,
        ReadOnly,
        CannotOpen,
        NoPermission,
        Damaged,
        InUse,
        OutOfMemory,
        TooLarge,
        Other, // Number: the engine's result code
    };

    Kind What = Kind::None;
    int Code = 0;
    int Number = 0;
    QString Name;
    QString Path;

    bool IsNone() const { return What == Kind::None; }
    static HistoryCause System(int error) { return {Kind::System, error, 0, {}, {}}; }
    static HistoryCause Fault(StoreFault fault, int code, const QString &name)
    {
        return {Kind::Store, int(fault), code, name, {}};
    }
};

struct HistoryProblem
{
    enum class Kind {
        // Opening the database (Path: the database).
        CannotOpen, // Cause
        NewerVersion, // Number: the file's schema version
        NotSetAside, // damaged or (Foreign) not ours, and could not be moved: Cause
        SetAsideNoNew, // moved aside as Names[0], but no new one: Cause
        SetAside, // moved aside as Names[0], a new one made
        // Companions set aside before opening (Path: the database).
        ForeignJournalSetAside, // Names: the journal, its name aside
        ForeignWalSetAside, // Names: the log, its name aside
        DamagedWalSetAside, // Names: the log, its name aside, the database's copy aside
        // Writing and reading.
        CannotWrite, // Cause
        CannotRead, // Cause
        DamagedEndReason,
        DamagedGameMissing,
        DamagedRoster, // Number: the team
        DamagedCheckpoint,
        NotEndedByReset, // a game to reopen was not ended by RESET
        NothingStoredYet,
        NotStoring,
        NoLongerStoring,
        DamagedWhileOpen, // Path: the database, Names[0]: its name aside at exit
        // The instance lock (Path: the lock file, or the data folder).
        FolderNotCreated, // Cause
        LockIsLink,
        FolderReadOnly,
        LockNotAFile,
        LockNotCreated, // Cause
        AlreadyRunning,
        LockNotTaken, // Cause
        LockReplaced,
    };

    Kind What = Kind::CannotOpen;
    QString Path;
    QStringList Names; // file names, in the order the sentence names them
    std::int64_t Number = 0;
    bool Foreign = false; // not this program's database (else a damaged one)
    HistoryCause Cause;

    static HistoryProblem Of(Kind what, QString path = {}, HistoryCause cause = {})
    {
        HistoryProblem problem;
        problem.What = what;
        problem.Path = std::move(path);
        problem.Cause = std::move(cause);
        return problem;
    }
};
