// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// At start-up: whether the latest stored game is one to offer for
// continuing, and the German question to ask about it.  A game is offered
// when it was neither ended by a RESET nor given up ("Neues Spiel") and
// its clock had run; one that cannot be read back whole is refused with a
// message instead.

#include "game/GameReplay.h"

class GameHistoryStore;

struct RecoveryCandidate
{
    enum class Outcome {
        Nothing, // no stored game, the latest is ended, or its clock never ran
        Offer, // ask RecoveryQuestion; Game holds what "Fortsetzen" brings back
        Refused, // Message says why it cannot be brought back
    };
    Outcome Result = Outcome::Nothing;
    RecoveredGame Game;
    QString Message;
    // The latest game when it is open (also for Nothing and Refused), so that
    // the caller can end it (GameEndReason::NewGame) when it does not go on.
    std::optional<GameId> OpenGame;
};

RecoveryCandidate FindGameToRecover(GameHistoryStore &store);

// "Das letzte Spiel wurde nicht beendet (Spielzeit 23:41, zuletzt gesichert
// am 8.12.2026 um 19:42). Spiel fortsetzen?" with the game time as the
// clock shows it (whole seconds from 550 ms on, minutes not cut at 60) and
// the last saved wall time in local time.
QString RecoveryQuestion(const RecoveredGame &game);
