// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Tells the game history what happens in the window, after it has happened
// on screen: START and PAUSE, check marks, team loads, exports, RESET and a
// RESET taken back, the clock's menu (a period format chosen, a period
// ended, the clock set), and while the clock runs a checkpoint at each
// whole second of game time.  It also hands the export the game report of
// the stored game.  It only queues: the writer stores on its own
// thread.  A write that fails is told to the user once, and never while the
// clock runs: then it waits until the clock next stands.

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "game/GameReport.h"
#include "history/CheckpointSchedule.h"
#include "history/GameRecord.h"
#include "timing/PeriodSchedule.h"

class HistoryWriter;
class GameWindow;

class GameJournal : public QObject
{
    Q_OBJECT
public:
    // Milliseconds since the epoch (UTC); tests put a fixed clock here.
    using WallClock = std::function<std::int64_t()>;
    // Shows a German message to the user.
    using Notice = std::function<void(const QString &message)>;

    GameJournal(GameWindow &form, HistoryWriter &writer, Notice tell, WallClock wallClock, QObject *parent = nullptr);
    ~GameJournal() override;

    // The game on screen is a new one, stored from its first action on.
    void BeginNewGame();
    // The game on screen goes on as the stored game `game`, whose periods
    // lie as `periods` says.  When its clock ran at the end, a PAUSE at the
    // time it now stands at is stored, so the stored game stands as the
    // window does.
    // The playing-time rules in force now are the ones it goes on with.
    void ContinueStoredGame(GameId game, bool wasRunning, const PeriodSchedule &periods,
                            const QString &rulesName = QStringLiteral("Keine Regeln"));

    // What the window shows now, as the history keeps it.
    GameOpening CurrentOpening() const;
    TeamTimes ShownTimes() const;
    // The report of the stored game once everything queued is written;
    // nothing without a store, after a failure, before the first action, or
    // while the clock runs.
    std::optional<GameReport> CurrentReport() const;

private:
    std::int64_t GameMs() const;
    void OnStarted(std::int64_t gameMs);
    void OnPaused();
    // Stores the rules in force when the stored game has others.
    void RecordRulesIfChanged(std::int64_t gameMs);
    void OnReset();
    void OnRefreshed();
    void OnCheckClicked(int team, int line, bool on);
    void OnTeamLoaded(int team);
    void OnFormatChosen(const GameFormat &format);
    void RecordFormat(const GameFormat &format);
    void OnPeriodEndRequested(std::int64_t endMs);
    void OnClockCorrected(std::int64_t deltaMs, std::int64_t newGameMs);
    void OnWriteFailed(const HistoryProblem &problem);
    void TellFailureWhenStanding();

    GameWindow &m_form;
    HistoryWriter &m_writer;
    Notice m_tell;
    WallClock m_wallClock;
    CheckpointSchedule m_checkpoints;
    // Fed by the same actions as the store, for the number of the period under way.
    PeriodSchedule m_periods;
    // A format chosen while the clock ran: stored at the next PAUSE, as
    // every change but a period end happens while the clock stands.
    std::optional<GameFormat> m_formatAtPause;
    // The rules the stored game is played by, as far as it has been told.
    QString m_rulesStored = QStringLiteral("Keine Regeln");
    QString m_failure; // a write failure not yet told
    bool m_failureTold = false;
};
