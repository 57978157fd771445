// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The one reader of a stored game: walks its opening and its actions in
// order, checks each against the program's rules and keeps what the window,
// the clock and the ledger showed after it.  The replay (a game brought
// back) and the report (its periods and spells) both read a game through
// it, so they take and refuse the same games and see the same times.
//
// The rules: START and PAUSE alternate, beginning with START; check marks,
// teams, the format, exports and clock settings change only while the clock
// stands, at the time it stands at; a team load leaves all check marks of
// that team off and keeps the times with the line positions; only the
// first 50 lines of a team are timed.  A PAUSE carries the shown time of
// every timed row: none negative or ahead of the clock, a bench player's
// unchanged and an on-court player's not below what it was.  A clock set
// by hand moves the rows on court in the last stretch by its delta (never
// below 0) and may not go back before that stretch's START while anybody
// was on court in it, nor below 0: the same rule as the window's.
//
// Anything else refuses the game with German words naming the action.
// Pure: no database, no clock, no widgets.

#include <QCoreApplication>

#include <array>
#include <optional>

#include "history/GameRecord.h"
#include "timing/PeriodSchedule.h"

namespace StoredGameRules {

// How far a player's time may run ahead of the game clock: the clock and
// the ledger read the tick source a moment apart at every START and PAUSE.
inline constexpr std::int64_t PlayerAheadToleranceMs = 1000;
// Game time beyond which a stored game is taken as damaged (the ledger's
// times are 32-bit milliseconds: about 24 days).
inline constexpr std::int64_t MaxGameMs = 0x7FFFFFFF;
// The longest name of playing-time rules a game may store.
inline constexpr qsizetype MaxRulesNameBytes = 200;
// The most regular periods a format may have.
inline constexpr int MaxRegularPeriods = 99;

// Whether a stored format can be played: 1 to 99 regular periods, lengths
// within the game time (overtimes may be 0: until the bench ends them).
bool IsValidFormat(std::int64_t periods, std::int64_t periodMs, std::int64_t overtimeMs);

} // namespace StoredGameRules

// Per team (index team - 1), one value per timed row of its roster.
using RowCredits = std::array<std::vector<std::int64_t>, HistoryTeamCount>;

// What a reader of the game adds to the walk.  Each call comes after the
// reader has taken the action in, so its state shows the game after it.
class GameEventListener
{
public:
    virtual ~GameEventListener() = default;
    virtual void Started(const GameEvent &) { }
    // A stretch ended; `credits`: what it gave each timed row.
    virtual void Paused(const GameEvent &, const RowCredits &) { }
    virtual void TeamLoaded(const GameEvent &, int /*team*/) { }
    // The clock set while it stood; `credits`: what each timed row of the
    // last stretch was moved by (0 for the others).
    virtual void Corrected(const GameEvent &, const RowCredits &) { }
};

class GameEventReader
{
    Q_DECLARE_TR_FUNCTIONS(GameEventReader)

public:
    explicit GameEventReader(const StoredGame &game);

    // Reads the whole game.  Empty when it fits the rules, else German
    // words for the first thing that does not.
    QString Read(GameEventListener *listener = nullptr);

    // Takes the times of a checkpoint of the running stretch at `gameMs`,
    // checked as a PAUSE's are.  Empty, or German words.
    QString TakeCheckpoint(const GameCheckpoint &checkpoint);

    const GameOpening &Opening() const { return m_game.Opening; }
    const QStringList &Lines(int team) const { return m_lines[Slot(team)]; }
    // The name of the team file a side's roster was last loaded from; empty
    // while it holds the rosters the program starts with, or when the game
    // was stored before the names were kept.
    const QString &TeamFileName(int team) const { return m_teamNames[Slot(team)]; }
    // What the report calls a side: its team file's name, else "Team 1" or "Team 2".
    QString TeamName(int team) const;
    const std::vector<bool> &Checked(int team) const { return m_checked[Slot(team)]; }
    // The shown time of all 50 ledger rows of a team: rows past a shorter
    // roster keep theirs, as the ledger does.
    const std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam> &Shown(int team) const
    {
        return m_shown[Slot(team)];
    }

    bool Running() const { return m_running; }
    // Game time the clock stands at (while running: at the last START).
    std::int64_t ClockMs() const { return m_clockMs; }
    // What the clock's display showed while it stood.
    std::int64_t ShownClockMs() const { return m_shownClockMs; }
    // Latest game time an action of the running stretch was at.
    std::int64_t StretchMs() const { return m_stretchMs; }
    std::int64_t LastStartSequence() const { return m_lastStartSequence; }
    std::int64_t LastStartGameMs() const { return m_lastStartMs; }
    // What the clock showed at the last START.
    std::int64_t LastStartShownMs() const { return m_lastStartShownMs; }
    // Check marks of the last stretch (at its PAUSE); nothing before the first PAUSE.
    const std::optional<std::array<std::vector<bool>, HistoryTeamCount>> &LastStretchOnCourt() const
    {
        return m_lastOnCourt;
    }
    // Game time of the START of the last stretch (ended by a PAUSE).
    std::int64_t LastStretchStartMs() const { return m_lastStretchStartMs; }
    std::int64_t LastStretchStartShownMs() const { return m_lastStretchStartShownMs; }
    // Wall time of the latest action read.
    std::int64_t LastWallMs() const { return m_lastWallMs; }

    const PeriodSchedule &Periods() const { return m_schedule; }
    // The playing-time rules' name the game is played by; "Keine Regeln" until one is stored.
    const QString &RulesName() const { return m_rulesName; }
    int PeriodsEnded() const { return m_periodsEnded; }

    static std::size_t Slot(int team) { return std::size_t(team - 1); }

private:
    QString ReadOpening();
    QString Apply(const GameEvent &event, GameEventListener *listener);
    QString Standing(const GameEvent &event) const;
    QString Start(const GameEvent &event);
    QString Pause(const GameEvent &event, RowCredits &credits);
    QString Check(const GameEvent &event);
    QString TeamLoad(const GameEvent &event);
    QString PeriodEnd(const GameEvent &event);
    QString FormatChange(const GameEvent &event);
    QString Correction(const GameEvent &event, RowCredits &moved);
    // Checks and takes a PAUSE's or checkpoint's times at `gameMs`.
    QString TakeTimes(const TeamTimes &times, std::int64_t gameMs, RowCredits &credits);

    const StoredGame &m_game;
    PeriodSchedule m_schedule;
    std::array<QStringList, HistoryTeamCount> m_lines;
    std::array<QString, HistoryTeamCount> m_teamNames;
    std::array<std::vector<bool>, HistoryTeamCount> m_checked;
    std::array<std::array<std::int32_t, PlayingTimeLedger::RowsPerTeam>, HistoryTeamCount> m_shown{};
    bool m_running = false;
    std::int64_t m_clockMs = 0;
    std::int64_t m_shownClockMs = 0;
    std::int64_t m_stretchMs = 0;
    std::int64_t m_lastStartSequence = 0;
    std::int64_t m_lastStartMs = 0;
    std::int64_t m_lastStartShownMs = 0;
    // Sum of the clock corrections: they set the clock, and the times of
    // only those players who were on court in the last stretch.
    std::int64_t m_correctedMs = 0;
    std::optional<std::array<std::vector<bool>, HistoryTeamCount>> m_lastOnCourt;
    std::int64_t m_lastStretchStartMs = 0;
    std::int64_t m_lastStretchStartShownMs = 0;
    std::int64_t m_lastWallMs = 0;
    int m_periodsEnded = 0;
    QString m_rulesName = QStringLiteral("Keine Regeln");
};
