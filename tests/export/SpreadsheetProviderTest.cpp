// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The program's own "Excel.Application": members by name, the running
// instance, and the workbooks it saves as .xlsx files when an export lets go.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

#include "ExportTestSupport.h"
#include "FakeDesk.h"
#include "RecordingAutomation.h"
#include "XlsxReadBack.h"
#include "export/AutomationError.h"
#include "export/AutomationObject.h"
#include "export/AutomationRegistry.h"
#include "export/RosterExport.h"
#include "export/SpreadsheetApplication.h"
#include "export/TExcel.h"

namespace {

const QString ProgId = QStringLiteral("Excel.Application");

struct Provider
{
    FakeDesk desk;
    AutomationRegistry registry;
    Provider() { RegisterSpreadsheetProvider(registry, desk.Actions()); }
};

std::string Message(const std::function<void()> &call)
{
    try {
        call();
    } catch (const AutomationError &error) {
        return error.what();
    }
    return "(no failure)";
}

TEST(SpreadsheetProvider, MembersAreFoundWithoutRegardToCase)
{
    Provider provider;
    const OleVariant app(provider.registry.Create(ProgId));
    app.Put(QStringLiteral("VISIBLE"), {OleVariant(true)});
    EXPECT_TRUE(app.Get(QStringLiteral("visible")).ToBool());
    const OleVariant workbooks = app.Get(QStringLiteral("wOrKbOoKs"));
    workbooks.Call(QStringLiteral("ADD"));
    EXPECT_EQ(workbooks.Get(QStringLiteral("count")).ToInt(), 1);
    std::int32_t row = 2;
    app.Put(QStringLiteral("cElLs"), {OleVariant::ByRef(row), OleVariant(1), OleVariant(QStringLiteral("x"))});
    app.Get(QStringLiteral("CELLS")).Call(QStringLiteral("SeLeCt"));
    app.Get(QStringLiteral("selection")).Get(QStringLiteral("COLUMNS")).Call(QStringLiteral("autofit"));
}

TEST(SpreadsheetProvider, FailuresCarryTheMessagesTheUserSees)
{
    Provider provider;
    const OleVariant app(provider.registry.Create(ProgId));
    EXPECT_EQ(Message([&] { app.Call(QStringLiteral("Quit")); }), "Method 'Quit' not supported by automation object");
    std::int32_t row = 1;
    EXPECT_EQ(
        Message([&] {
            app.Put(QStringLiteral("Cells"), {OleVariant::ByRef(row), OleVariant(1), OleVariant(QStringLiteral("x"))});
        }),
        "Es ist keine Arbeitsmappe geöffnet");
    app.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("add"));
    EXPECT_EQ(Message([&] {
                  app.Put(QStringLiteral("Cells"), {OleVariant(0), OleVariant(1), OleVariant(QStringLiteral("x"))});
              }),
              "Die Zelle in Zeile 0, Spalte 1 liegt außerhalb des Tabellenblatts");
    EXPECT_EQ(Message([&] { app.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(1)}); }), "OLE error 8002000e");
    EXPECT_EQ(Message([&] { app.Put(QStringLiteral("Workbooks"), {OleVariant(1)}); }), "OLE error 80020003");
    EXPECT_EQ(Message([&] {
                  app.Put(QStringLiteral("Cells"), {OleVariant(QStringLiteral("a")), OleVariant(1), OleVariant(1)});
              }),
              "OLE error 80020005");
    EXPECT_EQ(Message([&] { OleVariant().Call(QStringLiteral("add")); }),
              "Variant does not reference an automation object");
}

TEST(SpreadsheetProvider, TheFirstInstanceRunsOnAndLaterExportsAttachToIt)
{
    Provider provider;
    EXPECT_THROW(provider.registry.Attach(ProgId), AutomationError);
    {
        const OleVariant first(provider.registry.Create(ProgId));
        first.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("add"));
        const OleVariant attached(provider.registry.Attach(ProgId));
        EXPECT_EQ(attached.Get(QStringLiteral("Workbooks")).Get(QStringLiteral("Count")).ToInt(), 1);
        // ExcelNew: a new instance, the running one stays.
        const OleVariant fresh(provider.registry.Create(ProgId));
        EXPECT_EQ(fresh.Get(QStringLiteral("Workbooks")).Get(QStringLiteral("Count")).ToInt(), 0);
    }
    EXPECT_NO_THROW(provider.registry.Attach(ProgId));
}

