// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameReport.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <tuple>

#include "game/GameEventReader.h"
#include "timing/ShownTime.h"

namespace {

// One stretch of running clock, START to PAUSE.
struct Stretch
{
    std::int64_t BeginMs = 0;
    std::int64_t EndMs = 0; // moved by corrections made in the pause after it
    std::array<std::vector<bool>, HistoryTeamCount> OnCourt; // check marks while it ran, per line
    RowCredits Credit; // what it gave each timed row
};

struct StintRecord
{
    ReportStint Stint;
    std::int64_t Sequence = 0; // of its first START
    int TeamLoads = 0; // of its team when it began
    std::int64_t OffShownClockMs = 0; // what the clock showed when it ended
};

// Listens to the one walk over the game's events and collects the
// stretches, stints and clock settings.
class ReportBuilder : public GameEventListener
{
public:
    explicit ReportBuilder(const StoredGame &game)
        : m_reader(game)
    { }

    // Empty when the game fits the rules, else German words for the first thing that does not.
    QString Run();
    const GameReport &Result() const { return m_report; }

    void Started(const GameEvent &event) override;
    void Paused(const GameEvent &event, const RowCredits &credits) override;
    void TeamLoaded(const GameEvent &event, int team) override;
    void Corrected(const GameEvent &event, const RowCredits &moved) override;

private:
    QString Build();
    // How many periods the report shows: at least `played`.
    std::size_t ShownPeriodCount(std::size_t played) const;
    void BuildLines(std::size_t shownPeriods);
    void BuildChanges();
    void ShowStintLengths();

    GameEventReader m_reader;
    GameReport m_report;

    std::array<int, HistoryTeamCount> m_teamLoads{};
    std::vector<Stretch> m_stretches;
    std::vector<StintRecord> m_stints;
    // The stints on court in the last stretch, by (team, row); they go on
    // at the next START while their line is still checked.
    std::map<std::pair<int, int>, std::size_t> m_openStints;
    std::vector<std::pair<std::int64_t, ReportClockSet>> m_clockSets; // with their sequence

    // Per timed position: its time in each period.
    std::array<std::array<std::vector<std::int64_t>, PlayingTimeLedger::RowsPerTeam>, HistoryTeamCount> m_periodMs;
    // Per untimed position on court: the running time it was on court in each period.
    std::map<std::pair<int, int>, std::vector<std::int64_t>> m_untimedMs;
};

QString ReportBuilder::Run()
{
    if (QString problem = m_reader.Read(this); !problem.isEmpty())
        return problem;
    if (m_reader.Running())
        return QCoreApplication::translate("GameReport", "die Uhr läuft noch");
    return Build();
}

void ReportBuilder::Started(const GameEvent &event)
{
    // A spell ends when its line is no longer checked, or its team was
    // loaded, when the clock starts again.
    std::erase_if(m_openStints, [this](const auto &entry) {
        const auto [team, row] = entry.first;
        const std::vector<bool> &checked = m_reader.Checked(team);
        return std::size_t(row) >= checked.size() || !checked[std::size_t(row)]
            || m_stints[entry.second].TeamLoads != m_teamLoads[GameEventReader::Slot(team)];
    });
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const std::vector<bool> &checked = m_reader.Checked(team);
        for (std::size_t row = 0; row < checked.size(); ++row) {
            if (!checked[row] || m_openStints.contains({team, int(row)}))
                continue;
            StintRecord record;
            record.Stint.Team = team;
            record.Stint.TeamName = m_reader.TeamName(team);
            record.Stint.Row = int(row);
            record.Stint.Text = m_reader.Lines(team).at(qsizetype(row));
            record.Stint.Timed = row < std::size_t(PlayingTimeLedger::RowsPerTeam);
            record.Stint.OnGameMs = record.Stint.OffGameMs = event.GameMs;
            record.Stint.ShownOnMs = ShownTime::Ms(m_reader.ShownClockMs());
            record.Stint.OnWallMs = record.Stint.OffWallMs = event.WallMs;
            record.Sequence = event.Sequence;
            record.TeamLoads = m_teamLoads[GameEventReader::Slot(team)];
            m_openStints.emplace(std::pair(team, int(row)), m_stints.size());
            m_stints.push_back(std::move(record));
        }
    }
    Stretch stretch;
    stretch.BeginMs = stretch.EndMs = event.GameMs;
    for (int team = 1; team <= HistoryTeamCount; ++team)
        stretch.OnCourt[GameEventReader::Slot(team)] = m_reader.Checked(team);
    m_stretches.push_back(std::move(stretch));
}

