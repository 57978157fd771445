// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameRecovery.h"

#include <QCoreApplication>
#include <QDateTime>

#include "game/HistoryMessages.h"
#include "history/GameHistoryStore.h"
#include "timing/ShownTime.h"

RecoveryCandidate FindGameToRecover(GameHistoryStore &store)
{
    RecoveryCandidate candidate;
    const HistoryResult<std::optional<GameSummary>> latest = store.LatestGame();
    if (!latest) {
        candidate.Result = RecoveryCandidate::Outcome::Refused;
        candidate.Message = HistoryMessages::Text(latest.Problem);
        return candidate;
    }
    if (!latest.Value->has_value() || !(*latest.Value)->IsOpen())
        return candidate;
    candidate.OpenGame = (*latest.Value)->Id;

    const HistoryResult<StoredGame> stored = store.LoadGame(*candidate.OpenGame);
    if (!stored) {
        candidate.Result = RecoveryCandidate::Outcome::Refused;
        candidate.Message = HistoryMessages::Text(stored.Problem);
        return candidate;
    }
    GameResult<RecoveredGame> recovered = GameReplay::Replay(*stored.Value);
    if (!recovered) {
        candidate.Result = RecoveryCandidate::Outcome::Refused;
        candidate.Message = recovered.Error;
        return candidate;
    }
    // A game whose clock was started is offered, even one killed before its
    // first checkpoint: its line-up is worth having back.
    if (!recovered.Value->LastStretch)
        return candidate;
    candidate.Result = RecoveryCandidate::Outcome::Offer;
    candidate.Game = std::move(*recovered.Value);
    return candidate;
}

QString RecoveryQuestion(const RecoveredGame &game)
{
    // The time the recovered clock will show.
    const std::int64_t seconds = ShownTime::Seconds(game.ShownGameMs);
    const QDateTime saved = QDateTime::fromMSecsSinceEpoch(game.LastSavedWallMs).toLocalTime();
    return QCoreApplication::translate("GameRecovery",
                                       "Das letzte Spiel wurde nicht beendet (Spielzeit %1:%2, zuletzt gesichert am "
                                       "%3 um %4). Spiel fortsetzen?")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(saved.toString(QStringLiteral("d.M.yyyy")), saved.toString(QStringLiteral("HH:mm")));
}
