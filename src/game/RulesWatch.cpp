// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/RulesWatch.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

#include "clock/TFrameClock.h"
#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/GameWindow.h"
#include "game/RulesOfReport.h"
#include "rosters/TCheckListBox.h"
#include "timing/ShownTime.h"

namespace {

const QString Separator = QStringLiteral(" \u00b7 ");

QString Clock(std::int64_t ms)
{
    const std::int64_t seconds = ShownTime::Seconds(std::max<std::int64_t>(ms, 0));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The period a standing or running clock is in: after a period's end, the
// next.  Past the periods judged, the format's lengths follow on.
int PeriodNumber(const PlayingRules &rules, const std::vector<SchedulePeriod> &periods, std::int64_t gameMs)
{
    const std::int64_t length = std::max<std::int64_t>(1, rules.Format.PeriodMs);
    int number = 1;
    if (periods.empty()) {
        number += int(std::min<std::int64_t>(gameMs / length, rules.Format.RegularPeriods));
    } else {
        const SchedulePeriod &last = periods.back();
        number = int(periods.size());
        if (last.EndMs != SchedulePeriod::OpenEnd && gameMs >= last.EndMs)
            number += 1 + int(std::min<std::int64_t>((gameMs - last.EndMs) / length, rules.Format.RegularPeriods));
    }
    return std::clamp(number, 1, std::max(1, rules.Format.RegularPeriods));
}

} // namespace

RulesWatch::RulesWatch(GameWindow &window, QLabel *statusLine, StartQuestion ask, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_statusLine(statusLine)
    , m_ask(std::move(ask))
{
    TGameControls *controls = m_window.GameControls;
    connect(controls, &TGameControls::ClockStarted, this, &RulesWatch::Update);
    connect(controls, &TGameControls::ClockPaused, this, &RulesWatch::Update);
    connect(controls, &TGameControls::ResetDone, this, &RulesWatch::Update);
    connect(controls, &TGameControls::Refreshed, this, &RulesWatch::FollowTheClock);
    connect(m_window.ClockMenuCommands, &ClockCommands::RulesChosen, this, &RulesWatch::Update);
    connect(m_window.ClockMenuCommands, &ClockCommands::FormatChosen, this, &RulesWatch::Update);
    connect(m_window.ClockMenuCommands, &ClockCommands::PeriodEndRequested, this, &RulesWatch::Update,
            Qt::QueuedConnection);
    connect(m_window.ClockMenuCommands, &ClockCommands::ClockCorrected, this, &RulesWatch::Update,
            Qt::QueuedConnection);
    connect(&m_window, &GameWindow::TeamLoaded, this, &RulesWatch::Update);
    // The history comes (and a stored game is brought back) after the window is built.
    connect(&m_window, &GameWindow::ReportSourceChanged, this, &RulesWatch::Update, Qt::QueuedConnection);
    for (int team = 1; team <= 2; ++team)
        connect(m_window.Roster(team), &TCheckListBox::CheckClicked, this, &RulesWatch::Update);
    controls->SetStartGuard([this] { return MayStart(); });
    Update();
}

RulesWatch::StartQuestion RulesWatch::MessageBox(QWidget *window, const QString &title)
{
    const QPointer<QWidget> parent(window);
    return [parent, title](const QStringList &problems) {
        QMessageBox box(
            QMessageBox::Warning, title,
            tr("Mit dieser Aufstellung würden die Regeln verletzt:\n\n%1").arg(problems.join(QLatin1Char('\n'))),
            QMessageBox::NoButton, parent);
        QPushButton *start = box.addButton(tr("Trotzdem starten"), QMessageBox::AcceptRole);
        QPushButton *cancel = box.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == start;
    };
}

std::optional<RulesGame> RulesWatch::StoredGame() const
{
    if (std::optional<GameReport> report = m_window.CurrentReport())
        return RulesGameOf(*report);
    return std::nullopt;
}

std::vector<bool> RulesWatch::OnCourt(const RulesGame &game) const
{
    std::vector<bool> onCourt;
    std::array<int, 2> row{};
    for (const RulesLine &line : game.Lines) {
        const TCheckListBox *roster = m_window.Roster(line.Team);
        const int index = row[std::size_t(line.Team - 1)]++;
        onCourt.push_back(roster && index < roster->Count() && roster->Checked(index));
    }
    return onCourt;
}

bool RulesWatch::MayStart()
{
    const PlayingRules &rules = m_window.ClockMenuCommands->Rules();
    if (!rules.Active())
        return true;
    // Without a stored game the check marks still tell how many are on court;
    // who played before is unknown, so the START counts as a period's first.
    RulesGame game = StoredGame().value_or(RulesGame{});
    if (game.Lines.empty()) {
        game.GameMs = m_window.FrameClock1->GameTime();
        SchedulePeriod fresh;
        fresh.BeginMs = game.GameMs;
        fresh.EndMs = game.GameMs + rules.Format.PeriodMs;
        game.Periods = {fresh};
        for (int team = 1; team <= 2; ++team) {
            const TCheckListBox *roster = m_window.Roster(team);
            for (int index = 0; roster && index < roster->Count(); ++index)
                game.Lines.push_back({team, roster->Item(index), {}, {}, 0});
        }
    }
    const QStringList problems = RulesJudge::StartProblems(rules, game, OnCourt(game));
    return problems.isEmpty() || m_ask(problems);
}

QString RulesWatch::Mark(int team, int row) const
{
    if (team < 1 || team > 2)
        return {};
    return m_marks[std::size_t(team - 1)].value(row);
}

void RulesWatch::MakeMarks(const PlayingRules &rules)
{
    // Made once per judgement; the rosters ask for every line they paint.
    for (QStringList &marks : m_marks)
        marks.clear();
    if (!rules.Active() || !m_game)
        return;
    const int of = rules.MinPeriods > 0 ? rules.MinPeriods : rules.Format.RegularPeriods;
    for (std::size_t i = 0; i < m_verdict.Lines.size() && i < m_game->Lines.size(); ++i) {
        const int team = m_game->Lines[i].Team;
        if (team == 1 || team == 2)
            m_marks[std::size_t(team - 1)].append(
                QStringLiteral("%1/%2").arg(m_verdict.Lines[i].PeriodsPlayed).arg(of));
    }
}

QString RulesWatch::Suggestion(const RulesGame &game, const GameVerdict &verdict) const
{
    const std::vector<bool> onCourt = OnCourt(game);
    std::vector<std::size_t> bench;
    for (std::size_t i = 0; i < verdict.Lines.size() && i < onCourt.size(); ++i) {
        if (!onCourt[i] && !verdict.Lines[i].Name.isEmpty() && verdict.Lines[i].Broken.isEmpty())
            bench.push_back(i);
    }
    // Those whose minimum is at risk first, then the least playing time.
    std::stable_sort(bench.begin(), bench.end(), [&verdict](std::size_t a, std::size_t b) {
        const LineVerdict &left = verdict.Lines[a];
        const LineVerdict &right = verdict.Lines[b];
        if (left.AtRisk != right.AtRisk)
            return left.AtRisk;
        return left.PlayedMs < right.PlayedMs;
    });
    QStringList named;
    for (std::size_t i = 0; i < bench.size() && i < 3; ++i) {
        const LineVerdict &line = verdict.Lines[bench[i]];
        named.append(QStringLiteral("%1 (%2)").arg(line.Name, Clock(line.PlayedMs)));
    }
    return named.isEmpty() ? QString() : tr("Vorschlag: %1").arg(named.join(QStringLiteral(", ")));
}

void RulesWatch::Update()
{
    const PlayingRules &rules = m_window.ClockMenuCommands->Rules();
    if (!rules.Active()) {
        m_game.reset();
        m_verdict = {};
        MakeMarks(rules);
        Show({}, {});
        return;
    }
    // While the clock runs the stored game stands at its START: the state
    // judged then stays, without the suggestion, which is for the pause.
    if (!m_window.GameControls->Running() || !m_game)
        m_game = StoredGame();
    QStringList said;
    QString full;
    if (m_game) {
        m_verdict = RulesJudge::Judge(rules, *m_game);
        // The line has room for the first problem; the tooltip holds them all.
        const QStringList problems = m_verdict.Problems();
        full = m_verdict.Status();
        said.append(problems.size() > 1 ? tr("%1 (und %2 weitere)").arg(problems.front()).arg(problems.size() - 1)
                                        : full);
        if (!m_window.GameControls->Running()) {
            if (const QString suggestion = Suggestion(*m_game, m_verdict); !suggestion.isEmpty()) {
                said.append(suggestion);
                full += QLatin1Char('\n') + suggestion;
            }
        }
    } else {
        m_verdict = {};
    }
    MakeMarks(rules);
    m_judged = said.join(QLatin1Char('\n'));
    m_fullJudged = full;
    m_shownPeriod = 0;
    FollowTheClock();
    for (int team = 1; team <= 2; ++team) {
        if (TCheckListBox *roster = m_window.Roster(team))
            roster->viewport()->update();
    }
}

void RulesWatch::FollowTheClock()
{
    const PlayingRules &rules = m_window.ClockMenuCommands->Rules();
    if (!rules.Active())
        return;
    // Called at every refresh while the clock runs: words are made only when the period changes.
    static const std::vector<SchedulePeriod> none;
    const int number = PeriodNumber(rules, m_game ? m_game->Periods : none, m_window.FrameClock1->GameTime());
    if (number == m_shownPeriod)
        return;
    m_shownPeriod = number;
    const QString period = rules.PeriodName(number);
    Show(m_judged.isEmpty() ? period : period + Separator + m_judged,
         m_fullJudged.isEmpty() ? period : period + Separator + m_fullJudged);
}

void RulesWatch::Show(const QString &text, const QString &whole)
{
    if (text == m_status && m_statusLine && m_statusLine->isVisible() == !text.isEmpty())
        return;
    m_status = text;
    if (!m_statusLine)
        return;
    m_statusLine->setText(text);
    m_statusLine->setToolTip(whole);
    m_statusLine->setVisible(!text.isEmpty());
}
