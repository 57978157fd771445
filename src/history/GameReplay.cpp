// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/GameReplay.h"

#include <algorithm>

#include "history/PayloadCodec.h"

namespace GameReplay {

namespace {

constexpr int MaxPeriods = 99;

} // namespace

bool IsValidFormat(std::int64_t periods, std::int64_t periodMs, std::int64_t overtimeMs)
{
    return periods >= 1 && periods <= MaxPeriods && periodMs > 0 && periodMs <= MaxGameMs && overtimeMs >= 0
        && overtimeMs <= MaxGameMs;
}

QString WalkEvents(const std::vector<GameEvent> &events, const std::function<QString(const GameEvent &)> &apply)
{
    std::int64_t expected = 1;
    for (const GameEvent &event : events) {
        if (event.Sequence != expected)
            return QStringLiteral("Aktion Nr. %1 fehlt").arg(expected);
        if (event.GameMs < 0 || event.GameMs > MaxGameMs)
            return QStringLiteral("unmögliche Spielzeit (Aktion %1)").arg(event.Sequence);
        if (QString problem = apply(event); !problem.isEmpty())
            return QStringLiteral("%1 (Aktion %2)").arg(problem).arg(event.Sequence);
        ++expected;
    }
    return {};
}

namespace {

// Walks the events once, keeping the state the window would have had.
class Replayer
{
public:
    explicit Replayer(const StoredGame &game)
        : m_game(game)
    { }

    // Empty when the whole game fits the rules, else German words for the first thing that does not.
    QString Run();
    const RecoveredGame &Result() const { return m_result; }

private:
    QString Opening();
    QString Apply(const GameEvent &event);
    QString Standing(const GameEvent &event) const;
    QString TakeTimes(const TeamTimes &times, std::int64_t gameMs);
    QString Finish();
    static bool IsTeam(std::int64_t team) { return team == 1 || team == 2; }
    RecoveredTeam &Team(std::int64_t team) { return m_result.Teams[std::size_t(team - 1)]; }

