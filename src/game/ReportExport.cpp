// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ReportExport.h"

#include <QDateTime>

#include <algorithm>
#include <array>

#include "export/NumberFormat.h"
#include "game/RulesOfReport.h"
#include "timing/RulesJudge.h"
#include "timing/ShownTime.h"

namespace {

const QString Untimed = QStringLiteral("--:--");

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

// Excel's xlLandscape (XlPageOrientation).
constexpr std::int32_t XlLandscape = 2;

// On paper the report reads across: every column on one landscape page
// wide, as many pages down as the rows need, each headed by the header row.
void SetUpPages(const OleVariant &sheet)
{
    const OleVariant pageSetup = sheet.Get(QStringLiteral("PageSetup"));
    pageSetup.Put(QStringLiteral("Orientation"), {OleVariant(XlLandscape)});
    // Without a zoom the page counts decide the scale.
    pageSetup.Put(QStringLiteral("Zoom"), {OleVariant(false)});
    pageSetup.Put(QStringLiteral("FitToPagesWide"), {OleVariant(1)});
    pageSetup.Put(QStringLiteral("FitToPagesTall"), {OleVariant(false)});
    pageSetup.Put(QStringLiteral("PrintTitleRows"), {OleVariant(QStringLiteral("$1:$1"))});
}

// What each team is called by the end of the report: the name its latest
// spell went by (a team file may have been loaded in between), or "Team 1" /
// "Team 2" for a team that never went on court.
std::array<QString, 2> TeamNames(const GameReport &report)
{
    std::array<QString, 2> names = {ReportExport::tr("Team %1").arg(1), ReportExport::tr("Team %1").arg(2)};
    for (const ReportChange &change : report.Changes) {
        const auto *stint = std::get_if<ReportStint>(&change);
        if (stint && (stint->Team == 1 || stint->Team == 2) && !stint->TeamName.isEmpty())
            names[std::size_t(stint->Team - 1)] = stint->TeamName;
    }
    return names;
}

} // namespace

ReportExport::ReportExport(OleVariant application)
    : m_application(std::move(application))
{ }

double ReportExport::DurationValue(std::int64_t ms)
{
    return double(ShownTime::Ms(ms)) / NumberFormat::MsPerDay;
}

double ReportExport::WallClockValue(std::int64_t wallMs)
{
    const qint64 offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(wallMs).offsetFromUtc()) * 1000;
    return double(wallMs + offsetMs) / NumberFormat::MsPerDay + NumberFormat::UnixEpochDay;
}

QString ReportExport::SignedDuration(std::int64_t deltaMs)
{
    const std::int64_t ms = deltaMs < 0 ? -deltaMs : deltaMs;
    const std::int64_t seconds = ms / 1000;
    QString text = QStringLiteral("%1%2:%3:%4")
                       .arg(deltaMs < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(seconds / 3600)
                       .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                       .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (ms % 1000 != 0)
        text += QStringLiteral(",%1").arg(ms % 1000, 3, 10, QLatin1Char('0'));
    return text;
}

std::function<void(const OleVariant &application)> ReportExport::Sheets(GameReport report, PlayingRules rules)
{
    return [report = std::move(report), rules = std::move(rules)](const OleVariant &application) {
        ReportExport(application).Write(report, rules);
    };
}

bool ReportExport::FitsRosters(const GameReport &report, const QStringList &team1, const QStringList &team2,
                               const PlayingTimeLedger &ledger)
{
    if (report.Lines.size() != std::size_t(team1.size() + team2.size()))
        return false;
    std::size_t index = 0;
    const QStringList *rosters[] = {&team1, &team2};
    for (TeamIndex team = 1; team <= 2; ++team) {
        const QStringList &lines = *rosters[team - 1];
        for (int row = 0; row < lines.size(); ++row, ++index) {
            const ReportLine &line = report.Lines[index];
            if (line.Team != team || line.Row != row || line.Text != lines.at(row)
                || line.Timed != PlayingTimeLedger::IsTimed(team, row)
                || (line.Timed && line.TotalMs != ledger.ElapsedOf(team, row)))
                return false;
        }
    }
    return true;
}

void ReportExport::Write(const GameReport &report, const PlayingRules &rules)
{
    const OleVariant workbook = m_application.Get(QStringLiteral("ActiveWorkbook"));
    m_worksheets = workbook.Get(QStringLiteral("Worksheets"));
    const OleVariant last = m_worksheets.Get(QStringLiteral("Item"), {m_worksheets.Get(QStringLiteral("Count"))});
    const OleVariant periods = WritePeriods(last, report);
    const OleVariant changes = WriteChanges(periods, report);
    if (rules.Active())
        WriteAppearances(changes, report, rules);
    // The workbook opens where it always has: on the rosters.
    m_worksheets.Get(QStringLiteral("Item"), {OleVariant(1)}).Call(QStringLiteral("Activate"));
}

OleVariant ReportExport::AddSheetAfter(const OleVariant &previous, const QString &name)
{
    const OleVariant sheet = m_worksheets.Get(QStringLiteral("Add"), {OleVariant(), previous});
    sheet.Put(QStringLiteral("Name"), {OleVariant(name)});
    return sheet;
}

void ReportExport::WriteRow(const OleVariant &sheet, int row, const std::vector<OleVariant> &cells)
{
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (!cells[column].IsEmpty())
            sheet.Put(QStringLiteral("Cells"), {OleVariant(row), OleVariant(int(column) + 1), cells[column]});
    }
}

