// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Reads a stored game back from arbitrary database contents, as start-up
// does: the input becomes the database file in a throwaway folder, the
// store opens it (a damaged or foreign file is set aside and a fresh one
// created), and the latest game is loaded and replayed.  Nothing may crash,
// and a game offered for continuing must hold together.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "history/GameHistoryStore.h"
#include "history/GameRecovery.h"

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

void CheckOffered(const RecoveredGame &game)
{
    Require(game.GameMs >= 0 && game.GameMs <= StoredGameRules::MaxGameMs);
    for (const RecoveredTeam &team : game.Teams) {
        Require(team.Checked.size() == std::size_t(team.Lines.size()));
        for (const std::int32_t elapsed : team.Elapsed)
            Require(elapsed >= 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString folder = Scratch().filePath(QStringLiteral("run"));
    QDir(folder).removeRecursively();
    Require(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/games.db");
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly));
        Require(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    const QDateTime now(QDate(2026, 12, 8), QTime(19, 42, 0));
    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, now);
    if (opened.Store) {
        const RecoveryCandidate candidate = FindGameToRecover(*opened.Store);
        if (candidate.Result == RecoveryCandidate::Outcome::Offer) {
            CheckOffered(candidate.Game);
            Require(!RecoveryQuestion(candidate.Game).isEmpty());
        }
        if (candidate.Result == RecoveryCandidate::Outcome::Refused)
            Require(!candidate.Message.isEmpty());
        // The store goes on working after whatever it read.
        if (candidate.OpenGame)
            opened.Store->EndGame(*candidate.OpenGame, GameEndReason::NewGame, 0);
    } else {
        Require(!opened.Message.isEmpty());
    }
    return 0;
}
