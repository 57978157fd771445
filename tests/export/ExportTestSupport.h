// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Rosters and ledgers for the export tests.

#include <QStringList>

#include <map>
#include <ostream>
#include <utility>

#include "support/ScriptedTicks.h"
#include "timing/PlayingTimeLedger.h"

// "  1 Player 1 of team 1", ... : shirt numbers padded to two characters.
inline QStringList Roster(int players, int team)
{
    QStringList lines;
    for (int i = 1; i <= players; ++i)
        lines.append(QStringLiteral("%1 Player %2 of team %3").arg(i, 2).arg(i).arg(team));
    return lines;
}

// Playing times given per (team, row from 0) in milliseconds; every other
// counted row has 0.  Each time comes from one refresh in which only that
// row is on court.
class TimedLedger
{
public:
    TimedLedger(int count1, int count2, const std::map<std::pair<int, int>, std::uint32_t> &times = {})
        : ledger(ticks.Source())
    {
        ledger.SetCount(1, count1);
        ledger.SetCount(2, count2);
        ticks.now = 1000;
        ledger.Start();
        for (const auto &[row, ms] : times) {
            ticks.now = 1000 + ms;
            ledger.RefreshOnCourt(
                [row = row](TeamIndex team, int line) { return team == row.first && line == row.second; }, nullptr);
        }
    }

    ScriptedTicks ticks;
    PlayingTimeLedger ledger;
};

// Readable QStrings in test failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
