// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>

#include <benchmark/benchmark.h>

#include "display/HallDisplay.h"

namespace {

// What the hall display does each second of a running clock on a projector
// of 1920 x 1080 with the players shown: the ones of seconds and all ten
// times on court turn, and the parts that changed are painted again.  The
// clock's other refreshes in that second change nothing and paint nothing.
void BM_HallDisplaySecond1920x1080(benchmark::State &state)
{
    HallDisplay display;
    display.SetShowsPlayers(true);
    display.resize(1920, 1080);
    display.show();
    HallBoard board;
    board.Period = QStringLiteral("2. Viertel");
    const QStringList names{QStringLiteral("4 Tom Wagner"), QStringLiteral("5 Jens Richter"),
                            QStringLiteral("6 Kai Neumann"), QStringLiteral("7 Ben Schulz"),
                            QStringLiteral("8 Lars Becker")};
    QApplication::processEvents();
    int second = 0;
    for (auto _ : state) {
        ++second;
        board.Digits = {1, (second / 60) % 10, (second / 10) % 6, second % 10};
        const QString time = QStringLiteral("%1:%2").arg(second / 60).arg(second % 60, 2, 10, QLatin1Char('0'));
        for (auto &team : board.OnCourt) {
            team.clear();
            for (const QString &name : names)
                team.push_back({name, time});
        }
        display.SetBoard(board);
        for (int refresh = 0; refresh < 4; ++refresh)
            display.SetBoard(board);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HallDisplaySecond1920x1080);

} // namespace
