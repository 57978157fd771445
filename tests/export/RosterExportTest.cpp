// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The texts that the export writes: the time column and the row text that
// the split turns into the two cells.

#include "export/RosterExport.h"

#include <gtest/gtest.h>

#include "ExportTestSupport.h"
#include "export/DelimitedText.h"

namespace {

QString TimeOf(std::uint32_t ms)
{
    TimedLedger times(1, 0, {{{1, 0}, ms}});
    EXPECT_EQ(times.ledger.ElapsedOf(1, 0), static_cast<std::int32_t>(ms));
    return RosterExport::TimeCellText(times.ledger, 1, 0);
}

TEST(RosterExportTimes, ColumnTwoIsZeroHoursThenMinutesAndSecondsOfTheRosterTime)
{
    EXPECT_EQ(TimeOf(0), QStringLiteral("0:00:00"));
    EXPECT_EQ(TimeOf(306550), QStringLiteral("0:05:07"));
    EXPECT_EQ(TimeOf(306549), QStringLiteral("0:05:06"));
    EXPECT_EQ(TimeOf(754000), QStringLiteral("0:12:34"));
    EXPECT_EQ(TimeOf(599550), QStringLiteral("0:10:00"));
    // Whole hours are dropped as on the roster: 61 min 2 s.
    EXPECT_EQ(TimeOf(3662000), QStringLiteral("0:01:02"));
}

TEST(RosterExportTimes, LinesPastTheFiftiethGetNoTime)
{
    TimedLedger times(60, 60);
    EXPECT_EQ(RosterExport::TimeCellText(times.ledger, 1, 49), QStringLiteral("0:00:00"));
    EXPECT_EQ(RosterExport::TimeCellText(times.ledger, 1, 50), QStringLiteral("--:--"));
    EXPECT_EQ(RosterExport::TimeCellText(times.ledger, 2, 59), QStringLiteral("--:--"));
}

TEST(RosterExportRowText, SplitsIntoTheRosterLineAndTheTime)
{
    const QString lines[] = {
        QStringLiteral(" 7 Meier"),
        QStringLiteral("12 Schulze,  Kai "),
        QString(),
        QStringLiteral("   "),
        QStringLiteral("5 Hans \"Hansi\" Meier"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("\""),
        QStringLiteral("a\",0:99:99"),
        QStringLiteral("\t9 Tab"),
        QStringLiteral("8 K\u00f6rber \U0001F3C0"),
    };
    for (const QString &line : lines) {
        const QString rowText = RosterExport::RowText(line, QStringLiteral("0:05:07"));
        EXPECT_EQ(DelimitedText::Split(rowText), QStringList({line, QStringLiteral("0:05:07")}))
            << rowText.toStdString();
    }
    EXPECT_EQ(RosterExport::RowText(QStringLiteral(" 7 Meier"), QStringLiteral("0:05:07")),
              QStringLiteral("\" 7 Meier\",0:05:07"));
    EXPECT_EQ(DelimitedText::Split(RosterExport::RowText(QStringLiteral("9"), QStringLiteral("--:--"))),
              QStringList({QStringLiteral("9"), QStringLiteral("--:--")}));
}

} // namespace
