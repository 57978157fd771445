// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The game report's sheets after the rosters' sheet: what is said to the
// spreadsheet application, and the workbook it saves, read back twice (by
// the tests' own reader and by openpyxl).

#include "game/ReportExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "ExportTestSupport.h"
#include "FakeDesk.h"
#include "RecordingAutomation.h"
#include "XlsxReadBack.h"
#include "export/RosterExport.h"
#include "export/SpreadsheetApplication.h"
#include "export/TExcel.h"
#include "timing/PlayingRules.h"

namespace {

constexpr double MsPerDay = 86400000.0;
// 7.12.2026 18:30:00 UTC, 19:30 in Berlin.
constexpr std::int64_t Evening = 1796668200000;
// 1.6.2026 10:00:00 UTC, 12:00 in Berlin (summer time).
constexpr std::int64_t SummerNoon = 1780308000000;
// Day numbers of a sheet for 7.12.2026 and 1.6.2026.
constexpr double EveningDay = 46363;
constexpr double SummerDay = 46174;

// German time with its summer time, for the wall-clock values.
class BerlinTime
{
public:
    BerlinTime()
    {
        const char *before = std::getenv("TZ");
        if (before)
            m_before = before;
        m_hadOne = before != nullptr;
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    ~BerlinTime()
    {
        if (m_hadOne)
            qputenv("TZ", m_before);
        else
            qunsetenv("TZ");
        tzset();
    }
    BerlinTime(const BerlinTime &) = delete;
    BerlinTime &operator=(const BerlinTime &) = delete;

private:
    QByteArray m_before;
    bool m_hadOne = false;
};

// Two periods; a timed line, a line that never played, a line without text
// and one past the fiftieth; a spell, the clock set forward and back.
GameReport SampleReport()
{
    GameReport report;
    report.Periods = {{QStringLiteral("1. Abschnitt"), false, 0, 600000},
                      {QStringLiteral("Verlängerung 1"), true, 600000, 900000}};
    report.Lines = {{1, 0, QStringLiteral(" 4 Anna"), true, {599891, 120109}, 720000, 2, {600000, 120000}},
                    {1, 1, QStringLiteral("5 Bea"), true, {0, 0}, 0, 0, {0, 0}},
                    {2, 0, QString(), true, {1000, 0}, 1000, 1, {1000, 0}},
                    {2, 50, QStringLiteral("55 Zoe"), false, {}, 0, 2, {}}};
    report.Changes = {ReportStint{1, 0, QStringLiteral(" 4 Anna"), true, 0, 720130, 720000, Evening, Evening + 720130,
                                  0, 720000, 720000, QStringLiteral("Adler Nord")},
                      ReportClockSet{722000, 1870, Evening + 800000},
                      ReportStint{2, 50, QStringLiteral("55 Zoe"), false, 0, 722000, 0, Evening, Evening + 720130, 0, 0,
                                  722000, QStringLiteral("Team 2")},
                      ReportClockSet{718563, -3437, Evening + 900000}};
    report.GameMs = 718563;
    return report;
}

PlayingRules MiniEighths()
{
    return PlayingRuleSets::Named(QStringLiteral("Mini 8 × 4 (2–6 Achtel)")).value();
}

// The third of eight eighths under way: a line with two eighths, one with
// one, a blank line, one of team 2 (whose spells are left out, so it keeps
// its default name) and an untimed line that never played.  Team 1 was
// renamed before its latest spell.
GameReport MiniReport()
{
    GameReport report;
    report.Periods = {{QStringLiteral("1. Achtel"), false, 0, 240000},
                      {QStringLiteral("2. Achtel"), false, 240000, 480000},
                      {QStringLiteral("3. Achtel"), false, 480000, 720000}};
    report.Lines = {{1, 0, QStringLiteral(" 4 Anna"), true, {240000, 240000, 0}, 480000, 2, {240000, 240000, 0}},
                    {1, 1, QStringLiteral("5 Bea"), true, {0, 0, 120000}, 120000, 1, {0, 0, 120000}},
                    {1, 2, QString(), true, {0, 0, 0}, 0, 0, {0, 0, 0}},
                    {2, 0, QStringLiteral("8 Mia"), true, {240000, 0, 60000}, 300000, 2, {240000, 0, 60000}},
                    {2, 50, QStringLiteral("55 Zoe"), false, {}, 0, 0, {}}};
    report.Changes = {ReportStint{1, 0, QStringLiteral(" 4 Anna"), true, 0, 480000, 480000, Evening, Evening + 480000,
                                  0, 480000, 480000, QStringLiteral("Adler")},
                      ReportStint{1, 1, QStringLiteral("5 Bea"), true, 480000, 600000, 120000, Evening + 500000,
                                  Evening + 620000, 480000, 120000, 600000, QStringLiteral("Adler Nord")}};
    report.GameMs = 600000;
    return report;
}

// The rows of "Einsätze" for MiniReport(): an "X" in each eighth played,
// the minutes in ms (-1: untimed).
struct Appearance
{
    const char *team;
    const char *player;
    const char *marks;
    int played;
    std::int64_t ms;
    const char *verdict;
};
const Appearance MiniAppearances[] = {
    {"Adler Nord", " 4 Anna", "XX", 2, 480000, "erfüllt"},
    {"Adler Nord", "5 Bea", "--X", 1, 120000, "nicht erfüllt: nur 1 Achtel gespielt"},
    {"Team 2", "8 Mia", "X-X", 2, 300000, "erfüllt"},
    {"Team 2", "55 Zoe", "", 0, -1, "nicht erfüllt: nicht gespielt"},
};

// Every cell of "Einsätze" (row and column from 1) as text or number.
std::vector<std::tuple<int, int, QVariant>> AppearanceCells()
{
    std::vector<std::tuple<int, int, QVariant>> cells;
    QStringList header = {QStringLiteral("Team"), QStringLiteral("Spieler")};
    for (int eighth = 1; eighth <= 8; ++eighth)
        header += QStringLiteral("%1. Achtel").arg(eighth);
    header += {QStringLiteral("Gespielt"), QStringLiteral("Minuten"), QStringLiteral("Ergebnis")};
    for (int column = 1; column <= header.size(); ++column)
        cells.emplace_back(1, column, header[column - 1]);
    int row = 2;
    for (const Appearance &line : MiniAppearances) {
        cells.emplace_back(row, 1, QString::fromUtf8(line.team));
        cells.emplace_back(row, 2, QString::fromUtf8(line.player));
        for (int eighth = 0; line.marks[eighth] != 0; ++eighth) {
            if (line.marks[eighth] == 'X')
                cells.emplace_back(row, 3 + eighth, QStringLiteral("X"));
        }
        cells.emplace_back(row, 11, double(line.played));
        cells.emplace_back(row, 12, line.ms < 0 ? QVariant(QStringLiteral("--:--")) : QVariant(line.ms / MsPerDay));
        cells.emplace_back(row, 13, QString::fromUtf8(line.verdict));
        ++row;
    }
    return cells;
}

QString Ref(int row, int column)
{
    return QChar(u'A' + column - 1) + QString::number(row);
}

// A sheet as read back, by reference, against AppearanceCells().
void ExpectAppearances(const QMap<QString, QVariant> &actual)
{
    QStringList refs;
    for (const auto &[row, column, value] : AppearanceCells()) {
        const QString ref = Ref(row, column);
        refs += ref;
        if (value.typeId() == QMetaType::QString)
            EXPECT_EQ(actual.value(ref).toString(), value.toString()) << ref.toStdString();
        else
            EXPECT_NEAR(actual.value(ref).toDouble(), value.toDouble(), 1e-12) << ref.toStdString();
    }
    refs.sort();
    EXPECT_EQ(actual.keys(), refs); // no marks but these, and no row for the blank line
}

// The process's numbers as on a German desktop (a decimal comma), while it lives.
class GermanNumbers
{
public:
    GermanNumbers()
        : m_before(std::setlocale(LC_NUMERIC, nullptr))
        , m_active(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
    { }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, m_before.c_str()); }
    GermanNumbers(const GermanNumbers &) = delete;
    GermanNumbers &operator=(const GermanNumbers &) = delete;
    bool Active() const { return m_active; }

private:
    std::string m_before;
    bool m_active;
};

// A wall-clock time in Berlin in winter as a sheet's day number: one hour
// ahead of UTC, days from 30.12.1899, which is 25569 days before 1.1.1970.
double WinterDay(std::int64_t utcMs)
{
    return double(utcMs + 3600000) / MsPerDay + 25569;
}

// One call a line, for readable differences.
std::string Lines(const QStringList &calls)
{
    return calls.join(QLatin1Char('\n')).toStdString();
}

QString R8(double value)
{
    return QStringLiteral("R8 ") + QString::number(value, 'g', QLocale::FloatingPointShortest);
}

TEST(ReportExportValues, TimesAreDayFractionsAndWallClockTimesLocalDates)
{
    const BerlinTime berlin;
    EXPECT_EQ(ReportExport::DurationValue(0), 0.0);
    EXPECT_EQ(ReportExport::DurationValue(720000), 720000 / MsPerDay);
    // The whole second the clock shows: from 550 ms on a fraction counts.
    EXPECT_EQ(ReportExport::DurationValue(603549), 603000 / MsPerDay);
    EXPECT_EQ(ReportExport::DurationValue(603550), 604000 / MsPerDay);
    EXPECT_DOUBLE_EQ(ReportExport::WallClockValue(Evening), EveningDay + 19.5 / 24);
    EXPECT_DOUBLE_EQ(ReportExport::WallClockValue(SummerNoon), SummerDay + 0.5);
    EXPECT_DOUBLE_EQ(ReportExport::WallClockValue(Evening + 1500), EveningDay + 19.5 / 24 + 1.5 / 86400);
}

TEST(ReportExportValues, AClockSettingShowsItsSignedDelta)
{
    const std::pair<std::int64_t, const char *> cases[] = {
        {1870, "+0:00:01,870"}, {-3437, "-0:00:03,437"},   {5000, "+0:00:05"},       {-60000, "-0:01:00"},
        {0, "+0:00:00"},        {3723004, "+1:02:03,004"}, {-90000000, "-25:00:00"},
    };
    for (const auto &[delta, text] : cases)
        EXPECT_EQ(ReportExport::SignedDuration(delta), QString::fromUtf8(text)) << delta;
}

TEST(ReportExportValues, AReportFitsTheRostersOnlyWithTheSameLinesAndTimes)
{
    TimedLedger times(2, 51, {{{1, 0}, 306550}, {{2, 1}, 1000}});
    const QStringList team1 = Roster(2, 1);
    const QStringList team2 = Roster(51, 2);
    GameReport report;
    for (int row = 0; row < 2; ++row)
        report.Lines.push_back({1, row, team1[row], true, {}, row == 0 ? 306550 : 0, 0, {}});
    for (int row = 0; row < 51; ++row)
        report.Lines.push_back({2, row, team2[row], row < 50, {}, row == 1 ? 1000 : 0, 0, {}});
    EXPECT_TRUE(ReportExport::FitsRosters(report, team1, team2, times.ledger));

    const std::vector<std::pair<const char *, std::function<void(GameReport &)>>> misfits = {
        {"a time", [](GameReport &r) { r.Lines[0].TotalMs += 1; }},
        {"a text", [](GameReport &r) { r.Lines[1].Text += QLatin1Char(' '); }},
        {"a line too few", [](GameReport &r) { r.Lines.pop_back(); }},
        {"the teams swapped", [](GameReport &r) { std::swap(r.Lines[0].Team, r.Lines[2].Team); }},
        {"the 51st line timed", [](GameReport &r) { r.Lines.back().Timed = true; }},
    };
    for (const auto &[name, change] : misfits) {
        GameReport changed = report;
        change(changed);
        EXPECT_FALSE(ReportExport::FitsRosters(changed, team1, team2, times.ledger)) << name;
    }
    // An untimed line's total is not compared: it has none.
    report.Lines.back().TotalMs = 5;
    EXPECT_TRUE(ReportExport::FitsRosters(report, team1, team2, times.ledger));
}

// The report's sheets when there is a report.
RosterExport::MoreSheets SheetsOf(const GameReport *report, const PlayingRules &rules = {})
{
    return report ? ReportExport::Sheets(*report, rules) : nullptr;
}

struct Recorder
{
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    RecordingRegistry registry{log};
};

QStringList ExportCalls(const GameReport *report, const PlayingRules &rules = {})
{
    Recorder recorder;
    TimedLedger times(2, 1, {{{1, 0}, 306550}});
    TExcel excel(nullptr, &recorder.registry);
    EXPECT_TRUE(RosterExport::ExportRosters(excel, Roster(2, 1), Roster(1, 2), times.ledger, SheetsOf(report, rules)));
    return recorder.log->Texts();
}

// The calls finishing a sheet with these "column=format"s.
QStringList FinishCalls(const QStringList &formats)
{
    QStringList texts = {QStringLiteral("Add.Rows get (I4 1)"), QStringLiteral("Rows.Font get ()"),
                         QStringLiteral("Font.Bold put (BOOL true)")};
    for (const QString &format : formats)
        texts += {QStringLiteral("Add.Columns get (I4 %1)").arg(format.section(QLatin1Char('='), 0, 0)),
                  QStringLiteral("Columns.NumberFormat put (BSTR \"%1\")").arg(format.section(QLatin1Char('='), 1))};
    return texts
        + QStringList{QStringLiteral("Add.Activate method ()"),
                      QStringLiteral("Excel.Application.ActiveWindow get ()"),
                      QStringLiteral("ActiveWindow.SplitColumn put (I4 0)"),
                      QStringLiteral("ActiveWindow.SplitRow put (I4 1)"),
                      QStringLiteral("ActiveWindow.FreezePanes put (BOOL true)"),
                      QStringLiteral("Add.Columns get ()"),
                      QStringLiteral("Columns.AutoFit method ()"),
                      QStringLiteral("Add.PageSetup get ()"),
                      QStringLiteral("PageSetup.Orientation put (I4 2)"),
                      QStringLiteral("PageSetup.Zoom put (BOOL false)"),
                      QStringLiteral("PageSetup.FitToPagesWide put (I4 1)"),
                      QStringLiteral("PageSetup.FitToPagesTall put (BOOL false)"),
                      QStringLiteral("PageSetup.PrintTitleRows put (BSTR \"$1:$1\")")};
}

QString CellCall(int row, int column, const QString &value)
{
    return QStringLiteral("Add.Cells put (I4 %1, I4 %2, %3)").arg(row).arg(column).arg(value);
}

QString Bstr(const QString &value)
{
    return QStringLiteral("BSTR \"%1\"").arg(value);
}

TEST(ReportExportCalls, TheRostersSheetIsWrittenAsWithoutAReportThenTheReportsSheetsFollow)
{
    GameReport report;
    report.Periods = {{QStringLiteral("1. Abschnitt"), false, 0, 600000}};
    report.Lines = {{1, 0, QStringLiteral("4 Anna"), true, {306550}, 306550, 1, {307000}}};
    report.Changes = {ReportStint{1, 0, QStringLiteral("4 Anna"), true, 0, 306600, 306550, Evening, Evening + 306600, 0,
                                  307000, 307000, QStringLiteral("TV Musterstadt U12")},
                      ReportClockSet{307000, 400, Evening + 400000}};
    const BerlinTime berlin;

    const QStringList plain = ExportCalls(nullptr);
    const QStringList calls = ExportCalls(&report);
    ASSERT_GT(calls.size(), plain.size());
    EXPECT_EQ(Lines(calls.mid(0, plain.size())), Lines(plain));

    const auto text = [](const char *value) { return Bstr(QString::fromUtf8(value)); };
    const QString duration = QStringLiteral("[h]:mm:ss");
    const QString dateTime = QStringLiteral("d.m.yyyy hh:mm:ss");

    QStringList expected = {QStringLiteral("Excel.Application.ActiveWorkbook get ()"),
                            QStringLiteral("ActiveWorkbook.Worksheets get ()"),
                            QStringLiteral("Worksheets.Count get ()"),
                            QStringLiteral("Worksheets.Item get (DISPATCH)"),
                            QStringLiteral("Worksheets.Add get (EMPTY, DISPATCH)"),
                            QStringLiteral("Add.Name put (BSTR \"Abschnitte\")"),
                            CellCall(1, 1, text("Spieler")),
                            CellCall(1, 2, text("1. Abschnitt")),
                            CellCall(1, 3, text("Gesamt")),
                            CellCall(1, 4, text("Abschnitte auf dem Feld")),
                            CellCall(2, 1, text("4 Anna")),
                            CellCall(2, 2, R8(307000 / MsPerDay)),
                            CellCall(2, 3, R8(307000 / MsPerDay)),
                            CellCall(2, 4, QStringLiteral("I4 1"))};
    expected += FinishCalls({QStringLiteral("2=") + duration, QStringLiteral("3=") + duration});
    expected += {QStringLiteral("Worksheets.Add get (EMPTY, DISPATCH)"),
                 QStringLiteral("Add.Name put (BSTR \"Wechsel\")"),
                 CellCall(1, 1, text("Team")),
                 CellCall(1, 2, text("Spieler")),
                 CellCall(1, 3, text("Ein")),
                 CellCall(1, 4, text("Aus")),
                 CellCall(1, 5, text("Dauer")),
                 CellCall(1, 6, text("Ein (Uhrzeit)")),
                 CellCall(1, 7, text("Aus (Uhrzeit)")),
                 CellCall(2, 1, text("TV Musterstadt U12")),
                 CellCall(2, 2, text("4 Anna")),
                 CellCall(2, 3, R8(0)),
                 CellCall(2, 4, R8(307000 / MsPerDay)),
                 CellCall(2, 5, R8(307000 / MsPerDay)),
                 CellCall(2, 6, R8(WinterDay(Evening))),
                 CellCall(2, 7, R8(WinterDay(Evening + 306600))),
                 CellCall(3, 2, text("Uhr gestellt")),
                 CellCall(3, 3, R8(307000 / MsPerDay)),
                 CellCall(3, 5, text("+0:00:00,400")),
                 CellCall(3, 6, R8(WinterDay(Evening + 400000)))};
    expected +=
        FinishCalls({QStringLiteral("3=") + duration, QStringLiteral("4=") + duration, QStringLiteral("5=") + duration,
                     QStringLiteral("6=") + dateTime, QStringLiteral("7=") + dateTime});
    expected += {QStringLiteral("Worksheets.Item get (I4 1)"), QStringLiteral("Item.Activate method ()")};
    EXPECT_EQ(Lines(calls.mid(plain.size())), Lines(expected));
}

TEST(ReportExportCalls, UnderRulesTheAppearancesFollowTheChangesAndWithoutThemNothingChanges)
{
    const GameReport report = MiniReport();
    const BerlinTime berlin;
    const QStringList plain = ExportCalls(&report);
    EXPECT_EQ(Lines(ExportCalls(&report, *PlayingRuleSets::Named(QStringLiteral("Keine Regeln")))), Lines(plain));

    const QStringList calls = ExportCalls(&report, MiniEighths());
    const qsizetype shown = plain.size() - 2; // then the rosters are shown again
    ASSERT_GT(calls.size(), plain.size());
    EXPECT_EQ(Lines(calls.mid(0, shown)), Lines(plain.mid(0, shown)));
    EXPECT_EQ(Lines(calls.mid(calls.size() - 2)), Lines(plain.mid(shown)));

    QStringList expected = {QStringLiteral("Worksheets.Add get (EMPTY, DISPATCH)"),
                            QStringLiteral("Add.Name put (BSTR \"Einsätze\")")};
    for (const auto &[row, column, value] : AppearanceCells()) {
        if (value.typeId() == QMetaType::QString)
            expected += CellCall(row, column, Bstr(value.toString()));
        else if (column == 11) // the periods played: a whole number
            expected += CellCall(row, column, QStringLiteral("I4 %1").arg(value.toInt()));
        else
            expected += CellCall(row, column, R8(value.toDouble()));
    }
    expected += FinishCalls({QStringLiteral("12=[h]:mm:ss")});
    EXPECT_EQ(Lines(calls.mid(shown, calls.size() - plain.size())), Lines(expected));
}

TEST(ReportExportCalls, AFailingCallEndsTheExportThere)
{
    Recorder recorder;
    recorder.log->failAt = [](const RecordedCall &call, std::size_t) {
        if (call.member == QLatin1String("Name"))
            throw AutomationError::Exception(QStringLiteral("Der Name ist schon vergeben."));
    };
    const GameReport report = SampleReport();
    TimedLedger times(1, 0);
    TExcel excel(nullptr, &recorder.registry);
    try {
        RosterExport::ExportRosters(excel, Roster(1, 1), {}, times.ledger, ReportExport::Sheets(report));
        FAIL() << "the export went on";
    } catch (const AutomationError &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Der Name ist schon vergeben"));
    }
    EXPECT_EQ(recorder.log->calls.back().member, QStringLiteral("Name"));
}

// The program's own application saving the workbook into a temporary folder.
struct SavedWorkbooks
{
    FakeDesk desk;
    AutomationRegistry registry;
    TimedLedger times{3, 2, {{{1, 0}, 306550}, {{2, 1}, 754000}}};
    QStringList team1 = {QStringLiteral(" 4 M\u00fcller, Jan"), QStringLiteral("0:05:07"), QString()};
    QStringList team2 = Roster(2, 2);

