// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Writes a history of full games, every one ended by a RESET, into a new
// database file: the long history that the program's start-up is measured
// with (bench/program-figures.sh).
//
//   quintora_make_history path/games.db [games]     (1000 games by default; 0: an empty history)

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include "HistoryGames.h"

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: quintora_make_history path/games.db [games]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int games = argc == 3 ? std::atoi(argv[2]) : 1000;
    if (QFile::exists(path) || games < 0) {
        std::fprintf(stderr, "quintora_make_history: %s exists or the number of games is negative\n", argv[1]);
        return 2;
    }
    if (const QString problem = HistoryGames::MakeHistory(path, games, false); !problem.isEmpty()) {
        std::fprintf(stderr, "quintora_make_history: %s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