TEST(SpreadsheetProvider, AnExportSavesItsWorkbookAndOpensItWhenItLetsGo)
{
    Provider provider;
    const QStringList team1 = {QStringLiteral(" 4 M\u00fcller, Jan"), QStringLiteral("5 Hans \"Hansi\" Meier"),
                               QString()};
    const QStringList team2 = {QStringLiteral("12 Schulze"), QStringLiteral("=1+1")};
    TimedLedger times(3, 2, {{{1, 0}, 306550}, {{1, 1}, 754000}, {{2, 0}, 306549}});

    QObject owner;
    const mode_t umaskBefore = ::umask(022);
    ASSERT_TRUE(RosterExport::Run(&owner, team1, team2, times.ledger, &provider.registry));
    ::umask(umaskBefore);

    const QString path = provider.desk.PathOf("Quintora 2026-12-07 19-30-05.xlsx");
    // A document like any other the user makes: readable by others as the umask allows.
    EXPECT_TRUE(QFileInfo(path).permissions().testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                        | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_EQ(provider.desk.opened, QStringList{path});
    EXPECT_TRUE(provider.desk.informed.isEmpty());
    EXPECT_TRUE(provider.desk.failures.isEmpty());
    EXPECT_EQ(provider.desk.Files(), QStringList{QFileInfo(path).fileName()}); // no temporary file left

    const std::optional<ReadSheet> sheet = XlsxReadBack::Read(path);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->sheetName, QStringLiteral("Tabelle1"));
    const QStringList lines = team1 + team2;
    const double times5 = (5 * 60 + 7) / 86400.0, times12 = (12 * 60 + 34) / 86400.0, times6 = (5 * 60 + 6) / 86400.0;
    const double expectedTimes[] = {times5, times12, 0, times6, 0};
    for (int i = 0; i < lines.size(); ++i) {
        const QString a = QStringLiteral("A%1").arg(i + 1);
        const QString b = QStringLiteral("B%1").arg(i + 1);
        if (lines[i].isEmpty()) {
            EXPECT_FALSE(sheet->cells.contains(a));
        } else {
            ASSERT_TRUE(sheet->cells.contains(a)) << a.toStdString();
            EXPECT_EQ(sheet->cells[a].type, ReadCell::Type::String);
            EXPECT_EQ(sheet->cells[a].text, lines[i]);
        }
        ASSERT_TRUE(sheet->cells.contains(b)) << b.toStdString();
        EXPECT_EQ(sheet->cells[b].type, ReadCell::Type::Number);
        EXPECT_DOUBLE_EQ(sheet->cells[b].number, expectedTimes[i]) << b.toStdString();
        EXPECT_EQ(sheet->cells[b].numberFormat, QStringLiteral("h:mm:ss"));
    }
    EXPECT_EQ(sheet->cells.size(), 9);
    // Auto-fit: the longest text of each column plus one character (the
    // file adds the cell padding as a fraction of a character).
    EXPECT_GE(sheet->columnWidths.value(1), 21.0); // "5 Hans "Hansi" Meier"
    EXPECT_LT(sheet->columnWidths.value(1), 22.0);
    EXPECT_GE(sheet->columnWidths.value(2), 8.0); // "0:05:07"
    EXPECT_LT(sheet->columnWidths.value(2), 9.0);
    EXPECT_EQ(sheet->selection, QStringLiteral("A1:XFD1048576"));
}

