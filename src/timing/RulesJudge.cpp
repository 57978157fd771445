// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "timing/RulesJudge.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

#include "timing/ShownTime.h"

namespace {

// The bench starts and stops by the second the clock shows: a spell that
// begins or ends within a second of a period's edge begins or ends there.
constexpr std::int64_t EdgeMs = 1000;

QString Clock(std::int64_t ms)
{
    const std::int64_t seconds = ShownTime::Seconds(std::max<std::int64_t>(ms, 0));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool Near(std::int64_t a, std::int64_t b)
{
    return a > b - EdgeMs && a < b + EdgeMs;
}

// Where the game stands against the periods.
struct Progress
{
    int Begun = 0; // regular periods begun
    int NotBegun = 0; // regular periods still to come
    bool CurrentOngoing = false; // the last begun one has time left
    bool CurrentUnplayed = false; // ... and the clock has not run in it yet
    std::int64_t LeftMs = 0; // regular playing time left
};

Progress ProgressOf(const PlayingRules &rules, const RulesGame &game)
{
    Progress progress;
    progress.Begun = int(game.Periods.size());
    progress.NotBegun = std::max(0, rules.Format.RegularPeriods - progress.Begun);
    progress.LeftMs = std::int64_t(progress.NotBegun) * rules.Format.PeriodMs;
    if (!game.Periods.empty()) {
        const SchedulePeriod &current = game.Periods.back();
        progress.CurrentOngoing = game.GameMs < current.EndMs;
        progress.CurrentUnplayed = progress.CurrentOngoing && game.GameMs < current.BeginMs + EdgeMs;
        if (progress.CurrentOngoing && current.EndMs != SchedulePeriod::OpenEnd)
            progress.LeftMs += current.EndMs - game.GameMs;
    }
    return progress;
}

bool PlayedWhole(const RulesLine &line, const SchedulePeriod &period, std::int64_t gameMs)
{
    if (period.EndMs == SchedulePeriod::OpenEnd || gameMs < period.EndMs - EdgeMs)
        return false;
    return std::any_of(line.Spells.begin(), line.Spells.end(), [&period](const RulesLine::Spell &spell) {
        return spell.OnMs < period.BeginMs + EdgeMs && spell.OffMs > period.EndMs - EdgeMs;
    });
}

std::vector<bool> PlayedPeriods(const PlayingRules &rules, const RulesGame &game, const RulesLine &line)
{
    std::vector<bool> played(game.Periods.size(), false);
    for (std::size_t p = 0; p < game.Periods.size(); ++p) {
        if (rules.Counts == PlayingRules::PeriodPlayed::Unbroken)
            played[p] = PlayedWhole(line, game.Periods[p], game.GameMs);
        else
            played[p] = p < line.PeriodMs.size() && ShownTime::Ms(line.PeriodMs[p]) > 0;
    }
    return played;
}

// Of three sentences written whole for eighths, quarters and other periods, the one for the rules' periods.
QString ForPeriods(const PlayingRules &rules, const char *eighths, const char *quarters, const char *periods,
                   int n = -1)
{
    return QCoreApplication::translate("RulesJudge", ForPeriodsOf(rules.Format, eighths, quarters, periods), nullptr,
                                       n);
}

// A game has two halves; each is named whole, as other languages say "first", not "1.".
QString HalfName(int half)
{
    return half == 1 ? QCoreApplication::translate("RulesJudge", "1. Halbzeit")
                     : QCoreApplication::translate("RulesJudge", "2. Halbzeit");
}

LineVerdict JudgeLine(const PlayingRules &rules, const RulesGame &game, const Progress &progress, const RulesLine &line)
{
    LineVerdict verdict;
    verdict.Team = line.Team;
    verdict.Name = line.Text.trimmed();
    verdict.Played = PlayedPeriods(rules, game, line);
    verdict.PlayedMs = line.TotalMs;
    for (std::size_t p = 0; p < verdict.Played.size(); ++p) {
        if (verdict.Played[p])
            ++verdict.PeriodsPlayed;
        else if (game.GameMs >= game.Periods[p].EndMs)
            ++verdict.PeriodsRested;
    }
    const bool currentOpen = progress.CurrentOngoing
        && (rules.Counts == PlayingRules::PeriodPlayed::AnyTime ? !verdict.Played.back() : progress.CurrentUnplayed);
    verdict.PeriodsLeft = progress.NotBegun + (currentOpen ? 1 : 0);
    const int restsLeft = progress.NotBegun + (progress.CurrentOngoing && !verdict.Played.back() ? 1 : 0);
    QStringList unmet;

    int needed = 0;
    if (rules.MinPeriods > 0 && verdict.PeriodsPlayed < rules.MinPeriods) {
        needed = rules.MinPeriods - verdict.PeriodsPlayed;
        verdict.Open.append(QCoreApplication::translate("RulesJudge", "noch %1 nötig, %2 übrig")
                                .arg(rules.Periods(needed))
                                .arg(verdict.PeriodsLeft));
        unmet.append(verdict.PeriodsPlayed == 0 ? QCoreApplication::translate("RulesJudge", "nicht gespielt")
                                                : QCoreApplication::translate("RulesJudge", "nur %1 gespielt")
                                                      .arg(rules.Periods(verdict.PeriodsPlayed)));
    }
    if (rules.MaxPeriods > 0 && verdict.PeriodsPlayed > rules.MaxPeriods) {
        const QString broken = QCoreApplication::translate("RulesJudge", "%1 gespielt (höchstens %2)")
                                   .arg(rules.Periods(verdict.PeriodsPlayed))
                                   .arg(rules.MaxPeriods);
        verdict.Broken.append(broken);
        unmet.append(broken);
    }
    int restsNeeded = 0;
    if (rules.MinRests > 0 && verdict.PeriodsRested < rules.MinRests) {
        restsNeeded = rules.MinRests - verdict.PeriodsRested;
        verdict.Open.append(QCoreApplication::translate("RulesJudge", "noch %1 Pause nötig, %2 übrig")
                                .arg(rules.Periods(restsNeeded))
                                .arg(restsLeft));
        unmet.append(
            QCoreApplication::translate("RulesJudge", "nur %1 Pause").arg(rules.Periods(verdict.PeriodsRested)));
    }
    std::int64_t msNeeded = 0;
    if (rules.MinMs > 0 && verdict.PlayedMs < rules.MinMs) {
        msNeeded = rules.MinMs - verdict.PlayedMs;
        verdict.Open.append(QCoreApplication::translate("RulesJudge", "noch %1 Minuten nötig, %2 übrig")
                                .arg(Clock(msNeeded), Clock(progress.LeftMs)));
        unmet.append(
            verdict.PlayedMs <= 0
                ? QCoreApplication::translate("RulesJudge", "nicht gespielt")
                : QCoreApplication::translate("RulesJudge", "nur %1 Minuten gespielt").arg(Clock(verdict.PlayedMs)));
    }
    if (rules.MaxMs > 0 && verdict.PlayedMs > rules.MaxMs) {
        const QString broken = QCoreApplication::translate("RulesJudge", "%1 Minuten gespielt (höchstens %2)")
                                   .arg(Clock(verdict.PlayedMs), Clock(rules.MaxMs));
        verdict.Broken.append(broken);
        unmet.append(broken);
    }
    if (rules.PeriodInEachHalf) {
        const int half = rules.Format.RegularPeriods / 2;
        for (int h = 0; h < 2; ++h) {
            const int from = h * half;
            const int to = h == 0 ? half : rules.Format.RegularPeriods;
            bool played = false;
            int left = 0;
            for (int p = from; p < to; ++p) {
                if (p < int(verdict.Played.size()))
                    played = played || verdict.Played[std::size_t(p)];
                left += p >= progress.Begun || (p == progress.Begun - 1 && currentOpen) ? 1 : 0;
            }
            if (played)
                continue;
            const QString phrase =
                QCoreApplication::translate("RulesJudge", "kein %1 in der %2").arg(rules.PeriodWord(), HalfName(h + 1));
            unmet.append(phrase);
            if (left == 0)
                verdict.Broken.append(phrase);
            else
                verdict.Open.append(QCoreApplication::translate("RulesJudge", "noch 1 %1 in der %2 nötig, %3 übrig")
                                        .arg(rules.PeriodWord(), HalfName(h + 1))
                                        .arg(left));
        }
    }
    // The period under way counts either as played or as sat out, never as both.
    verdict.AtRisk = (needed > 0 && needed >= verdict.PeriodsLeft) || (restsNeeded > 0 && restsNeeded >= restsLeft)
        || (needed > 0 && restsNeeded > 0 && needed + restsNeeded >= std::max(verdict.PeriodsLeft, restsLeft))
        || (msNeeded > 0 && msNeeded >= progress.LeftMs);
    verdict.Unmet = unmet;
    return verdict;
}

} // namespace

QString LineVerdict::Verdict() const
{
    return Unmet.isEmpty()
        ? QCoreApplication::translate("RulesJudge", "erfüllt")
        : QCoreApplication::translate("RulesJudge", "nicht erfüllt: %1").arg(Unmet.join(QStringLiteral(", ")));
}

QStringList GameVerdict::Problems() const
{
    QStringList said;
    for (const LineVerdict &line : Lines) {
        if (!line.Broken.isEmpty())
            said.append(line.Name + QStringLiteral(": ") + line.Broken.join(QStringLiteral(", ")));
        else if (line.AtRisk)
            said.append(line.Name + QStringLiteral(": ") + line.Open.join(QStringLiteral(", ")));
    }
    said.append(Teams);
    said.append(Changes);
    return said;
}

QString GameVerdict::Status() const
{
    const QStringList problems = Problems();
    return problems.isEmpty() ? QCoreApplication::translate("RulesJudge", "Alle Regeln erfüllbar")
                              : problems.join(QStringLiteral("; "));
}

namespace RulesJudge {

GameVerdict Judge(const PlayingRules &rules, const RulesGame &game)
{
    GameVerdict verdict;
    if (!rules.Active() || game.Periods.empty())
        return verdict;
    const Progress progress = ProgressOf(rules, game);
    for (const RulesLine &line : game.Lines)
        verdict.Lines.push_back(JudgeLine(rules, game, progress, line));

    // What a team's open minimums need against the places left on court.
    const int periodsLeft = progress.NotBegun + (progress.CurrentOngoing ? 1 : 0);
    for (int team = 1; team <= 2; ++team) {
        int needed = 0;
        int rests = 0;
        int players = 0;
        std::int64_t msNeeded = 0;
        bool lineSaid = false; // a line at risk says more than its team's sum
        for (const LineVerdict &line : verdict.Lines) {
            if (line.Team != team || line.Name.isEmpty())
                continue;
            ++players;
            needed += std::max(0, rules.MinPeriods - line.PeriodsPlayed);
            rests += std::max(0, rules.MinRests - line.PeriodsRested);
            msNeeded += std::max<std::int64_t>(0, rules.MinMs - line.PlayedMs);
            lineSaid = lineSaid || line.AtRisk || !line.Broken.isEmpty();
        }
        verdict.Feasible = verdict.Feasible && !lineSaid;
        if (lineSaid)
            continue;
        const int places = periodsLeft * rules.OnCourt;
        const int benchPlaces = periodsLeft * std::max(0, players - rules.OnCourt);
        const QString name = QCoreApplication::translate("RulesJudge", "Mannschaft %1").arg(team);
        if (needed > places)
            verdict.Teams.append(
                QCoreApplication::translate("RulesJudge", "%1: noch %2 nötig, %n Plätze übrig", nullptr, places)
                    .arg(name, rules.Periods(needed)));
        if (rests > benchPlaces)
            verdict.Teams.append(QCoreApplication::translate(
                                     "RulesJudge", "%1: noch %2 Pause nötig, %n Bankplätze übrig", nullptr, benchPlaces)
                                     .arg(name, rules.Periods(rests)));
        if (msNeeded > progress.LeftMs * rules.OnCourt)
            verdict.Teams.append(QCoreApplication::translate("RulesJudge", "%1: noch %2 Minuten nötig, %3 übrig")
                                     .arg(name, Clock(msNeeded), Clock(progress.LeftMs * rules.OnCourt)));
    }
    verdict.Feasible = verdict.Feasible && verdict.Teams.isEmpty();

    if (rules.ChangesOnlyBetweenPeriods) {
        std::set<int> periods;
        for (const RulesLine &line : game.Lines) {
            for (const RulesLine::Spell &spell : line.Spells) {
                for (std::size_t p = 0; p < game.Periods.size(); ++p) {
                    const SchedulePeriod &period = game.Periods[p];
                    const auto inside = [&period](std::int64_t ms) {
                        return ms > period.BeginMs && ms < period.EndMs && !Near(ms, period.BeginMs)
                            && !Near(ms, period.EndMs);
                    };
                    // A spell ending where the clock stands has only paused.
                    if (inside(spell.OnMs) || (inside(spell.OffMs) && !Near(spell.OffMs, game.GameMs)))
                        periods.insert(int(p));
                }
            }
        }
        for (const int p : periods)
            verdict.Changes.append(ForPeriods(rules, QT_TRANSLATE_NOOP("RulesJudge", "Wechsel im %1. Achtel"),
                                              QT_TRANSLATE_NOOP("RulesJudge", "Wechsel im %1. Viertel"),
                                              QT_TRANSLATE_NOOP("RulesJudge", "Wechsel im %1. Abschnitt"))
                                       .arg(p + 1));
    }
    verdict.Feasible = verdict.Feasible && verdict.Changes.isEmpty();
    return verdict;
}

QStringList StartProblems(const PlayingRules &rules, const RulesGame &game, const std::vector<bool> &onCourt)
{
    QStringList problems;
    if (!rules.Active() || game.Periods.empty())
        return problems;
    for (int team = 1; team <= 2; ++team) {
        int count = 0;
        for (std::size_t i = 0; i < game.Lines.size() && i < onCourt.size(); ++i)
            count += game.Lines[i].Team == team && onCourt[i] ? 1 : 0;
        if (count != rules.OnCourt)
            problems.append(
                QCoreApplication::translate(
                    "RulesJudge", "Mannschaft %1: %n Spieler auf dem Feld, die Regeln sehen %2 vor", nullptr, count)
                    .arg(team)
                    .arg(rules.OnCourt));
    }

    const Progress progress = ProgressOf(rules, game);
    // The period this START plays in: the one under way, or the next.
    const bool inCurrent = progress.CurrentOngoing;
    const int periodNumber = inCurrent ? progress.Begun : progress.Begun + 1;
    const GameVerdict verdict = Judge(rules, game);
    for (std::size_t i = 0; i < verdict.Lines.size() && i < onCourt.size(); ++i) {
        if (!onCourt[i])
            continue;
        const LineVerdict &line = verdict.Lines[i];
        const bool newPeriod = !(inCurrent && line.Played.back());
        if (rules.MaxPeriods > 0 && newPeriod && line.PeriodsPlayed >= rules.MaxPeriods)
            problems.append(ForPeriods(rules,
                                       QT_TRANSLATE_N_NOOP("RulesJudge", "%1: wäre das %n. Achtel (höchstens %2)"),
                                       QT_TRANSLATE_N_NOOP("RulesJudge", "%1: wäre das %n. Viertel (höchstens %2)"),
                                       QT_TRANSLATE_N_NOOP("RulesJudge", "%1: wäre das %n. Abschnitt (höchstens %2)"),
                                       line.PeriodsPlayed + 1)
                                .arg(line.Name)
                                .arg(rules.MaxPeriods));
        if (rules.MaxMs > 0 && line.PlayedMs >= rules.MaxMs)
            problems.append(
                QCoreApplication::translate("RulesJudge", "%1: hat schon %2 Minuten gespielt (höchstens %3)")
                    .arg(line.Name, Clock(line.PlayedMs), Clock(rules.MaxMs)));
        const int restsLeft = progress.NotBegun + (inCurrent && !line.Played.back() ? 1 : 0);
        const int restsNeeded = rules.MinRests - line.PeriodsRested;
        // Playing this period leaves one period fewer to sit out.
        if (rules.MinRests > 0 && newPeriod && restsNeeded > 0 && restsNeeded > restsLeft - (inCurrent ? 1 : 0))
            problems.append(QCoreApplication::translate("RulesJudge", "%1: braucht noch %2 Pause, %3 übrig")
                                .arg(line.Name, rules.Periods(restsNeeded))
                                .arg(std::max(0, restsLeft - (inCurrent ? 1 : 0))));
    }

    if (rules.ChangesOnlyBetweenPeriods && inCurrent && !progress.CurrentUnplayed) {
        // Who was on court in the last stretch: the lines whose latest spell ended where the clock stands.
        bool changed = false;
        for (std::size_t i = 0; i < game.Lines.size() && i < onCourt.size(); ++i) {
            const auto &spells = game.Lines[i].Spells;
            const bool wasOn = !spells.empty() && Near(spells.back().OffMs, game.GameMs);
            changed = changed || wasOn != onCourt[i];
        }
        if (changed)
            problems.append(ForPeriods(rules,
                                       QT_TRANSLATE_NOOP("RulesJudge",
                                                         "Wechsel mitten im %1. Achtel: nur in den Pausen zwischen "
                                                         "den Abschnitten erlaubt"),
                                       QT_TRANSLATE_NOOP("RulesJudge",
                                                         "Wechsel mitten im %1. Viertel: nur in den Pausen zwischen "
                                                         "den Abschnitten erlaubt"),
                                       QT_TRANSLATE_NOOP("RulesJudge",
                                                         "Wechsel mitten im %1. Abschnitt: nur in den Pausen "
                                                         "zwischen den Abschnitten erlaubt"))
                                .arg(periodNumber));
    }
    return problems;
}

QString PeriodUnderWay(const PlayingRules &rules, const RulesGame &game)
{
    const int number = std::max<int>(1, int(game.Periods.size()));
    const SchedulePeriod period = game.Periods.empty() ? SchedulePeriod{} : game.Periods.back();
    if (period.Overtime)
        return PeriodLabel(period);
    return rules.PeriodName(number);
}

} // namespace RulesJudge
