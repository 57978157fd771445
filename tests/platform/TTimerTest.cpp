// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TTimer.h"

#include <gtest/gtest.h>

namespace {

TEST(TTimer, EnabledStartsAndStopsTheTimer)
{
    TTimer timer;
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(timer.isActive());
    timer.SetInterval(200);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 200);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.isActive());
}

TEST(TTimer, AStartThePlatformRefusesIsReportedAfterEnabledIsSet)
{
    TTimer timer;
    timer.SetInterval(200);
    timer.SimulateNoTimersAvailable(true);
    try {
        timer.SetEnabled(true);
        FAIL() << "no error reported";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "Not enough timers available");
    }
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.isActive());
    // Switching off again works and reports nothing.
    EXPECT_NO_THROW(timer.SetEnabled(false));
}

} // namespace