    const StoredGame &m_game;
    RecoveredGame m_result;
    bool m_running = false;
    std::int64_t m_lastStartSequence = 0;
    std::int64_t m_startGameMs = 0;
    // Latest game time an event of the running stretch was at.
    std::int64_t m_stretchGameMs = 0;
    // Sum of the clock corrections: they set the clock, and the times of
    // only those players who were on court in the last stretch.
    std::int64_t m_correctedMs = 0;
    // Check marks at the last PAUSE, per team (index team - 1).
    std::array<std::vector<bool>, HistoryTeamCount> m_onCourtAtPause;
};

QString Replayer::Run()
{
    if (QString problem = Opening(); !problem.isEmpty())
        return problem;
    if (m_game.Events.empty())
        return QStringLiteral("es enthält keine Aktion");
    const QString problem = WalkEvents(m_game.Events, [this](const GameEvent &event) {
        QString objection = Apply(event);
        m_result.LastSavedWallMs = event.WallMs;
        return objection;
    });
    return problem.isEmpty() ? Finish() : problem;
}

QString Replayer::Opening()
{
    const GameOpening &opening = m_game.Opening;
    m_result.Id = m_game.Summary.Id;
    m_result.LastSavedWallMs = opening.WallMs;
    if (!IsValidFormat(opening.Format.RegularPeriods, opening.Format.PeriodMs, opening.Format.OvertimeMs))
        return QStringLiteral("unmögliches Spielformat");
    m_result.Format = opening.Format;
    m_result.Periods = PeriodSchedule(opening.Format);
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const RosterState &roster = opening.Rosters[std::size_t(team - 1)];
        if (roster.Checked.size() != std::size_t(roster.Lines.size()))
            return QStringLiteral("die Aufstellung von Mannschaft %1 ist unvollständig").arg(team);
        Team(team).Lines = roster.Lines;
        Team(team).Checked = roster.Checked;
    }
    return {};
}

// Everything but START, PAUSE and a period end happens with the clock standing, at the time it stands at.
QString Replayer::Standing(const GameEvent &event) const
{
    if (m_running)
        return QStringLiteral("Änderung bei laufender Uhr");
    if (event.GameMs != m_result.GameMs)
        return QStringLiteral("Spielzeit verändert, während die Uhr stand");
    return {};
}

QString Replayer::Apply(const GameEvent &event)
{
    switch (event.Kind) {
    case GameEventKind::Start:
        if (m_running)
            return QStringLiteral("START bei laufender Uhr");
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        m_running = true;
        m_lastStartSequence = event.Sequence;
        m_startGameMs = m_stretchGameMs = event.GameMs;
        return {};
    case GameEventKind::Pause: {
        if (!m_running)
            return QStringLiteral("PAUSE bei stehender Uhr");
        if (event.GameMs < m_stretchGameMs)
            return QStringLiteral("Spielzeit läuft rückwärts");
        const auto times = PayloadCodec::DecodeTimes(event.Payload);
        if (!times)
            return QStringLiteral("unlesbare Spielzeiten");
        if (QString problem = TakeTimes(*times, event.GameMs); !problem.isEmpty())
            return problem;
        for (int team = 1; team <= HistoryTeamCount; ++team)
            m_onCourtAtPause[std::size_t(team - 1)] = Team(team).Checked;
        m_result.LastStretch = RecoveredStretch{m_startGameMs, m_onCourtAtPause};
        m_running = false;
        m_result.GameMs = event.GameMs;
        return {};
    }
    case GameEventKind::Check: {
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        if (!IsTeam(event.Arg1))
            return QStringLiteral("Mannschaft %1 gibt es nicht").arg(event.Arg1);
        RecoveredTeam &team = Team(event.Arg1);
        if (event.Arg2 < 0 || event.Arg2 >= team.Lines.size())
            return QStringLiteral("Zeile %1 gibt es in der Aufstellung von Mannschaft %2 nicht")
                .arg(event.Arg2 + 1)
                .arg(event.Arg1);
        if (event.Arg3 != 0 && event.Arg3 != 1)
            return QStringLiteral("unmögliches Häkchen");
        team.Checked[std::size_t(event.Arg2)] = event.Arg3 == 1;
        return {};
    }
    case GameEventKind::TeamLoad: {
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        if (!IsTeam(event.Arg1))
            return QStringLiteral("Mannschaft %1 gibt es nicht").arg(event.Arg1);
        const auto lines = PayloadCodec::DecodeLines(event.Payload);
        if (!lines || lines->size() != event.Arg2)
            return QStringLiteral("unlesbare Aufstellung");
        RecoveredTeam &team = Team(event.Arg1);
        team.Lines = *lines;
        team.Checked.assign(std::size_t(lines->size()), false);
        return {};
    }
    case GameEventKind::Export:
    case GameEventKind::ResetUndone: return Standing(event);
    case GameEventKind::PeriodEnd:
        if (event.Arg1 < 1 || event.Arg1 > MaxPeriods)
            return QStringLiteral("unmögliche Spielabschnittsnummer");
        if (m_running) {
            if (event.GameMs < m_stretchGameMs)
                return QStringLiteral("Spielzeit läuft rückwärts");
            m_stretchGameMs = event.GameMs;
        } else if (QString problem = Standing(event); !problem.isEmpty()) {
            return problem;
        }
        m_result.PeriodsEnded = int(event.Arg1);
        m_result.Periods.EndPeriod(int(event.Arg1), event.GameMs);
        return {};
    case GameEventKind::Format:
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        if (!IsValidFormat(event.Arg1, event.Arg2, event.Arg3))
            return QStringLiteral("unmögliches Spielformat");
        m_result.Format = GameFormat{int(event.Arg1), event.Arg2, event.Arg3};
        m_result.Periods.ChangeFormat(m_result.Format, event.GameMs);
        return {};
    case GameEventKind::Correction: {
        if (m_running)
            return QStringLiteral("Änderung bei laufender Uhr");
        if (event.Arg1 < -MaxGameMs || event.Arg1 > MaxGameMs)
            return QStringLiteral("unmögliche Korrektur");
        const std::int64_t corrected = m_result.GameMs + event.Arg1;
        if (corrected < 0 || corrected != event.GameMs)
            return QStringLiteral("die Korrektur passt nicht zur Spielzeit");
        m_result.GameMs = corrected;
        m_correctedMs += event.Arg1;
        // The players of the last stretch (on court at the last PAUSE, by
        // position, whatever was changed since) follow the clock.
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            RecoveredTeam &roster = Team(team);
            const std::vector<bool> &onCourt = m_onCourtAtPause[std::size_t(team - 1)];
            for (std::size_t row = 0; row < onCourt.size() && row < roster.Elapsed.size(); ++row) {
                if (!onCourt[row])
                    continue;
                const std::int64_t adjusted = std::int64_t(roster.Elapsed[row]) + event.Arg1;
                if (adjusted < 0)
                    return QStringLiteral("die Korrektur nimmt einem Spieler mehr Zeit, als er hatte");
                roster.Elapsed[row] = std::int32_t(adjusted);
            }
        }
        return {};
    }
    case GameEventKind::Unknown: break;
    }
    return QStringLiteral("unbekannte Art von Aktion „%1“").arg(event.KindName.left(40));
}

