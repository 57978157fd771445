// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The game report through the real main window: the clock's menu stored in
// the game history, and the export button adding the stored game's report
// to the rosters' sheet when, and only when, there is one.

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

#include "FakeDesk.h"
#include "XlsxReadBack.h"
#include "export/AutomationRegistry.h"
#include "export/SpreadsheetApplication.h"
#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/HistoryStartup.h"
#include "history/GameHistoryStore.h"
#include "history/HistoryWriter.h"
#include "platform/TSpeedButton.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"

namespace {

using Kind = GameEventKind;
const QString ProgId = QStringLiteral("Excel.Application");
constexpr double MsPerDay = 86400000.0;

class ReportWindow : public MainWindowFixture
{
protected:
    QTemporaryDir data;
    FakeDesk desk;
    RecordedReports reports;
    QStringList messages;
    std::unique_ptr<HistoryStartup> history;
    std::int64_t wallMs = 1796698800000;

    void SetUp() override
    {
        Registry().RevokeActiveObject(ProgId);
        RegisterSpreadsheetProvider(Registry(), desk.Actions());
        OpenWindow();
    }
    void TearDown() override
    {
        history.reset();
        CloseWindow();
        Registry().RevokeActiveObject(ProgId);
        Registry().UnregisterClass(ProgId);
    }
    static AutomationRegistry &Registry() { return AutomationRegistry::Process(); }

    void StartHistory()
    {
        HistoryDialogs dialogs;
        dialogs.AskContinue = [](const QString &) { return false; };
        dialogs.Tell = [this](const QString &message) { messages.append(message); };
        history = std::make_unique<HistoryStartup>(*form, data.path(), dialogs, [this] { return wallMs += 1000; });
    }
    StoredGame Stored()
    {
        history->Writer().WaitIdle();
        auto opened = GameHistoryStore::Open(QDir(data.path()).filePath(QStringLiteral("games.db")));
        EXPECT_TRUE(opened.Store);
        return *opened.Store->LoadGame(*opened.Store->GameCount().Value).Value;
    }
    ClockCommands &Clock() { return *form->ClockMenuCommands; }
    void RunClock(std::uint32_t from, std::uint32_t to)
    {
        for (std::uint32_t at = from; at <= to; at += 200)
            Refresh(at);
    }
    void ToggleCheck(TeamIndex team, int row)
    {
        form->Roster(team)->SetItemIndex(row);
        QTest::keyClick(form->Roster(team), Qt::Key_Space);
    }
    // The export button; the workbook it opened, read back.
    ReadBook Export()
    {
        form->sbExcel->setEnabled(true);
        form->sbExcel->click();
        EXPECT_TRUE(reports.messages.isEmpty()) << reports.messages.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(desk.opened.isEmpty());
        const auto book = XlsxReadBack::ReadAll(desk.opened.value(desk.opened.size() - 1));
        EXPECT_TRUE(book);
        return book.value_or(ReadBook{});
    }

