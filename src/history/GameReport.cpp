// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/GameReport.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "history/GameReplay.h"
#include "history/PayloadCodec.h"

namespace {

constexpr std::int64_t MaxGameMs = GameReplay::MaxGameMs;
using GameReplay::IsValidFormat;

bool IsTeam(std::int64_t team)
{
    return team == 1 || team == 2;
}

std::size_t TeamSlot(std::int64_t team)
{
    return std::size_t(team - 1);
}

// One stretch of running clock, START to PAUSE.
struct Stretch
{
    std::int64_t BeginMs = 0;
    std::int64_t EndMs = 0; // moved by corrections made in the pause after it
    std::array<std::vector<bool>, HistoryTeamCount> OnCourt; // check marks while it ran, per line
    std::array<std::vector<std::int64_t>, HistoryTeamCount> Credit; // what it gave each timed row
};

struct StintRecord
{
    ReportStint Stint;
    std::int64_t Sequence = 0; // of its first START
    int TeamLoads = 0; // of its team when it began
};

// Walks the events once, keeping what the window and the ledger would have
// shown, and collects the stretches, stints and clock settings.
class ReportBuilder
{
public:
    explicit ReportBuilder(const StoredGame &game)
        : m_game(game)
        , m_schedule(game.Opening.Format)
    { }

    // Empty when the game fits the rules, else German words for the first thing that does not.
    QString Run();
    const GameReport &Result() const { return m_report; }

private:
    QString Opening();
    QString Apply(const GameEvent &event);
    QString Standing(const GameEvent &event) const;
    QString Start(const GameEvent &event);
    QString Pause(const GameEvent &event);
    QString Check(const GameEvent &event);
    QString TeamLoad(const GameEvent &event);
    QString PeriodEnd(const GameEvent &event);
    QString Correction(const GameEvent &event);
    QString Build();
    void BuildLines(std::size_t shownPeriods);
    void BuildChanges();

    const StoredGame &m_game;
    PeriodSchedule m_schedule;
    GameReport m_report;

    std::array<QStringList, HistoryTeamCount> m_lines;
    std::array<std::vector<bool>, HistoryTeamCount> m_checked;
    // What each ledger row shows, corrections included; rows past a shorter
    // roster keep theirs, as the ledger does.
    std::array<std::array<std::int64_t, TimedRowsPerTeam>, HistoryTeamCount> m_shown{};
    std::array<int, HistoryTeamCount> m_teamLoads{};
    bool m_running = false;
    std::int64_t m_clockMs = 0;
    // Latest game time an event of the running stretch was at.
    std::int64_t m_stretchMs = 0;
    std::vector<Stretch> m_stretches;
    std::vector<StintRecord> m_stints;
    // The stints on court in the last stretch, by (team, row); they go on
    // at the next START while their line is still checked.
    std::map<std::pair<int, int>, std::size_t> m_openStints;
    std::vector<std::pair<std::int64_t, ReportClockSet>> m_clockSets; // with their sequence

    // Per position: time in each period (timed rows) and the periods on court.
    std::array<std::array<std::vector<std::int64_t>, TimedRowsPerTeam>, HistoryTeamCount> m_periodMs;
    std::map<std::pair<int, int>, std::set<std::size_t>> m_periodsOnCourt;
};

QString ReportBuilder::Run()
{
    if (QString problem = Opening(); !problem.isEmpty())
        return problem;
    if (QString problem =
            GameReplay::WalkEvents(m_game.Events, [this](const GameEvent &event) { return Apply(event); });
        !problem.isEmpty())
        return problem;
    if (m_running)
        return QStringLiteral("die Uhr läuft noch");
    return Build();
}

QString ReportBuilder::Opening()
{
    const GameOpening &opening = m_game.Opening;
    if (!IsValidFormat(opening.Format.RegularPeriods, opening.Format.PeriodMs, opening.Format.OvertimeMs))
        return QStringLiteral("unmögliches Spielformat");
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const RosterState &roster = opening.Rosters[TeamSlot(team)];
        if (roster.Checked.size() != std::size_t(roster.Lines.size()))
            return QStringLiteral("die Aufstellung von Mannschaft %1 ist unvollständig").arg(team);
        m_lines[TeamSlot(team)] = roster.Lines;
        m_checked[TeamSlot(team)] = roster.Checked;
    }
    return {};
}

QString ReportBuilder::Standing(const GameEvent &event) const
{
    if (m_running)
        return QStringLiteral("Änderung bei laufender Uhr");
    if (event.GameMs != m_clockMs)
        return QStringLiteral("Spielzeit verändert, während die Uhr stand");
    return {};
}