// Neither a file nor a link of the coming name is replaced or followed: a
// link to a missing file would otherwise get the workbook at its target,
// outside the documents folder.
TEST(SpreadsheetProvider, ANewWorkbookNeverReplacesAFileNorFollowsALink)
{
    Provider provider;
    QDir().mkpath(provider.desk.folder);
    const QString taken = provider.desk.PathOf("Quintora 2026-12-07 19-30-05.xlsx");
    {
        QFile file(taken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    const QString outside = provider.desk.home.filePath(QStringLiteral("elsewhere.xlsx"));
    const QString link = provider.desk.PathOf("Quintora 2026-12-07 19-30-05 (2).xlsx");
    ASSERT_TRUE(QFile::link(outside, link));
    TimedLedger times(1, 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(RosterExport::Run(nullptr, Roster(1, 1), {}, times.ledger, &provider.registry));

    EXPECT_EQ(provider.desk.opened,
              QStringList({provider.desk.PathOf("Quintora 2026-12-07 19-30-05 (3).xlsx"),
                           provider.desk.PathOf("Quintora 2026-12-07 19-30-05 (4).xlsx"),
                           provider.desk.PathOf("Quintora 2026-12-07 19-30-05 (5).xlsx")}));
    for (const QString &path : provider.desk.opened)
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << path.toStdString();
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), outside);
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_EQ(provider.desk.Files().size(), 4) << "the link is no file";
}

TEST(SpreadsheetProvider, WithoutAProgramForWorkbooksTheUserIsToldWhereItIs)
{
    Provider provider;
    provider.desk.hasProgram = false;
    TimedLedger times(1, 0);
    ASSERT_TRUE(RosterExport::Run(nullptr, Roster(1, 1), {}, times.ledger, &provider.registry));
    const QString path = provider.desk.PathOf("Quintora 2026-12-07 19-30-05.xlsx");
    EXPECT_TRUE(provider.desk.opened.isEmpty());
    EXPECT_EQ(provider.desk.informed,
              QStringList{QStringLiteral("Die Arbeitsmappe wurde gespeichert unter:\n%1\n"
                                         "Es ist kein Programm zum Öffnen von Tabellen eingerichtet.")
                              .arg(path)});
    EXPECT_TRUE(QFileInfo::exists(path));

    // Opening that fails says the same.
    provider.desk.hasProgram = true;
    provider.desk.openWorks = false;
    provider.desk.informed.clear();
    ASSERT_TRUE(RosterExport::Run(nullptr, Roster(1, 1), {}, times.ledger, &provider.registry));
    EXPECT_EQ(provider.desk.opened.size(), 1);
    ASSERT_EQ(provider.desk.informed.size(), 1);
    EXPECT_TRUE(provider.desk.informed[0].contains(QStringLiteral("(2).xlsx")));
}

TEST(SpreadsheetProvider, AFolderThatCannotBeWrittenIsReportedWithPathAndReason)
{
    Provider provider;
    // A file where the documents folder should be: even root cannot write there.
    const QString blocker = provider.desk.home.filePath(QStringLiteral("blocker"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    provider.desk.folder = blocker + QStringLiteral("/Dokumente");
    TimedLedger times(1, 0);
    QObject owner;
    EXPECT_TRUE(RosterExport::Run(&owner, Roster(1, 1), {}, times.ledger, &provider.registry));
    ASSERT_EQ(provider.desk.failures.size(), 1);
    const QString message = provider.desk.failures[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("Die Arbeitsmappe konnte nicht gespeichert werden unter:\n")));
    EXPECT_TRUE(message.contains(provider.desk.folder + QStringLiteral("/Quintora 2026-12-07 19-30-05.xlsx")));
    EXPECT_TRUE(message.contains(QStringLiteral("lässt sich nicht anlegen")));
    EXPECT_TRUE(provider.desk.opened.isEmpty());

    // The program goes on: the next export into a good folder works.
    provider.desk.folder = provider.desk.home.filePath(QStringLiteral("Dokumente"));
    EXPECT_TRUE(RosterExport::Run(&owner, Roster(1, 1), {}, times.ledger, &provider.registry));
    EXPECT_EQ(provider.desk.opened.size(), 1);
}

TEST(SpreadsheetProvider, AFailedExportHandsOverTheRowsWrittenBeforeTheFailureAtOnce)
{
    Provider provider;
    AutomationRegistry failing;
    failing.RegisterClass(ProgId, [&provider](AutomationRegistry &, const QString &) -> AutomationRef {
        return std::make_shared<FailingAtRow>(provider.registry.Create(ProgId), 3);
    });
    const QStringList team1 = Roster(5, 1);
    TimedLedger times(5, 0);
    auto owner = std::make_unique<QObject>();
    try {
        RosterExport::Run(owner.get(), team1, {}, times.ledger, &failing);
        FAIL() << "the export went on";
    } catch (const AutomationError &error) {
        EXPECT_STREQ(error.what(), "Excel has stopped");
        EXPECT_EQ(provider.desk.opened.size(), 1) << "saved and opened before the failure is reported";
    }
    ASSERT_EQ(provider.desk.opened.size(), 1);
    const std::optional<ReadSheet> sheet = XlsxReadBack::Read(provider.desk.opened[0]);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->cells.size(), 4); // rows 1 and 2
    EXPECT_EQ(sheet->cells.value(QStringLiteral("A2")).text, team1[1]);
    EXPECT_TRUE(sheet->columnWidths.isEmpty()); // no auto-fit
    owner.reset();
    EXPECT_EQ(provider.desk.opened.size(), 1) << "nothing more at exit";
}

TEST(SpreadsheetProvider, UntimedLinesNumbersAndOddTextsAreWrittenAsTheyArePut)
{
    Provider provider;
    {
        const OleVariant app(provider.registry.Create(ProgId));
        app.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("add"));
        auto put = [&](int row, int column, const OleVariant &value) {
            app.Put(QStringLiteral("Cells"), {OleVariant(row), OleVariant(column), value});
        };
        put(1, 1, OleVariant(QStringLiteral("--:--")));
        put(2, 1, OleVariant(42));
        put(3, 1, OleVariant(true));
        put(4, 1, OleVariant(QStringLiteral("ctl\x01\x1f<&>\u00e4")));
        put(5, 1, OleVariant(QString(40000, QLatin1Char('x'))));
        put(6, 1, OleVariant(QStringLiteral("12:30:00")));
        put(1, 1, OleVariant(QStringLiteral("--:--"))); // put twice: the last value counts
    }
    ASSERT_EQ(provider.desk.opened.size(), 1);
    const std::optional<ReadSheet> sheet = XlsxReadBack::Read(provider.desk.opened[0]);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->cells[QStringLiteral("A1")].type, ReadCell::Type::String);
    EXPECT_EQ(sheet->cells[QStringLiteral("A1")].text, QStringLiteral("--:--"));
    EXPECT_EQ(sheet->cells[QStringLiteral("A2")].type, ReadCell::Type::Number);
    EXPECT_EQ(sheet->cells[QStringLiteral("A2")].number, 42);
    EXPECT_EQ(sheet->cells[QStringLiteral("A3")].type, ReadCell::Type::Boolean);
    EXPECT_EQ(sheet->cells[QStringLiteral("A4")].type, ReadCell::Type::String);
    EXPECT_EQ(sheet->cells[QStringLiteral("A5")].text.size(), 32767);
    EXPECT_DOUBLE_EQ(sheet->cells[QStringLiteral("A6")].number, 45000 / 86400.0);
    // The shortened text is not kept quiet.
    ASSERT_EQ(provider.desk.informed.size(), 1);
    EXPECT_TRUE(provider.desk.informed[0].contains(QStringLiteral("gekürzt")));
    EXPECT_TRUE(provider.desk.failures.isEmpty());
}

