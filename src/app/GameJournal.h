// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Tells the game history what happens in the window, after it has happened
// on screen: START and PAUSE, check marks, team loads, exports, RESET and a
// RESET taken back, and while the clock runs a checkpoint at each whole
// second of game time.  It only queues: the writer stores on its own
// thread.  A write that fails is told to the user once, and never while the
// clock runs: then it waits until the clock next stands.

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

#include "history/CheckpointSchedule.h"
#include "history/GameRecord.h"

class HistoryWriter;
class TFormMain;

class GameJournal : public QObject
{
    Q_OBJECT
public:
    // Milliseconds since the epoch (UTC); tests put a fixed clock here.
    using WallClock = std::function<std::int64_t()>;
    // Shows a German message to the user.
    using Notice = std::function<void(const QString &message)>;

    GameJournal(TFormMain &form, HistoryWriter &writer, Notice tell, WallClock wallClock, QObject *parent = nullptr);

    // The game on screen is a new one, stored from its first action on.
    void BeginNewGame();
    // The game on screen goes on as the stored game `game`.  When its clock
    // ran at the end, a PAUSE at the time it now stands at is stored, so the
    // stored game stands as the window does.
    void ContinueStoredGame(GameId game, bool wasRunning);

    // What the window shows now, as the history keeps it.
    GameOpening CurrentOpening() const;
    TeamTimes ShownTimes() const;

private:
    std::int64_t GameMs() const;
    void OnStarted(std::int64_t gameMs);
    void OnPaused();
    void OnReset();
    void OnRefreshed();
    void OnCheckClicked(int team, int line, bool on);
    void OnTeamLoaded(int team);
    void OnWriteFailed(const QString &reason);
    void TellFailureWhenStanding();

    TFormMain &m_form;
    HistoryWriter &m_writer;
    Notice m_tell;
    WallClock m_wallClock;
    CheckpointSchedule m_checkpoints;
    QString m_failure; // a write failure not yet told
    bool m_failureTold = false;
};
