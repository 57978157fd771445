// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// What TExcel and the roster export say to the spreadsheet application, call
// by call, seen through a recording stand-in.

#include <QObject>
#include <QPointer>

#include <gtest/gtest.h>

#include "ExportTestSupport.h"
#include "RecordingAutomation.h"
#include "export/RosterExport.h"
#include "export/TExcel.h"

namespace {

const QString App = QStringLiteral("Excel.Application");

QStringList ConnectCalls()
{
    return {QStringLiteral("Excel.Application.visible put (BOOL true)")};
}

QStringList NewWorkbookCalls()
{
    return {QStringLiteral("Excel.Application.Workbooks get ()"), QStringLiteral("Workbooks.add method ()")};
}

QStringList RowCalls(int row, const QString &line, const QString &time)
{
    return {QStringLiteral("Excel.Application.Cells put (I4& %1, I4 1, BSTR \"%2\")").arg(row).arg(line),
            QStringLiteral("Excel.Application.Cells put (I4& %1, I4 2, BSTR \"%2\")").arg(row).arg(time)};
}

QStringList AutoFitCalls()
{
    return {QStringLiteral("Excel.Application.cells get ()"), QStringLiteral("cells.select method ()"),
            QStringLiteral("Excel.Application.Selection get ()"), QStringLiteral("Selection.Columns get ()"),
            QStringLiteral("Columns.Autofit method ()")};
}

struct Recorder
{
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    RecordingRegistry registry{log};
};

TEST(ExcelCallSequence, TwoRostersOfTenFillRowsOneToTwentyInTheDocumentedOrder)
{
    Recorder recorder;
    const QStringList team1 = Roster(10, 1);
    const QStringList team2 = Roster(10, 2);
    TimedLedger times(10, 10, {{{1, 0}, 306550}, {{2, 0}, 754000}});
    TExcel excel(nullptr, &recorder.registry);

    ASSERT_TRUE(RosterExport::ExportRosters(excel, team1, team2, times.ledger));

    QStringList expected = ConnectCalls() + NewWorkbookCalls();
    for (int i = 0; i < 10; ++i)
        expected += RowCalls(i + 1, team1[i], i == 0 ? QStringLiteral("0:05:07") : QStringLiteral("0:00:00"));
    for (int i = 0; i < 10; ++i)
        expected += RowCalls(11 + i, team2[i], i == 0 ? QStringLiteral("0:12:34") : QStringLiteral("0:00:00"));
    expected += AutoFitCalls();
    EXPECT_EQ(recorder.log->Texts(), expected);
    EXPECT_EQ(recorder.log->registrySteps, QStringList({"attach Excel.Application", "create Excel.Application"}));
    EXPECT_EQ(excel.line, 21);

    // The row goes by reference: the application sees TExcel's own `line`.
    for (const RecordedCall &call : recorder.log->calls) {
        if (call.member == QLatin1String("Cells") && call.kind == InvokeKind::Put) {
            ASSERT_EQ(call.byRefTargets.size(), 1u);
            EXPECT_EQ(call.byRefTargets[0], &excel.line);
        } else {
            EXPECT_TRUE(call.byRefTargets.empty()) << call.Text().toStdString();
        }
    }
}

TEST(ExcelCallSequence, EmptyRostersGiveAnEmptyWorkbookWithAllCellsSelected)
{
    Recorder recorder;
    TimedLedger times(0, 0);
    TExcel excel(nullptr, &recorder.registry);
    ASSERT_TRUE(RosterExport::ExportRosters(excel, {}, {}, times.ledger));
    EXPECT_EQ(recorder.log->Texts(), ConnectCalls() + NewWorkbookCalls() + AutoFitCalls());
    EXPECT_EQ(excel.line, 1);
}

TEST(ExcelCallSequence, AnEmptyFirstRosterLetsTheSecondStartInRowOne)
{
    Recorder recorder;
    const QStringList team2 = Roster(3, 2);
    TimedLedger times(0, 3);
    TExcel excel(nullptr, &recorder.registry);
    ASSERT_TRUE(RosterExport::ExportRosters(excel, {}, team2, times.ledger));
    QStringList expected = ConnectCalls() + NewWorkbookCalls();
    for (int i = 0; i < 3; ++i)
        expected += RowCalls(i + 1, team2[i], QStringLiteral("0:00:00"));
    EXPECT_EQ(recorder.log->Texts(), expected + AutoFitCalls());
}

TEST(ExcelCallSequence, ConnectAttachesToARunningApplicationFirst)
{
    Recorder recorder;
    recorder.registry.running = true;
    TExcel excel(nullptr, &recorder.registry);
    ASSERT_TRUE(excel.Connect());
    EXPECT_EQ(recorder.log->registrySteps, QStringList({"attach Excel.Application"}));
    EXPECT_TRUE(excel.ExcelApp.IsObject());
}

TEST(ExcelCallSequence, ExcelNewAlwaysCreates)
{
    Recorder recorder;
    recorder.registry.running = true;
    TExcel excel(nullptr, &recorder.registry);
    excel.ExcelNew = true;
    ASSERT_TRUE(excel.Connect());
    EXPECT_EQ(recorder.log->registrySteps, QStringList({"create Excel.Application"}));
}

TEST(ExcelCallSequence, NoApplicationMeansFalseAndNothingSaid)
{
    Recorder recorder;
    recorder.registry.creatable = false;
    TimedLedger times(2, 0);
    TExcel excel(nullptr, &recorder.registry);
    EXPECT_FALSE(RosterExport::ExportRosters(excel, Roster(2, 1), {}, times.ledger));
    EXPECT_TRUE(recorder.log->calls.empty());
    EXPECT_TRUE(excel.ExcelApp.IsEmpty());

    // Also without any class of that name.
    AutomationRegistry empty;
    TExcel lonely(nullptr, &empty);
    EXPECT_FALSE(lonely.Connect());
}

TEST(ExcelCallSequence, AFailingVisiblePutIsNotAbsorbed)
{
    Recorder recorder;
    recorder.log->failAt = [](const RecordedCall &, std::size_t index) {
        if (index == 0)
            throw AutomationError::Exception(QStringLiteral("Excel is busy."), AutomationError::ExceptionCode);
    };
    TExcel excel(nullptr, &recorder.registry);
    try {
        excel.Connect();
        FAIL() << "Connect absorbed the failure of the visible put";
    } catch (const AutomationError &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Excel is busy"));
    }
}

TEST(ExcelCallSequence, WriteRowDownAColumnPassesTheColumnByReference)
{
    Recorder recorder;
    recorder.registry.running = true;
    TExcel excel(nullptr, &recorder.registry);
    excel.Horizontal = false;
    excel.line = 4;
    ASSERT_TRUE(excel.Connect());
    recorder.log->calls.clear();
    excel.Fields.SetDelimitedText(u"a,b");
    excel.WriteRow();
    EXPECT_EQ(recorder.log->Texts(),
              QStringList({"Excel.Application.Cells put (I4 1, I4& 4, BSTR \"a\")",
                           "Excel.Application.Cells put (I4 2, I4& 4, BSTR \"b\")"}));
    EXPECT_EQ(excel.line, 5);

    // An empty row writes nothing but still moves on.
    recorder.log->calls.clear();
    excel.Fields.SetDelimitedText(u"");
    excel.WriteRow();
    EXPECT_TRUE(recorder.log->calls.empty());
    EXPECT_EQ(excel.line, 6);
}

TEST(ExcelCallSequence, ARosterLineWithQuotesArrivesWholeInColumnOne)
{
    Recorder recorder;
    const QStringList team1 = {QStringLiteral("7 Hans \"Hansi\" Meier"), QStringLiteral("\""),
                               QStringLiteral(" 4 M\u00fcller, Jan"), QString()};
    TimedLedger times(4, 0);
    TExcel excel(nullptr, &recorder.registry);
    ASSERT_TRUE(RosterExport::ExportRosters(excel, team1, {}, times.ledger));
    QStringList expected = ConnectCalls() + NewWorkbookCalls();
    for (int i = 0; i < team1.size(); ++i)
        expected += RowCalls(i + 1, team1[i], QStringLiteral("0:00:00"));
    EXPECT_EQ(recorder.log->Texts(), expected + AutoFitCalls());
}

// Fails the call that puts the cell in `row`, column `column`.
std::function<void(const RecordedCall &, std::size_t)> FailAtCell(int row, int column, std::function<void()> fail)
{
    return [=](const RecordedCall &call, std::size_t) {
        if (call.member == QLatin1String("Cells") && call.args.size() == 3
            && call.args[0] == QStringLiteral("I4& %1").arg(row) && call.args[1] == QStringLiteral("I4 %1").arg(column))
            fail();
    };
}

TEST(ExcelCallSequence, AnUnknownMemberMidwayEndsTheExportAtThatCall)
{
    Recorder recorder;
    recorder.log->failAt = FailAtCell(4, 2, [] { throw AutomationError::UnknownName(QStringLiteral("Cells")); });
    const QStringList team1 = Roster(10, 1);
    TimedLedger times(10, 0);
    TExcel excel(nullptr, &recorder.registry);
    try {
        RosterExport::ExportRosters(excel, team1, {}, times.ledger);
        FAIL() << "the export went on";
    } catch (const AutomationError &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Method 'Cells' not supported by automation object"));
        EXPECT_EQ(error.Code(), AutomationError::UnknownNameCode);
    }
    QStringList expected = ConnectCalls() + NewWorkbookCalls();
    for (int i = 0; i < 3; ++i)
        expected += RowCalls(i + 1, team1[i], QStringLiteral("0:00:00"));
    expected += RowCalls(4, team1[3], QStringLiteral("0:00:00"));
    EXPECT_EQ(recorder.log->Texts(), expected); // the failing call is the last one; no auto-fit
    EXPECT_EQ(excel.line, 4);
}

TEST(ExcelCallSequence, AnExceptionOfTheApplicationShowsItsDescription)
{
    struct Case
    {
        QString description;
        std::uint32_t code;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("Die Tabelle ist gesch\u00fctzt. . \t"), 0x800A03EC,
         QStringLiteral("Die Tabelle ist gesch\u00fctzt")},
        {QStringLiteral(" ...  "), 0x800A03EC, QStringLiteral("OLE error 800a03ec")},
        {QString(), 0x80020009, QStringLiteral("OLE error 80020009")},
    };
    for (const Case &each : cases) {
        Recorder recorder;
        recorder.log->failAt = FailAtCell(2, 1, [&] { throw AutomationError::Exception(each.description, each.code); });
        TimedLedger times(5, 0);
        TExcel excel(nullptr, &recorder.registry);
        try {
            RosterExport::ExportRosters(excel, Roster(5, 1), {}, times.ledger);
            ADD_FAILURE() << "the export went on";
        } catch (const AutomationError &error) {
            EXPECT_EQ(error.Message(), each.message);
        }
        EXPECT_EQ(recorder.log->calls.size(), 1u + 2u + 2u + 1u);
    }
}

