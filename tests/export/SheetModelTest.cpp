// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The sheets as the program's spreadsheet application keeps them: what a
// number shows with its format (for the auto-fit), and the names a sheet
// may have.

#include <gtest/gtest.h>

#include "ExportTestSupport.h"
#include "export/NumberFormat.h"
#include "export/Workbook.h"

namespace {

TEST(NumberFormatDisplay, DatesAndTimesShowAsTheirFormatSays)
{
    struct Case
    {
        double value;
        const char *format;
        const char *shown;
    };
    const Case cases[] = {
        {0, "[h]:mm:ss", "0:00:00"},
        {720130 / 86400000.0, "[h]:mm:ss", "0:12:00"},
        {720500 / 86400000.0, "[h]:mm:ss", "0:12:01"}, // seconds are rounded
        {1.25, "[h]:mm:ss", "30:00:00"}, // hours not cut at a day
        {1.25, "h:mm:ss", "6:00:00"},
        {1.25, "[hh]:mm", "30:00"},
        {46363.8125, "d.m.yyyy hh:mm:ss", "7.12.2026 19:30:00"},
        {46174.5, "dd.mm.yy", "01.06.26"},
        {46363.8125, "hh\"h\"mm", "19h30"},
        {46363.8125, "[Red]d\\.m", "7.12"},
        {0.5, "mm:ss", "00:00"}, // minutes before seconds
        {42, "", "42"},
        {0.25, "General", "0.25"},
        {1234.5, "0.00", "1234.5"}, // a format without dates shows the number
        {-0.5, "[h]:mm:ss", "-12:00:00"},
    };
    for (const Case &each : cases)
        EXPECT_EQ(NumberFormat::Display(each.value, QString::fromUtf8(each.format)), QString::fromUtf8(each.shown))
            << each.format << ' ' << each.value;
}

TEST(SheetModel, AnAutoFitMeasuresNumbersAsTheyAreShown)
{
    Worksheet sheet;
    sheet.SetCell(1, 1, 46363.8125);
    sheet.SetCell(1, 2, 46363.8125);
    sheet.SetCell(1, 3, std::int32_t(7));
    sheet.SetNumberFormat(1, 1, QString::fromLatin1(NumberFormat::DateTime));
    sheet.AutoFitColumns(1, Worksheet::MaxColumns);
    EXPECT_EQ(sheet.ColumnWidths().at(1), 19.0); // "7.12.2026 19:30:00"
    EXPECT_EQ(sheet.ColumnWidths().at(2), 11.0); // "46363.8125"
    EXPECT_EQ(sheet.ColumnWidths().at(3), 2.0);
    // "General" clears a column's format.
    sheet.SetNumberFormat(1, 1, QStringLiteral("General"));
    EXPECT_EQ(sheet.NumberFormatOf(1), QString());
}

TEST(SheetModel, AWorkbookBeginsWithTabelle1AndNumbersItsNewSheets)
{
    Workbook book;
    ASSERT_EQ(book.Count(), 1);
    EXPECT_EQ(book.Sheet(0).Name(), QStringLiteral("Tabelle1"));
    const int second = book.Insert(1);
    const int first = book.Insert(0);
    EXPECT_EQ(book.ActiveIndex(), 0);
    EXPECT_EQ(book.IndexOf(first), 0);
    EXPECT_EQ(book.IndexOf(second), 2);
    EXPECT_EQ(book.Sheet(2).Name(), QStringLiteral("Tabelle2"));
    EXPECT_EQ(book.Sheet(0).Name(), QStringLiteral("Tabelle3"));
    EXPECT_EQ(book.IndexOf(99), -1);
    EXPECT_EQ(book.IndexOfName(QStringLiteral("TABELLE2")), 2);
    book.Activate(7); // no such sheet: the active one stays
    EXPECT_EQ(book.ActiveIndex(), 0);
    EXPECT_TRUE(book.NameProblem(QStringLiteral("Abschnitte"), 0).isEmpty());
    EXPECT_TRUE(book.NameProblem(QString(31, QLatin1Char('x')), 0).isEmpty());
    EXPECT_TRUE(book.NameProblem(QStringLiteral("Tabelle3"), 0).isEmpty()); // its own name
    EXPECT_FALSE(book.NameProblem(QStringLiteral("Tabelle3"), 1).isEmpty());
    EXPECT_FALSE(book.NameProblem(QStringLiteral("x?"), 1).isEmpty());
    EXPECT_FALSE(book.NameProblem(QStringLiteral("x'"), 1).isEmpty());
    EXPECT_TRUE(book.NameProblem(QStringLiteral("Anna's"), 1).isEmpty());
}

} // namespace