// A workbook of the provider with one client's reference, kept open.
struct OpenBook
{
    Provider provider;
    OleVariant app{provider.registry.Create(ProgId)};
    OleVariant worksheets;

    OpenBook()
    {
        app.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("Add"));
        worksheets = app.Get(QStringLiteral("ActiveWorkbook")).Get(QStringLiteral("Worksheets"));
    }
    OleVariant Sheet(const OleVariant &which) const { return worksheets.Get(QStringLiteral("Item"), {which}); }
    QStringList Names() const
    {
        QStringList names;
        for (int i = 1; i <= worksheets.Get(QStringLiteral("Count")).ToInt(); ++i)
            names.append(Sheet(OleVariant(i)).Get(QStringLiteral("Name")).ToString());
        return names;
    }
};

TEST(SpreadsheetProviderSheets, SheetsAreAddedWhereAskedNamedAndFoundByPositionOrName)
{
    OpenBook book;
    const OleVariant first = book.Sheet(OleVariant(1));
    EXPECT_EQ(first.Get(QStringLiteral("Name")).ToString(), QStringLiteral("Tabelle1"));
    // After a given sheet, before a given sheet, and with neither before the active one.
    const OleVariant second = book.worksheets.Get(QStringLiteral("Add"), {OleVariant(), first});
    second.Put(QStringLiteral("Name"), {OleVariant(QStringLiteral("Abschnitte"))});
    book.worksheets.Get(QStringLiteral("Add"), {first});
    book.worksheets.Get(QStringLiteral("Add"));
    EXPECT_EQ(book.Names(),
              QStringList({QStringLiteral("Tabelle4"), QStringLiteral("Tabelle3"), QStringLiteral("Tabelle1"),
                           QStringLiteral("Abschnitte")}));
    EXPECT_EQ(book.Sheet(OleVariant(QStringLiteral("abschnitte"))).Get(QStringLiteral("Name")).ToString(),
              QStringLiteral("Abschnitte"));
    // A reference keeps its sheet when others are inserted before it.
    EXPECT_EQ(second.Get(QStringLiteral("Name")).ToString(), QStringLiteral("Abschnitte"));
    // A sheet renamed to a default name is not given that name again.
    book.Sheet(OleVariant(1)).Put(QStringLiteral("Name"), {OleVariant(QStringLiteral("Tabelle5"))});
    book.worksheets.Get(QStringLiteral("Add"));
    EXPECT_EQ(book.Names().first(), QStringLiteral("Tabelle6"));
}

