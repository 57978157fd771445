// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "HistoryGames.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <sqlite3.h>
#include <vector>

#include "game/HistoryMessages.h"

namespace HistoryGames {

GameOpening Opening(int lines)
{
    GameOpening opening;
    opening.WallMs = Wall;
    for (int team = 0; team < 2; ++team) {
        for (int line = 0; line < lines; ++line)
            opening.Rosters[team].Lines.append(QStringLiteral("%1 Spielerin Nummer %2").arg(line + 4, 2).arg(line + 1));
        opening.Rosters[team].Checked.assign(std::size_t(lines), false);
        for (int line = 0; line < 5; ++line)
            opening.Rosters[team].Checked[std::size_t(line)] = true;
    }
    return opening;
}

void RecordGame(GameHistoryStore &store, int number, bool running)
{
    const std::int64_t begun = Wall + std::int64_t(number) * 7200000;
    GameOpening opening = Opening(Players);
    opening.WallMs = begun;
    std::array<std::vector<std::int32_t>, 2> shown{std::vector<std::int32_t>(Players, 0),
                                                   std::vector<std::int32_t>(Players, 0)};
    std::array<std::vector<bool>, 2> onCourt{opening.Rosters[0].Checked, opening.Rosters[1].Checked};
    std::int64_t gameMs = 0;
    std::int64_t wall = begun;
    const GameId game = *store.BeginGame(opening, GameEvent::Start(0, wall)).Value;
    const int stretches = 120;
    for (int stretch = 0; stretch < stretches; ++stretch) {
        if (stretch > 0)
            store.AppendEvent(game, GameEvent::Start(gameMs, wall));
        const std::int64_t length = 15000 + (stretch * 7919) % 10000;
        gameMs += length;
        wall += length;
        for (int team = 0; team < 2; ++team) {
            for (int row = 0; row < Players; ++row) {
                if (onCourt[team][std::size_t(row)])
                    shown[team][std::size_t(row)] += std::int32_t(length - 150);
            }
        }
        if (running && stretch == stretches - 1) {
            store.SaveCheckpoint(game, {0, gameMs, wall, {shown[0], shown[1]}});
            return;
        }
        store.AppendEvent(game, GameEvent::Pause(gameMs, wall, {shown[0], shown[1]}));
        wall += 30000;
        if (stretch % 3 == 0) {
            const int team = stretch % 2;
            const int off = (stretch / 3) % 5;
            const int on = 5 + (stretch / 3) % 7;
            if (!onCourt[team][std::size_t(on)]) {
                onCourt[team][std::size_t(off)] = false;
                onCourt[team][std::size_t(on)] = true;
                store.AppendEvent(game, GameEvent::Check(gameMs, wall, team + 1, off, false));
                store.AppendEvent(game, GameEvent::Check(gameMs, wall, team + 1, on, true));
            }
        }
        if (stretch == stretches / 2 || stretch == stretches - 2)
            store.AppendEvent(game, GameEvent::Export(gameMs, wall));
    }
    store.EndGame(game, GameEndReason::Reset, wall);
}

namespace {

constexpr int Recorded = 50;

// Copies the games 1..`count` as the games after `first - 1`, a game's two
// hours later each, in one transaction.
bool CopyGames(sqlite3 *db, int first, int count)
{
    const QByteArray sql =
        QStringLiteral("BEGIN;"
                       "INSERT INTO game SELECT id + %1, begun_wall_ms + %1 * 7200000, ended_wall_ms + %1 * 7200000, "
                       "end_reason, regular_periods, period_ms, overtime_ms, team1_lines, team1_checks, team2_lines, "
                       "team2_checks, team1_name, team2_name FROM game WHERE id <= %2;"
                       "INSERT INTO event SELECT game_id + %1, seq, kind, game_ms, wall_ms + %1 * 7200000, arg1, arg2, "
                       "arg3, payload FROM event WHERE game_id <= %2;"
                       "COMMIT")
            .arg(first - 1)
            .arg(count)
            .toUtf8();
    return sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

QString MakeHistory(const QString &path, int games, bool lastRunning)
{
    const int ended = lastRunning ? games - 1 : games;
    {
        GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
        if (!opened.Store)
            return HistoryMessages::Text(opened.Told);
        for (int game = 0; game < std::min(ended, Recorded); ++game)
            RecordGame(*opened.Store, game, false);
    }
    if (ended > Recorded) {
        sqlite3 *db = nullptr;
        bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK;
        for (int count = Recorded; done && count < ended;) {
            const int copies = std::min(count, ended - count);
            done = CopyGames(db, count + 1, copies);
            count += copies;
        }
        if (!done)
            return QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
    }
    if (lastRunning) {
        GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
        if (!opened.Store)
            return HistoryMessages::Text(opened.Told);
        RecordGame(*opened.Store, games - 1, true);
    }
    return {};
}

} // namespace HistoryGames
