// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A tick source that tests drive by hand: it returns `now` on every read
// and counts the reads, so a test can set the time and see how often the
// code under test looked at the clock.

#include <cstdint>
#include <deque>

#include "platform/TickSource.h"

class ScriptedTicks
{
public:
    std::uint32_t now = 0;
    int reads = 0;
    // Values to hand out before falling back to `now`, one per read.
    std::deque<std::uint32_t> queued;

    TickSource Source()
    {
        return [this] {
            ++reads;
            if (!queued.empty()) {
                const std::uint32_t value = queued.front();
                queued.pop_front();
                return value;
            }
            return now;
        };
    }
    void Advance(std::uint32_t ms) { now += ms; }
};
