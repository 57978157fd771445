// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The export of both rosters: one sheet row per player, team 1 from row 1,
// team 2 directly below; column 1 the roster line exactly as the list holds
// it, column 2 the playing time as 0:MM:SS (or "--:--" for a line the
// ledger keeps no time for).  Further sheets (the game report's) may follow
// the rosters' sheet, which stays the same.

#include <QStringList>

#include <functional>

#include "timing/PlayingTimeLedger.h"

class OleVariant;

class AutomationRegistry;
class QObject;
class TExcel;

namespace RosterExport {

// The time text of column 2 for line `row` (from 0) of `team`.
QString TimeCellText(const PlayingTimeLedger &ledger, TeamIndex team, int row);

// The row text that the split turns into the two cells.  Quotes inside the
// roster line are doubled so the line comes back whole.
QString RowText(const QString &rosterLine, const QString &timeCellText);

// Writes more sheets into the active workbook of the spreadsheet
// application, after the rosters' sheet; throws AutomationError as the
// export's own calls do.
using MoreSheets = std::function<void(const OleVariant &application)>;

// Connects, adds a workbook, writes every player and auto-fits the columns,
// then lets `moreSheets` add its sheets when there are any.  False when no
// spreadsheet application could be reached (nothing written).  A failing
// call ends the export there and throws its AutomationError.
bool ExportRosters(TExcel &excel, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
                   const MoreSheets &moreSheets = {});

// The whole export behind the export button: a TExcel owned by `owner` for
// the length of the export.  When a call fails, the TExcel stays with
// `owner` but drops its reference to the application, which hands the rows
// written so far to the user at once; the error is rethrown for the
// exception report.
bool Run(QObject *owner, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
         AutomationRegistry *registry = nullptr, const MoreSheets &moreSheets = {});

} // namespace RosterExport
