// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/AppIdentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace AppIdentity;

TEST(AppIdentity, TitleIsTheNameUpToTheFirstDotWithTheRestLowered)
{
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/x/Quintora")), QStringLiteral("Quintora"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("C/MY.GAME.EXE")), QStringLiteral("My"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/bin/QUINTORA")), QStringLiteral("Quintora"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("q")), QStringLiteral("q"));
    EXPECT_EQ(MainCaption(QStringLiteral("/a/MY.GAME.EXE")), QStringLiteral("My 0.9"));
    EXPECT_EQ(MainCaption(QStringLiteral("/a/Quintora")), QStringLiteral("Quintora 0.9"));
}

TEST(AppIdentity, SettingsNameDropsOnlyTheLastExtension)
{
    EXPECT_EQ(SettingsApplicationName(QStringLiteral("/a/MY.GAME.EXE")), QStringLiteral("MY.GAME"));
    EXPECT_EQ(SettingsApplicationName(QStringLiteral("/a/Quintora.exe")), QStringLiteral("Quintora"));
    EXPECT_EQ(SettingsApplicationName(QStringLiteral("/a/Quintora")), QStringLiteral("Quintora"));
}

TEST(AppIdentity, HelpPageIsFoundBesideTheExecutable)
{
    QTemporaryDir dir;
    const QString exe = dir.path() + QStringLiteral("/MY.GAME.EXE");
    EXPECT_EQ(HelpPageCandidates(exe).first(), dir.path() + QStringLiteral("/MY.GAME.html"));
    EXPECT_TRUE(FindHelpPage(exe).isEmpty());
    QFile page(dir.path() + QStringLiteral("/MY.GAME.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_EQ(FindHelpPage(exe), page.fileName());
    // English falls back to the German page until an English one is there.
    EXPECT_EQ(FindHelpPage(exe, QStringLiteral("en")), page.fileName());
    QFile english(dir.path() + QStringLiteral("/MY.GAME.en.html"));
    ASSERT_TRUE(english.open(QIODevice::WriteOnly));
    english.close();
    EXPECT_EQ(FindHelpPage(exe, QStringLiteral("en")), english.fileName());
    EXPECT_EQ(FindHelpPage(exe, QStringLiteral("de")), page.fileName());
}
