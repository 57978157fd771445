// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The one rule for the second at which a game time or a playing time is
// shown: 450 ms are added before whole seconds are taken, so a fraction
// counts as a whole second from 550 ms on.  The clock's digits, the rosters'
// times, the time offered and typed in the clock's dialog, a period ended by
// hand, the recovery question and the report's cells all round through
// here, so that none of them is ever a second off another.

#include <cstdint>
#include <vector>

namespace ShownTime {

inline constexpr std::int32_t RoundingMs = 450;

// Whole seconds shown for a time.  Division truncates toward zero, as the
// clock's does, so anything from -1 449 ms to 549 ms shows 0.
constexpr std::int64_t Seconds(std::int64_t milliseconds)
{
    return (milliseconds + RoundingMs) / 1000;
}

// The shown time in milliseconds: a whole number of seconds.
constexpr std::int64_t Ms(std::int64_t milliseconds)
{
    return Seconds(milliseconds) * 1000;
}

// The same for the clock's and the ledger's 32-bit times: the addition
// wraps like their tick arithmetic instead of overflowing.
constexpr std::int32_t Seconds32(std::int32_t milliseconds)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds) + std::uint32_t(RoundingMs)) / 1000;
}

// Parts of a time (its periods, its spells) in whole shown seconds that add
// up to the whole as shown: each part gets what it adds to the running sum
// as shown, so the rounding is carried instead of lost or counted twice.
std::vector<std::int64_t> CarriedParts(const std::vector<std::int64_t> &partsMs);

} // namespace ShownTime
