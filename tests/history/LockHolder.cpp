// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Plays a second copy of the program for the instance-lock tests: takes the
// lock in the folder given, prints "held" or "busy: <problem>", and keeps
// the lock until it is killed.

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

#include "game/HistoryMessages.h"
#include "history/InstanceLock.h"

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const InstanceLock lock(QString::fromLocal8Bit(argv[1]));
    const QByteArray answer =
        lock.IsHeld() ? QByteArray("held") : "busy: " + HistoryMessages::Text(lock.Problem()).toUtf8();
    std::printf("%s\n", answer.constData());
    std::fflush(stdout);
    for (;;)
        ::pause();
}