void ReportExport::FinishSheet(const OleVariant &sheet, const std::vector<std::pair<int, const char *>> &columnFormats)
{
    sheet.Get(QStringLiteral("Rows"), {OleVariant(1)})
        .Get(QStringLiteral("Font"))
        .Put(QStringLiteral("Bold"), {OleVariant(true)});
    for (const auto &[column, format] : columnFormats)
        sheet.Get(QStringLiteral("Columns"), {OleVariant(column)})
            .Put(QStringLiteral("NumberFormat"), {OleVariant(Text(format))});
    // Panes are frozen in the window of the sheet shown.
    sheet.Call(QStringLiteral("Activate"));
    const OleVariant window = m_application.Get(QStringLiteral("ActiveWindow"));
    window.Put(QStringLiteral("SplitColumn"), {OleVariant(0)});
    window.Put(QStringLiteral("SplitRow"), {OleVariant(1)});
    window.Put(QStringLiteral("FreezePanes"), {OleVariant(true)});
    // Fitted last: the widths depend on the number formats.
    sheet.Get(QStringLiteral("Columns")).Call(QStringLiteral("AutoFit"));
    SetUpPages(sheet);
}

OleVariant ReportExport::WritePeriods(const OleVariant &previous, const GameReport &report)
{
    const OleVariant sheet = AddSheetAfter(previous, tr(PeriodsSheet));
    std::vector<OleVariant> header{OleVariant(tr("Spieler"))};
    for (const ReportPeriod &period : report.Periods)
        header.emplace_back(period.Label);
    header.emplace_back(tr("Gesamt"));
    header.emplace_back(tr("Abschnitte auf dem Feld"));
    WriteRow(sheet, 1, header);

    int row = 2;
    for (const ReportLine &line : report.Lines) {
        std::vector<OleVariant> cells{OleVariant(line.Text)};
        for (std::size_t period = 0; period < report.Periods.size(); ++period) {
            if (line.Timed && period < line.ShownPeriodMs.size())
                cells.emplace_back(DurationValue(line.ShownPeriodMs[period]));
            else
                cells.emplace_back(Untimed);
        }
        cells.push_back(line.Timed ? OleVariant(DurationValue(line.TotalMs)) : OleVariant(Untimed));
        cells.emplace_back(std::int32_t(line.PeriodsOnCourt));
        WriteRow(sheet, row++, cells);
    }

    std::vector<std::pair<int, const char *>> formats;
    const int timeColumns = int(report.Periods.size()) + 1; // the periods and the total
    for (int column = 2; column <= 1 + timeColumns; ++column)
        formats.emplace_back(column, NumberFormat::Duration);
    FinishSheet(sheet, formats);
    return sheet;
}

