// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game report: from a stored game, every roster line's playing time in
// each period and every spell on court ("Wechsel"), as plain values for the
// exported workbook.  Read through GameEventReader, as the replay is.  Pure:
// no database, no clock, no widgets.
//
// Times are the ledger's own, per ledger position (team, row): row i of a
// team belongs to whatever line stands at position i, a team load keeps the
// times with the positions, and only the first 50 rows of a team are timed.
// What a stretch of running clock (START to PAUSE) gives a row is the time
// that PAUSE shows for it minus what the row showed before, not the length
// of the stretch: the ledger shows the values of its refreshes and loses a
// millisecond at every resume, and the report adds up to the roster to the
// millisecond.  A clock correction (the clock set while it stands) changes
// by its delta the time of every row on court at the last PAUSE and moves
// the end of that stretch.  A stretch's time is split over the periods it
// overlaps in proportion to the overlap, the last taking the remainder, so
// a row's period times add up exactly to its total.
//
// Beside the exact times the report gives them as shown: whole seconds by
// the clock's rounding, carried from part to part so that a line's periods
// and its spells each add up to the total the roster shows.
//
// The game must stand: a game that was running when it was last saved has
// had a PAUSE appended at its checkpoint when it was recovered.

#include <cstdint>
#include <variant>
#include <vector>

#include "game/GameResult.h"
#include "history/GameRecord.h"
#include "timing/PeriodSchedule.h"

struct ReportPeriod
{
    QString Label; // "1. Abschnitt", "Verlängerung 1"
    bool Overtime = false;
    std::int64_t BeginMs = 0; // game time
    // Game time it ends or, for the period under way, will end by the
    // format; SchedulePeriod::OpenEnd when it lasts until the bench ends it.
    std::int64_t EndMs = 0;

    bool operator==(const ReportPeriod &) const = default;
};

// One roster line of the current rosters.
struct ReportLine
{
    int Team = 1;
    int Row = 0; // from 0
    QString Text;
    // Only the first 50 lines of a team have a time; the others have no
    // period times and a total of 0.
    bool Timed = true;
    std::vector<std::int64_t> PeriodMs; // one per period of GameReport::Periods; empty when untimed
    std::int64_t TotalMs = 0; // the time the roster shows
    // Periods in which the line's position had running time on court, as
    // shown: a period whose time shows as 0:00 is not counted (counted for
    // untimed lines too, by their time on court).
    int PeriodsOnCourt = 0;
    // PeriodMs in whole seconds as shown, adding up to the shown total.
    std::vector<std::int64_t> ShownPeriodMs;

    bool operator==(const ReportLine &) const = default;
};

// A continuous spell on court of the line at one position: from the START
// of its first stretch to the end of its last, across pauses while the line
// stays checked.  It ends at a PAUSE after which the line is not checked at
// the next START, or its team is loaded.
struct ReportStint
{
    int Team = 1;
    int Row = 0;
    QString Text; // the line standing at the position then
    bool Timed = true;
    std::int64_t OnGameMs = 0;
    std::int64_t OffGameMs = 0; // after corrections
    std::int64_t LengthMs = 0; // what its stretches gave the row; 0 when untimed
    std::int64_t OnWallMs = 0; // wall time of its first START
    std::int64_t OffWallMs = 0; // wall time of the PAUSE that ended it
    // As written: the game time the clock showed at its first START, its
    // length in whole seconds carried over the position's spells (so they add
    // up to the roster's time) and on plus length.  Length 0 when untimed.
    std::int64_t ShownOnMs = 0;
    std::int64_t ShownLengthMs = 0;
    std::int64_t ShownOffMs = 0;
    // What the team was called when the spell began: its team file's name,
    // or "Team 1" / "Team 2" (GameEventReader::TeamName).
    QString TeamName;

    bool operator==(const ReportStint &) const = default;
};

// The clock set by the bench while it stood ("Uhr gestellt").
struct ReportClockSet
{
    std::int64_t GameMs = 0; // what the clock showed after it
    std::int64_t DeltaMs = 0;
    std::int64_t WallMs = 0;

    bool operator==(const ReportClockSet &) const = default;
};

using ReportChange = std::variant<ReportStint, ReportClockSet>;

struct GameReport
{
    // The periods played so far (begun before the clock's time), at least one.
    std::vector<ReportPeriod> Periods;
    // Team 1's lines, then team 2's, of the current rosters.
    std::vector<ReportLine> Lines;
    // Stints and clock settings in the order they happened (a stint by its
    // first START; stints of one START by team, then row).
    std::vector<ReportChange> Changes;
    // The game time the clock stands at.
    std::int64_t GameMs = 0;
    // The playing-time rules it is played by ("Keine Regeln" when none were stored).
    QString RulesName;

    // The report of `game`, or a German sentence saying why there is none
    // ("Der Spielbericht kann nicht erstellt werden: ...").
    static GameResult<GameReport> Of(const StoredGame &game);
};
