// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameEventReader.h"

#include <algorithm>

#include "history/PayloadCodec.h"

namespace StoredGameRules {

bool IsValidFormat(std::int64_t periods, std::int64_t periodMs, std::int64_t overtimeMs)
{
    return periods >= 1 && periods <= MaxRegularPeriods && periodMs > 0 && periodMs <= MaxGameMs && overtimeMs >= 0
        && overtimeMs <= MaxGameMs;
}

} // namespace StoredGameRules

using namespace StoredGameRules;

namespace {

bool IsTeam(std::int64_t team)
{
    return team == 1 || team == 2;
}

} // namespace

GameEventReader::GameEventReader(const StoredGame &game)
    : m_game(game)
    , m_schedule(game.Opening.Format)
{ }

QString GameEventReader::Read(GameEventListener *listener)
{
    if (QString problem = ReadOpening(); !problem.isEmpty())
        return problem;
    std::int64_t expected = 1;
    for (const GameEvent &event : m_game.Events) {
        if (event.Sequence != expected)
            return tr("Aktion Nr. %1 fehlt").arg(expected);
        if (event.GameMs < 0 || event.GameMs > MaxGameMs)
            return tr("unmögliche Spielzeit (Aktion %1)").arg(event.Sequence);
        if (QString problem = Apply(event, listener); !problem.isEmpty())
            return tr("%1 (Aktion %2)").arg(problem).arg(event.Sequence);
        m_lastWallMs = event.WallMs;
        ++expected;
    }
    return {};
}

QString GameEventReader::ReadOpening()
{
    const GameOpening &opening = m_game.Opening;
    m_lastWallMs = opening.WallMs;
    if (!IsValidFormat(opening.Format.RegularPeriods, opening.Format.PeriodMs, opening.Format.OvertimeMs))
        return tr("unmögliches Spielformat");
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const RosterState &roster = opening.Rosters[Slot(team)];
        if (roster.Checked.size() != std::size_t(roster.Lines.size()))
            return tr("die Aufstellung von Mannschaft %1 ist unvollständig").arg(team);
        m_lines[Slot(team)] = roster.Lines;
        m_checked[Slot(team)] = roster.Checked;
        m_teamNames[Slot(team)] = opening.TeamNames[Slot(team)];
    }
    return {};
}

QString GameEventReader::TeamName(int team) const
{
    const QString &name = TeamFileName(team);
    return name.isEmpty() ? tr("Team %1").arg(team) : name;
}

// Everything but START, PAUSE and a period end happens with the clock standing, at the time it stands at.
QString GameEventReader::Standing(const GameEvent &event) const
{
    if (m_running)
        return tr("Änderung bei laufender Uhr");
    if (event.GameMs != m_clockMs)
        return tr("Spielzeit verändert, während die Uhr stand");
    return {};
}

QString GameEventReader::Apply(const GameEvent &event, GameEventListener *listener)
{
    RowCredits credits;
    QString problem;
    switch (event.Kind) {
    case GameEventKind::Start:
        problem = Start(event);
        if (problem.isEmpty() && listener)
            listener->Started(event);
        return problem;
    case GameEventKind::Pause:
        problem = Pause(event, credits);
        if (problem.isEmpty() && listener)
            listener->Paused(event, credits);
        return problem;
    case GameEventKind::Check: return Check(event);
    case GameEventKind::TeamLoad:
        problem = TeamLoad(event);
        if (problem.isEmpty() && listener)
            listener->TeamLoaded(event, int(event.Arg1));
        return problem;
    case GameEventKind::Export:
    case GameEventKind::ResetUndone: return Standing(event);
    case GameEventKind::PeriodEnd: return PeriodEnd(event);
    case GameEventKind::Format: return FormatChange(event);
    case GameEventKind::Rules:
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        if (event.Payload.size() > MaxRulesNameBytes)
            return tr("unlesbare Regeln");
        m_rulesName = event.RulesName();
        return {};
    case GameEventKind::Correction:
        problem = Correction(event, credits);
        if (problem.isEmpty() && listener)
            listener->Corrected(event, credits);
        return problem;
    case GameEventKind::Unknown: break;
    }
    return tr("unbekannte Art von Aktion „%1“").arg(event.KindName.left(40));
}

