// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// RESET taken back: the game as it stood just before the last RESET is kept
// in memory, and Ctrl+Z brings it back while the clock stands, as long as
// nothing has happened to the new game since (no START, no check mark
// changed, no team loaded; an export changes nothing).  Works without any
// stored history.  The last stretch that a clock set by hand moves comes
// back with the game.

#include <QObject>

#include <cstdint>
#include <optional>

#include "game/StandingGame.h"

class ClockCorrection;
class TCheckListBox;
class TGameControls;

class ResetUndo : public QObject
{
    Q_OBJECT
public:
    // `correction` (may be null) is the clock's, whose last stretch a RESET forgets.
    ResetUndo(TGameControls &controls, ClockCorrection *correction, QObject *parent = nullptr);

    // Whether Ctrl+Z would bring a game back now.
    bool CanTakeBack() const;

public slots:
    // Brings back the game the last RESET ended, if that is still possible.
    void TakeBack();
    // Something happened to the new game: the RESET can no longer be taken back.
    void Forget();

signals:
    // After the game is back on screen, standing at `gameMs`.
    void ResetTakenBack(std::int64_t gameMs);

private:
    TGameControls &m_controls;
    ClockCorrection *m_correction;
    std::optional<StandingGame> m_beforeReset;
};
