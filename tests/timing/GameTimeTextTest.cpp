// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/GameTimeText.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct ParseCase
{
    std::string text;
    std::optional<std::int32_t> milliseconds;
};

TEST(GameTimeText, ParsesMinutesAndSecondsAndNothingElse)
{
    const ParseCase cases[] = {
        {"12:34", 754000},        {"00:00", 0},
        {"7:05", 425000},         {"75:10", 4510000}, // minutes above 59: a long game
        {"999:59", 59999000},     {"  12:34\t", 754000}, // blanks around it
        {"012:34", 754000},       {"", std::nullopt},
        {":", std::nullopt},      {"12", std::nullopt},
        {"1234", std::nullopt},   {"12:3", std::nullopt}, // seconds need two digits
        {"12:345", std::nullopt}, {"12:60", std::nullopt},
        {":34", std::nullopt},    {"1000:00", std::nullopt}, // four digits of minutes
        {"-1:00", std::nullopt},  {"+1:00", std::nullopt},
        {"1:2:3", std::nullopt},  {"12 :34", std::nullopt},
        {"12.34", std::nullopt},  {"a2:34", std::nullopt},
        {"١٢:٣٤", std::nullopt}, // digits of another script
    };
    for (const ParseCase &c : cases)
        EXPECT_EQ(GameTimeText::Parse(c.text), c.milliseconds) << '"' << c.text << '"';
}

TEST(GameTimeText, FormatsAsTheClockRoundsWithoutWrappingTheMinutes)
{
    const std::pair<std::int32_t, const char *> cases[] = {
        {0, "00:00"},       {549, "00:00"},     {550, "00:01"},   {425000, "07:05"},    {599550, "10:00"},
        {3599550, "60:00"}, {4510000, "75:10"}, {-1000, "00:00"}, {59999000, "999:59"},
    };
    for (const auto &[ms, text] : cases)
        EXPECT_EQ(GameTimeText::Format(ms), text) << ms;
    EXPECT_EQ(GameTimeText::FormatSeconds(31), "00:31");
    EXPECT_EQ(GameTimeText::FormatSeconds(-5), "00:00");
}

TEST(GameTimeText, WhatIsFormattedParsesBackToTheShownSecond)
{
    for (std::int32_t ms : {0, 999, 1000, 59549, 59550, 754321, 4510000})
        EXPECT_EQ(GameTimeText::Parse(GameTimeText::Format(ms)), (ms + 450) / 1000 * 1000) << ms;
}

} // namespace
