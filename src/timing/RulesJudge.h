// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Judges a game against a rule set (PlayingRules) as the report sees it: the
// regular periods begun so far, and for every roster line its playing time
// in each of them and its spells on court.  For each line: the periods it
// played and sat out, what it has broken for good, and what a minimum still
// needs against what is left; for the game: whether every open minimum can
// still be met, counting what is left (periods remaining times places on
// court), and the substitutions made inside a period where the rules allow
// them only in the breaks.  Words are for the bench, in the interface's language.  Pure values.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

#include "timing/PeriodSchedule.h"
#include "timing/PlayingRules.h"

struct RulesLine
{
    int Team = 1;
    QString Text; // the roster line as written
    // Running time on court in each period of RulesGame::Periods (exact ms).
    std::vector<std::int64_t> PeriodMs;
    // Spells on court in game time, each from the START it went on at to
    // the PAUSE (or clock correction) it ended at, in order.
    struct Spell
    {
        std::int64_t OnMs = 0;
        std::int64_t OffMs = 0;
    };
    std::vector<Spell> Spells;
    std::int64_t TotalMs = 0; // the time the roster shows
};

struct RulesGame
{
    // The regular periods begun so far, at least the first.
    std::vector<SchedulePeriod> Periods;
    std::int64_t GameMs = 0; // where the clock stands
    std::vector<RulesLine> Lines;
};

struct LineVerdict
{
    int Team = 1;
    QString Name; // the line, trimmed
    std::vector<bool> Played; // per period of RulesGame::Periods, by the rules' definition
    int PeriodsPlayed = 0;
    int PeriodsRested = 0; // periods over (ended) that it did not play
    std::int64_t PlayedMs = 0;
    // Periods it can still be counted for: those not begun, and the one
    // under way while it can still count.
    int PeriodsLeft = 0;
    // What it has broken for good, and what a minimum still needs with
    // what is left ("noch 1 Achtel nötig, 2 übrig").
    QStringList Broken;
    QStringList Open;
    // Every rule not met as the game stands ("nur 1 Achtel gespielt").
    QStringList Unmet;
    // An open minimum needs all that is left, or more.
    bool AtRisk = false;

    bool Kept() const { return Unmet.isEmpty(); }
    // "erfüllt", or "nicht erfüllt: nur 1 Achtel gespielt".
    QString Verdict() const;
};

struct GameVerdict
{
    std::vector<LineVerdict> Lines; // as RulesGame::Lines
    // Substitutions inside a period where only breaks allow them: "Wechsel im 3. Achtel".
    QStringList Changes;
    // A team's open minimums that need more than the places left:
    // "Mannschaft 1: noch 9 Achtel nötig, 8 Plätze übrig".
    QStringList Teams;
    // Every open minimum of a team can still be met with the places left.
    bool Feasible = true;

    // Who has broken a rule or is at risk, and why, one each
    // ("7 Lena Vogt: noch 1 Achtel nötig, 2 übrig"), then the teams' and
    // the substitutions' problems.
    QStringList Problems() const;
    // "Alle Regeln erfüllbar", or the problems.
    QString Status() const;
};

namespace RulesJudge {

GameVerdict Judge(const PlayingRules &rules, const RulesGame &game);

// The problems of starting with these players on court (index: RulesGame::Lines),
// one line each: a team with more or fewer than the rules' players,
// a player who would break a maximum or a required rest, a substitution in
// the middle of a period where only breaks allow it.  Empty when none.
QStringList StartProblems(const PlayingRules &rules, const RulesGame &game, const std::vector<bool> &onCourt);

// "3. Achtel", for the period under way at the clock's time.
QString PeriodUnderWay(const PlayingRules &rules, const RulesGame &game);

} // namespace RulesJudge
