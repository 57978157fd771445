// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameFormatSetting.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include "GameFormatPrint.h"
#include "app/WindowGeometryStore.h"
#include "support/TempSettings.h"

namespace {

const QString App = QStringLiteral("FormatTest");
const GameFormat Default{};

TEST(GameFormatSetting, NothingStoredReadsAsTheDefaultAndCreatesNoFile)
{
    TempSettings settings;
    EXPECT_EQ(GameFormatSetting(App).Read(), (GameFormat{4, 600000, 300000}));
    EXPECT_FALSE(QFile::exists(settings.FileOf(App)));
}

TEST(GameFormatSetting, WrittenBesideTheGeometryAndReadBack)
{
    TempSettings settings;
    ASSERT_TRUE(WindowGeometryStore(App).Write(QRect(10, 20, 900, 500)));
    const GameFormat youth{8, 300000, 180000};
    ASSERT_TRUE(GameFormatSetting(App).Write(youth));
    EXPECT_EQ(GameFormatSetting(App).Read(), youth);
    const WindowGeometryStore::Restored geometry = WindowGeometryStore(App).Read();
    ASSERT_TRUE(geometry.hasHeight);
    EXPECT_EQ(QRect(geometry.left, geometry.top, geometry.width, geometry.height), QRect(10, 20, 900, 500));
    QFile file(settings.FileOf(App));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Periods=8\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("PeriodMinutes=5\n"));
    EXPECT_TRUE(text.contains("OvertimeMinutes=3\n"));
}

TEST(GameFormatSetting, EachBadValueReadsAsItsDefault)
{
    struct Case
    {
        const char *stored;
        GameFormat format;
    };
    const Case cases[] = {
        {"Periods=6\nPeriodMinutes=7\nOvertimeMinutes=2\n", {6, 420000, 120000}},
        {"Periods=abc\nPeriodMinutes=12\n", {4, 720000, 300000}},
        {"Periods=0\n", Default},
        {"Periods=21\n", Default},
        {"Periods=20\n", {20, 600000, 300000}},
        {"PeriodMinutes=12.5\n", Default},
        {"PeriodMinutes=61\nOvertimeMinutes=60\n", {4, 600000, 3600000}},
        {"OvertimeMinutes=-3\n", Default},
        {"PeriodMinutes=99999999999\n", Default},
        {"Periods= 8 \n", {8, 600000, 300000}},
        {"\x01\x02 garbage [[[ = = \n", Default},
    };
    TempSettings settings;
    int run = 0;
    for (const Case &c : cases) {
        // A settings name of its own for each case: QSettings may keep a file it read within the same second.
        const QString name = App + QString::number(++run);
        settings.Write(name, QStringLiteral("[General]\n") + QString::fromLatin1(c.stored));
        EXPECT_EQ(GameFormatSetting(name).Read(), c.format) << c.stored;
    }
}

TEST(GameFormatSetting, OnlyWholeMinutesInRangeAreWritten)
{
    TempSettings settings;
    const GameFormat unstorable[] = {
        {4, 90000, 300000}, {0, 600000, 300000}, {21, 600000, 300000}, {4, 0, 300000}, {4, 600000, 3660000},
    };
    for (const GameFormat &format : unstorable) {
        EXPECT_FALSE(GameFormatSetting::IsStorable(format));
        EXPECT_FALSE(GameFormatSetting(App).Write(format));
    }
    EXPECT_FALSE(QFile::exists(settings.FileOf(App)));
    for (const CommonGameFormat &common : CommonGameFormats)
        EXPECT_TRUE(GameFormatSetting::IsStorable(common.AppliedTo(Default))) << common.Caption;
}

TEST(GameFormatSetting, CommonFormatsSetTheRegularPeriodsOnly)
{
    const GameFormat current{6, 420000, 120000};
    const GameFormat applied = CommonGameFormats[1].AppliedTo(current);
    EXPECT_EQ(applied, (GameFormat{4, 720000, 120000}));
    EXPECT_TRUE(CommonGameFormats[1].Matches(applied));
    EXPECT_FALSE(CommonGameFormats[0].Matches(applied));
    EXPECT_TRUE(CommonGameFormats[0].Matches(Default));
}

} // namespace
