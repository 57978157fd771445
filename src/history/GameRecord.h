// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What the game history keeps of a game, as plain values without any
// database code.  A game is everything between two RESETs (start-up counts
// as one).  It is stored as its opening (both rosters and the period format
// as they stood when the game began) followed by its actions in order
// (event sourcing), plus the latest checkpoint while the clock runs.
//
// Units: game time and playing time are milliseconds of game (never tick
// values: the tick counter starts again at every boot); wall-clock time is
// milliseconds since the epoch, UTC.  Teams are 1 (left roster) and 2
// (right roster); lines count from 0, as the ledger's rows do.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/HistoryProblem.h"
#include "timing/GameFormat.h"
#include "timing/PlayingTimeLedger.h"

using GameId = std::int64_t;

inline constexpr int HistoryTeamCount = 2;
// One roster: every line's text and its on-court check mark (same length).
struct RosterState
{
    QStringList Lines;
    std::vector<bool> Checked;

    bool operator==(const RosterState &) const = default;
};

// The shown Elapsed (PlayingTimeLedger::ElapsedOf) of the timed rows of
// each team, index team - 1: PlayingTimeLedger::TimedRows(lines of that team) values, row 0 first.
using TeamTimes = std::array<std::vector<std::int32_t>, HistoryTeamCount>;

// How a game stood when it began, stored with its first action.
struct GameOpening
{
    std::array<RosterState, HistoryTeamCount> Rosters; // index team - 1
    // The name of the team file each roster was loaded from (index team - 1);
    // empty for the rosters the program starts with, and in games stored
    // before the names were kept.
    std::array<QString, HistoryTeamCount> TeamNames;
    GameFormat Format;
    std::int64_t WallMs = 0; // when the game began
};

// The kinds of actions.  Stored by name (GameEventKindName), so new kinds
// need no change of the tables.  What each kind keeps in the generic
// columns of an event:
//
//   kind           Arg1              Arg2          Arg3          Payload
//   start          -                 -             -             -
//   pause          display lag ms    -             -             shown Elapsed of every timed row (TeamTimes)
//   check          team              line          1 on, 0 off   -
//   team_load      team              line count    -             the lines and the team file's name (see
//                                                                       PayloadCodec::EncodeTeam)
//   export         -                 -             -             -
//   reset_undone   -                 -             -             -     (a RESET taken back reopened the game)
//   period_end     period (from 1)   end ms        -             -     (the end as the clock showed it, whole
//                                                                       seconds; 0 in games stored before it was
//                                                                       kept: then the event's game time)
//   format         regular periods   period ms     overtime ms   -     (reserved for the game report)
//   correction     delta ms          display lag   -             -     (the clock set by a delta while it stands;
//                                                                       the event's game time is the time after it)
//   rules          -                 -             -             the name of the playing-time rules (UTF-8), while
//                                                                       the clock stands; none stored: "Keine Regeln"
//
// A display lag: how far the clock's display (its last refresh, or the time
// typed when a correction went on from a START a fraction later) trailed the
// exact game time; 0 in games stored before it was kept.
// A team load leaves every check mark of that team off, as the program does.
enum class GameEventKind {
    Start,
    Pause,
    Check,
    TeamLoad,
    Export,
    ResetUndone,
    PeriodEnd,
    Format,
    Correction,
    Rules,
    Unknown, // read back with a name this program does not know
};

// The stored name of a kind ("start", "team_load", ...); empty for Unknown.
QString GameEventKindName(GameEventKind kind);
// The kind of a stored name; Unknown for any other text.
GameEventKind GameEventKindFromName(const QString &name);
// How many of Arg1..Arg3 a kind uses; the others are stored as NULL.
int GameEventArgCount(GameEventKind kind);

struct GameEvent
{
    GameEventKind Kind = GameEventKind::Unknown;
    // Position in its game from 1, given by the store when it is appended.
    std::int64_t Sequence = 0;
    std::int64_t GameMs = 0;
    std::int64_t WallMs = 0;
    std::int64_t Arg1 = 0;
    std::int64_t Arg2 = 0;
    std::int64_t Arg3 = 0;
    QByteArray Payload;
    // The stored name as read back; tells an Unknown kind apart.
    QString KindName;

