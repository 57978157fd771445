// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Where the periods lie: the format's boundaries, periods ended by the
// bench, and format changes during the game.

#include "timing/PeriodSchedule.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

constexpr std::int64_t Minute = 60000;
constexpr std::int64_t Open = SchedulePeriod::OpenEnd;

struct Bounds
{
    std::string Label;
    std::int64_t Begin;
    std::int64_t End;
    bool operator==(const Bounds &) const = default;
};

void PrintTo(const Bounds &bounds, std::ostream *out)
{
    *out << bounds.Label << " [" << bounds.Begin << ", " << bounds.End << ")";
}

std::vector<Bounds> BoundsBefore(const PeriodSchedule &schedule, std::int64_t gameMs)
{
    std::vector<Bounds> result;
    const auto periods = schedule.PeriodsBefore(gameMs);
    if (!periods)
        return result;
    int number = 0;
    for (const SchedulePeriod &period : *periods) {
        EXPECT_EQ(period.Number, ++number);
        result.push_back({PeriodLabel(period).toStdString(), period.BeginMs, period.EndMs});
    }
    return result;
}

TEST(PeriodSchedule, RegularPeriodsFollowEachOtherThenOvertimes)
{
    const PeriodSchedule schedule;
    EXPECT_EQ(BoundsBefore(schedule, 0), (std::vector<Bounds>{{"1. Abschnitt", 0, 10 * Minute}}));
    // A period begins only after its start: at 10:00 the first is still the last begun.
    EXPECT_EQ(BoundsBefore(schedule, 10 * Minute).size(), 1u);
    EXPECT_EQ(BoundsBefore(schedule, 10 * Minute + 1).size(), 2u);
    EXPECT_EQ(BoundsBefore(schedule, 46 * Minute),
              (std::vector<Bounds>{{"1. Abschnitt", 0, 10 * Minute},
                                   {"2. Abschnitt", 10 * Minute, 20 * Minute},
                                   {"3. Abschnitt", 20 * Minute, 30 * Minute},
                                   {"4. Abschnitt", 30 * Minute, 40 * Minute},
                                   {"Verlängerung 1", 40 * Minute, 45 * Minute},
                                   {"Verlängerung 2", 45 * Minute, 50 * Minute}}));
    EXPECT_EQ(schedule.PeriodUnderWay(10 * Minute)->Number, 1);
    EXPECT_EQ(schedule.PeriodUnderWay(10 * Minute + 1)->Number, 2);
    EXPECT_TRUE(schedule.PeriodUnderWay(45 * Minute)->Overtime);
}

struct Step
{
    enum Kind { End, Format } kind;
    int period; // End
    GameFormat format; // Format
    std::int64_t gameMs;
};

struct ScheduleCase
{
    const char *name;
    GameFormat format;
    std::vector<Step> steps;
    std::int64_t before;
    std::vector<Bounds> expected;
};

