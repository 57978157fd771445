// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The program installed as a package lays it out: bin/Quintora, and its help
// page and sample teams in share/quintora.  It must find both there, whatever
// prefix the build was configured with.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/TFormMain.h"
#include "platform/TSpeedButton.h"
#include "support/TempSettings.h"

namespace {

class InstalledLayout : public ::testing::Test
{
protected:
    QTemporaryDir prefix;
    QString exe;
    QString data;

    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/quintora")));
        exe = prefix.path() + QStringLiteral("/bin/Quintora");
        data = prefix.path() + QStringLiteral("/share/quintora");
    }
    static void Touch(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

TEST_F(InstalledLayout, DataFoldersAreBesideTheBinFolderThenCompiledIn)
{
    const QStringList folders = AppIdentity::DataFolders(exe);
    ASSERT_GE(folders.size(), 1);
    EXPECT_EQ(folders.first(), data);
    EXPECT_EQ(AppIdentity::HelpPageCandidates(exe).first(), prefix.path() + QStringLiteral("/bin/Quintora.html"));
    EXPECT_EQ(AppIdentity::HelpPageCandidates(exe).at(1), data + QStringLiteral("/Quintora.html"));
}

TEST_F(InstalledLayout, HelpPageAndSampleTeamsAreFoundInShare)
{
    EXPECT_TRUE(AppIdentity::FindHelpPage(exe).isEmpty());
    EXPECT_TRUE(AppIdentity::FindSampleTeamsFolder(exe).isEmpty());
    Touch(data + QStringLiteral("/Quintora.html"));
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("teams")));
    EXPECT_EQ(AppIdentity::FindHelpPage(exe), data + QStringLiteral("/Quintora.html"));
    EXPECT_EQ(AppIdentity::FindSampleTeamsFolder(exe), data + QStringLiteral("/teams"));
    // A page beside the executable (the build tree) still comes first.
    Touch(prefix.path() + QStringLiteral("/bin/Quintora.html"));
    EXPECT_EQ(AppIdentity::FindHelpPage(exe), prefix.path() + QStringLiteral("/bin/Quintora.html"));
}

TEST_F(InstalledLayout, TheWindowOffersHelpAndTheSampleTeams)
{
    Touch(data + QStringLiteral("/Quintora.html"));
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("teams")));
    TempSettings settings;
    TFormMain form(exe);
    EXPECT_TRUE(form.sbHelp->isEnabled());
    EXPECT_EQ(form.HelpFile(), data + QStringLiteral("/Quintora.html"));
    // The dialog still starts in the executable's folder; the teams are in the sidebar.
    EXPECT_EQ(form.OpenDialog->directory().absolutePath(), prefix.path() + QStringLiteral("/bin"));
    const QList<QUrl> places = form.OpenDialog->sidebarUrls();
    EXPECT_TRUE(places.contains(QUrl::fromLocalFile(data + QStringLiteral("/teams"))));
    EXPECT_EQ(places.count(QUrl::fromLocalFile(data + QStringLiteral("/teams"))), 1);
}

TEST_F(InstalledLayout, WithoutSampleTeamsTheSidebarKeepsItsPlaces)
{
    TempSettings settings;
    TFormMain form(exe);
    EXPECT_FALSE(form.sbHelp->isEnabled());
    QFileDialog plain;
    plain.setOption(QFileDialog::DontUseNativeDialog, true);
    EXPECT_EQ(form.OpenDialog->sidebarUrls(), plain.sidebarUrls());
}

} // namespace
