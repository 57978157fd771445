// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/RosterExport.h"

#include <memory>

#include "export/DelimitedText.h"
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

bool ExportRosters(TExcel &excel, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
                   const MoreSheets &moreSheets)
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
    if (moreSheets)
        moreSheets(excel.ExcelApp);
    return true;
}

bool Run(QObject *owner, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
         AutomationRegistry *registry, const MoreSheets &moreSheets)
{
    auto excel = std::make_unique<TExcel>(owner, registry);
    try {
        const bool exported = ExportRosters(*excel, team1, team2, ledger, moreSheets);
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
