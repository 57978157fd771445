// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QFileDialog>
#include <QTest>

#include <gtest/gtest.h>
#include <tuple>

#include "platform/TPanel.h"
#include "platform/TSpeedButton.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamFile.h"
#include "rosters/TeamRoster.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"

namespace {

class RostersInMainWindow : public MainWindowFixture
{
protected:
    // Five minutes of play with the starting five on court, then a pause.
    void PlayFiveMinutes()
    {
        const auto onCourt = [this](TeamIndex team, int row) { return form->IsOnCourt(team, row); };
        ticks.now = 1000;
        form->Ledger().Start();
        ticks.now = 301000;
        form->Ledger().RefreshOnCourt(onCourt, {});
        form->Ledger().Pause(onCourt);
    }

    std::vector<bool> Checks(const TCheckListBox *list) const
    {
        std::vector<bool> checks;
        for (int row = 0; row < list->Count(); ++row)
            checks.push_back(list->Checked(row));
        return checks;
    }
};

TEST_F(RostersInMainWindow, DesignLinesAndTheStartingFive)
{
    ASSERT_NE(form->Command1, nullptr);
    ASSERT_NE(form->Command2, nullptr);
    EXPECT_EQ(form->Command1->parentWidget(), form->Panel3);
    EXPECT_EQ(form->Command1->Tag(), 1);
    EXPECT_EQ(form->Command2->Tag(), 2);
    const QList<int> numbers1{4, 5, 6, 7, 8, 9, 10, 11, 12, 18};
    ASSERT_EQ(form->Command1->Count(), 10);
    ASSERT_EQ(form->Command2->Count(), 10);
    for (int row = 0; row < 10; ++row) {
        for (const auto &[list, number] :
             {std::pair{form->Command1, numbers1[row]}, std::pair{form->Command2, row + 4}}) {
            const QString line = list->Item(row);
            EXPECT_EQ(line.left(3), QStringLiteral("%1 ").arg(number, 2)) << line.toStdString();
            EXPECT_GT(line.size(), 4);
            EXPECT_EQ(list->Checked(row), row < 5) << "only the first five start on court";
            EXPECT_EQ(form->IsOnCourt(list->Tag(), row), row < 5);
        }
    }
    EXPECT_FALSE(form->IsOnCourt(3, 0));
    EXPECT_FALSE(form->IsOnCourt(1, 10));
    EXPECT_EQ(form->Ledger().Count(1), 10);
    EXPECT_EQ(form->Ledger().Count(2), 10);
    EXPECT_EQ(form->Command1->ItemHeight(), 23);
    EXPECT_EQ(form->Command2->font(), form->Command1->font());
    // Tab goes from the right roster to the left one: the next widget that
    // takes the tab focus after Command2 (and its own parts) is Command1.
    QWidget *next = form->Command2->nextInFocusChain();
    while (next != form->Command2 && (form->Command2->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, form->Command1) << "the right roster comes first";
    EXPECT_EQ(form->Command1->geometry(), QRect(0, 0, 400, 234));
    EXPECT_EQ(form->Command2->geometry(), QRect(400, 0, 400, 234));
}

TEST_F(RostersInMainWindow, ResizeHalvesTheClientWidth)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->resize(801, 405);
    EXPECT_EQ(form->Command1->geometry(), QRect(0, 0, 400, 234));
    EXPECT_EQ(form->Command2->geometry(), QRect(400, 0, 401, 234)) << "the left one is a pixel narrower";
    form->resize(1000, 505);
    EXPECT_EQ(form->Command1->geometry(), QRect(0, 0, 500, 334));
    EXPECT_EQ(form->Command2->geometry(), QRect(500, 0, 500, 334));
}

TEST_F(RostersInMainWindow, LoaderButtonsAndTheOpenDialog)
{
    // The loaders: their place at the design width and at 1000 pixels
    // (the left one anchored left, the right one right), and their tag.
    const std::tuple<const TSpeedButton *, QRect, QRect, int> loaders[] = {
        {form->sbLoad1, QRect(197, 67, 36, 39), QRect(197, 67, 36, 39), 1},
        {form->sbLoad2, QRect(565, 68, 36, 39), QRect(765, 68, 36, 39), 2},
    };
    for (const auto &[loader, designPlace, widePlace, tag] : loaders) {
        EXPECT_EQ(loader->geometry(), designPlace) << tag;
        EXPECT_EQ(loader->Tag(), tag);
    }
    EXPECT_TRUE(form->sbLoad1->Flat());
    EXPECT_TRUE(form->sbLoad1->toolTip().isEmpty());
    if (!form->sbLoad1->Glyph().isNull()) {
        EXPECT_EQ(form->sbLoad1->NumGlyphs(), 2);
    }
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->resize(1000, 405);
    for (const auto &[loader, designPlace, widePlace, tag] : loaders)
        EXPECT_EQ(loader->geometry(), widePlace) << tag;

    ASSERT_NE(form->OpenDialog, nullptr);
    EXPECT_TRUE(form->OpenDialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(form->OpenDialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(form->OpenDialog->nameFilters(), QStringList{QStringLiteral("Text files(*.txt)")});
    EXPECT_EQ(form->OpenDialog->defaultSuffix(), QStringLiteral("txt"));
    EXPECT_EQ(form->OpenDialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
}

TEST_F(RostersInMainWindow, CancelledDialogChangesNothing)
{
    int asked = 0;
    form->SetTeamFileChooser([&asked] {
        ++asked;
        return QString();
    });
    form->Command1->SetChecked(7, true);
    const QStringList before = form->Command1->Lines();
    const auto checks = Checks(form->Command1);
    QTest::mouseClick(form->sbLoad1, Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form->Command1->Lines(), before);
    EXPECT_EQ(Checks(form->Command1), checks);
    EXPECT_EQ(form->Ledger().Count(1), 10);
}

// A loaded team replaces the lines and starts with no line checked; the
// times stay with the positions, so line 2 shows what line 2 showed before.
TEST_F(RostersInMainWindow, LoadReplacesTheLinesUnchecksThemAndKeepsTimesByPosition)
{
    PlayFiveMinutes();
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 2, 2), QStringLiteral(" 5:00"));
    const QString path =
        WriteTeam(QStringLiteral("gaeste.txt"), "4 Anna\r\n5 Berta\r\n6 Clara\r\n7 Dora\r\n8 Eva\r\n9 Frieda\r\n");
    form->SetTeamFileChooser([path] { return path; });
    QTest::mouseClick(form->sbLoad2, Qt::LeftButton);

    EXPECT_EQ(form->Command2->Lines(), (QStringList{"4 Anna", "5 Berta", "6 Clara", "7 Dora", "8 Eva", "9 Frieda"}));
    EXPECT_EQ(Checks(form->Command2), std::vector<bool>(6, false));
    EXPECT_EQ(form->Ledger().Count(2), 6);
    EXPECT_EQ(form->Ledger().Count(1), 10) << "the other team stays";
    EXPECT_EQ(form->Command1->Count(), 10);
    EXPECT_EQ(Checks(form->Command1)[0], true);
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 2, 2), QStringLiteral(" 5:00"));
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 2, 5), QStringLiteral(" 0:00"));
}

