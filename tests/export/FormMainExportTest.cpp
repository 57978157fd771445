// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The export button of the main window: both rosters with their playing
// times into a workbook, and a failure that is reported while the window
// goes on.

#include <gtest/gtest.h>

#include "ExportTestSupport.h"
#include "FakeDesk.h"
#include "RecordingAutomation.h"
#include "XlsxReadBack.h"
#include "export/AutomationRegistry.h"
#include "export/SpreadsheetApplication.h"
#include "export/TExcel.h"
#include "platform/TSpeedButton.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"

namespace {

const QString ProgId = QStringLiteral("Excel.Application");

// The process's registry answers with a spreadsheet application that uses
// the fake desktop; whatever ran before is gone.  Each test opens the window
// itself, once the registry is as it needs it.
class FormMainExport : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        Registry().RevokeActiveObject(ProgId);
        RegisterSpreadsheetProvider(Registry(), desk.Actions());
    }
    void TearDown() override
    {
        CloseWindow();
        Registry().RevokeActiveObject(ProgId);
        Registry().UnregisterClass(ProgId);
    }

    static AutomationRegistry &Registry() { return AutomationRegistry::Process(); }

    void MakeForm()
    {
        OpenWindow();
        form->Command1->SetLines(team1);
        form->Command2->SetLines(team2);
        form->Ledger().SetCount(1, static_cast<int>(team1.size()));
        form->Ledger().SetCount(2, static_cast<int>(team2.size()));
        // Player 1 of team 1 played 5:06.55, player 2 of team 2 12:34.
        ticks.now = 1000;
        form->Ledger().Start();
        ticks.now = 1000 + 306550;
        form->Ledger().RefreshOnCourt([](TeamIndex team, int row) { return team == 1 && row == 0; }, nullptr);
        ticks.now = 1000 + 754000;
        form->Ledger().RefreshOnCourt([](TeamIndex team, int row) { return team == 2 && row == 1; }, nullptr);
        form->sbExcel->setEnabled(true); // as while the clock stands paused
    }

    FakeDesk desk;
    RecordedReports reports;
    QStringList team1 = {QStringLiteral(" 4 M\u00fcller, Jan"), QStringLiteral("5 Hans \"Hansi\" Meier")};
    QStringList team2 = {QStringLiteral("10 Schulze"), QStringLiteral("11 Wagner"), QStringLiteral("12 Becker")};
};

TEST_F(FormMainExport, TheExportButtonWritesBothRostersWithTheirTimes)
{
    MakeForm();
    form->sbExcel->click();
    ASSERT_EQ(desk.opened.size(), 1) << reports.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(reports.messages.isEmpty());
    EXPECT_TRUE(form->findChildren<TExcel *>().isEmpty());

    const std::optional<ReadSheet> sheet = XlsxReadBack::Read(desk.opened[0]);
    ASSERT_TRUE(sheet);
    const QStringList lines = team1 + team2;
    const int seconds[] = {5 * 60 + 7, 0, 0, 12 * 60 + 34, 0};
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(sheet->cells.value(QStringLiteral("A%1").arg(i + 1)).text, lines[i]);
        EXPECT_NEAR(sheet->cells.value(QStringLiteral("B%1").arg(i + 1)).number * 86400, seconds[i], 1e-6);
    }
    EXPECT_EQ(sheet->cells.size(), 10);

    // A second export attaches to the running application and gets a workbook of its own.
    form->sbExcel->click();
    ASSERT_EQ(desk.opened.size(), 2);
    EXPECT_TRUE(desk.opened[1].endsWith(QStringLiteral("(2).xlsx")));
}

TEST_F(FormMainExport, AFailureMidwayIsReportedWithTheRowsBeforeItOpenedAtOnce)
{
    // Only failures need the stand-in; the real application does the rest.
    Registry().UnregisterClass(ProgId);
    AutomationRegistry inner;
    RegisterSpreadsheetProvider(inner, desk.Actions());
    Registry().RegisterClass(ProgId, [&inner](AutomationRegistry &, const QString &) -> AutomationRef {
        return std::make_shared<FailingAtRow>(inner.Create(ProgId), 3);
    });
    // What the desktop had opened when the report came; the recorder goes
    // before the count it writes to.
    int openedWhenReported = -1;
    RecordedReports failure;
    failure.onReport = [this, &openedWhenReported] { openedWhenReported = static_cast<int>(desk.opened.size()); };
    MakeForm();
    form->sbExcel->click();
    EXPECT_EQ(failure.messages, QStringList{QStringLiteral("Excel has stopped")});
    EXPECT_EQ(openedWhenReported, 1) << "the rows written so far show beside the report";
    EXPECT_EQ(form->findChildren<TExcel *>().size(), 1);
    EXPECT_TRUE(form->sbExcel->isEnabled()); // the window goes on

    ASSERT_EQ(desk.opened.size(), 1);
    const std::optional<ReadSheet> sheet = XlsxReadBack::Read(desk.opened[0]);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->cells.size(), 4);
    EXPECT_EQ(sheet->cells.value(QStringLiteral("A2")).text, team1[1]);
    form.reset(); // exit hands over nothing more
    EXPECT_EQ(desk.opened.size(), 1);
    inner.RevokeActiveObject(ProgId);
}

TEST_F(FormMainExport, WithoutASpreadsheetApplicationNothingHappens)
{
    MakeForm(); // a window registers the desktop's application when none is registered
    Registry().UnregisterClass(ProgId);
    form->sbExcel->click();
    EXPECT_TRUE(reports.messages.isEmpty());
    EXPECT_TRUE(desk.opened.isEmpty());
    EXPECT_TRUE(desk.informed.isEmpty());
    EXPECT_TRUE(form->findChildren<TExcel *>().isEmpty());
}

} // namespace