QString GameEventReader::Start(const GameEvent &event)
{
    if (m_running)
        return tr("START bei laufender Uhr");
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    m_running = true;
    m_lastStartSequence = event.Sequence;
    m_lastStartMs = m_stretchMs = event.GameMs;
    m_lastStartShownMs = m_shownClockMs;
    return {};
}

QString GameEventReader::Pause(const GameEvent &event, RowCredits &credits)
{
    if (!m_running)
        return tr("PAUSE bei stehender Uhr");
    if (event.GameMs < m_stretchMs)
        return tr("Spielzeit läuft rückwärts");
    const auto times = PayloadCodec::DecodeTimes(event.Payload);
    if (!times)
        return tr("unlesbare Spielzeiten");
    if (QString problem = TakeTimes(*times, event.GameMs, credits); !problem.isEmpty())
        return problem;
    m_lastOnCourt = m_checked;
    m_lastStretchStartMs = m_lastStartMs;
    m_lastStretchStartShownMs = m_lastStartShownMs;
    m_running = false;
    m_clockMs = event.GameMs;
    m_shownClockMs = event.ShownGameMs();
    return {};
}

QString GameEventReader::TakeCheckpoint(const GameCheckpoint &checkpoint)
{
    if (checkpoint.GameMs < m_stretchMs || checkpoint.GameMs > MaxGameMs)
        return tr("der Sicherungspunkt liegt vor der letzten Aktion");
    RowCredits credits;
    if (QString problem = TakeTimes(checkpoint.Times, checkpoint.GameMs, credits); !problem.isEmpty())
        return tr("%1 (Sicherungspunkt)").arg(problem);
    m_clockMs = m_shownClockMs = checkpoint.GameMs;
    m_lastWallMs = checkpoint.WallMs;
    return {};
}

// One time per timed row, none negative or ahead of the clock, unchanged
// for every row that sat on the bench (only a refresh moves a time, and it
// moves only players on court) and not below what an on-court row showed.
QString GameEventReader::TakeTimes(const TeamTimes &times, std::int64_t gameMs, RowCredits &credits)
{
    // The clock may have been set back without the players' times.
    const std::int64_t limit = std::max(gameMs, gameMs - m_correctedMs) + PlayerAheadToleranceMs;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<std::int32_t> &values = times[Slot(team)];
        if (values.size() != std::size_t(PlayingTimeLedger::TimedRows(int(m_lines[Slot(team)].size()))))
            return tr("die Spielzeiten passen nicht zur Aufstellung von Mannschaft %1").arg(team);
        for (std::size_t row = 0; row < values.size(); ++row) {
            const std::int32_t value = values[row];
            const std::int32_t shown = m_shown[Slot(team)][row];
            if (value < 0 || value > limit)
                return tr("die Spielzeit in Zeile %1 von Mannschaft %2 ist negativ oder größer als die "
                          "Spielzeit")
                    .arg(row + 1)
                    .arg(team);
            if (!m_checked[Slot(team)][row] && value != shown)
                return tr("die Spielzeit eines Spielers auf der Bank (Zeile %1 von Mannschaft %2) hat "
                          "sich verändert")
                    .arg(row + 1)
                    .arg(team);
            if (value < shown)
                return tr("die Spielzeit in Zeile %1 von Mannschaft %2 läuft rückwärts").arg(row + 1).arg(team);
        }
    }
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<std::int32_t> &values = times[Slot(team)];
        std::vector<std::int64_t> &credit = credits[Slot(team)];
        credit.assign(values.size(), 0);
        for (std::size_t row = 0; row < values.size(); ++row) {
            credit[row] = std::int64_t(values[row]) - m_shown[Slot(team)][row];
            m_shown[Slot(team)][row] = values[row];
        }
    }
    return {};
}

QString GameEventReader::Check(const GameEvent &event)
{
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    if (!IsTeam(event.Arg1))
        return tr("Mannschaft %1 gibt es nicht").arg(event.Arg1);
    std::vector<bool> &checked = m_checked[Slot(int(event.Arg1))];
    if (event.Arg2 < 0 || std::uint64_t(event.Arg2) >= checked.size())
        return tr("Zeile %1 gibt es in der Aufstellung von Mannschaft %2 nicht").arg(event.Arg2 + 1).arg(event.Arg1);
    if (event.Arg3 != 0 && event.Arg3 != 1)
        return tr("unmögliches Häkchen");
    checked[std::size_t(event.Arg2)] = event.Arg3 == 1;
    return {};
}