QString ReportBuilder::Apply(const GameEvent &event)
{
    switch (event.Kind) {
    case GameEventKind::Start: return Start(event);
    case GameEventKind::Pause: return Pause(event);
    case GameEventKind::Check: return Check(event);
    case GameEventKind::TeamLoad: return TeamLoad(event);
    case GameEventKind::Export:
    case GameEventKind::ResetUndone: return Standing(event);
    case GameEventKind::PeriodEnd: return PeriodEnd(event);
    case GameEventKind::Format:
        if (QString problem = Standing(event); !problem.isEmpty())
            return problem;
        if (!IsValidFormat(event.Arg1, event.Arg2, event.Arg3))
            return QStringLiteral("unmögliches Spielformat");
        if (!m_schedule.ChangeFormat(GameFormat{int(event.Arg1), event.Arg2, event.Arg3}, event.GameMs))
            return QStringLiteral("mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);
        return {};
    case GameEventKind::Correction: return Correction(event);
    case GameEventKind::Unknown: break;
    }
    return QStringLiteral("unbekannte Art von Aktion „%1“").arg(event.KindName.left(40));
}

QString ReportBuilder::Start(const GameEvent &event)
{
    if (m_running)
        return QStringLiteral("START bei laufender Uhr");
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    // A spell ends when its line is no longer checked, or its team was
    // loaded, when the clock starts again.
    std::erase_if(m_openStints, [this](const auto &entry) {
        const auto [team, row] = entry.first;
        const std::vector<bool> &checked = m_checked[TeamSlot(team)];
        return std::size_t(row) >= checked.size() || !checked[std::size_t(row)]
            || m_stints[entry.second].TeamLoads != m_teamLoads[TeamSlot(team)];
    });
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<bool> &checked = m_checked[TeamSlot(team)];
        for (std::size_t row = 0; row < checked.size(); ++row) {
            if (!checked[row] || m_openStints.contains({team, int(row)}))
                continue;
            StintRecord record;
            record.Stint.Team = team;
            record.Stint.Row = int(row);
            record.Stint.Text = m_lines[TeamSlot(team)].at(qsizetype(row));
            record.Stint.Timed = row < std::size_t(TimedRowsPerTeam);
            record.Stint.OnGameMs = record.Stint.OffGameMs = event.GameMs;
            record.Stint.OnWallMs = record.Stint.OffWallMs = event.WallMs;
            record.Sequence = event.Sequence;
            record.TeamLoads = m_teamLoads[TeamSlot(team)];
            m_openStints.emplace(std::pair(team, int(row)), m_stints.size());
            m_stints.push_back(std::move(record));
        }
    }
    Stretch stretch;
    stretch.BeginMs = stretch.EndMs = event.GameMs;
    stretch.OnCourt = m_checked;
    m_stretches.push_back(std::move(stretch));
    m_running = true;
    m_stretchMs = event.GameMs;
    return {};
}

QString ReportBuilder::Pause(const GameEvent &event)
{
    if (!m_running)
        return QStringLiteral("PAUSE bei stehender Uhr");
    if (event.GameMs < m_stretchMs)
        return QStringLiteral("Spielzeit läuft rückwärts");
    const auto times = PayloadCodec::DecodeTimes(event.Payload);
    if (!times)
        return QStringLiteral("unlesbare Spielzeiten");
    Stretch &stretch = m_stretches.back();
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<std::int32_t> &values = (*times)[TeamSlot(team)];
        if (values.size() != std::size_t(TimedRows(int(m_lines[TeamSlot(team)].size()))))
            return QStringLiteral("die Spielzeiten passen nicht zur Aufstellung von Mannschaft %1").arg(team);
        std::vector<std::int64_t> &credits = stretch.Credit[TeamSlot(team)];
        credits.assign(values.size(), 0);
        for (std::size_t row = 0; row < values.size(); ++row) {
            std::int64_t &shown = m_shown[TeamSlot(team)][row];
            const std::int64_t credit = std::int64_t(values[row]) - shown;
            if (!m_checked[TeamSlot(team)][row] && credit != 0)
                return QStringLiteral("die Spielzeit eines Spielers auf der Bank (Zeile %1 von Mannschaft %2) hat "
                                      "sich verändert")
                    .arg(row + 1)
                    .arg(team);
            if (credit < 0)
                return QStringLiteral("die Spielzeit in Zeile %1 von Mannschaft %2 läuft rückwärts")
                    .arg(row + 1)
                    .arg(team);
            credits[row] = credit;
            shown = values[row];
        }
    }
    stretch.EndMs = event.GameMs;
    for (const auto &[position, index] : m_openStints) {
        ReportStint &stint = m_stints[index].Stint;
        stint.OffGameMs = event.GameMs;
        stint.OffWallMs = event.WallMs;
        const std::vector<std::int64_t> &credits = stretch.Credit[TeamSlot(position.first)];
        if (stint.Timed && std::size_t(position.second) < credits.size())
            stint.LengthMs += credits[std::size_t(position.second)];
    }
    m_running = false;
    m_clockMs = event.GameMs;
    return {};
}