OleVariant ReportExport::WriteChanges(const OleVariant &previous, const GameReport &report)
{
    const OleVariant sheet = AddSheetAfter(previous, tr(ChangesSheet));
    WriteRow(sheet, 1,
             {OleVariant(tr("Team")), OleVariant(tr("Spieler")), OleVariant(tr("Ein")), OleVariant(tr("Aus")),
              OleVariant(tr("Dauer")), OleVariant(tr("Ein (Uhrzeit)")), OleVariant(tr("Aus (Uhrzeit)"))});
    int row = 2;
    for (const ReportChange &change : report.Changes) {
        if (const auto *stint = std::get_if<ReportStint>(&change)) {
            WriteRow(sheet, row++,
                     {OleVariant(stint->TeamName), OleVariant(stint->Text), OleVariant(DurationValue(stint->ShownOnMs)),
                      OleVariant(DurationValue(stint->ShownOffMs)),
                      stint->Timed ? OleVariant(DurationValue(stint->ShownLengthMs)) : OleVariant(Untimed),
                      OleVariant(WallClockValue(stint->OnWallMs)), OleVariant(WallClockValue(stint->OffWallMs))});
        } else {
            const auto &clockSet = std::get<ReportClockSet>(change);
            WriteRow(sheet, row++,
                     {OleVariant(), OleVariant(tr(ClockSetText)), OleVariant(DurationValue(clockSet.GameMs)),
                      OleVariant(), OleVariant(SignedDuration(clockSet.DeltaMs)),
                      OleVariant(WallClockValue(clockSet.WallMs)), OleVariant()});
        }
    }
    FinishSheet(sheet,
                {{3, NumberFormat::Duration},
                 {4, NumberFormat::Duration},
                 {5, NumberFormat::Duration},
                 {6, NumberFormat::DateTime},
                 {7, NumberFormat::DateTime}});
    return sheet;
}

OleVariant ReportExport::WriteAppearances(const OleVariant &previous, const GameReport &report,
                                          const PlayingRules &rules)
{
    const GameVerdict verdict = RulesJudge::Judge(rules, RulesGameOf(report));
    // Every period of the format, so that a sheet printed mid-game has the
    // paper's shape; more if the game was played with more.
    std::size_t periods = std::size_t(std::max(rules.Format.RegularPeriods, 0));
    for (const LineVerdict &line : verdict.Lines)
        periods = std::max(periods, line.Played.size());

    const OleVariant sheet = AddSheetAfter(previous, tr(AppearancesSheet));
    std::vector<OleVariant> header{OleVariant(tr("Team")), OleVariant(tr("Spieler"))};
    for (std::size_t period = 1; period <= periods; ++period)
        header.emplace_back(rules.PeriodName(int(period)));
    header.emplace_back(tr("Gespielt"));
    header.emplace_back(tr("Minuten"));
    header.emplace_back(tr("Ergebnis"));
    WriteRow(sheet, 1, header);

    const std::array<QString, 2> teams = TeamNames(report);
    int row = 2;
    for (std::size_t index = 0; index < report.Lines.size() && index < verdict.Lines.size(); ++index) {
        const ReportLine &line = report.Lines[index];
        const LineVerdict &judged = verdict.Lines[index];
        // A blank roster line is no player: the rules do not count it either.
        if (judged.Name.isEmpty())
            continue;
        std::vector<OleVariant> cells{OleVariant(teams[line.Team == 2 ? 1 : 0]), OleVariant(line.Text)};
        for (std::size_t period = 0; period < periods; ++period) {
            const bool played = period < judged.Played.size() && judged.Played[period];
            cells.push_back(played ? OleVariant(QStringLiteral("X")) : OleVariant());
        }
        cells.emplace_back(std::int32_t(judged.PeriodsPlayed));
        cells.push_back(line.Timed ? OleVariant(DurationValue(judged.PlayedMs)) : OleVariant(Untimed));
        cells.emplace_back(judged.Verdict());
        WriteRow(sheet, row++, cells);
    }

    const int minutesColumn = 2 + int(periods) + 2; // team, player, the periods, played
    FinishSheet(sheet, {{minutesColumn, NumberFormat::Duration}});
    return sheet;
}
