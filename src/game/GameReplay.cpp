// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameReplay.h"

#include <QCoreApplication>

namespace GameReplay {

namespace {

// The running stretch at the end of a game that was not paused: its
// latest checkpoint, if it was taken in that stretch, says how far it got.
QString TakeRunningStretch(const StoredGame &game, GameEventReader &reader)
{
    const std::int64_t lastSequence = game.Events.back().Sequence;
    const std::optional<GameCheckpoint> &checkpoint = game.Checkpoint;
    if (checkpoint && (checkpoint->AfterSequence < 1 || checkpoint->AfterSequence > lastSequence))
        return QCoreApplication::translate("GameReplay", "der Sicherungspunkt gehört zu keiner gespeicherten Aktion");
    if (!reader.Running())
        return {};
    // A checkpoint from an earlier stretch is older than the last START: the running stretch then counts nothing.
    if (!checkpoint || checkpoint->AfterSequence < reader.LastStartSequence())
        return {};
    return reader.TakeCheckpoint(*checkpoint);
}

RecoveredGame Recovered(const StoredGame &game, const GameEventReader &reader)
{
    RecoveredGame result;
    result.Id = game.Summary.Id;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        RecoveredTeam &recovered = result.Teams[GameEventReader::Slot(team)];
        recovered.Lines = reader.Lines(team);
        recovered.Checked = reader.Checked(team);
        recovered.Name = reader.TeamFileName(team);
        recovered.Elapsed = reader.Shown(team);
    }
    result.Periods = reader.Periods();
    result.Format = result.Periods.Format();
    result.GameMs = reader.ClockMs();
    result.WasRunning = reader.Running();
    // A game stopped by a crash shows where it stopped, as the players do.
    result.ShownGameMs = result.WasRunning ? result.GameMs : reader.ShownClockMs();
    result.LastSavedWallMs = reader.LastWallMs();
    result.PeriodsEnded = reader.PeriodsEnded();
    result.RulesName = reader.RulesName();
    if (result.WasRunning) {
        // Check marks stay while the clock runs: the running stretch's players are the ones checked now.
        RecoveredStretch running{reader.LastStartGameMs(), reader.LastStartShownMs(), {}};
        for (int team = 1; team <= HistoryTeamCount; ++team)
            running.OnCourt[GameEventReader::Slot(team)] = reader.Checked(team);
        result.LastStretch = std::move(running);
    } else if (reader.LastStretchOnCourt()) {
        result.LastStretch = RecoveredStretch{reader.LastStretchStartMs(), reader.LastStretchStartShownMs(),
                                              *reader.LastStretchOnCourt()};
    }
    return result;
}

} // namespace

GameResult<RecoveredGame> Replay(const StoredGame &game)
{
    GameEventReader reader(game);
    QString problem = reader.Read();
    if (problem.isEmpty() && game.Events.empty())
        problem = QCoreApplication::translate("GameReplay", "es enthält keine Aktion");
    if (problem.isEmpty())
        problem = TakeRunningStretch(game, reader);
    if (!problem.isEmpty())
        return GameResult<RecoveredGame>::Failure(
            QCoreApplication::translate("GameReplay", "Das gespeicherte Spiel kann nicht wiederhergestellt werden: %1.")
                .arg(problem));
    return GameResult<RecoveredGame>::Of(Recovered(game, reader));
}

} // namespace GameReplay
