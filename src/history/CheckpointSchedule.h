// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// When a running game saves its next checkpoint: at the first look after
// each whole second of game time.  Looked at from the 200 ms refresh, so a
// standing clock costs nothing.

#include <cstdint>

class CheckpointSchedule
{
public:
    // At START (and after anything that sets the game time): the second
    // under way needs no checkpoint, the next whole second does.
    void Restart(std::int64_t gameMs) { m_lastSecond = gameMs / 1000; }
    // Whether a checkpoint is due at `gameMs`; true once per whole second.
    bool IsDue(std::int64_t gameMs)
    {
        const std::int64_t second = gameMs / 1000;
        if (second <= m_lastSecond)
            return false;
        m_lastSecond = second;
        return true;
    }

private:
    std::int64_t m_lastSecond = 0;
};
