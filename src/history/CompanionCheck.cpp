// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/CompanionCheck.h"

#include <QFileInfo>

#include <optional>

#include "history/DatabaseHeader.h"
#include "history/PrivateFiles.h"
#include "history/RegularFile.h"
#include "history/WalFile.h"

namespace CompanionCheck {

namespace {

const QString WalSuffix = QStringLiteral("-wal");
const QString IndexSuffix = QStringLiteral("-shm");
const QString JournalSuffix = QStringLiteral("-journal");

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool NewerThan(const std::optional<DatabaseHeader> &header, int newestVersion)
{
    // user_version is a signed number; a negative one is no newer version.
    return header && header->UserVersion <= 0x7fffffffu && int(header->UserVersion) > newestVersion;
}

bool BelongsTo(const WalFile &wal, const DatabaseHeader &database)
{
    if (wal.AppliedFrames() == 0)
        return true; // nothing of it reaches the database
    if (wal.PageSize() != database.PageSize)
        return false;
    if (database.ApplicationId == 0)
        return true; // no mark yet: no telling
    if (wal.AppliedFirstPages().empty())
        return false;
    for (const QByteArray &page : wal.AppliedFirstPages()) {
        const std::optional<DatabaseHeader> header = DatabaseHeader::Parse(page);
        if (!header || header->ApplicationId != database.ApplicationId)
            return false;
    }
    return true;
}

// Sets companions aside under one name beside a copy of the database.
class Aside
{
public:
    Aside(const QString &path, const QDateTime &now)
        : m_path(path)
        , m_now(now)
    { }

    // Moves (or copies) the companion with `suffix`; 0 when done, else the errno value.
    int Keep(const QString &suffix, bool move)
    {
        if (const int error = CopyDatabase())
            return error;
        const QString from = m_path + suffix;
        const QString to = m_name + suffix;
        return move ? PrivateFiles::MoveNoReplace(from, to) : PrivateFiles::CopyNoReplace(from, to);
    }
    const QString &Name() const { return m_name; }

private:
    int CopyDatabase()
    {
        if (!m_name.isEmpty())
            return 0;
        m_name = PrivateFiles::AsideName(m_path, m_now);
        return PrivateFiles::CopyNoReplace(m_path, m_name);
    }

    QString m_path;
    QDateTime m_now;
    QString m_name;
};

HistoryCause NotSetAside(const QString &path, const QString &suffix, int error)
{
    return {HistoryCause::Kind::CompanionNotSetAside, error, 0, FileName(path + suffix), path};
}

HistoryProblem SetAside(HistoryProblem::Kind what, const QString &path, QStringList names)
{
    HistoryProblem note = HistoryProblem::Of(what, path);
    note.Names = std::move(names);
    return note;
}

} // namespace

Outcome Run(const QString &path, const QDateTime &now, int newestVersion)
{
    Outcome outcome;
    const RegularFile database(path);
    const std::optional<DatabaseHeader> header =
        DatabaseHeader::Parse(database.IsOpen() ? database.Read(0, DatabaseHeader::Size) : QByteArray());
    // A file without a sound header is set aside whole, with its companions.
    if (!header || header->PageSize == 0 || NewerThan(header, newestVersion))
        return outcome;

    const RegularFile walFile(path + WalSuffix);
    std::optional<WalFile> wal;
    if (walFile.IsOpen() && walFile.Size() > 0)
        wal.emplace(walFile.Size(), [&walFile](qint64 offset, qint64 length) { return walFile.Read(offset, length); });
    if (wal) {
        for (const QByteArray &page : wal->AppliedFirstPages()) {
            if (NewerThan(DatabaseHeader::Parse(page), newestVersion))
                return outcome;
        }
    }

    Aside aside(path, now);
    const RegularFile journal(path + JournalSuffix);
    if (header->WalMode && journal.IsOpen() && journal.Size() > 0) {
        if (const int error = aside.Keep(JournalSuffix, true)) {
            outcome.Error = NotSetAside(path, JournalSuffix, error);
            return outcome;
        }
        outcome.Notes.push_back(SetAside(HistoryProblem::Kind::ForeignJournalSetAside, path,
                                         {FileName(path + JournalSuffix), FileName(aside.Name() + JournalSuffix)}));
    }

    if (wal && !BelongsTo(*wal, *header)) {
        for (const QString &suffix : {WalSuffix, IndexSuffix}) {
            if (PrivateFiles::KindAt(path + suffix) == PrivateFiles::FileKind::Missing)
                continue;
            if (const int error = aside.Keep(suffix, true)) {
                outcome.Error = NotSetAside(path, suffix, error);
                return outcome;
            }
        }
        outcome.Notes.push_back(SetAside(HistoryProblem::Kind::ForeignWalSetAside, path,
                                         {FileName(path + WalSuffix), FileName(aside.Name() + WalSuffix)}));
    } else if (wal && wal->DropsCommits()) {
        // What SQLite would apply stays for it to apply; of a log of which
        // nothing would be applied, nothing needs to stay.
        const bool move = wal->AppliedFrames() == 0;
        for (const QString &suffix : move ? QStringList{WalSuffix, IndexSuffix} : QStringList{WalSuffix}) {
            if (PrivateFiles::KindAt(path + suffix) == PrivateFiles::FileKind::Missing)
                continue;
            if (const int error = aside.Keep(suffix, move)) {
                outcome.Error = NotSetAside(path, suffix, error);
                return outcome;
            }
        }
        outcome.Notes.push_back(
            SetAside(HistoryProblem::Kind::DamagedWalSetAside, path,
                     {FileName(path + WalSuffix), FileName(aside.Name() + WalSuffix), FileName(aside.Name())}));
    }
    outcome.AsidePath = aside.Name();
    return outcome;
}

} // namespace CompanionCheck