    static GameEvent Start(std::int64_t gameMs, std::int64_t wallMs);
    // `shownGameMs`: the game time the clock's display showed then; without
    // it, the game time itself.
    static GameEvent Pause(std::int64_t gameMs, std::int64_t wallMs, const TeamTimes &shownElapsed,
                           std::optional<std::int64_t> shownGameMs = std::nullopt);
    static GameEvent Check(std::int64_t gameMs, std::int64_t wallMs, int team, int line, bool on);
    // `teamName`: the name of the team file; empty when none is known.
    static GameEvent TeamLoad(std::int64_t gameMs, std::int64_t wallMs, int team, const QStringList &lines,
                              const QString &teamName = {});
    static GameEvent Export(std::int64_t gameMs, std::int64_t wallMs);
    static GameEvent ResetUndone(std::int64_t gameMs, std::int64_t wallMs);
    // `endMs`: where the period ends, as the clock showed it; 0: at `gameMs`.
    static GameEvent PeriodEnd(std::int64_t gameMs, std::int64_t wallMs, int period, std::int64_t endMs = 0);
    static GameEvent FormatChange(std::int64_t gameMs, std::int64_t wallMs, const GameFormat &format);
    static GameEvent Correction(std::int64_t gameMs, std::int64_t wallMs, std::int64_t deltaMs,
                                std::optional<std::int64_t> shownGameMs = std::nullopt);

    static GameEvent RulesChange(std::int64_t gameMs, std::int64_t wallMs, const QString &rulesName);
    // A rules event: the name of the rules played by from then on.
    QString RulesName() const;

    // A pause or correction: the game time the clock showed; any other kind: its game time.
    std::int64_t ShownGameMs() const;
    // A period end: the game time the period ends at.
    std::int64_t PeriodEndMs() const;
};

// Taken while the clock runs, at each whole second of game time.  Carries
// every timed row like a pause; the players on court are the ones whose
// times moved.  Only the latest checkpoint of a game is kept.
struct GameCheckpoint
{
    // The game's last event when the checkpoint was saved; given by the store.
    std::int64_t AfterSequence = 0;
    std::int64_t GameMs = 0;
    std::int64_t WallMs = 0;
    TeamTimes Times;
};

enum class GameEndReason {
    Reset, // RESET pressed (can be taken back, which reopens the game)
    NewGame, // "Neues Spiel" chosen instead of continuing it at start-up
};

// The stored name of a reason: "reset", "new_game".
QString GameEndReasonName(GameEndReason reason);
std::optional<GameEndReason> GameEndReasonFromName(const QString &name);

// A game's row without its contents.
struct GameSummary
{
    GameId Id = 0;
    std::int64_t BegunWallMs = 0;
    std::optional<std::int64_t> EndedWallMs;
    std::optional<GameEndReason> EndReason;

    // Neither ended by a RESET nor given up at start-up.
    bool IsOpen() const { return !EndReason.has_value(); }
};

// Everything stored of one game, as read back; GameReplay checks and interprets it.
struct StoredGame
{
    GameSummary Summary;
    GameOpening Opening;
    std::vector<GameEvent> Events; // by Sequence
    std::optional<GameCheckpoint> Checkpoint;
};

// The outcome of a call into the history: done, or what went wrong.
struct HistoryStatus
{
    std::optional<HistoryProblem> Problem;

    bool Ok() const { return !Problem.has_value(); }
    explicit operator bool() const { return Ok(); }
};

// A value, or what went wrong instead.
template <typename T>
struct HistoryResult
{
    std::optional<T> Value;
    std::optional<HistoryProblem> Problem;

    static HistoryResult Of(T value) { return {std::move(value), {}}; }
    static HistoryResult Failure(HistoryProblem problem) { return {std::nullopt, std::move(problem)}; }
    bool Ok() const { return Value.has_value(); }
    explicit operator bool() const { return Ok(); }
};