QString ReportBuilder::Check(const GameEvent &event)
{
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    if (!IsTeam(event.Arg1))
        return QStringLiteral("Mannschaft %1 gibt es nicht").arg(event.Arg1);
    std::vector<bool> &checked = m_checked[TeamSlot(event.Arg1)];
    if (event.Arg2 < 0 || std::uint64_t(event.Arg2) >= checked.size())
        return QStringLiteral("Zeile %1 gibt es in der Aufstellung von Mannschaft %2 nicht")
            .arg(event.Arg2 + 1)
            .arg(event.Arg1);
    if (event.Arg3 != 0 && event.Arg3 != 1)
        return QStringLiteral("unmögliches Häkchen");
    checked[std::size_t(event.Arg2)] = event.Arg3 == 1;
    return {};
}

QString ReportBuilder::TeamLoad(const GameEvent &event)
{
    if (QString problem = Standing(event); !problem.isEmpty())
        return problem;
    if (!IsTeam(event.Arg1))
        return QStringLiteral("Mannschaft %1 gibt es nicht").arg(event.Arg1);
    const auto lines = PayloadCodec::DecodeLines(event.Payload);
    if (!lines || lines->size() != event.Arg2)
        return QStringLiteral("unlesbare Aufstellung");
    m_lines[TeamSlot(event.Arg1)] = *lines;
    m_checked[TeamSlot(event.Arg1)].assign(std::size_t(lines->size()), false);
    ++m_teamLoads[TeamSlot(event.Arg1)];
    return {};
}

QString ReportBuilder::PeriodEnd(const GameEvent &event)
{
    if (event.Arg1 < 1 || event.Arg1 > PeriodSchedule::MaxPeriods)
        return QStringLiteral("unmögliche Spielabschnittsnummer");
    if (m_running) {
        if (event.GameMs < m_stretchMs)
            return QStringLiteral("Spielzeit läuft rückwärts");
        m_stretchMs = event.GameMs;
    } else if (QString problem = Standing(event); !problem.isEmpty()) {
        return problem;
    }
    if (!m_schedule.EndPeriod(int(event.Arg1), event.GameMs))
        return QStringLiteral("mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);
    return {};
}

// The clock set while it stands: every row on court in the last stretch
// (check marks as they stood then) gets the delta, and that stretch ends
// where the clock now says it did.
QString ReportBuilder::Correction(const GameEvent &event)
{
    if (m_running)
        return QStringLiteral("Änderung bei laufender Uhr");
    if (event.Arg1 < -MaxGameMs || event.Arg1 > MaxGameMs || m_clockMs + event.Arg1 != event.GameMs)
        return QStringLiteral("die Korrektur passt nicht zur Spielzeit");
    const std::int64_t delta = event.Arg1;
    if (!m_stretches.empty()) {
        Stretch &stretch = m_stretches.back();
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            std::vector<std::int64_t> &credits = stretch.Credit[TeamSlot(team)];
            for (std::size_t row = 0; row < credits.size(); ++row) {
                if (!stretch.OnCourt[TeamSlot(team)][row])
                    continue;
                std::int64_t &shown = m_shown[TeamSlot(team)][row];
                if (credits[row] + delta < 0 || shown + delta > MaxGameMs)
                    return QStringLiteral("die Korrektur bringt die Spielzeit in Zeile %1 von Mannschaft %2 unter "
                                          "ihren Stand beim letzten START")
                        .arg(row + 1)
                        .arg(team);
                credits[row] += delta;
                shown += delta;
            }
        }
        stretch.EndMs += delta;
        for (const auto &[position, index] : m_openStints) {
            ReportStint &stint = m_stints[index].Stint;
            stint.OffGameMs += delta;
            if (stint.Timed)
                stint.LengthMs += delta;
        }
    }
    m_clockSets.emplace_back(event.Sequence, ReportClockSet{event.GameMs, delta, event.WallMs});
    m_clockMs = event.GameMs;
    return {};
}

