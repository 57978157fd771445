// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Brings the time texts of one roster up to date after a refresh of the
// ledger, repainting only what changed: a time text changes once a second,
// the refresh runs five times a second, so most refreshes paint nothing and
// the others paint only the time column of the lines whose second moved on.
// What is painted has the same pixels as a repaint of the whole roster.

#include <array>
#include <cstdint>

#include "timing/PlayingTimeLedger.h"

class TCheckListBox;

class RosterTimeRefresh
{
public:
    // Forgets what the lines show: the next Repaint repaints every timed line.
    // Called when the clock starts, so that only refreshes of one running
    // stretch, in which nothing else changes a time, are compared.
    void Forget() { m_known = false; }

    // Repaints now the time column of the lines whose shown second differs
    // from the one at the previous call.
    void Repaint(TCheckListBox &roster, const PlayingTimeLedger &ledger, TeamIndex team);

private:
    std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam> m_shown{};
    bool m_known = false;
};
