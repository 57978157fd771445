// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ResetUndo.h"

#include "game/GameControls.h"
#include "rosters/TCheckListBox.h"
#include "timing/ClockCorrection.h"

ResetUndo::ResetUndo(TGameControls &controls, ClockCorrection *correction, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_correction(correction)
{
    connect(&controls, &TGameControls::AboutToReset, this, [this] {
        m_beforeReset = m_controls.Snapshot();
        if (m_correction)
            m_beforeReset->LastStretch = m_correction->LastStretch();
    });
    connect(&controls, &TGameControls::ClockStarted, this, &ResetUndo::Forget);
    for (TeamIndex team = 1; team <= 2; ++team)
        connect(controls.Roster(team), &TCheckListBox::CheckClicked, this, &ResetUndo::Forget);
}

bool ResetUndo::CanTakeBack() const
{
    return m_beforeReset.has_value() && !m_controls.Running();
}

void ResetUndo::TakeBack()
{
    if (!CanTakeBack())
        return;
    const StandingGame game = std::move(*m_beforeReset);
    m_beforeReset.reset();
    m_controls.Restore(game);
    if (m_correction)
        m_correction->SetLastStretch(game.LastStretch);
    emit ResetTakenBack(game.GameMs);
}

void ResetUndo::Forget()
{
    m_beforeReset.reset();
}