QString ReportBuilder::Build()
{
    // Every period a stretch touches, and at least those begun before the
    // clock's time.  A stretch lies beyond the clock only when the clock was
    // set back past its start; its time still shows in its period.
    std::int64_t latestMs = m_clockMs;
    for (const Stretch &stretch : m_stretches)
        latestMs = std::max({latestMs, stretch.BeginMs, stretch.EndMs});
    const auto periods = m_schedule.PeriodsBefore(latestMs + 1);
    const auto played = m_schedule.PeriodsBefore(m_clockMs);
    if (!periods || !played)
        return QStringLiteral("mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);

    std::size_t shown = played->size();
    for (auto &team : m_periodMs) {
        for (auto &row : team)
            row.assign(periods->size(), 0);
    }
    for (const Stretch &stretch : m_stretches) {
        // The part of the stretch in each period; a stretch without length
        // (the clock set back to or before its start) counts in the period
        // where it ends.
        std::vector<std::pair<std::size_t, std::int64_t>> overlaps;
        const std::int64_t length = stretch.EndMs - stretch.BeginMs;
        for (std::size_t index = 0; index < periods->size(); ++index) {
            const SchedulePeriod &period = (*periods)[index];
            if (length <= 0) {
                const std::int64_t at = stretch.EndMs;
                if (period.BeginMs <= at && at < period.EndMs)
                    overlaps.emplace_back(index, 0);
                continue;
            }
            const std::int64_t overlap =
                std::min(stretch.EndMs, period.EndMs) - std::max(stretch.BeginMs, period.BeginMs);
            if (overlap > 0)
                overlaps.emplace_back(index, overlap);
        }
        if (overlaps.empty())
            continue; // cannot happen: the periods cover all game time
        shown = std::max(shown, overlaps.back().first + 1);
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            const std::vector<std::int64_t> &credits = stretch.Credit[TeamSlot(team)];
            for (std::size_t row = 0; row < credits.size(); ++row) {
                std::vector<std::int64_t> &perPeriod = m_periodMs[TeamSlot(team)][row];
                std::int64_t rest = credits[row];
                for (std::size_t k = 0; k + 1 < overlaps.size(); ++k) {
                    const std::int64_t share = credits[row] * overlaps[k].second / length;
                    perPeriod[overlaps[k].first] += share;
                    rest -= share;
                }
                perPeriod[overlaps.back().first] += rest;
            }
            const std::vector<bool> &onCourt = stretch.OnCourt[TeamSlot(team)];
            for (std::size_t row = 0; row < onCourt.size(); ++row) {
                if (!onCourt[row])
                    continue;
                for (const auto &[index, overlap] : overlaps) {
                    if (overlap > 0)
                        m_periodsOnCourt[{team, int(row)}].insert(index);
                }
            }
        }
    }

    for (std::size_t index = 0; index < shown; ++index) {
        const SchedulePeriod &period = (*periods)[index];
        m_report.Periods.push_back(ReportPeriod{PeriodLabel(period), period.Overtime, period.BeginMs, period.EndMs});
    }
    BuildLines(shown);
    BuildChanges();
    m_report.GameMs = m_clockMs;
    return {};
}

void ReportBuilder::BuildLines(std::size_t shownPeriods)
{
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const QStringList &lines = m_lines[TeamSlot(team)];
        for (qsizetype row = 0; row < lines.size(); ++row) {
            ReportLine line;
            line.Team = team;
            line.Row = int(row);
            line.Text = lines.at(row);
            line.Timed = row < TimedRowsPerTeam;
            if (line.Timed) {
                const std::vector<std::int64_t> &perPeriod = m_periodMs[TeamSlot(team)][std::size_t(row)];
                line.PeriodMs.assign(perPeriod.begin(), perPeriod.begin() + std::ptrdiff_t(shownPeriods));
                line.TotalMs = m_shown[TeamSlot(team)][std::size_t(row)];
            }
            const auto onCourt = m_periodsOnCourt.find({team, int(row)});
            line.PeriodsOnCourt = onCourt == m_periodsOnCourt.end() ? 0 : int(onCourt->second.size());
            m_report.Lines.push_back(std::move(line));
        }
    }
}

void ReportBuilder::BuildChanges()
{
    using Key = std::tuple<std::int64_t, int, int>; // sequence, team, row
    std::vector<std::pair<Key, ReportChange>> changes;
    changes.reserve(m_stints.size() + m_clockSets.size());
    for (const StintRecord &record : m_stints)
        changes.emplace_back(Key{record.Sequence, record.Stint.Team, record.Stint.Row}, record.Stint);
    for (const auto &[sequence, clockSet] : m_clockSets)
        changes.emplace_back(Key{sequence, 0, 0}, clockSet);
    std::stable_sort(changes.begin(), changes.end(),
                     [](const auto &left, const auto &right) { return left.first < right.first; });
    for (auto &change : changes)
        m_report.Changes.push_back(std::move(change.second));
}

} // namespace

HistoryResult<GameReport> GameReport::Of(const StoredGame &game)
{
    ReportBuilder builder(game);
    if (const QString problem = builder.Run(); !problem.isEmpty())
        return HistoryResult<GameReport>::Failure(
            QStringLiteral("Der Spielbericht kann nicht erstellt werden: %1.").arg(problem));
    return HistoryResult<GameReport>::Of(builder.Result());
}
