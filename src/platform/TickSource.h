// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The millisecond tick counter that game time is measured with: a 32-bit
// count that wraps after 2^32 ms (about 49.7 days).  All differences of
// ticks are taken in uint32_t, modulo 2^32, so a wrap during a game does
// not disturb any time.  Tests hand in a scripted source instead.

#include <cstdint>
#include <functional>

using TickSource = std::function<std::uint32_t()>;

// The system's monotonic clock in milliseconds, truncated to 32 bits.
std::uint32_t SystemTickCount();

inline TickSource SystemTickSource()
{
    return &SystemTickCount;
}
