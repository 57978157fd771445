// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/ClockCorrection.h"

#include <algorithm>

void ClockCorrection::StretchEnded(const PlayingTimeLedger &ledger, const PlayingTimeLedger::OnCourtQuery &isOnCourt)
{
    Stretch stretch;
    stretch.StartGameMs = m_startGameMs;
    stretch.StartShownMs = m_startShownMs;
    for (TeamIndex team = 1; team <= 2; ++team) {
        // The rows the ledger walked at this pause; a checked line past them has no time.
        const int rows = std::clamp(ledger.Count(team), 0, PlayingTimeLedger::RowsPerTeam);
        for (int row = 0; row < rows; ++row)
            stretch.OnCourt[team - 1][row] = isOnCourt(team, row);
    }
    m_lastStretch = stretch;
}

bool ClockCorrection::Follows(TeamIndex team, int row) const
{
    return m_lastStretch && PlayingTimeLedger::IsTimed(team, row) && m_lastStretch->OnCourt[team - 1][row];
}

bool ClockCorrection::AnyoneInLastStretch() const
{
    if (!m_lastStretch)
        return false;
    return std::any_of(m_lastStretch->OnCourt.begin(), m_lastStretch->OnCourt.end(),
                       [](const auto &team) { return std::find(team.begin(), team.end(), true) != team.end(); });
}

std::int64_t ClockCorrection::EarliestGameTime() const
{
    return AnyoneInLastStretch() ? std::max<std::int64_t>(0, m_lastStretch->StartGameMs) : 0;
}

std::int64_t ClockCorrection::EarliestShownTime() const
{
    return AnyoneInLastStretch() ? std::max<std::int64_t>(0, ShownTime::Ms(m_lastStretch->StartShownMs)) : 0;
}

std::int64_t ClockCorrection::Admitted(std::int64_t typedMs) const
{
    const std::int64_t earliest = EarliestGameTime();
    return typedMs < earliest && typedMs >= EarliestShownTime() ? earliest : typedMs;
}

ClockCorrection::Outcome ClockCorrection::Check(std::int64_t oldGameMs, std::int64_t newGameMs) const
{
    if (newGameMs < 0)
        return Outcome::BelowZero;
    if (newGameMs == oldGameMs)
        return Outcome::Unchanged;
    // Only a clock set back can take anyone below the stretch's start.
    if (newGameMs < oldGameMs && newGameMs < EarliestGameTime())
        return Outcome::BelowStretchStart;
    return Outcome::Applied;
}

ClockCorrection::Outcome ClockCorrection::Apply(PlayingTimeLedger &ledger, std::int32_t oldGameMs,
                                                std::int32_t newGameMs) const
{
    const Outcome outcome = Check(oldGameMs, newGameMs);
    if (outcome != Outcome::Applied)
        return outcome;
    const auto delta = static_cast<std::int32_t>(std::int64_t(newGameMs) - oldGameMs);
    for (TeamIndex team = 1; team <= 2; ++team) {
        for (int row = 0; row < PlayingTimeLedger::RowsPerTeam; ++row) {
            if (Follows(team, row))
                ledger.AdjustElapsed(team, row,
                                     static_cast<std::int32_t>(
                                         std::max<std::int64_t>(delta, -std::int64_t(ledger.ElapsedOf(team, row)))));
        }
    }
    return outcome;
}