TEST(PeriodSchedule, EndsByTheBenchAndFormatChangesMoveOnlyLaterBoundaries)
{
    const GameFormat fourTimesTen;
    const GameFormat fourTimesTwelve{4, 12 * Minute, 5 * Minute};
    const GameFormat eightTimesFive{8, 5 * Minute, 5 * Minute};
    const ScheduleCase cases[] = {
        {"the bench's clock is slow: the first period ends before 10:00",
         fourTimesTen,
         {{Step::End, 1, {}, 598000}},
         20 * Minute,
         {{"1. Abschnitt", 0, 598000}, {"2. Abschnitt", 598000, 1198000}, {"3. Abschnitt", 1198000, 1798000}}},
        {"the bench's clock is fast: the first period ends after 10:00, no second period in between",
         fourTimesTen,
         {{Step::End, 1, {}, 600400}},
         12 * Minute,
         {{"1. Abschnitt", 0, 600400}, {"2. Abschnitt", 600400, 1200400}}},
        {"the period under way named: the second period ends 0.4 s after it began",
         fourTimesTen,
         {{Step::End, 2, {}, 600400}},
         12 * Minute,
         {{"1. Abschnitt", 0, 10 * Minute}, {"2. Abschnitt", 10 * Minute, 600400}, {"3. Abschnitt", 600400, 1200400}}},
        {"a period not begun yet: the period under way ends",
         fourTimesTen,
         {{Step::End, 3, {}, 5 * Minute}},
         6 * Minute,
         {{"1. Abschnitt", 0, 5 * Minute}, {"2. Abschnitt", 5 * Minute, 15 * Minute}}},
        {"ended exactly at its boundary, twice: nothing moves",
         fourTimesTen,
         {{Step::End, 1, {}, 10 * Minute}, {Step::End, 2, {}, 10 * Minute}},
         21 * Minute,
         {{"1. Abschnitt", 0, 10 * Minute},
          {"2. Abschnitt", 10 * Minute, 20 * Minute},
          {"3. Abschnitt", 20 * Minute, 30 * Minute}}},
        {"at game time 0 nothing has begun",
         fourTimesTen,
         {{Step::End, 1, {}, 0}},
         1,
         {{"1. Abschnitt", 0, 10 * Minute}}},
        {"the last regular period ended early: the overtime follows at once",
         fourTimesTen,
         {{Step::End, 4, {}, 39 * Minute}},
         39 * Minute + 1,
         {{"1. Abschnitt", 0, 10 * Minute},
          {"2. Abschnitt", 10 * Minute, 20 * Minute},
          {"3. Abschnitt", 20 * Minute, 30 * Minute},
          {"4. Abschnitt", 30 * Minute, 39 * Minute},
          {"Verlängerung 1", 39 * Minute, 44 * Minute}}},
        {"longer periods from 15:00: the passed boundary stays",
         fourTimesTen,
         {{Step::Format, 0, fourTimesTwelve, 15 * Minute}},
         23 * Minute,
         {{"1. Abschnitt", 0, 10 * Minute},
          {"2. Abschnitt", 10 * Minute, 22 * Minute},
          {"3. Abschnitt", 22 * Minute, 34 * Minute}}},
        {"shorter periods from 15:00: the second ends just then",
         fourTimesTen,
         {{Step::Format, 0, eightTimesFive, 15 * Minute}},
         16 * Minute,
         {{"1. Abschnitt", 0, 10 * Minute},
          {"2. Abschnitt", 10 * Minute, 15 * Minute},
          {"3. Abschnitt", 15 * Minute, 20 * Minute}}},
        {"a format chosen before the game",
         fourTimesTen,
         {{Step::Format, 0, eightTimesFive, 0}},
         6 * Minute,
         {{"1. Abschnitt", 0, 5 * Minute}, {"2. Abschnitt", 5 * Minute, 10 * Minute}}},
        {"a format change after a period ended by the bench counts from that end",
         fourTimesTen,
         {{Step::End, 1, {}, 598000}, {Step::Format, 0, fourTimesTwelve, 11 * Minute}},
         11 * Minute,
         {{"1. Abschnitt", 0, 598000}, {"2. Abschnitt", 598000, 598000 + 12 * Minute}}},
        {"fewer regular periods than already played: overtimes follow",
         eightTimesFive,
         {{Step::Format, 0, fourTimesTen, 25 * Minute}},
         26 * Minute,
         {{"1. Abschnitt", 0, 5 * Minute},
          {"2. Abschnitt", 5 * Minute, 10 * Minute},
          {"3. Abschnitt", 10 * Minute, 15 * Minute},
          {"4. Abschnitt", 15 * Minute, 20 * Minute},
          {"5. Abschnitt", 20 * Minute, 25 * Minute},
          {"Verlängerung 1", 25 * Minute, 30 * Minute}}},
        {"without an overtime length the overtime lasts until the bench ends it",
         GameFormat{2, 10 * Minute, 0},
         {{Step::End, 3, {}, 27 * Minute}},
         500 * Minute,
         {{"1. Abschnitt", 0, 10 * Minute},
          {"2. Abschnitt", 10 * Minute, 20 * Minute},
          {"Verlängerung 1", 20 * Minute, 27 * Minute},
          {"Verlängerung 2", 27 * Minute, Open}}},
    };
    for (const ScheduleCase &each : cases) {
        PeriodSchedule schedule(each.format);
        for (const Step &step : each.steps) {
            if (step.kind == Step::End)
                EXPECT_TRUE(schedule.EndPeriod(step.period, step.gameMs)) << each.name;
            else
                EXPECT_TRUE(schedule.ChangeFormat(step.format, step.gameMs)) << each.name;
        }
        EXPECT_EQ(BoundsBefore(schedule, each.before), each.expected) << each.name;
    }
}

TEST(PeriodSchedule, AFormatOfMillisecondPeriodsIsRefusedNotWalkedForever)
{
    PeriodSchedule schedule(GameFormat{1, 1, 1});
    EXPECT_TRUE(schedule.PeriodsBefore(PeriodSchedule::MaxPeriods));
    EXPECT_FALSE(schedule.PeriodsBefore(PeriodSchedule::MaxPeriods + 1));
    EXPECT_FALSE(schedule.PeriodUnderWay(60 * Minute));
    EXPECT_FALSE(schedule.EndPeriod(1, 60 * Minute));
    EXPECT_FALSE(schedule.ChangeFormat(GameFormat{}, 60 * Minute));
    // Nothing changed: the same question gives the same answer.
    EXPECT_EQ(schedule.PeriodsBefore(10)->size(), 10u);
}

} // namespace

TEST(PeriodSchedule, PeriodNamesUseTheWordOfTheFormat)
{
    struct Row
    {
        int RegularPeriods;
        std::int64_t AtMs;
        const char *Name;
    };
    for (const Row &row : {Row{4, 25 * Minute, "3. Viertel"}, Row{8, 6 * Minute, "2. Achtel"},
                           Row{2, 1, "1. Abschnitt"}, Row{4, 41 * Minute, "Verlängerung 1"}}) {
        const GameFormat format{row.RegularPeriods, row.RegularPeriods == 8 ? 5 * Minute : 10 * Minute,
                                5 * Minute};
        const auto period = PeriodSchedule(format).PeriodUnderWay(row.AtMs);
        ASSERT_TRUE(period);
        EXPECT_EQ(PeriodName(*period, format).toStdString(), row.Name) << row.RegularPeriods << " at " << row.AtMs;
    }
}