TEST_F(RostersInMainWindow, LongTeamsAreTimedForTheirFirstFiftyLines)
{
    QByteArray bytes;
    for (int i = 1; i <= 60; ++i)
        bytes += QByteArray::number(i) + " Spieler\n";
    const QString path = WriteTeam(QStringLiteral("lang.txt"), bytes);
    form->SetTeamFileChooser([path] { return path; });
    QTest::mouseClick(form->sbLoad1, Qt::LeftButton);
    EXPECT_EQ(form->Command1->Count(), 60);
    EXPECT_EQ(form->Ledger().Count(1), 60);
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 1, 49), QStringLiteral(" 0:00"));
    EXPECT_EQ(TeamRoster::TimeText(form->Ledger(), 1, 50), QStringLiteral("--:--"));
    // The ledger walks its own 50 rows only.
    form->Command1->SetChecked(59, true);
    ticks.now = 5000;
    form->Ledger().Start();
    ticks.now = 65000;
    form->Ledger().RefreshOnCourt([this](TeamIndex t, int r) { return form->IsOnCourt(t, r); }, {});
    EXPECT_EQ(form->Ledger().ElapsedOf(1, 59), 0);
}

TEST_F(RostersInMainWindow, EmptyFileGivesAnEmptyRoster)
{
    const QString path = WriteTeam(QStringLiteral("leer.txt"), "");
    form->SetTeamFileChooser([path] { return path; });
    QTest::mouseClick(form->sbLoad1, Qt::LeftButton);
    EXPECT_EQ(form->Command1->Count(), 0);
    EXPECT_EQ(form->Ledger().Count(1), 0);
    EXPECT_FALSE(form->IsOnCourt(1, 0));
}

// The error leaves the click handler, through Qt's event delivery, to the
// application's exception report; the roster stays as it was.
TEST_F(RostersInMainWindow, UnreadableFileLeavesTheRosterAsItWas)
{
    form->Command2->SetChecked(8, true);
    const QStringList before = form->Command2->Lines();
    const auto checks = Checks(form->Command2);
    RecordedReports reports;
    for (const QString &path : {dir.filePath(QStringLiteral("fehlt.txt")), dir.path()}) {
        reports.messages.clear();
        form->SetTeamFileChooser([path] { return path; });
        QTest::mouseClick(form->sbLoad2, Qt::LeftButton);
        ASSERT_EQ(reports.messages.size(), 1) << "no report for " << path.toStdString();
        EXPECT_TRUE(reports.messages.first().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)));
        EXPECT_FALSE(form->sbLoad2->isDown()) << "the button saw its release";
        EXPECT_EQ(form->Command2->Lines(), before);
        EXPECT_EQ(Checks(form->Command2), checks);
        EXPECT_EQ(form->Ledger().Count(2), 10);
        // The handler itself reports by throwing.
        EXPECT_THROW(form->sbLoadClick(form->sbLoad2), TeamFileError);
    }
}

} // namespace
