// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Looks at the files SQLite keeps beside the database before SQLite opens
// it, because opening acts on them at once and without a word:
//   - a rollback journal ("-journal") beside a database in WAL mode is
//     never one of ours (the history writes only through its WAL), and
//     SQLite would play it back into the file before anything can judge
//     it: it is moved aside first;
//   - a WAL that cannot be told to belong to this database (one copied
//     from another database) would replace the game with another one: it
//     is moved aside unapplied, with its index (-shm);
//   - a WAL damaged before its end would lose every action after the
//     damage: it is copied aside with the database, and SQLite then applies
//     what comes before the damage (a WAL of which nothing would be applied
//     is moved aside instead of copied).
// Whatever is set aside goes under the name of a damaged file
// (PrivateFiles::AsideName) with its suffix, beside a copy of the database
// as it was, so that the set can be opened as found; nothing is replaced.
// The files of a newer program, and a database that is damaged as a whole
// (the store sets it aside with everything beside it), are left alone.
//
// How a WAL is tied to its database: a WAL holds pages, nothing that names
// its database (its salts are new random numbers at every restart), and
// the database file holds nothing of the WAL either.  So the store keeps a
// random number of its own in the database header's application_id field
// (offset 68 of page 1) and rewrites page 1 in every transaction it
// commits; every WAL the program writes therefore carries page 1 with that
// number in each of its commits.  A WAL whose applied frames hold no page 1,
// or a page 1 with another number or of another page size, is not this
// database's.  A database from before the mark (application_id 0) cannot
// tell and takes its WAL as ever.

#include <QDateTime>
#include <QString>

#include <vector>

#include "history/HistoryProblem.h"

namespace CompanionCheck {

struct Outcome
{
    // What was set aside, to tell the user.
    std::vector<HistoryProblem> Notes;
    // Why a companion that must go aside could not be moved or copied:
    // then the database must not be opened at all.
    HistoryCause Error;
    // The name the files went aside under; empty when nothing went aside.
    QString AsidePath;
};

// Judges the companions of the database at `path` (a regular file or
// none, as are its companions) and sets aside what must not be applied.
// A database whose schema version (in its header or in a page 1 of its WAL)
// is above `newestVersion` is a newer program's: nothing is done.
Outcome Run(const QString &path, const QDateTime &now, int newestVersion);

} // namespace CompanionCheck
