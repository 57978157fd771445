// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/GameJournal.h"

#include <QTimer>

#include "clock/TFrameClock.h"
#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/GameWindow.h"
#include "game/HistoryMessages.h"
#include "game/ResetUndo.h"
#include "history/HistoryWriter.h"
#include "rosters/TCheckListBox.h"

GameJournal::GameJournal(GameWindow &form, HistoryWriter &writer, Notice tell, WallClock wallClock, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_writer(writer)
    , m_tell(std::move(tell))
    , m_wallClock(std::move(wallClock))
{
    TGameControls &controls = *form.GameControls;
    connect(&controls, &TGameControls::ClockStarted, this, &GameJournal::OnStarted);
    connect(&controls, &TGameControls::ClockPaused, this, &GameJournal::OnPaused);
    connect(&controls, &TGameControls::ResetDone, this, &GameJournal::OnReset);
    connect(&controls, &TGameControls::Refreshed, this, &GameJournal::OnRefreshed);
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        connect(form.Roster(team), &TCheckListBox::CheckClicked, this,
                [this, team](int line, bool on) { OnCheckClicked(team, line, on); });
    }
    connect(&form, &GameWindow::TeamLoaded, this, &GameJournal::OnTeamLoaded);
    connect(&form, &GameWindow::Exported, this,
            [this] { m_writer.Record(GameEvent::Export(GameMs(), m_wallClock())); });
    connect(form.TakeBackReset, &ResetUndo::ResetTakenBack, this,
            [this](std::int64_t gameMs) { m_writer.UndoReset(gameMs, m_wallClock()); });
    connect(&writer, &HistoryWriter::WriteFailed, this, &GameJournal::OnWriteFailed);
    ClockCommands &clock = *form.ClockMenuCommands;
    connect(&clock, &ClockCommands::FormatChosen, this, &GameJournal::OnFormatChosen);
    // Rules picked while the clock runs are stored at the next PAUSE.
    connect(&clock, &ClockCommands::RulesChosen, this, [this] {
        if (!m_form.GameControls->Running())
            RecordRulesIfChanged(GameMs());
    });
    connect(&clock, &ClockCommands::PeriodEndRequested, this, &GameJournal::OnPeriodEndRequested);
    connect(&clock, &ClockCommands::ClockCorrected, this, &GameJournal::OnClockCorrected);
    form.SetReportSource([this] { return CurrentReport(); });
    form.SetPeriodSource([this] { return m_periods; });
}

GameJournal::~GameJournal()
{
    m_form.SetReportSource({});
    m_form.SetPeriodSource({});
}

void GameJournal::BeginNewGame()
{
    const GameOpening opening = CurrentOpening();
    m_periods = PeriodSchedule(opening.Format);
    m_formatAtPause.reset();
    m_rulesStored = QString::fromUtf8(PlayingRuleSets::NoRules);
    m_writer.NewGame(opening);
}

void GameJournal::ContinueStoredGame(GameId game, bool wasRunning, const PeriodSchedule &periods,
                                     const QString &rulesName)
{
    m_rulesStored = rulesName;
    m_periods = periods;
    m_formatAtPause.reset();
    m_writer.ContinueGame(game);
    if (wasRunning)
        m_writer.Record(GameEvent::Pause(GameMs(), m_wallClock(), ShownTimes(), m_form.FrameClock1->ShownGameTime()));
    // The format in force now is the one the game goes on with.
    if (m_form.ClockMenuCommands->Format() != periods.Format())
        RecordFormat(m_form.ClockMenuCommands->Format());
    // So are the rules.
    RecordRulesIfChanged(GameMs());
}

GameOpening GameJournal::CurrentOpening() const
{
    GameOpening opening;
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        const TCheckListBox &roster = *m_form.Roster(team);
        RosterState &state = opening.Rosters[std::size_t(team - 1)];
        state.Lines = roster.Lines();
        state.Checked.resize(std::size_t(roster.Count()));
        for (int row = 0; row < roster.Count(); ++row)
            state.Checked[std::size_t(row)] = roster.Checked(row);
        opening.TeamNames[std::size_t(team - 1)] = m_form.TeamName(team);
    }
    opening.Format = m_form.ClockMenuCommands->Format();
    opening.WallMs = m_wallClock();
    return opening;
}

TeamTimes GameJournal::ShownTimes() const
{
    TeamTimes times;
    const PlayingTimeLedger &ledger = m_form.Ledger();
    for (int team = 1; team <= HistoryTeamCount; ++team) {
        std::vector<std::int32_t> &rows = times[std::size_t(team - 1)];
        rows.resize(std::size_t(PlayingTimeLedger::TimedRows(m_form.Roster(team)->Count())));
        for (std::size_t row = 0; row < rows.size(); ++row)
            rows[row] = ledger.ElapsedOf(team, int(row));
    }
    return times;
}

