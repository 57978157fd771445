// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Writes the seed databases of the game-history fuzzer: small games stored
// by the real store, then rewritten with 512-byte pages in one file so that
// the fuzzer can reach into every table; and games as a killed program
// leaves them, the database followed by its WAL (pages of 512 bytes too):
// intact, damaged in a middle frame, and with another database's WAL.
// Run after a change of the schema:
//   build-fuzz/fuzz/game_history_seeds fuzz/corpus/game_history

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sqlite3.h>

#include "game/HistoryMessages.h"
#include "history/GameHistoryStore.h"

namespace {

GameOpening Opening(int lines1, int lines2)
{
    GameOpening opening;
    opening.WallMs = 1765222920000;
    const int counts[] = {lines1, lines2};
    for (int team = 0; team < 2; ++team) {
        for (int line = 0; line < counts[team]; ++line)
            opening.Rosters[team].Lines.append(QStringLiteral("%1 P%2").arg(line + 4).arg(line));
        opening.Rosters[team].Checked.assign(std::size_t(counts[team]), false);
        for (int line = 0; line < 5 && line < counts[team]; ++line)
            opening.Rosters[team].Checked[std::size_t(line)] = true;
    }
    return opening;
}

TeamTimes Times(int lines1, int lines2, std::int32_t onCourt)
{
    TeamTimes times{std::vector<std::int32_t>(std::size_t(lines1), 0),
                    std::vector<std::int32_t>(std::size_t(lines2), 0)};
    for (auto &team : times) {
        for (std::size_t row = 0; row < 5 && row < team.size(); ++row)
            team[row] = onCourt;
    }
    return times;
}

bool Compact(const QString &from, const QString &to)
{
    sqlite3 *db = nullptr;
    bool done = sqlite3_open(QFile::encodeName(from).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, "PRAGMA journal_mode = DELETE; PRAGMA page_size = 512; VACUUM", nullptr, nullptr, nullptr)
            == SQLITE_OK;
    sqlite3_close(db);
    QFile::remove(to);
    return done && QFile::copy(from, to);
}

// The line that parts the database from its WAL in a fuzzer input.
const QByteArray WalMark("\n=== games.db-wal ===\n");

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A game started and run for `seconds`, as a program killed then leaves its
// database and WAL (read while the store is still open).
std::pair<QByteArray, QByteArray> KilledGame(int seconds, int lines)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "PRAGMA page_size = 512; VACUUM", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
    if (!opened.Store)
        return {};
    const GameId game = *opened.Store->BeginGame(Opening(lines, lines), GameEvent::Start(0, 1)).Value;
    for (int second = 1; second <= seconds; ++second)
        opened.Store->SaveCheckpoint(game, {0, second * 1000, 1 + second * 1000, Times(lines, lines, second * 1000)});
    return {Read(path), Read(path + QStringLiteral("-wal"))};
}

bool WriteSeed(const QString &corpus, const char *name, const QByteArray &bytes)
{
    QFile file(QDir(corpus).filePath(QLatin1String(name)));
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString corpus = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(corpus);
    const std::vector<std::pair<const char *, std::function<void(GameHistoryStore &)>>> seeds = {
        {"empty.db", [](GameHistoryStore &) {}},
        {"paused-after-a-substitution.db",
         [](GameHistoryStore &store) {
             const GameId game = *store.BeginGame(Opening(7, 6), GameEvent::Start(0, 1)).Value;
             store.AppendEvent(game, GameEvent::Pause(61000, 2, Times(7, 6, 60800)));
             store.AppendEvent(game, GameEvent::Check(61000, 3, 1, 0, false));
             store.AppendEvent(game, GameEvent::Check(61000, 4, 1, 6, true));
             store.AppendEvent(game, GameEvent::Export(61000, 5));
         }},
        {"running-with-checkpoint.db",
         [](GameHistoryStore &store) {
             const GameId game = *store.BeginGame(Opening(6, 6), GameEvent::Start(0, 1)).Value;
             store.AppendEvent(game, GameEvent::Pause(30000, 2, Times(6, 6, 29800)));
             store.AppendEvent(
                 game, GameEvent::TeamLoad(30000, 3, 2, {QStringLiteral("4 Ä"), QString(), QStringLiteral("9 😀")}));
             store.AppendEvent(game, GameEvent::Check(30000, 4, 2, 1, true));
             store.AppendEvent(game, GameEvent::Start(30000, 5));
             store.SaveCheckpoint(game, {0, 32000, 6, {Times(6, 3, 31800)[0], {0, 1800, 0}}});
         }},
        {"reset-taken-back-and-reserved-kinds.db",
         [](GameHistoryStore &store) {
             const GameId first = *store.BeginGame(Opening(5, 5), GameEvent::Start(0, 1)).Value;
             store.AppendEvent(first, GameEvent::Pause(5000, 2, Times(5, 5, 4900)));
             store.EndGame(first, GameEndReason::Reset, 3);
             store.ReopenGame(first, 5000, 4);
             store.AppendEvent(first, GameEvent::PeriodEnd(5000, 5, 1));
             store.AppendEvent(first, GameEvent::FormatChange(5000, 6, GameFormat{2, 1200000, 60000}));
             store.AppendEvent(first, GameEvent::Correction(4000, 7, -1000));
         }},
    };
    for (const auto &[name, fill] : seeds) {
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("games.db"));
        {
            GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
            if (!opened.Store) {
                std::fprintf(stderr, "%s\n", HistoryMessages::Text(opened.Told).toUtf8().constData());
                return 1;
            }
            fill(*opened.Store);
        }
        if (!Compact(path, QDir(corpus).filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "could not write %s\n", name);
            return 1;
        }
    }
    const auto [database, wal] = KilledGame(4, 6);
    const auto [otherDatabase, otherWal] = KilledGame(2, 5);
    QByteArray damaged = wal;
    damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x20);
    const std::pair<const char *, QByteArray> killed[] = {
        {"killed-while-running.db", database + WalMark + wal},
        {"killed-wal-damaged-in-a-middle-frame.db", database + WalMark + damaged},
        {"killed-beside-another-databases-wal.db", database + WalMark + otherWal},
    };
    for (const auto &[name, bytes] : killed) {
        if (!WriteSeed(corpus, name, bytes)) {
            std::fprintf(stderr, "could not write %s\n", name);
            return 1;
        }
    }
    return 0;
}