TEST(SpreadsheetProviderSheets, NamesAndSheetsThatCannotBeAreRefusedWithAMessage)
{
    OpenBook book;
    const OleVariant sheet = book.worksheets.Get(QStringLiteral("Add"));
    const std::pair<QString, const char *> names[] = {
        {QStringLiteral("tabelle1"), "Es gibt schon ein Tabellenblatt namens „tabelle1“"},
        {QString(), "Der Name eines Tabellenblatts muss 1 bis 31 Zeichen lang sein"},
        {QString(32, QLatin1Char('x')), "Der Name eines Tabellenblatts muss 1 bis 31 Zeichen lang sein"},
        {QStringLiteral("a/b"), "Der Name eines Tabellenblatts darf keines der Zeichen : \\ / ? * [ ] enthalten"},
        {QStringLiteral("[x]"), "Der Name eines Tabellenblatts darf keines der Zeichen : \\ / ? * [ ] enthalten"},
        {QStringLiteral("'x"), "Der Name eines Tabellenblatts darf nicht mit einem Apostroph beginnen oder enden"},
    };
    for (const auto &[name, message] : names)
        EXPECT_EQ(Message([&] { sheet.Put(QStringLiteral("Name"), {OleVariant(name)}); }), message)
            << name.toStdString();
    EXPECT_EQ(sheet.Get(QStringLiteral("Name")).ToString(), QStringLiteral("Tabelle2"));
    // Its own name again, in other letters, is fine.
    sheet.Put(QStringLiteral("Name"), {OleVariant(QStringLiteral("TABELLE2"))});

    EXPECT_EQ(Message([&] { book.Sheet(OleVariant(3)); }), "Das Tabellenblatt „3“ gibt es nicht");
    EXPECT_EQ(Message([&] { book.Sheet(OleVariant(QStringLiteral("Wechsel"))); }),
              "Das Tabellenblatt „Wechsel“ gibt es nicht");
    // A sheet of another workbook, of another application or of the same one.
    OpenBook other;
    EXPECT_EQ(Message([&] {
                  book.worksheets.Get(QStringLiteral("Add"), {OleVariant(), other.Sheet(OleVariant(1))});
              }),
              "Das Tabellenblatt gehört nicht zu dieser Arbeitsmappe");
    const OleVariant first = book.Sheet(OleVariant(1));
    book.app.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("Add"));
    const OleVariant newer = book.app.Get(QStringLiteral("ActiveWorkbook")).Get(QStringLiteral("Worksheets"));
    EXPECT_EQ(Message([&] { newer.Get(QStringLiteral("Add"), {first}); }),
              "Das Tabellenblatt gehört nicht zu dieser Arbeitsmappe");
    EXPECT_EQ(Message([&] { newer.Get(QStringLiteral("Add"), {OleVariant(QStringLiteral("x"))}); }),
              "OLE error 80020005");
    EXPECT_EQ(Message([&] { sheet.Get(QStringLiteral("Rows"), {OleVariant(0)}); }),
              "Zeile 0 liegt außerhalb des Tabellenblatts");
    EXPECT_EQ(Message([&] { sheet.Get(QStringLiteral("Columns"), {OleVariant(16385)}); }),
              "Spalte 16385 liegt außerhalb des Tabellenblatts");
    EXPECT_EQ(Message([&] { sheet.Call(QStringLiteral("Delete")); }),
              "Method 'Delete' not supported by automation object");
}