QString GameEventReader::TeamLoad(const GameEvent &event)
{
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    if (!IsTeam(event.Arg1))
        return tr("Mannschaft %1 gibt es nicht").arg(event.Arg1);
    const auto team = PayloadCodec::DecodeTeam(event.Payload);
    if (!team || team->Lines.size() != event.Arg2)
        return tr("unlesbare Aufstellung");
    m_lines[Slot(int(event.Arg1))] = team->Lines;
    m_checked[Slot(int(event.Arg1))].assign(std::size_t(team->Lines.size()), false);
    // A load without a name (stored before names were kept) leaves none.
    m_teamNames[Slot(int(event.Arg1))] = team->Name;
    return {};
}

QString GameEventReader::PeriodEnd(const GameEvent &event)
{
    if (event.Arg1 < 1 || event.Arg1 > PeriodSchedule::MaxPeriods)
        return tr("unmögliche Spielabschnittsnummer");
    const std::int64_t endMs = event.PeriodEndMs();
    if (endMs < 0 || endMs > MaxGameMs)
        return tr("unmögliches Ende eines Spielabschnitts");
    if (m_running) {
        if (event.GameMs < m_stretchMs)
            return tr("Spielzeit läuft rückwärts");
        m_stretchMs = event.GameMs;
    } else if (QString problem = Standing(event); !problem.isEmpty()) {
        return problem;
    }
    if (!m_schedule.EndPeriod(int(event.Arg1), endMs))
        return tr("mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);
    m_periodsEnded = int(event.Arg1);
    return {};
}

QString GameEventReader::FormatChange(const GameEvent &event)
{
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    if (!IsValidFormat(event.Arg1, event.Arg2, event.Arg3))
        return tr("unmögliches Spielformat");
    if (!m_schedule.ChangeFormat(GameFormat{int(event.Arg1), event.Arg2, event.Arg3}, event.GameMs))
        return tr("mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);
    return {};
}

// The clock set while it stands: every timed row on court in the last
// stretch (check marks as they stood at its PAUSE) follows by the delta,
// never below 0.  Like the window, the clock may not go below 0, nor back
// before the last stretch's START while anybody was on court in it.
QString GameEventReader::Correction(const GameEvent &event, RowCredits &moved)
{
    if (m_running)
        return tr("Änderung bei laufender Uhr");
    if (event.Arg1 < -MaxGameMs || event.Arg1 > MaxGameMs || m_clockMs + event.Arg1 != event.GameMs)
        return tr("die Korrektur passt nicht zur Spielzeit");
    const std::int64_t delta = event.Arg1;
    if (event.GameMs < 0)
        return tr("die Korrektur stellt die Uhr unter 00:00");
    bool anyoneOnCourt = false;
    if (m_lastOnCourt) {
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            const std::vector<bool> &onCourt = (*m_lastOnCourt)[Slot(team)];
            const auto timed = std::min(onCourt.size(), std::size_t(PlayingTimeLedger::RowsPerTeam));
            anyoneOnCourt = anyoneOnCourt
                || std::find(onCourt.begin(), onCourt.begin() + std::ptrdiff_t(timed), true)
                    != onCourt.begin() + std::ptrdiff_t(timed);
        }
    }
    if (delta < 0 && anyoneOnCourt && event.GameMs < m_lastStretchStartMs)
        return tr("die Korrektur stellt die Uhr vor den letzten START zurück");
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        std::vector<std::int64_t> &rows = moved[Slot(team)];
        rows.assign(std::size_t(PlayingTimeLedger::RowsPerTeam), 0);
        if (!m_lastOnCourt)
            continue;
        const std::vector<bool> &onCourt = (*m_lastOnCourt)[Slot(team)];
        for (std::size_t row = 0; row < onCourt.size() && row < rows.size(); ++row) {
            if (!onCourt[row])
                continue;
            std::int32_t &shown = m_shown[Slot(team)][row];
            const std::int64_t adjusted = std::clamp<std::int64_t>(std::int64_t(shown) + delta, 0, MaxGameMs);
            rows[row] = adjusted - shown;
            shown = std::int32_t(adjusted);
        }
    }
    m_clockMs = event.GameMs;
    m_shownClockMs = event.ShownGameMs();
    m_correctedMs += delta;
    return {};
}
