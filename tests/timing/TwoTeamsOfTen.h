// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Both teams of ten over a real ledger and a scripted tick source, the first
// five of each on court: the game the ledger's and the correction's tests
// start from.

#include <gtest/gtest.h>
#include <set>
#include <utility>

#include "support/ScriptedTicks.h"
#include "timing/PlayingTimeLedger.h"

class TwoTeamsOfTen : public ::testing::Test
{
protected:
    ScriptedTicks ticks;
    PlayingTimeLedger ledger{ticks.Source()};
    std::set<std::pair<int, int>> onCourt;

    void SetUp() override
    {
        ledger.SetCount(1, 10);
        ledger.SetCount(2, 10);
        for (int team = 1; team <= 2; ++team)
            for (int row = 0; row < 5; ++row)
                onCourt.insert({team, row});
    }
    PlayingTimeLedger::OnCourtQuery Query()
    {
        return [this](int team, int row) { return onCourt.count({team, row}) > 0; };
    }
};