void ReportBuilder::Paused(const GameEvent &event, const RowCredits &credits)
{
    Stretch &stretch = m_stretches.back();
    stretch.EndMs = event.GameMs;
    stretch.Credit = credits;
    for (const auto &[position, index] : m_openStints) {
        StintRecord &record = m_stints[index];
        record.Stint.OffGameMs = event.GameMs;
        record.Stint.OffWallMs = event.WallMs;
        record.OffShownClockMs = event.ShownGameMs();
        const std::vector<std::int64_t> &teamCredits = credits[GameEventReader::Slot(position.first)];
        if (record.Stint.Timed && std::size_t(position.second) < teamCredits.size())
            record.Stint.LengthMs += teamCredits[std::size_t(position.second)];
    }
}

void ReportBuilder::TeamLoaded(const GameEvent &, int team)
{
    ++m_teamLoads[GameEventReader::Slot(team)];
}

// The clock set while it stands: the rows of the last stretch moved with it,
// and that stretch ends where the clock now says it did.
void ReportBuilder::Corrected(const GameEvent &event, const RowCredits &moved)
{
    const std::int64_t delta = event.Arg1;
    if (!m_stretches.empty()) {
        Stretch &stretch = m_stretches.back();
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            std::vector<std::int64_t> &credits = stretch.Credit[GameEventReader::Slot(team)];
            const std::vector<std::int64_t> &rows = moved[GameEventReader::Slot(team)];
            for (std::size_t row = 0; row < credits.size() && row < rows.size(); ++row)
                credits[row] += rows[row];
        }
        stretch.EndMs += delta;
        for (const auto &[position, index] : m_openStints) {
            StintRecord &record = m_stints[index];
            record.Stint.OffGameMs += delta;
            record.OffShownClockMs = event.ShownGameMs();
            const std::vector<std::int64_t> &rows = moved[GameEventReader::Slot(position.first)];
            if (record.Stint.Timed && std::size_t(position.second) < rows.size())
                record.Stint.LengthMs += rows[std::size_t(position.second)];
        }
    }
    m_clockSets.emplace_back(event.Sequence, ReportClockSet{event.ShownGameMs(), delta, event.WallMs});
}

QString ReportBuilder::Build()
{
    // Every period a stretch touches, to split the times; the report shows
    // those begun before the time the clock shows and every one a line shows
    // time in.  A stretch lies beyond the clock only when the clock was set
    // back to its start; its time still shows in its period.
    const std::int64_t clockMs = m_reader.ClockMs();
    std::int64_t latestMs = clockMs;
    for (const Stretch &stretch : m_stretches)
        latestMs = std::max({latestMs, stretch.BeginMs, stretch.EndMs});
    const PeriodSchedule &schedule = m_reader.Periods();
    const auto periods = schedule.PeriodsBefore(latestMs + 1);
    const auto played = schedule.PeriodsBefore(ShownTime::Ms(m_reader.ShownClockMs()));
    if (!periods || !played)
        return QCoreApplication::translate("GameReport", "mehr als %1 Spielabschnitte").arg(PeriodSchedule::MaxPeriods);

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
        for (int team = 1; team <= HistoryTeamCount; ++team) {
            const std::vector<std::int64_t> &credits = stretch.Credit[GameEventReader::Slot(team)];
            for (std::size_t row = 0; row < credits.size(); ++row) {
                std::vector<std::int64_t> &perPeriod = m_periodMs[GameEventReader::Slot(team)][row];
                std::int64_t rest = credits[row];
                for (std::size_t k = 0; k + 1 < overlaps.size(); ++k) {
                    const std::int64_t share = credits[row] * overlaps[k].second / length;
                    perPeriod[overlaps[k].first] += share;
                    rest -= share;
                }
                perPeriod[overlaps.back().first] += rest;
            }
            // Untimed lines count their periods by their time on court.
            const std::vector<bool> &onCourt = stretch.OnCourt[GameEventReader::Slot(team)];
            for (std::size_t row = PlayingTimeLedger::RowsPerTeam; row < onCourt.size(); ++row) {
                if (!onCourt[row])
                    continue;
                std::vector<std::int64_t> &perPeriod = m_untimedMs[{team, int(row)}];
                perPeriod.resize(periods->size(), 0);
                for (const auto &[index, overlap] : overlaps)
                    perPeriod[index] += overlap;
            }
        }
    }

    const std::size_t shown = ShownPeriodCount(played->size());
    for (std::size_t index = 0; index < shown; ++index) {
        const SchedulePeriod &period = (*periods)[index];
        m_report.Periods.push_back(ReportPeriod{PeriodLabel(period), period.Overtime, period.BeginMs, period.EndMs});
    }
    BuildLines(shown);
    ShowStintLengths();
    BuildChanges();
    m_report.GameMs = clockMs;
    m_report.RulesName = m_reader.RulesName();
    return {};
}

