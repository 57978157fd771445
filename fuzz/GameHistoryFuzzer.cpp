// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Reads a stored game back from arbitrary database contents, as start-up
// does: the input becomes the database file in a throwaway folder, and
// what follows a line "=== games.db-wal ===" in it becomes the WAL beside
// it.  The store opens them (a damaged or foreign file is set aside and a
// fresh one created, a WAL that is damaged or not this database's kept
// aside), the latest game is loaded and replayed, and the whole file is
// checked as after start-up.  Nothing may crash, a game offered for
// continuing must hold together, and a WAL kept aside must be the WAL as it was.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "game/GameRecovery.h"
#include "game/HistoryMessages.h"
#include "history/GameHistoryStore.h"
#include "history/IntegrityCheck.h"
#include "history/WalFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A memory file system where there is one: the store commits with fsync.
const QTemporaryDir &Scratch()
{
    static const QTemporaryDir scratch(QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm/game-history-fuzz-XXXXXX")
                                           : QDir::tempPath() + QStringLiteral("/game-history-fuzz-XXXXXX"));
    return scratch;
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly));
    Require(file.write(bytes) == bytes.size());
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CheckOffered(const RecoveredGame &game)
{
    Require(game.GameMs >= 0 && game.GameMs <= StoredGameRules::MaxGameMs);
    for (const RecoveredTeam &team : game.Teams) {
        Require(team.Checked.size() == std::size_t(team.Lines.size()));
        for (const std::int32_t elapsed : team.Elapsed)
            Require(elapsed >= 0);
    }
}

void CheckWal(const QByteArray &bytes)
{
    const WalFile wal(bytes);
    Require(wal.AppliedFrames() <= wal.ValidFrames() && wal.ValidFrames() <= wal.FrameCount());
    Require(wal.HeaderValid() || wal.FrameCount() == 0);
    Require(wal.AppliedFirstPages().size() <= std::size_t(wal.AppliedFrames()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QByteArray WalMark("\n=== games.db-wal ===\n");
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype mark = input.indexOf(WalMark);
    const QByteArray database = mark < 0 ? input : input.left(mark);
    const QByteArray wal = mark < 0 ? QByteArray() : input.mid(mark + WalMark.size());

    const QString folder = Scratch().filePath(QStringLiteral("run"));
    QDir(folder).removeRecursively();
    Require(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/games.db");
    Write(path, database);
    if (mark >= 0) {
        Write(path + QStringLiteral("-wal"), wal);
        CheckWal(wal);
    }
    const QDateTime now(QDate(2026, 12, 8), QTime(19, 42, 0));
    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, now);
    const bool walSetAside = std::any_of(opened.Told.begin(), opened.Told.end(), [](const HistoryProblem &told) {
        return told.What == HistoryProblem::Kind::ForeignWalSetAside
            || told.What == HistoryProblem::Kind::DamagedWalSetAside;
    });
    if (opened.Problem == GameHistoryStore::OpenProblem::CompanionSetAside && walSetAside)
        Require(Read(opened.SetAsidePath + QStringLiteral("-wal")) == wal);
    if (opened.Store) {
        const RecoveryCandidate candidate = FindGameToRecover(*opened.Store);
        if (candidate.Result == RecoveryCandidate::Outcome::Offer) {
            CheckOffered(candidate.Game);
            Require(!RecoveryQuestion(candidate.Game).isEmpty());
        }
        if (candidate.Result == RecoveryCandidate::Outcome::Refused)
            Require(!candidate.Message.isEmpty());
        opened.Store->OpenGames();
        // The store goes on working after whatever it read.
        if (candidate.OpenGame)
            opened.Store->EndGame(*candidate.OpenGame, GameEndReason::NewGame, 0);
        opened.Store->MoveLogIntoDatabase();
        IntegrityCheck::IsDamaged(path);
    } else {
        Require(!HistoryMessages::Text(opened.Told).isEmpty());
    }
    return 0;
}