std::int64_t GameJournal::GameMs() const
{
    return m_form.FrameClock1->GameTime();
}

void GameJournal::OnStarted(std::int64_t gameMs)
{
    // The rules are stored while the clock stands: just before the START.
    RecordRulesIfChanged(gameMs);
    m_writer.Record(GameEvent::Start(gameMs, m_wallClock()));
    m_checkpoints.Restart(gameMs);
}

void GameJournal::OnPaused()
{
    m_writer.Record(GameEvent::Pause(GameMs(), m_wallClock(), ShownTimes(), m_form.FrameClock1->ShownGameTime()));
    if (m_formatAtPause) {
        RecordFormat(*m_formatAtPause);
        m_formatAtPause.reset();
    }
    RecordRulesIfChanged(GameMs());
    TellFailureWhenStanding();
}

void GameJournal::RecordRulesIfChanged(std::int64_t gameMs)
{
    const QString &rules = m_form.ClockMenuCommands->Rules().Name;
    if (rules == m_rulesStored)
        return;
    m_rulesStored = rules;
    m_writer.Record(GameEvent::RulesChange(gameMs, m_wallClock(), rules));
}

void GameJournal::OnFormatChosen(const GameFormat &format)
{
    if (m_form.GameControls->Running())
        m_formatAtPause = format;
    else
        RecordFormat(format);
}

void GameJournal::RecordFormat(const GameFormat &format)
{
    const std::int64_t gameMs = GameMs();
    m_periods.ChangeFormat(format, gameMs);
    m_writer.Record(GameEvent::FormatChange(gameMs, m_wallClock(), format));
}

void GameJournal::OnPeriodEndRequested(std::int64_t endMs)
{
    const std::optional<SchedulePeriod> period = m_periods.PeriodUnderWay(endMs);
    if (!period || !m_periods.EndPeriod(period->Number, endMs))
        return;
    m_writer.Record(GameEvent::PeriodEnd(GameMs(), m_wallClock(), period->Number, endMs));
}

void GameJournal::OnClockCorrected(std::int64_t deltaMs, std::int64_t newGameMs)
{
    m_writer.Record(GameEvent::Correction(newGameMs, m_wallClock(), deltaMs, m_form.FrameClock1->ShownGameTime()));
}

std::optional<GameReport> GameJournal::CurrentReport() const
{
    if (m_form.GameControls->Running())
        return std::nullopt; // a report tells of a standing game
    HistoryResult<StoredGame> game = m_writer.LoadCurrentGame();
    if (!game)
        return std::nullopt;
    GameResult<GameReport> report = GameReport::Of(*game.Value);
    if (!report)
        return std::nullopt;
    return std::move(*report.Value);
}

void GameJournal::OnReset()
{
    m_writer.EndGame(GameEndReason::Reset, m_wallClock());
    BeginNewGame();
}

void GameJournal::OnRefreshed()
{
    // Five refreshes a second; only the first after each whole second stores.
    const std::int64_t gameMs = GameMs();
    if (m_checkpoints.IsDue(gameMs))
        m_writer.SaveCheckpoint(GameCheckpoint{0, gameMs, m_wallClock(), ShownTimes()});
}

void GameJournal::OnCheckClicked(int team, int line, bool on)
{
    m_writer.Record(GameEvent::Check(GameMs(), m_wallClock(), team, line, on));
}

void GameJournal::OnTeamLoaded(int team)
{
    m_writer.Record(
        GameEvent::TeamLoad(GameMs(), m_wallClock(), team, m_form.Roster(team)->Lines(), m_form.TeamName(team)));
}

void GameJournal::OnWriteFailed(const HistoryProblem &problem)
{
    if (m_failureTold)
        return;
    m_failure = HistoryMessages::Text(problem);
    TellFailureWhenStanding();
}

void GameJournal::TellFailureWhenStanding()
{
    if (m_failure.isEmpty() || m_failureTold)
        return;
    // After the click that stopped the clock has done all it does; and
    // never during play, which a message box would interrupt.
    QTimer::singleShot(0, this, [this] {
        if (m_failureTold || m_failure.isEmpty() || m_form.GameControls->Running())
            return;
        m_failureTold = true;
        m_tell(tr("%1 Uhr und Spielzeiten laufen weiter wie bisher; bis zum nächsten Programmstart wird nichts "
                  "mehr gespeichert.")
                   .arg(m_failure));
    });
}