TEST(SpreadsheetProviderSheets, FormatsBoldRowsAndFrozenPanesBelongToTheirSheet)
{
    OpenBook book;
    const OleVariant first = book.Sheet(OleVariant(1));
    const OleVariant second = book.worksheets.Get(QStringLiteral("Add"), {OleVariant(), first});
    const OleVariant columns = second.Get(QStringLiteral("Columns"), {OleVariant(3)});
    EXPECT_EQ(columns.Get(QStringLiteral("NumberFormat")).ToString(), QStringLiteral("General"));
    columns.Put(QStringLiteral("NumberFormat"), {OleVariant(QStringLiteral("[h]:mm:ss"))});
    EXPECT_EQ(columns.Get(QStringLiteral("NumberFormat")).ToString(), QStringLiteral("[h]:mm:ss"));
    EXPECT_EQ(first.Get(QStringLiteral("Columns"), {OleVariant(3)}).Get(QStringLiteral("NumberFormat")).ToString(),
              QStringLiteral("General"));

    const OleVariant font = second.Get(QStringLiteral("Rows"), {OleVariant(1)}).Get(QStringLiteral("Font"));
    font.Put(QStringLiteral("Bold"), {OleVariant(true)});
    EXPECT_TRUE(font.Get(QStringLiteral("Bold")).ToBool());
    EXPECT_FALSE(second.Get(QStringLiteral("Rows"), {OleVariant(2)})
                     .Get(QStringLiteral("Font"))
                     .Get(QStringLiteral("Bold"))
                     .ToBool());

    // The window freezes the panes of the sheet it shows.
    const OleVariant window = book.app.Get(QStringLiteral("ActiveWindow"));
    window.Put(QStringLiteral("SplitRow"), {OleVariant(1)});
    window.Put(QStringLiteral("FreezePanes"), {OleVariant(true)});
    EXPECT_EQ(window.Get(QStringLiteral("SplitRow")).ToInt(), 1);
    EXPECT_TRUE(window.Get(QStringLiteral("FreezePanes")).ToBool());
    first.Call(QStringLiteral("Activate"));
    EXPECT_FALSE(window.Get(QStringLiteral("FreezePanes")).ToBool());
    EXPECT_EQ(window.Get(QStringLiteral("SplitRow")).ToInt(), 0);

    // Numbers of every kind go into a sheet's cells; the application's Cells fill the active sheet.
    second.Put(QStringLiteral("Cells"), {OleVariant(2), OleVariant(3), OleVariant(0.25)});
    book.app.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(1), OleVariant(QStringLiteral("x"))});
    second.Call(QStringLiteral("Activate"));
    book.app.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(1), OleVariant(7)});
}

