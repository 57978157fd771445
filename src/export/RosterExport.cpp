// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/RosterExport.h"

#include <memory>

#include "export/DelimitedText.h"
#include "export/ReportExport.h"
#include "export/TExcel.h"

namespace RosterExport {

QString TimeCellText(const PlayingTimeLedger &ledger, TeamIndex team, int row)
{
    if (!PlayingTimeLedger::IsTimed(team, row))
        return QString::fromLatin1(UntimedPlayTime);
    QString time = QString::fromStdString(FormatPlayTime(ledger.ElapsedOf(team, row)));
    if (time.startsWith(QLatin1Char(' ')))
        time[0] = QLatin1Char('0');
    return QStringLiteral("0:") + time;
}

QString RowText(const QString &rosterLine, const QString &timeCellText)
{
    return DelimitedText::Quote(rosterLine) + QLatin1Char(',') + timeCellText;
}

bool ReportFitsRosters(const GameReport &report, const QStringList &team1, const QStringList &team2,
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

bool ExportRosters(TExcel &excel, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
                   const GameReport *report)
{
    if (!excel.Connect())
        return false;
    excel.NewWorkbook();
    const QStringList *rosters[] = {&team1, &team2};
    for (TeamIndex team = 1; team <= 2; ++team) {
        const QStringList &lines = *rosters[team - 1];
        const int count = static_cast<int>(lines.size());
        for (int i = 0; i < count; ++i) {
            excel.Fields.SetDelimitedText(RowText(lines.at(i), TimeCellText(ledger, team, i)));
            excel.WriteRow();
        }
    }
    excel.AutoFitColumns();
    if (report)
        ReportExport(excel.ExcelApp).Write(*report);
    return true;
}

bool Run(QObject *owner, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
         AutomationRegistry *registry, const GameReport *report)
{
    auto excel = std::make_unique<TExcel>(owner, registry);
    try {
        const bool exported = ExportRosters(*excel, team1, team2, ledger, report);
        excel.reset();
        return exported;
    } catch (...) {
        // A failed export leaves its TExcel with the owner until the owner
        // goes, but lets go of the application now: the rows written so far
        // are handed to the user at once, beside the failure's report, as a
        // visible spreadsheet shows them, not only at exit.
        excel->ExcelApp.Clear();
        if (owner)
            excel.release();
        throw;
    }
}

} // namespace RosterExport
