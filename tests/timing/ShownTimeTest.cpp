// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/ShownTime.h"

#include <gtest/gtest.h>

#include "timing/GameTimeText.h"
#include "timing/PlayingTimeLedger.h"

namespace {

// The second a time shows at, and the texts that show it: the roster's
// (minutes wrap at 60) and the clock dialog's (they do not).
TEST(ShownTime, EveryTimeTextTurnsItsSecondAt550Milliseconds)
{
    struct Case
    {
        std::int64_t ms;
        std::int64_t seconds;
        const char *playTime;
        const char *gameTime;
    };
    const Case cases[] = {
        {0, 0, " 0:00", "00:00"},          {549, 0, " 0:00", "00:00"},        {550, 1, " 0:01", "00:01"},
        {1549, 1, " 0:01", "00:01"},       {599549, 599, " 9:59", "09:59"},   {599550, 600, "10:00", "10:00"},
        {3599549, 3599, "59:59", "59:59"}, {3599550, 3600, " 0:00", "60:00"}, {-1000, 0, " 0:00", "00:00"},
    };
    for (const Case &each : cases) {
        EXPECT_EQ(ShownTime::Seconds(each.ms), each.seconds) << each.ms;
        EXPECT_EQ(ShownTime::Ms(each.ms), each.seconds * 1000) << each.ms;
        EXPECT_EQ(ShownTime::Seconds32(std::int32_t(each.ms)), each.seconds) << each.ms;
        EXPECT_EQ(FormatPlayTime(std::int32_t(each.ms)), each.playTime) << each.ms;
        EXPECT_EQ(GameTimeText::Format(std::int32_t(each.ms)), each.gameTime) << each.ms;
    }
    // The 32-bit form wraps as the clock's tick arithmetic does.
    EXPECT_EQ(ShownTime::Seconds32(INT32_MAX), (INT32_MIN + 449) / 1000);
}

// A line's parts in whole seconds add up to its total as shown.
TEST(ShownTime, CarriedPartsAddUpToTheShownWhole)
{
    using Ms = std::vector<std::int64_t>;
    const std::pair<Ms, Ms> cases[] = {
        {{599891, 120109}, {600000, 120000}},
        {{599831, 3687}, {600000, 3000}},
        {{999, 999, 999}, {1000, 1000, 1000}},
        {{1000, 0, 2500}, {1000, 0, 2000}},
        {{549, 1}, {0, 1000}},
        {{}, {}},
    };
    for (const auto &[parts, whole] : cases)
        EXPECT_EQ(ShownTime::CarriedParts(parts), whole) << parts.size();
}

} // namespace
