// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Which cell texts the spreadsheet keeps as times of day.

#include "export/SheetTime.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(SheetTime, OnlyTextsThatReadAsTimesBecomeTimes)
{
    EXPECT_EQ(SheetTime::Seconds(u"0:00:00"), 0);
    EXPECT_EQ(SheetTime::Seconds(u"0:05:07"), 307);
    EXPECT_EQ(SheetTime::Seconds(u"23:59:59"), 86399);
    EXPECT_EQ(SheetTime::Seconds(u"12:30:00"), 45000);
    for (const char16_t *text : {u"--:--", u"24:00:00", u"05:07:00", u"0:5:07", u"0:60:00", u"0:00:60", u"0:05:07 ",
                                 u" 0:05:07", u"05:07", u"a:bc:de", u"", u"0:05:0x"})
        EXPECT_FALSE(SheetTime::Seconds(text)) << QString::fromUtf16(text).toStdString();
}

} // namespace