// The times of a pause or checkpoint: one per timed row, none negative or
// ahead of the clock, and unchanged for every row that sat on the bench
// (only a refresh moves a time, and it moves only players on court).
QString Replayer::TakeTimes(const TeamTimes &times, std::int64_t gameMs)
{
    // The clock may have been set back without the players' times.
    const std::int64_t limit = std::max(gameMs, gameMs - m_correctedMs) + PlayerAheadToleranceMs;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        RecoveredTeam &roster = Team(team);
        const std::vector<std::int32_t> &values = times[std::size_t(team - 1)];
        if (values.size() != std::size_t(TimedRows(int(roster.Lines.size()))))
            return QStringLiteral("die Spielzeiten passen nicht zur Aufstellung von Mannschaft %1").arg(team);
        for (std::size_t row = 0; row < values.size(); ++row) {
            const std::int32_t value = values[row];
            if (value < 0 || value > limit)
                return QStringLiteral("die Spielzeit in Zeile %1 von Mannschaft %2 ist negativ oder größer als die "
                                      "Spielzeit")
                    .arg(row + 1)
                    .arg(team);
            if (!roster.Checked[row] && value != roster.Elapsed[row])
                return QStringLiteral("die Spielzeit eines Spielers auf der Bank (Zeile %1 von Mannschaft %2) hat sich "
                                      "verändert")
                    .arg(row + 1)
                    .arg(team);
        }
        std::copy(values.begin(), values.end(), roster.Elapsed.begin());
    }
    return {};
}

QString Replayer::Finish()
{
    const std::int64_t lastSequence = m_game.Events.back().Sequence;
    const std::optional<GameCheckpoint> &checkpoint = m_game.Checkpoint;
    if (checkpoint && (checkpoint->AfterSequence < 1 || checkpoint->AfterSequence > lastSequence))
        return QStringLiteral("der Sicherungspunkt gehört zu keiner gespeicherten Aktion");
    m_result.WasRunning = m_running;
    if (!m_running)
        return {};
    // Check marks stay while the clock runs: the running stretch's players are the ones checked now.
    RecoveredStretch running{m_startGameMs, {}};
    for (int team = 1; team <= HistoryTeamCount; ++team)
        running.OnCourt[std::size_t(team - 1)] = Team(team).Checked;
    m_result.LastStretch = std::move(running);
    // A checkpoint from an earlier stretch is older than the last START: the running stretch then counts nothing.
    if (!checkpoint || checkpoint->AfterSequence < m_lastStartSequence) {
        m_result.GameMs = m_startGameMs;
        return {};
    }
    if (checkpoint->GameMs < m_stretchGameMs || checkpoint->GameMs > MaxGameMs)
        return QStringLiteral("der Sicherungspunkt liegt vor der letzten Aktion");
    if (QString problem = TakeTimes(checkpoint->Times, checkpoint->GameMs); !problem.isEmpty())
        return problem + QStringLiteral(" (Sicherungspunkt)");
    m_result.GameMs = checkpoint->GameMs;
    m_result.LastSavedWallMs = checkpoint->WallMs;
    return {};
}

} // namespace

HistoryResult<RecoveredGame> Replay(const StoredGame &game)
{
    Replayer replayer(game);
    if (const QString problem = replayer.Run(); !problem.isEmpty())
        return HistoryResult<RecoveredGame>::Failure(
            QStringLiteral("Das gespeicherte Spiel kann nicht wiederhergestellt werden: %1.").arg(problem));
    return HistoryResult<RecoveredGame>::Of(replayer.Result());
}

} // namespace GameReplay
