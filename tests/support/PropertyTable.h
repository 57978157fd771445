// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A control's properties as one table, a row each: the property's name, the
// value the control has and the value it should have.  Enumerations,
// colours, flags, sizes and counts all compare as numbers, so one kind of
// row serves them all and adding a property is adding a row.

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>

struct PropertyRow
{
    const char *name;
    std::int64_t actual;
    std::int64_t expected;
};

inline void ExpectProperties(std::initializer_list<PropertyRow> rows)
{
    for (const PropertyRow &row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.name;
}
