// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/RosterTimeRefresh.h"

#include <algorithm>

#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"

void RosterTimeRefresh::Repaint(TCheckListBox &roster, const PlayingTimeLedger &ledger, TeamIndex team)
{
    // Lines past the ledger's rows show a fixed text.
    const int rows = std::min(roster.Count(), PlayingTimeLedger::RowsPerTeam);
    int first = -1;
    int last = -1;
    for (int row = 0; row < rows; ++row) {
        const std::int32_t shown = ShownTime::Seconds32(ledger.ElapsedOf(team, row));
        if (m_known && shown == m_shown[std::size_t(row)])
            continue;
        m_shown[std::size_t(row)] = shown;
        if (first < 0)
            first = row;
        last = row;
    }
    m_known = true;
    if (first < 0)
        return;
    // One rectangle over the changed lines: the players who went on court
    // together change their seconds together, and unchanged lines in between
    // repaint with the pixels they already have.
    const QRect area = TeamRoster::TimeColumnRect(roster, first, last);
    if (!area.isEmpty())
        roster.viewport()->repaint(area);
}