    SavedWorkbooks() { RegisterSpreadsheetProvider(registry, desk.Actions()); }

    QString Export(const GameReport *report, const PlayingRules &rules = {})
    {
        const qsizetype before = desk.opened.size();
        EXPECT_TRUE(RosterExport::Run(nullptr, team1, team2, times.ledger, &registry, SheetsOf(report, rules)));
        EXPECT_TRUE(desk.failures.isEmpty()) << desk.failures.join(QLatin1Char('\n')).toStdString();
        return desk.opened.size() == before + 1 ? desk.opened.last() : QString();
    }
};

void ExpectSameSheet(const ReadSheet &actual, const ReadSheet &expected)
{
    EXPECT_EQ(actual.sheetName, expected.sheetName);
    EXPECT_EQ(actual.cells.keys(), expected.cells.keys());
    for (auto it = expected.cells.constBegin(); it != expected.cells.constEnd(); ++it) {
        const ReadCell cell = actual.cells.value(it.key());
        EXPECT_EQ(cell.type, it->type) << it.key().toStdString();
        EXPECT_EQ(cell.text, it->text) << it.key().toStdString();
        EXPECT_EQ(cell.number, it->number) << it.key().toStdString();
        EXPECT_EQ(cell.numberFormat, it->numberFormat) << it.key().toStdString();
        EXPECT_EQ(cell.bold, it->bold) << it.key().toStdString();
    }
    EXPECT_EQ(actual.columnWidths, expected.columnWidths);
    EXPECT_EQ(actual.selection, expected.selection);
    EXPECT_EQ(actual.frozenRows, expected.frozenRows);
    EXPECT_EQ(std::tuple(actual.landscape, actual.fitToPage, actual.fitToWidth, actual.fitToHeight, actual.printTitles),
              std::tuple(expected.landscape, expected.fitToPage, expected.fitToWidth, expected.fitToHeight,
                         expected.printTitles));
}

// Landscape, one page wide and as many tall as it takes, the header row on every page.
void ExpectPrintedAcross(const ReadSheet &sheet)
{
    EXPECT_TRUE(sheet.landscape) << sheet.sheetName.toStdString();
    EXPECT_TRUE(sheet.fitToPage) << sheet.sheetName.toStdString();
    EXPECT_EQ(sheet.fitToWidth, 1) << sheet.sheetName.toStdString();
    EXPECT_EQ(sheet.fitToHeight, 0) << sheet.sheetName.toStdString();
    // A name beyond ASCII is quoted, as a formula may quote any.
    const bool ascii = sheet.sheetName.toUtf8().size() == sheet.sheetName.size();
    const QString name = ascii ? sheet.sheetName : QLatin1Char('\'') + sheet.sheetName + QLatin1Char('\'');
    EXPECT_EQ(sheet.printTitles, name + QStringLiteral("!$1:$1"));
}

void ExpectWidth(const ReadSheet &sheet, int column, int characters)
{
    EXPECT_GE(sheet.columnWidths.value(column), characters) << column;
    EXPECT_LT(sheet.columnWidths.value(column), characters + 1) << column;
}

double Ms(const ReadCell &cell)
{
    return cell.number * MsPerDay;
}

TEST(ReportExportWorkbook, TheRostersSheetStaysAsItWasAndTheReportsSheetsFollowIt)
{
    const BerlinTime berlin;
    SavedWorkbooks saved;
    const GameReport report = SampleReport();
    const auto plain = XlsxReadBack::ReadAll(saved.Export(nullptr));
    const auto book = XlsxReadBack::ReadAll(saved.Export(&report));
    ASSERT_TRUE(plain && book);
    ASSERT_EQ(plain->sheets.size(), 1);
    ASSERT_EQ(book->sheets.size(), 3);
    ExpectSameSheet(book->sheets[0], plain->sheets[0]);
    // The rosters' sheet prints as a new sheet does.
    EXPECT_FALSE(plain->sheets[0].landscape || plain->sheets[0].fitToPage);
    EXPECT_EQ(plain->sheets[0].printTitles, QString());
    EXPECT_EQ(book->activeSheet, 0);
    EXPECT_EQ(book->sheets[1].sheetName, QStringLiteral("Abschnitte"));
    EXPECT_EQ(book->sheets[2].sheetName, QStringLiteral("Wechsel"));

    const ReadSheet &periods = book->sheets[1];
    const QStringList header = {QStringLiteral("Spieler"), QStringLiteral("1. Abschnitt"),
                                QStringLiteral("Verlängerung 1"), QStringLiteral("Gesamt"),
                                QStringLiteral("Abschnitte auf dem Feld")};
    for (int column = 0; column < header.size(); ++column) {
        const ReadCell cell = periods.cells.value(QString(QChar('A' + column)) + QLatin1Char('1'));
        EXPECT_EQ(cell.text, header[column]);
        EXPECT_TRUE(cell.bold) << column;
    }
    EXPECT_EQ(periods.frozenRows, 1);
    EXPECT_EQ(periods.frozenColumns, 0);
    ExpectPrintedAcross(periods);
    EXPECT_EQ(periods.cells.value(QStringLiteral("A2")).text, QStringLiteral(" 4 Anna"));
    EXPECT_FALSE(periods.cells.value(QStringLiteral("A2")).bold);
    for (const auto &[ref, ms] : std::vector<std::pair<const char *, double>>{
             {"B2", 600000}, {"C2", 120000}, {"D2", 720000}, {"B3", 0}, {"D4", 1000}}) {
        const ReadCell cell = periods.cells.value(QString::fromLatin1(ref));
        EXPECT_EQ(cell.type, ReadCell::Type::Number) << ref;
        EXPECT_DOUBLE_EQ(Ms(cell), ms) << ref;
        EXPECT_EQ(cell.numberFormat, QStringLiteral("[h]:mm:ss")) << ref;
    }
    EXPECT_EQ(periods.cells.value(QStringLiteral("E2")).number, 2);
    EXPECT_EQ(periods.cells.value(QStringLiteral("E2")).numberFormat, QString());
    EXPECT_FALSE(periods.cells.contains(QStringLiteral("A4"))); // a line without text
    for (const char *ref : {"B5", "C5", "D5"})
        EXPECT_EQ(periods.cells.value(QString::fromLatin1(ref)).text, QStringLiteral("--:--")) << ref;
    EXPECT_EQ(periods.cells.value(QStringLiteral("E5")).number, 2);
    // Auto-fit: the longest shown text plus one character (the file adds
    // the cell padding as a fraction of a character).
    ExpectWidth(periods, 5, 24); // "Abschnitte auf dem Feld"
    ExpectWidth(periods, 2, 13); // "1. Abschnitt"

    const ReadSheet &changes = book->sheets[2];
    EXPECT_EQ(changes.frozenRows, 1);
    ExpectPrintedAcross(changes);
    EXPECT_EQ(changes.cells.value(QStringLiteral("G1")).text, QStringLiteral("Aus (Uhrzeit)"));
    EXPECT_TRUE(changes.cells.value(QStringLiteral("G1")).bold);
    // The team by the name it went by when the spell began.
    EXPECT_EQ(changes.cells.value(QStringLiteral("A2")).text, QStringLiteral("Adler Nord"));
    EXPECT_EQ(changes.cells.value(QStringLiteral("A4")).text, QStringLiteral("Team 2"));
    EXPECT_DOUBLE_EQ(Ms(changes.cells.value(QStringLiteral("D2"))), 720000);
    EXPECT_DOUBLE_EQ(Ms(changes.cells.value(QStringLiteral("E2"))), 720000);
    EXPECT_EQ(changes.cells.value(QStringLiteral("E2")).numberFormat, QStringLiteral("[h]:mm:ss"));
    EXPECT_DOUBLE_EQ(changes.cells.value(QStringLiteral("F2")).number, EveningDay + 19.5 / 24);
    EXPECT_EQ(changes.cells.value(QStringLiteral("F2")).numberFormat, QStringLiteral("d.m.yyyy hh:mm:ss"));
    // The clock set forward: its game time and the delta as a signed text.
    EXPECT_FALSE(changes.cells.contains(QStringLiteral("A3")));
    EXPECT_EQ(changes.cells.value(QStringLiteral("B3")).text, QStringLiteral("Uhr gestellt"));
    EXPECT_DOUBLE_EQ(Ms(changes.cells.value(QStringLiteral("C3"))), 722000);
    EXPECT_FALSE(changes.cells.contains(QStringLiteral("D3")));
    EXPECT_EQ(changes.cells.value(QStringLiteral("E3")).text, QStringLiteral("+0:00:01,870"));
    EXPECT_FALSE(changes.cells.contains(QStringLiteral("G3")));
    EXPECT_EQ(changes.cells.value(QStringLiteral("E4")).text, QStringLiteral("--:--"));
    EXPECT_EQ(changes.cells.value(QStringLiteral("E5")).text, QStringLiteral("-0:00:03,437"));
    ExpectWidth(changes, 6, 19); // "7.12.2026 19:30:00"
    ExpectWidth(changes, 2, 13); // "Uhr gestellt"
}

// The workbook at `path` as openpyxl reads it (read_workbook.py); skips
// the test without python3 or openpyxl.
void ReadWithOpenpyxl(const QString &path, QJsonObject &workbook)
{
    ASSERT_FALSE(path.isEmpty());
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {qEnvironmentVariable("QUINTORA_SOURCE_DIR") + QStringLiteral("/tests/export/read_workbook.py"), path});
    if (!python.waitForStarted(10000))
        GTEST_SKIP() << "no /usr/bin/python3";
    ASSERT_TRUE(python.waitForFinished(60000));
    if (python.exitCode() == 77)
        GTEST_SKIP() << "python3-openpyxl is not installed";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    workbook = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

TEST(ReportExportWorkbook, OpenpyxlReadsTheSameWorkbook)
{
    const BerlinTime berlin;
    SavedWorkbooks saved;
    const GameReport report = SampleReport();
    QJsonObject workbook;
    ReadWithOpenpyxl(saved.Export(&report), workbook);
    if (IsSkipped() || HasFatalFailure())
        return;

    EXPECT_EQ(workbook.value(QLatin1String("active")).toInt(-1), 0);
    const QJsonArray sheets = workbook.value(QLatin1String("sheets")).toArray();
    ASSERT_EQ(sheets.size(), 3);
    QStringList names;
    for (const QJsonValue &sheet : sheets)
        names.append(sheet[QLatin1String("name")].toString());
    EXPECT_EQ(names,
              QStringList({QStringLiteral("Tabelle1"), QStringLiteral("Abschnitte"), QStringLiteral("Wechsel")}));

    // The rosters' sheet as always: texts and h:mm:ss times, nothing frozen or bold.
    const QJsonObject rosters = sheets[0].toObject();
    EXPECT_TRUE(rosters[QLatin1String("freeze")].isNull());
    const QJsonObject rostersPage = rosters[QLatin1String("page")].toObject();
    EXPECT_TRUE(rostersPage[QLatin1String("orientation")].isNull());
    EXPECT_FALSE(rostersPage[QLatin1String("fitToPage")].toBool());
    EXPECT_TRUE(rostersPage[QLatin1String("printTitleRows")].isNull());
    const QJsonObject rosterCells = rosters[QLatin1String("cells")].toObject();
    EXPECT_EQ(rosterCells[QLatin1String("A1")][QLatin1String("value")].toString(),
              QStringLiteral(" 4 M\u00fcller, Jan"));
    EXPECT_DOUBLE_EQ(rosterCells[QLatin1String("B1")][QLatin1String("value")].toDouble() * 86400, 5 * 60 + 7);
    EXPECT_EQ(rosterCells[QLatin1String("B1")][QLatin1String("format")].toString(), QStringLiteral("h:mm:ss"));
    EXPECT_FALSE(rosterCells[QLatin1String("A1")][QLatin1String("bold")].toBool());

    for (int index : {1, 2}) {
        const QJsonObject sheet = sheets[index].toObject();
        EXPECT_EQ(sheet[QLatin1String("freeze")].toString(), QStringLiteral("A2")) << index;
        const QJsonObject page = sheet[QLatin1String("page")].toObject();
        EXPECT_EQ(page[QLatin1String("orientation")].toString(), QStringLiteral("landscape")) << index;
        EXPECT_TRUE(page[QLatin1String("fitToPage")].toBool()) << index;
        // openpyxl leaves out what the file leaves out: one page wide is the format's default.
        EXPECT_EQ(page[QLatin1String("fitToWidth")].toInt(1), 1) << index;
        EXPECT_EQ(page[QLatin1String("fitToHeight")].toInt(-1), 0) << index;
        EXPECT_EQ(page[QLatin1String("printTitleRows")].toString(), QStringLiteral("$1:$1")) << index;
        const QJsonObject cells = sheet[QLatin1String("cells")].toObject();
        for (auto it = cells.constBegin(); it != cells.constEnd(); ++it)
            EXPECT_EQ(it.value()[QLatin1String("bold")].toBool(),
                      it.key().endsWith(QLatin1String("1")) && it.key().size() == 2)
                << index << ' ' << it.key().toStdString();
    }
    const QJsonObject periods = sheets[1][QLatin1String("cells")].toObject();
    EXPECT_NEAR(periods[QLatin1String("B2")][QLatin1String("value")].toDouble() * MsPerDay, 600000, 1e-3);
    EXPECT_EQ(periods[QLatin1String("B2")][QLatin1String("format")].toString(), QStringLiteral("[h]:mm:ss"));
    EXPECT_EQ(periods[QLatin1String("E2")][QLatin1String("value")].toInt(), 2);
    const QJsonObject changes = sheets[2][QLatin1String("cells")].toObject();
    EXPECT_NEAR(changes[QLatin1String("F2")][QLatin1String("value")].toDouble(), EveningDay + 19.5 / 24, 1e-9);
    EXPECT_EQ(changes[QLatin1String("F2")][QLatin1String("format")].toString(), QStringLiteral("d.m.yyyy hh:mm:ss"));
    EXPECT_EQ(changes[QLatin1String("E5")][QLatin1String("value")].toString(), QStringLiteral("-0:00:03,437"));
}

TEST(ReportExportWorkbook, UnderRulesTheAppearancesFollowWithTheirMarksCountsAndVerdicts)
{
    const BerlinTime berlin;
    const GameReport report = MiniReport();
    for (const bool german : {false, true}) {
        SCOPED_TRACE(german ? "numbers written on a German desktop" : "numbers written as the process starts");
        std::optional<GermanNumbers> numbers;
        if (german && !numbers.emplace().Active()) {
            ADD_FAILURE() << "the locale de_DE.UTF-8 is not installed (scripts/install-deps generates it)";
            continue;
        }
        SavedWorkbooks saved;
        const auto plain = XlsxReadBack::ReadAll(saved.Export(&report));
        const auto none =
            XlsxReadBack::ReadAll(saved.Export(&report, *PlayingRuleSets::Named(QStringLiteral("Keine Regeln"))));
        const auto book = XlsxReadBack::ReadAll(saved.Export(&report, MiniEighths()));
        ASSERT_TRUE(plain && none && book);
        ASSERT_EQ(plain->sheets.size(), 3);
        ASSERT_EQ(none->sheets.size(), 3);
        ASSERT_EQ(book->sheets.size(), 4);
        for (int index = 0; index < 3; ++index) {
            ExpectSameSheet(none->sheets[index], plain->sheets[index]);
            ExpectSameSheet(book->sheets[index], plain->sheets[index]);
        }
        EXPECT_EQ(book->activeSheet, 0);

        const ReadSheet &appearances = book->sheets[3];
        EXPECT_EQ(appearances.sheetName, QStringLiteral("Einsätze"));
        QMap<QString, QVariant> values;
        for (auto it = appearances.cells.constBegin(); it != appearances.cells.constEnd(); ++it) {
            values.insert(it.key(), it->type == ReadCell::Type::String ? QVariant(it->text) : QVariant(it->number));
            EXPECT_EQ(it->bold, it.key().mid(1) == QLatin1String("1")) << it.key().toStdString();
        }
        ExpectAppearances(values);
        EXPECT_EQ(appearances.cells.value(QStringLiteral("L2")).numberFormat, QStringLiteral("[h]:mm:ss"));
        EXPECT_EQ(appearances.cells.value(QStringLiteral("K2")).numberFormat, QString());
        EXPECT_EQ(appearances.frozenRows, 1);
        ExpectPrintedAcross(appearances);
        ExpectWidth(appearances, 13, 37); // "nicht erfüllt: nur 1 Achtel gespielt"
    }
}

TEST(ReportExportWorkbook, OpenpyxlReadsTheAppearances)
{
    const BerlinTime berlin;
    SavedWorkbooks saved;
    const GameReport report = MiniReport();
    QJsonObject workbook;
    ReadWithOpenpyxl(saved.Export(&report, MiniEighths()), workbook);
    if (IsSkipped() || HasFatalFailure())
        return;

    const QJsonArray sheets = workbook.value(QLatin1String("sheets")).toArray();
    ASSERT_EQ(sheets.size(), 4);
    const QJsonObject appearances = sheets[3].toObject();
    EXPECT_EQ(appearances[QLatin1String("name")].toString(), QStringLiteral("Einsätze"));
    EXPECT_EQ(appearances[QLatin1String("freeze")].toString(), QStringLiteral("A2"));
    const QJsonObject cells = appearances[QLatin1String("cells")].toObject();
    QMap<QString, QVariant> values;
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it)
        values.insert(it.key(), it.value()[QLatin1String("value")].toVariant());
    ExpectAppearances(values);
    EXPECT_EQ(cells[QLatin1String("L3")][QLatin1String("format")].toString(), QStringLiteral("[h]:mm:ss"));
}

} // namespace
