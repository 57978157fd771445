// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "HistoryGames.h"

#include <array>
#include <vector>

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

} // namespace HistoryGames
