// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The rules a game is played by: how many regular periods of what length,
// and how long an overtime lasts (0: until the bench ends it).  Stored with
// every game and kept in the settings; the game report divides a game into
// periods by it.  Plain values.

#include <cstdint>

struct GameFormat
{
    int RegularPeriods = 4;
    std::int64_t PeriodMs = 600000;
    std::int64_t OvertimeMs = 300000;

    bool operator==(const GameFormat &) const = default;
};
