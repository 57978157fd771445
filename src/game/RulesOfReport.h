// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A stored game as the playing-time rules judge it: the regular periods of
// its report, and for every roster line its time in each and its spells on
// court (RulesJudge).

#include "game/GameReport.h"
#include "timing/RulesJudge.h"

RulesGame RulesGameOf(const GameReport &report);
