// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "app/WindowGeometryStore.h"
#include "support/TempSettings.h"

namespace {

const QString App = QStringLiteral("GeometryTest");

TEST(WindowGeometryStore, NoKeyReadsNothing)
{
    TempSettings settings;
    const auto restored = WindowGeometryStore(App).Read();
    EXPECT_FALSE(restored.keyExists);
    EXPECT_FALSE(restored.hasLeft);
}

TEST(WindowGeometryStore, AFileWithNoValuesIsAKeyWithNoValues)
{
    TempSettings settings;
    settings.Write(App, QString());
    const auto restored = WindowGeometryStore(App).Read();
    EXPECT_TRUE(restored.keyExists);
    EXPECT_FALSE(restored.hasLeft);
}

TEST(WindowGeometryStore, WriteThenReadGivesTheFourValues)
{
    TempSettings settings;
    WindowGeometryStore store(App);
    ASSERT_TRUE(store.Write(QRect(12, -30, 900, 500)));
    const auto restored = store.Read();
    EXPECT_TRUE(restored.keyExists);
    ASSERT_TRUE(restored.hasHeight);
    EXPECT_EQ(restored.left, 12);
    EXPECT_EQ(restored.top, -30);
    EXPECT_EQ(restored.width, 900);
    EXPECT_EQ(restored.height, 500);
}

TEST(WindowGeometryStore, FirstBadValueEndsTheReading)
{
    TempSettings settings;
    settings.Write(App, QStringLiteral("[General]\nLeft=5\nTop=6\nHeight=300\n"));
    auto restored = WindowGeometryStore(App).Read();
    EXPECT_TRUE(restored.hasLeft);
    EXPECT_TRUE(restored.hasTop);
    EXPECT_FALSE(restored.hasWidth);
    EXPECT_FALSE(restored.hasHeight) << "Height comes after the missing Width";

    settings.Write(App, QStringLiteral("[General]\nTop=6\nWidth=700\nHeight=300\n"));
    restored = WindowGeometryStore(App).Read();
    EXPECT_TRUE(restored.keyExists);
    EXPECT_FALSE(restored.hasLeft);
    EXPECT_FALSE(restored.hasTop);

    settings.Write(App, QStringLiteral("[General]\nLeft=5\nTop=abc\nWidth=700\nHeight=300\n"));
    restored = WindowGeometryStore(App).Read();
    EXPECT_TRUE(restored.hasLeft);
    EXPECT_FALSE(restored.hasTop);

    settings.Write(App, QStringLiteral("[General]\nLeft=5\nTop=6\nWidth=12.5\n"));
    EXPECT_FALSE(WindowGeometryStore(App).Read().hasWidth);

    settings.Write(App, QStringLiteral("[General]\nLeft=5\nTop=6\nWidth=99999999999\n"));
    EXPECT_FALSE(WindowGeometryStore(App).Read().hasWidth) << "not a 32-bit integer";
}

TEST(WindowGeometryStore, GarbageOrAFolderInPlaceOfTheFileReadsAsNoKey)
{
    TempSettings settings;
    settings.Write(App, QStringLiteral("\x01\x02 garbage [[[ = = \n\xff"));
    EXPECT_NO_THROW(WindowGeometryStore(App).Read());
    QDir().mkpath(settings.FileOf(QStringLiteral("Folder")));
    const auto restored = WindowGeometryStore(QStringLiteral("Folder")).Read();
    EXPECT_FALSE(restored.hasLeft);
}

TEST(WindowGeometryStore, FrameOutsideEveryScreenMovesToTheNearest)
{
    const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    // On a screen: untouched, even partly outside.
    EXPECT_EQ(WindowGeometryStore::KeepOnScreens(QRect(-100, 10, 808, 439), screens), QRect(-100, 10, 808, 439));
    // A monitor that was right of both: onto the right one, keeping the size.
    EXPECT_EQ(WindowGeometryStore::KeepOnScreens(QRect(4000, 100, 808, 439), screens), QRect(2392, 100, 808, 439));
    // Far above the left screen, and too tall for it.
    EXPECT_EQ(WindowGeometryStore::KeepOnScreens(QRect(100, -5000, 808, 2000), screens), QRect(100, 0, 808, 800));
}

} // namespace