TEST(SpreadsheetProviderSheets, ThePageSetupTakesExcelsValuesAndRefusesOthersWithAMessage)
{
    OpenBook book;
    const OleVariant page = book.Sheet(OleVariant(1)).Get(QStringLiteral("pagesetup"));
    const auto value = [&](const char *name) { return page.Get(QString::fromLatin1(name)).Describe(); };
    // A new sheet's: portrait at 100 %, one page by one once fitted, no title rows.
    EXPECT_EQ(value("Orientation"), QStringLiteral("I4 1"));
    EXPECT_EQ(value("Zoom"), QStringLiteral("I4 100"));
    EXPECT_EQ(value("FitToPagesWide"), QStringLiteral("I4 1"));
    EXPECT_EQ(value("FitToPagesTall"), QStringLiteral("I4 1"));
    EXPECT_EQ(value("PrintTitleRows"), QStringLiteral("BSTR \"\""));

    const std::tuple<const char *, OleVariant, const char *> puts[] = {
        {"Orientation", OleVariant(2), "I4 2"},
        {"Zoom", OleVariant(false), "BOOL false"},
        {"FitToPagesTall", OleVariant(false), "BOOL false"},
        {"FitToPagesWide", OleVariant(3), "I4 3"},
        {"PrintTitleRows", OleVariant(QStringLiteral("1:2")), "BSTR \"$1:$2\""},
        {"PrintTitleRows", OleVariant(QStringLiteral("$1:$1")), "BSTR \"$1:$1\""},
    };
    for (const auto &[name, put, got] : puts) {
        page.Put(QString::fromLatin1(name), {put});
        EXPECT_EQ(value(name), QString::fromUtf8(got)) << name;
    }

    const std::tuple<const char *, OleVariant, const char *> refusals[] = {
        {"Orientation", OleVariant(3), "Die Seitenausrichtung 3 gibt es nicht: 1 ist Hochformat, 2 Querformat"},
        {"Orientation", OleVariant(QStringLiteral("quer")), "OLE error 80020005"},
        {"Zoom", OleVariant(true), "Der Zoom muss False oder 10 bis 400 Prozent sein"},
        {"Zoom", OleVariant(401), "Der Zoom muss False oder 10 bis 400 Prozent sein"},
        {"FitToPagesWide", OleVariant(0), "Die Zahl der Seiten muss False oder 1 bis 32767 sein"},
        {"FitToPagesTall", OleVariant(true), "Die Zahl der Seiten muss False oder 1 bis 32767 sein"},
        {"PrintTitleRows", OleVariant(QStringLiteral("$2:$1")), "„$2:$1“ sind keine ganzen Zeilen wie „$1:$1“"},
        {"PrintTitleRows", OleVariant(QStringLiteral("A1:B2")), "„A1:B2“ sind keine ganzen Zeilen wie „$1:$1“"},
        {"PrintTitleRows", OleVariant(QStringLiteral("$1:$1048577")),
         "„$1:$1048577“ sind keine ganzen Zeilen wie „$1:$1“"},
        {"PaperSize", OleVariant(9), "Method 'PaperSize' not supported by automation object"},
    };
    for (const auto &[name, put, message] : refusals)
        EXPECT_EQ(Message([&] { page.Put(QString::fromLatin1(name), {put}); }), message) << name;
    EXPECT_EQ(Message([&] { page.Put(QStringLiteral("Zoom"), {}); }), "OLE error 8002000e");
    // Nothing refused was taken.
    EXPECT_EQ(value("Orientation"), QStringLiteral("I4 2"));
    EXPECT_EQ(value("Zoom"), QStringLiteral("BOOL false"));
    EXPECT_EQ(value("FitToPagesWide"), QStringLiteral("I4 3"));
    EXPECT_EQ(value("PrintTitleRows"), QStringLiteral("BSTR \"$1:$1\""));
    // No title rows any more.
    page.Put(QStringLiteral("PrintTitleRows"), {OleVariant(QString())});
    EXPECT_EQ(value("PrintTitleRows"), QStringLiteral("BSTR \"\""));
}

