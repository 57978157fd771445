// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game report in the workbook, after the rosters' sheet: a sheet
// "Abschnitte" with every roster line's playing time in each period, its
// total and the periods it was on court, and a sheet "Wechsel" with every
// spell on court (its team by the name it went by then) and every setting
// of the clock, in game order.  Under playing-time rules a sheet "Einsätze"
// follows, shaped like the paper sheet of the youth leagues: each player's
// team, an "X" in every regular period played, the periods and minutes
// played, and whether the rules are kept.  Times are values a sheet can
// sum: game times and lengths as day fractions shown [h]:mm:ss, wall-clock
// times as dates in local time.  The header rows are bold and frozen, the
// columns fitted; printed landscape, one page wide, with the header row at
// the top of every page.  Written late-bound through the spreadsheet
// application, as the rosters' sheet is.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "export/OleVariant.h"
#include "game/GameReport.h"
#include "timing/PlayingRules.h"
#include "timing/PlayingTimeLedger.h"

class ReportExport
{
    Q_DECLARE_TR_FUNCTIONS(ReportExport)

public:
    // German, as the sheets are known by; written translated.
    static constexpr const char *PeriodsSheet = QT_TRANSLATE_NOOP("ReportExport", "Abschnitte");
    static constexpr const char *ChangesSheet = QT_TRANSLATE_NOOP("ReportExport", "Wechsel");
    static constexpr const char *AppearancesSheet = QT_TRANSLATE_NOOP("ReportExport", "Einsätze");
    static constexpr const char *ClockSetText = QT_TRANSLATE_NOOP("ReportExport", "Uhr gestellt");

    // Writes into the active workbook of `application`.
    explicit ReportExport(OleVariant application);

    // Adds the sheets after the last one ("Einsätze" only when `rules` are
    // active) and shows the first sheet again.  A failing call ends the
    // export there and throws its AutomationError.
    void Write(const GameReport &report, const PlayingRules &rules = {});
    // The report's sheets as the rosters' export adds them (both copied).
    static std::function<void(const OleVariant &application)> Sheets(GameReport report, PlayingRules rules = {});

    // Whether `report` tells of the rosters as they stand: the same lines in
    // the same order, and every timed line's total the ledger's time.  A report
    // read from a history that missed an action would contradict the rosters'
    // sheet; it is better left out.
    static bool FitsRosters(const GameReport &report, const QStringList &team1, const QStringList &team2,
                            const PlayingTimeLedger &ledger);

    // A game time or length as a sheet holds times: a fraction of a day, of
    // the whole second the clock and the rosters show (ShownTime), so that a
    // cell of seconds shows what the window and the rosters' sheet show.
    static double DurationValue(std::int64_t ms);
    // A wall-clock time (ms since the epoch, UTC) as a sheet date in local time.
    static double WallClockValue(std::int64_t wallMs);
    // A clock setting's delta as text, sign first: "+0:00:05", "-0:00:03,437".
    // A text, because a spreadsheet shows no negative times.
    static QString SignedDuration(std::int64_t deltaMs);

private:
    OleVariant AddSheetAfter(const OleVariant &previous, const QString &name);
    void WriteRow(const OleVariant &sheet, int row, const std::vector<OleVariant> &cells);
    void FinishSheet(const OleVariant &sheet, const std::vector<std::pair<int, const char *>> &columnFormats);
    OleVariant WritePeriods(const OleVariant &previous, const GameReport &report);
    OleVariant WriteChanges(const OleVariant &previous, const GameReport &report);
    OleVariant WriteAppearances(const OleVariant &previous, const GameReport &report, const PlayingRules &rules);

    OleVariant m_application;
    OleVariant m_worksheets;
};