namespace {

// A line's times in the periods shown: the last one shown takes the
// milliseconds of any later period, which shows no time.
std::vector<std::int64_t> FoldedInto(const std::vector<std::int64_t> &perPeriod, std::size_t shownPeriods)
{
    std::vector<std::int64_t> folded(perPeriod.begin(),
                                     perPeriod.begin() + std::ptrdiff_t(std::min(shownPeriods, perPeriod.size())));
    folded.resize(shownPeriods, 0);
    for (std::size_t index = shownPeriods; index < perPeriod.size(); ++index)
        folded.back() += perPeriod[index];
    return folded;
}

// One past the last period in which a whole second shows.
std::size_t PeriodsShowingTime(const std::vector<std::int64_t> &perPeriod)
{
    const std::vector<std::int64_t> whole = ShownTime::CarriedParts(perPeriod);
    const auto last = std::find_if(whole.rbegin(), whole.rend(), [](std::int64_t ms) { return ms != 0; });
    return std::size_t(whole.rend() - last);
}

} // namespace

std::size_t ReportBuilder::ShownPeriodCount(std::size_t played) const
{
    std::size_t count = std::max<std::size_t>(played, 1);
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const auto timed = std::min<qsizetype>(m_reader.Lines(team).size(), PlayingTimeLedger::RowsPerTeam);
        for (qsizetype row = 0; row < timed; ++row)
            count = std::max(count, PeriodsShowingTime(m_periodMs[GameEventReader::Slot(team)][std::size_t(row)]));
    }
    for (const auto &[position, perPeriod] : m_untimedMs) {
        if (position.second < m_reader.Lines(position.first).size())
            count = std::max(count, PeriodsShowingTime(perPeriod));
    }
    return count;
}

void ReportBuilder::BuildLines(std::size_t shownPeriods)
{
    auto periodsShownAboveZero = [](const std::vector<std::int64_t> &whole) {
        return int(std::count_if(whole.begin(), whole.end(), [](std::int64_t ms) { return ms > 0; }));
    };
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const QStringList &lines = m_reader.Lines(team);
        for (qsizetype row = 0; row < lines.size(); ++row) {
            ReportLine line;
            line.Team = team;
            line.Row = int(row);
            line.Text = lines.at(row);
            line.Timed = row < PlayingTimeLedger::RowsPerTeam;
            if (line.Timed) {
                const std::vector<std::int64_t> &perPeriod = m_periodMs[GameEventReader::Slot(team)][std::size_t(row)];
                line.PeriodMs = FoldedInto(perPeriod, shownPeriods);
                line.ShownPeriodMs = ShownTime::CarriedParts(line.PeriodMs);
                line.TotalMs = m_reader.Shown(team)[std::size_t(row)];
                line.PeriodsOnCourt = periodsShownAboveZero(line.ShownPeriodMs);
            } else if (const auto untimed = m_untimedMs.find({team, int(row)}); untimed != m_untimedMs.end()) {
                line.PeriodsOnCourt =
                    periodsShownAboveZero(ShownTime::CarriedParts(FoldedInto(untimed->second, shownPeriods)));
            }
            m_report.Lines.push_back(std::move(line));
        }
    }
}

// A spell's length as written: the position's spells in order, each the
// whole seconds it adds to the position's time as shown, so the spells add
// up to what the roster shows; it ends at its start plus that length.
void ReportBuilder::ShowStintLengths()
{
    std::map<std::pair<int, int>, std::vector<StintRecord *>> byPosition;
    for (StintRecord &record : m_stints)
        byPosition[{record.Stint.Team, record.Stint.Row}].push_back(&record);
    for (auto &[position, records] : byPosition) {
        if (!records.front()->Stint.Timed) {
            for (StintRecord *record : records)
                record->Stint.ShownOffMs = ShownTime::Ms(record->OffShownClockMs);
            continue;
        }
        std::vector<std::int64_t> lengths;
        for (const StintRecord *record : records)
            lengths.push_back(record->Stint.LengthMs);
        const std::vector<std::int64_t> whole = ShownTime::CarriedParts(lengths);
        for (std::size_t index = 0; index < records.size(); ++index) {
            ReportStint &stint = records[index]->Stint;
            stint.ShownLengthMs = whole[index];
            stint.ShownOffMs = stint.ShownOnMs + stint.ShownLengthMs;
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

GameResult<GameReport> GameReport::Of(const StoredGame &game)
{
    ReportBuilder builder(game);
    if (const QString problem = builder.Run(); !problem.isEmpty())
        return GameResult<GameReport>::Failure(
            QCoreApplication::translate("GameReport", "Der Spielbericht kann nicht erstellt werden: %1.").arg(problem));
    return GameResult<GameReport>::Of(builder.Result());
}
