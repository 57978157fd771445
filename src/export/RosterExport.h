// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The export of both rosters: one sheet row per player, team 1 from row 1,
// team 2 directly below; column 1 the roster line exactly as the list holds
// it, column 2 the playing time as 0:MM:SS (or "--:--" for a line the
// ledger keeps no time for).  When a game report is given, its two sheets
// follow the rosters' sheet, which stays the same.

#include <QStringList>

#include "timing/PlayingTimeLedger.h"

class AutomationRegistry;
class QObject;
class TExcel;
struct GameReport;

namespace RosterExport {

// The time text of column 2 for line `row` (from 0) of `team`.
QString TimeCellText(const PlayingTimeLedger &ledger, TeamIndex team, int row);

// The row text that the split turns into the two cells.  Quotes inside the
// roster line are doubled so the line comes back whole.
QString RowText(const QString &rosterLine, const QString &timeCellText);

// Whether `report` tells of the rosters as they stand: the same lines in
// the same order, and every timed line's total the ledger's time.  A report
// read from a history that missed an action would contradict the rosters'
// sheet; it is better left out, with a word to the user.
bool ReportFitsRosters(const GameReport &report, const QStringList &team1, const QStringList &team2,
                       const PlayingTimeLedger &ledger);

// Connects, adds a workbook, writes every player and auto-fits the columns,
// then adds the report's sheets when there is a report.  False when no
// spreadsheet application could be reached (nothing written).  A failing
// call ends the export there and throws its AutomationError.
bool ExportRosters(TExcel &excel, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
                   const GameReport *report = nullptr);

// The whole export behind the export button: a TExcel owned by `owner` for
// the length of the export.  When a call fails, the TExcel stays with
// `owner` but drops its reference to the application, which hands the rows
// written so far to the user at once; the error is rethrown for the
// exception report.
bool Run(QObject *owner, const QStringList &team1, const QStringList &team2, const PlayingTimeLedger &ledger,
         AutomationRegistry *registry = nullptr, const GameReport *report = nullptr);

} // namespace RosterExport