TEST(ExcelCallSequence, AnyOtherFailureOfAnObjectBecomesAnExceptionWithItsText)
{
    Recorder recorder;
    recorder.log->failAt = FailAtCell(1, 1, [] { throw std::runtime_error("disk full."); });
    TimedLedger times(1, 0);
    TExcel excel(nullptr, &recorder.registry);
    EXPECT_THROW(
        {
            try {
                RosterExport::ExportRosters(excel, Roster(1, 1), {}, times.ledger);
            } catch (const AutomationError &error) {
                EXPECT_EQ(error.Message(), QStringLiteral("disk full"));
                throw;
            }
        },
        AutomationError);
}

TEST(ExcelExportRun, ASuccessfulExportDropsItsReference)
{
    Recorder recorder;
    QObject owner;
    TimedLedger times(2, 2);
    EXPECT_TRUE(RosterExport::Run(&owner, Roster(2, 1), Roster(2, 2), times.ledger, &recorder.registry));
    EXPECT_TRUE(owner.findChildren<TExcel *>().isEmpty());
    EXPECT_TRUE(recorder.registry.lastObject.expired());
}

TEST(ExcelExportRun, AFailedExportKeepsItsTExcelWithTheOwnerButLetsGoOfTheApplication)
{
    Recorder recorder;
    recorder.log->failAt = FailAtCell(3, 1, [] { throw AutomationError::UnknownName(QStringLiteral("Cells")); });
    auto owner = std::make_unique<QObject>();
    TimedLedger times(5, 0);
    EXPECT_THROW(RosterExport::Run(owner.get(), Roster(5, 1), {}, times.ledger, &recorder.registry), AutomationError);
    const QList<TExcel *> kept = owner->findChildren<TExcel *>();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0]->line, 3);
    EXPECT_TRUE(kept[0]->ExcelApp.IsEmpty());
    EXPECT_TRUE(recorder.registry.lastObject.expired()) << "the application has what was written";
}

TEST(ExcelExportRun, NoApplicationLeavesNothingBehind)
{
    Recorder recorder;
    recorder.registry.creatable = false;
    QObject owner;
    TimedLedger times(1, 0);
    EXPECT_FALSE(RosterExport::Run(&owner, Roster(1, 1), {}, times.ledger, &recorder.registry));
    EXPECT_TRUE(owner.findChildren<TExcel *>().isEmpty());
}

} // namespace