    // Across the end of the first period (10:00) with a clock set forward,
    // a substitution and the second period ended by hand: the clock runs
    // 0:00-0:01, is set to 9:58, runs to 10:01; line 1 of team 1 goes out
    // for line 6; it runs to 10:03, the period ends there, and it runs to 10:04.
    void PlayAcrossPeriods()
    {
        Start(2000);
        RunClock(2200, 3000);
        Pause(3000);
        ASSERT_EQ(Clock().SetGameTime(598000), QString());
        Start(4000);
        RunClock(4200, 7000);
        Pause(7000);
        ToggleCheck(1, 0);
        ToggleCheck(1, 5);
        Start(8000);
        RunClock(8200, 10000);
        Pause(10000);
        Clock().EndPeriodHere();
        Start(11000);
        RunClock(11200, 12000);
        Pause(12000);
        ASSERT_EQ(ClockText(), QStringLiteral("10:04"));
    }
};

TEST_F(ReportWindow, TheClocksMenuIsStoredWithTheGameTimeAndThePeriodUnderWay)
{
    StartHistory();
    const GameFormat atBegin = Clock().Format();
    PlayAcrossPeriods();
    const GameFormat fiveMinutes{8, 300000, 300000};
    Clock().ChooseFormat(fiveMinutes);
    // Chosen while the clock runs: stored at the next PAUSE.
    const GameFormat tenMinutes{4, 600000, 300000};
    Start(13000);
    Clock().ChooseFormat(tenMinutes);
    Pause(14000);

    const StoredGame game = Stored();
    EXPECT_EQ(game.Opening.Format, atBegin);
    std::vector<GameEvent> menu;
    for (const GameEvent &event : game.Events)
        if (event.Kind == Kind::Correction || event.Kind == Kind::PeriodEnd || event.Kind == Kind::Format)
            menu.push_back(event);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(std::tuple(menu[0].Kind, menu[0].GameMs, menu[0].Arg1), std::tuple(Kind::Correction, 598000, 597000));
    // The first period ended by the format at 10:00; the second is under way.
    EXPECT_EQ(std::tuple(menu[1].Kind, menu[1].GameMs, menu[1].Arg1), std::tuple(Kind::PeriodEnd, 603000, 2));
    EXPECT_EQ(std::tuple(menu[2].Kind, menu[2].GameMs, menu[2].Arg1, menu[2].Arg2),
              std::tuple(Kind::Format, 604000, 8, 300000));
    EXPECT_EQ(std::tuple(menu[3].Kind, menu[3].GameMs, menu[3].Arg1, menu[3].Arg2),
              std::tuple(Kind::Format, 605000, 4, 600000));
    EXPECT_EQ(game.Events.back().Kind, Kind::Format);
    EXPECT_EQ(game.Events[game.Events.size() - 2].Kind, Kind::Pause);

    // The stored game replays and reports as the window stands.
    const auto report = GameReport::Of(game);
    ASSERT_TRUE(report.Ok()) << report.Error.toStdString();
    EXPECT_EQ(report.Value->GameMs, 605000);
    ASSERT_EQ(report.Value->Periods.size(), 3u);
    EXPECT_EQ(report.Value->Periods[1].EndMs, 603000);
}

TEST_F(ReportWindow, TheExportAddsTheReportWhoseTimesAddUpToTheRostersSheet)
{
    StartHistory();
    QByteArray away;
    for (int line = 4; line < 14; ++line)
        away += QByteArray::number(line) + " Gast\n";
    LoadTeam(2, WriteTeam(QStringLiteral("TV Musterstadt U12.txt"), away));
    for (int row = 0; row < 5; ++row)
        ToggleCheck(2, row);
    PlayAcrossPeriods();
    const ReadBook book = Export();
    ASSERT_EQ(book.sheets.size(), 3);
    EXPECT_EQ(book.activeSheet, 0);

    // Sheet 1 as without a report.
    form->SetReportSource({});
    const ReadBook plain = Export();
    ASSERT_EQ(plain.sheets.size(), 1);
    EXPECT_EQ(book.sheets[0].cells.keys(), plain.sheets[0].cells.keys());
    for (const QString &ref : plain.sheets[0].cells.keys()) {
        EXPECT_EQ(book.sheets[0].cells[ref].text, plain.sheets[0].cells[ref].text) << ref.toStdString();
        EXPECT_EQ(book.sheets[0].cells[ref].number, plain.sheets[0].cells[ref].number) << ref.toStdString();
    }

    const ReadSheet &periods = book.sheets[1];
    EXPECT_EQ(periods.sheetName, QStringLiteral("Abschnitte"));
    const QStringList header = {QStringLiteral("Spieler"),      QStringLiteral("1. Abschnitt"),
                                QStringLiteral("2. Abschnitt"), QStringLiteral("3. Abschnitt"),
                                QStringLiteral("Gesamt"),       QStringLiteral("Abschnitte auf dem Feld")};
    for (int column = 0; column < header.size(); ++column)
        EXPECT_EQ(periods.cells.value(QString(QChar('A' + column)) + QLatin1Char('1')).text, header[column]);
    const auto cell = [](const ReadSheet &sheet, char column, int row) {
        return sheet.cells.value(QString(QChar(column)) + QString::number(row));
    };
    for (int row = 1; row <= 20; ++row) {
        SCOPED_TRACE(row);
        const TeamIndex team = row <= 10 ? 1 : 2;
        const int line = (row - 1) % 10;
        EXPECT_EQ(cell(periods, 'A', row + 1).text, cell(book.sheets[0], 'A', row).text);
        // The whole seconds the roster shows, the same as on sheet 1.
        const double total = cell(periods, 'E', row + 1).number * MsPerDay;
        EXPECT_NEAR(total, ShownTime::Seconds32(form->Ledger().ElapsedOf(team, line)) * 1000, 0.01);
        EXPECT_NEAR(total, cell(book.sheets[0], 'B', row).number * MsPerDay, 0.01);
        const double sum = (cell(periods, 'B', row + 1).number + cell(periods, 'C', row + 1).number
                            + cell(periods, 'D', row + 1).number)
            * MsPerDay;
        EXPECT_NEAR(sum, total, 0.01);
    }
    // Line 1 of team 1: 1 s, the 597 s set forward, 2 s to 10:00 in period 1; 1 s in period 2.
    EXPECT_NEAR(cell(periods, 'B', 2).number * MsPerDay, 599000, 1000.01);
    EXPECT_NEAR(cell(periods, 'C', 2).number * MsPerDay, 1000, 1000.01);
    EXPECT_NEAR(cell(periods, 'D', 2).number * MsPerDay, 0, 0.01);
    // Line 6 came on at 10:01: 2 s in period 2, 1 s in period 3.
    EXPECT_NEAR(cell(periods, 'B', 7).number * MsPerDay, 0, 0.01);
    EXPECT_NEAR(cell(periods, 'C', 7).number * MsPerDay, 2000, 1000.01);
    EXPECT_NEAR(cell(periods, 'D', 7).number * MsPerDay, 1000, 1000.01);

    const ReadSheet &changes = book.sheets[2];
    EXPECT_EQ(changes.sheetName, QStringLiteral("Wechsel"));
    int clockSet = 0;
    QMap<QString, int> stints; // by team
    for (int row = 2; changes.cells.contains(QStringLiteral("B%1").arg(row)); ++row) {
        if (cell(changes, 'B', row).text == QStringLiteral("Uhr gestellt"))
            ++clockSet;
        else
            ++stints[cell(changes, 'A', row).text];
    }
    EXPECT_EQ(clockSet, 1);
    // The starting ten, line 1 ending at the substitution, line 6 from it;
    // the home side by its number, the away side by its team file.
    EXPECT_EQ(stints, (QMap<QString, int>{{QStringLiteral("Team 1"), 6}, {QStringLiteral("TV Musterstadt U12"), 5}}));
}

TEST_F(ReportWindow, WithoutAStoredGameTheExportIsTheRostersSheetAlone)
{
    // No history at all.
    Start(2000);
    RunClock(2200, 3000);
    Pause(3000);
    EXPECT_EQ(Export().sheets.size(), 1);

    // A history, but nothing stored yet in the new game.
    StartHistory();
    form->bResetClick(form->bReset);
    EXPECT_EQ(Export().sheets.size(), 1);
    // Once an action is stored, the report comes along.
    Start(4000);
    RunClock(4200, 5000);
    Pause(5000);
    EXPECT_EQ(Export().sheets.size(), 3);
    // A report that contradicts the rosters (a history that missed an
    // action) is left out.
    form->Ledger().AdjustElapsed(1, 0, 5);
    EXPECT_EQ(Export().sheets.size(), 1);
}

} // namespace