TEST(SpreadsheetProviderSheets, TheSavedWorkbookHasEverySheetWithItsFormatsAndOpensOnTheActiveOne)
{
    Provider provider;
    {
        const OleVariant app(provider.registry.Create(ProgId));
        app.Get(QStringLiteral("Workbooks")).Call(QStringLiteral("Add"));
        app.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(1), OleVariant(QStringLiteral("0:05:07"))});
        const OleVariant worksheets = app.Get(QStringLiteral("ActiveWorkbook")).Get(QStringLiteral("Worksheets"));
        const OleVariant first = worksheets.Get(QStringLiteral("Item"), {OleVariant(1)});
        const OleVariant report = worksheets.Get(QStringLiteral("Add"), {OleVariant(), first});
        report.Put(QStringLiteral("Name"), {OleVariant(QStringLiteral("Bericht"))});
        report.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(1), OleVariant(QStringLiteral("Kopf"))});
        report.Put(QStringLiteral("Cells"), {OleVariant(1), OleVariant(2), OleVariant(0.5)});
        report.Put(QStringLiteral("Cells"), {OleVariant(2), OleVariant(2), OleVariant(1.25)});
        report.Put(QStringLiteral("Cells"), {OleVariant(2), OleVariant(3), OleVariant(QStringLiteral("0:05:07"))});
        report.Put(QStringLiteral("Cells"), {OleVariant(2), OleVariant(4), OleVariant(false)});
        report.Get(QStringLiteral("Rows"), {OleVariant(1)})
            .Get(QStringLiteral("Font"))
            .Put(QStringLiteral("Bold"), {OleVariant(true)});
        report.Get(QStringLiteral("Columns"), {OleVariant(2)})
            .Put(QStringLiteral("NumberFormat"), {OleVariant(QStringLiteral("[h]:mm:ss"))});
        report.Get(QStringLiteral("Columns"), {OleVariant(3)})
            .Put(QStringLiteral("NumberFormat"), {OleVariant(QStringLiteral("[h]:mm"))});
        const OleVariant window = app.Get(QStringLiteral("ActiveWindow"));
        window.Put(QStringLiteral("SplitColumn"), {OleVariant(1)});
        window.Put(QStringLiteral("SplitRow"), {OleVariant(2)});
        window.Put(QStringLiteral("FreezePanes"), {OleVariant(true)});
        report.Get(QStringLiteral("Columns")).Call(QStringLiteral("AutoFit"));
        const OleVariant page = report.Get(QStringLiteral("PageSetup"));
        page.Put(QStringLiteral("Orientation"), {OleVariant(2)});
        page.Put(QStringLiteral("Zoom"), {OleVariant(false)});
        page.Put(QStringLiteral("FitToPagesWide"), {OleVariant(2)});
        page.Put(QStringLiteral("FitToPagesTall"), {OleVariant(false)});
        page.Put(QStringLiteral("PrintTitleRows"), {OleVariant(QStringLiteral("$1:$2"))});
    }
    ASSERT_EQ(provider.desk.opened.size(), 1);
    const auto book = XlsxReadBack::ReadAll(provider.desk.opened[0]);
    ASSERT_TRUE(book);
    ASSERT_EQ(book->sheets.size(), 2);
    EXPECT_EQ(book->activeSheet, 1);
    EXPECT_EQ(book->sheets[0].sheetName, QStringLiteral("Tabelle1"));
    EXPECT_EQ(book->sheets[0].cells.value(QStringLiteral("A1")).numberFormat, QStringLiteral("h:mm:ss"));
    EXPECT_EQ(book->sheets[0].frozenRows, 0);
    EXPECT_FALSE(book->sheets[0].landscape || book->sheets[0].fitToPage);
    EXPECT_EQ(book->sheets[0].printTitles, QString());
    const ReadSheet &report = book->sheets[1];
    EXPECT_EQ(report.sheetName, QStringLiteral("Bericht"));
    EXPECT_EQ(report.frozenRows, 2);
    EXPECT_EQ(report.frozenColumns, 1);
    EXPECT_TRUE(report.landscape);
    EXPECT_TRUE(report.fitToPage);
    EXPECT_EQ(std::pair(report.fitToWidth, report.fitToHeight), std::pair(2, 0));
    EXPECT_EQ(report.printTitles, QStringLiteral("Bericht!$1:$2"));
    const ReadCell head = report.cells.value(QStringLiteral("A1"));
    EXPECT_TRUE(head.bold);
    EXPECT_EQ(head.text, QStringLiteral("Kopf"));
    const ReadCell boldTime = report.cells.value(QStringLiteral("B1"));
    EXPECT_TRUE(boldTime.bold);
    EXPECT_EQ(boldTime.numberFormat, QStringLiteral("[h]:mm:ss"));
    EXPECT_EQ(boldTime.number, 0.5);
    const ReadCell longTime = report.cells.value(QStringLiteral("B2"));
    EXPECT_FALSE(longTime.bold);
    EXPECT_EQ(longTime.numberFormat, QStringLiteral("[h]:mm:ss"));
    // A text that reads as a time keeps its column's format.
    EXPECT_EQ(report.cells.value(QStringLiteral("C2")).numberFormat, QStringLiteral("[h]:mm"));
    EXPECT_EQ(report.cells.value(QStringLiteral("D2")).type, ReadCell::Type::Boolean);
    // 30:00:00 is the widest text of column 2.
    EXPECT_GE(report.columnWidths.value(2), 9.0);
    EXPECT_LT(report.columnWidths.value(2), 10.0);
}

} // namespace
