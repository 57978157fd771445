// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The game history through the real main window: what a scripted game
// stores, the last game brought back at start-up, "Neues Spiel", a stored
// game that cannot be brought back, RESET taken back with Ctrl+Z, and the
// problems that must neither stop the program nor stay silent.

#include "game/HistoryStartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <array>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

#include "HistoryTestSupport.h"
#include "app/TApplication.h"
#include "game/ClockCommands.h"
#include "game/GameControls.h"
#include "game/GameReplay.h"
#include "game/GameReport.h"
#include "game/ResetUndo.h"
#include "history/HistoryWriter.h"
#include "history/PayloadCodec.h"
#include "rosters/TCheckListBox.h"
#include "support/MainWindowFixture.h"

using namespace HistoryTest;
using Kind = GameEventKind;

namespace {

// Answers the history's dialogs as a script says and keeps what they showed.
struct RecordedDialogs
{
    std::deque<bool> answers; // for each question: true "Fortsetzen", false "Neues Spiel"
    QStringList questions;
    QStringList messages;

    HistoryDialogs Dialogs()
    {
        HistoryDialogs dialogs;
        dialogs.AskContinue = [this](const QString &question) {
            questions.append(question);
            if (answers.empty())
                return false;
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
        dialogs.Tell = [this](const QString &message) { messages.append(message); };
        return dialogs;
    }
};

// A second copy of the program, as far as the lock goes: holds it until killed.
class OtherCopy
{
public:
    explicit OtherCopy(const QString &folder)
    {
        m_process.start(QStringLiteral(HISTORY_LOCK_HOLDER), {folder});
        EXPECT_TRUE(m_process.waitForStarted(10000));
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
        EXPECT_EQ(QString::fromUtf8(m_process.readLine()).trimmed(), QStringLiteral("held"));
    }
    ~OtherCopy()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }

private:
    QProcess m_process;
};

class HistoryWindow : public MainWindowFixture
{
protected:
    QTemporaryDir data;
    RecordedDialogs dialogs;
    std::unique_ptr<HistoryStartup> history;
    std::int64_t wallMs = 1796698800000;

    QString Folder() const { return data.filePath(QStringLiteral("Velmarin/Quintora")); }
    QString DatabasePath() const { return QDir(Folder()).filePath(QStringLiteral("games.db")); }

    // The window of a new start of the program with its history in `folder`.
    void StartProgram(const QString &folder = {})
    {
        history.reset();
        OpenWindow();
        history = std::make_unique<HistoryStartup>(*form, folder.isEmpty() ? Folder() : folder, dialogs.Dialogs(),
                                                   [this] { return wallMs += 1000; });
    }
    // Everything queued is written, as at a normal end of the program.
    void Flush() { history->Writer().WaitIdle(); }

    std::vector<StoredGame> StoredGames(const QString &folder = {})
    {
        if (history)
            Flush();
        auto store = OpenStore(QDir(folder.isEmpty() ? Folder() : folder).filePath(QStringLiteral("games.db")));
        std::vector<StoredGame> games;
        if (!store)
            return games;
        for (GameId id = 1; id <= *store->GameCount().Value; ++id)
            games.push_back(*store->LoadGame(id).Value);
        return games;
    }
    static std::vector<Kind> KindsOf(const StoredGame &game)
    {
        std::vector<Kind> kinds;
        for (const GameEvent &event : game.Events)
            kinds.push_back(event.Kind);
        return kinds;
    }

    // Space on a roster line: the user ticks or clears its check mark.
    void ToggleCheck(TeamIndex team, int row)
    {
        TCheckListBox *roster = form->Roster(team);
        roster->SetItemIndex(row);
        QTest::keyClick(roster, Qt::Key_Space);
    }
    void Reset() { form->bResetClick(form->bReset); }
    // Ctrl+Z sent to the shown window as the platform sends keys.
    void CtrlZ()
    {
        if (!form->isVisible()) {
            form->show();
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        QTest::keyClick(form->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    }
    // Refreshes every 200 ms from `from` to `to`, both included.
    void RunClock(std::uint32_t from, std::uint32_t to)
    {
        for (std::uint32_t at = from; at <= to; at += 200)
            Refresh(at);
    }

    // What the buttons allow, as "START+e PAUSE-d RESETe rosters e e loaders e e export e".
    std::string Enabling() const
    {
        const auto shown = [](const QWidget *w) { return std::string(w->isHidden() ? "-" : "+") + Enabled(w); };
        return "START" + shown(form->bSTART) + " PAUSE" + shown(form->bPause) + " RESET" + Enabled(form->bReset)
            + " rosters " + Enabled(form->Command1) + " " + Enabled(form->Command2) + " loaders "
            + Enabled(form->sbLoad1) + " " + Enabled(form->sbLoad2) + " export " + Enabled(form->sbExcel);
    }
    static std::string Enabled(const QWidget *w) { return w->isEnabled() ? "e" : "d"; }
    static constexpr const char *StandingEnabling = "START+e PAUSE-d RESETe rosters e e loaders e e export e";
    static constexpr const char *FreshEnabling = "START+e PAUSE-d RESETd rosters e e loaders e e export d";

    StandingGame Now() const { return form->GameControls->Snapshot(); }
    // The stretch a clock set by hand would move now.
    std::optional<ClockCorrection::Stretch> Stretch() const
    {
        return form->ClockMenuCommands->Correction().LastStretch();
    }
    static void ExpectSameGame(const StandingGame &actual, const StandingGame &expected)
    {
        for (std::size_t team = 0; team < 2; ++team) {
            EXPECT_EQ(actual.Rosters[team].Lines, expected.Rosters[team].Lines) << "team " << team + 1;
            EXPECT_EQ(actual.Rosters[team].Checked, expected.Rosters[team].Checked) << "team " << team + 1;
            EXPECT_EQ(actual.Elapsed[team], expected.Elapsed[team]) << "team " << team + 1;
        }
        EXPECT_EQ(actual.GameMs, expected.GameMs);
        EXPECT_EQ(actual.ClockStarted, expected.ClockStarted);
    }
    // The window of a first start: sample rosters with the first five on
    // court, no time anywhere, the clock at 00:00 and not started.
    void ExpectFreshWindow()
    {
        const StandingGame game = Now();
        EXPECT_EQ(game.Rosters[0].Lines.value(0), QStringLiteral(" 4 Tom Wagner"));
        EXPECT_EQ(game.Rosters[1].Lines.value(9), QStringLiteral("13 Sascha Roth"));
        const std::vector<bool> firstFive{true, true, true, true, true, false, false, false, false, false};
        EXPECT_EQ(game.Rosters[0].Checked, firstFive);
        EXPECT_EQ(game.Rosters[1].Checked, firstFive);
        EXPECT_EQ(game.Elapsed, PlayingTimeLedger::ElapsedTables{});
        EXPECT_FALSE(game.ClockStarted);
        EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
        EXPECT_EQ(Enabling(), FreshEnabling);
    }
    // The clock runs from `at` for two seconds and stops: the program works.
    void ExpectAGameRuns(std::uint32_t at)
    {
        Start(at);
        RunClock(at + 200, at + 2000);
        Pause(at + 2000);
        EXPECT_EQ(ClockText(), QStringLiteral("00:02"));
        EXPECT_EQ(form->Ledger().ElapsedOf(1, 0), 2000);
    }

    // A short game of twelve home players: team file loaded, the starting
    // five ticked, two seconds and a half, a substitution (line 1 out, line
    // 6 in), then the clock runs on to 4.0 s of game time, where the refresh
    // at tick 7400 stores a checkpoint.  Ends with the clock running.
    void PlayUntilCheckpoint()
    {
        LoadTeam(1,
                 WriteTeam(QStringLiteral("home.txt"),
                           "4 A\n5 B\n6 C\n7 D\n8 E\n9 F\n10 G\n11 H\n12 I\n13 J\n14 K\n15 L\n"));
        for (int row = 0; row < 5; ++row)
            ToggleCheck(1, row);
        Start(2000);
        RunClock(2200, 4600);
        Pause(4600);
        ToggleCheck(1, 0);
        ToggleCheck(1, 5);
        Start(6000);
        RunClock(6200, 7400);
    }
};

// Copies the database files as a crash would leave them: every commit, no lock.
void CopyDatabase(const QString &from, const QString &to)
{
    ASSERT_TRUE(QDir().mkpath(to));
    for (const QString &name : {QStringLiteral("games.db"), QStringLiteral("games.db-wal")}) {
        if (QFile::exists(QDir(from).filePath(name))) {
            ASSERT_TRUE(QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name)));
        }
    }
}

} // namespace

TEST_F(HistoryWindow, WithNothingStoredTheProgramStartsAsEverAndAnUntouchedStartStoresNothing)
{
    StartProgram();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(history->IsStoring());
    ExpectFreshWindow();
    history.reset();
    StartProgram();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(StoredGames().empty());
}

TEST_F(HistoryWindow, AScriptedGameIsStoredActionByActionWithItsCheckpoint)
{
    StartProgram();
    ToggleCheck(1, 0);
    Start(2000);
    RunClock(2200, 4600);
    const TeamTimes atLastRefresh = history->Journal().ShownTimes();
    Pause(4700);
    LoadTeam(2, WriteTeam(QStringLiteral("away.txt"), "4 Anna\n5 Berta\n"));
    emit form->Exported();

    const auto games = StoredGames();
    ASSERT_EQ(games.size(), 1u);
    const StoredGame &game = games[0];
    EXPECT_TRUE(game.Summary.IsOpen());
    // The rosters as they stood before the first action.
    EXPECT_EQ(game.Opening.Rosters[0].Lines.value(0), QStringLiteral(" 4 Tom Wagner"));
    EXPECT_EQ(game.Opening.Rosters[0].Checked, (std::vector<bool>{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
    ASSERT_EQ(KindsOf(game), (std::vector<Kind>{Kind::Check, Kind::Start, Kind::Pause, Kind::TeamLoad, Kind::Export}));
    // Begun with the rosters the program starts with; the team file loaded later by its name.
    EXPECT_EQ(game.Opening.TeamNames, (std::array<QString, 2>{}));
    EXPECT_EQ(PayloadCodec::DecodeTeam(game.Events[3].Payload)->Name, QStringLiteral("away"));
    const GameEvent &check = game.Events[0];
    EXPECT_EQ(std::tuple(check.GameMs, check.Arg1, check.Arg2, check.Arg3), std::tuple(0, 1, 0, 0));
    EXPECT_EQ(game.Events[1].GameMs, 0);
    EXPECT_EQ(game.Events[2].GameMs, 2700);
    EXPECT_EQ(game.Events[3].GameMs, 2700);
    EXPECT_EQ(std::tuple(game.Events[3].Arg1, game.Events[3].Arg2), std::tuple(2, 2));
    EXPECT_EQ(game.Events[4].GameMs, 2700);
    // Wall times in the order of the actions.
    for (std::size_t i = 1; i < game.Events.size(); ++i)
        EXPECT_LT(game.Events[i - 1].WallMs, game.Events[i].WallMs);
    // One checkpoint at each whole second while the clock ran: the last at 2 s.
    ASSERT_TRUE(game.Checkpoint.has_value());
    EXPECT_EQ(game.Checkpoint->GameMs, 2000);
    EXPECT_EQ(game.Checkpoint->AfterSequence, 2);
    EXPECT_EQ(game.Checkpoint->Times[0], (std::vector<std::int32_t>{0, 2000, 2000, 2000, 2000, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game.Checkpoint->Times[1], (std::vector<std::int32_t>{2000, 2000, 2000, 2000, 2000, 0, 0, 0, 0, 0}));

    // The replay stands where the window stands.
    const auto replayed = GameReplay::Replay(game);
    ASSERT_TRUE(replayed.Ok()) << replayed.Error.toStdString();
    EXPECT_EQ(replayed.Value->GameMs, 2700);
    EXPECT_FALSE(replayed.Value->WasRunning);
    EXPECT_EQ(replayed.Value->Teams[1].Lines, (QStringList{QStringLiteral("4 Anna"), QStringLiteral("5 Berta")}));
    EXPECT_EQ(replayed.Value->Teams[0].Elapsed[1], atLastRefresh[0][1]);
}

TEST_F(HistoryWindow, CheckpointsWhileRunningAreOnePerWholeSecondAndNoneWhilePaused)
{
    StartProgram();
    Start(2000);
    int checkpoints = 0;
    std::int64_t last = -1;
    for (std::uint32_t at = 2200; at <= 12000; at += 200) {
        Refresh(at);
        Flush();
        const auto game = StoredGames().at(0);
        if (game.Checkpoint && game.Checkpoint->GameMs != last) {
            ++checkpoints;
            last = game.Checkpoint->GameMs;
            EXPECT_EQ(last % 1000, 0) << "checkpoint at " << last;
        }
    }
    EXPECT_EQ(checkpoints, 10);
    Pause(12000);
    // The standing clock has no timer that could store anything.
    EXPECT_FALSE(form->TimerList->Enabled());
    EXPECT_FALSE(form->FrameClock1->Timer1->Enabled());
}

TEST_F(HistoryWindow, FortsetzenBringsBackTheGameAsAtTheCrashAndStartGoesOnAsAfterAPause)
{
    StartProgram();
    PlayUntilCheckpoint();
    const StandingGame atCrash = Now();
    ASSERT_EQ(atCrash.GameMs, 4000);
    Flush();
    const QString crashed = data.filePath(QStringLiteral("crashed"));
    CopyDatabase(Folder(), crashed);

    // What the game would have done after a PAUSE here and a START later.
    Pause(7400);
    const std::optional<ClockCorrection::Stretch> stretchAtPause = Stretch();
    ASSERT_TRUE(stretchAtPause);
    Start(9000);
    Refresh(10500);
    const StandingGame afterPauseAndStart = Now();
    const QString clockAfterPauseAndStart = ClockText();

    ticks.now = 50000;
    dialogs.answers = {true};
    StartProgram(crashed);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].startsWith(QStringLiteral("Das letzte Spiel wurde nicht beendet (Spielzeit 00:04, "
                                                               "zuletzt gesichert am ")))
        << dialogs.questions[0].toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    ExpectSameGame(Now(), atCrash);
    EXPECT_EQ(ClockText(), QStringLiteral("00:04"));
    EXPECT_EQ(Enabling(), StandingEnabling);
    // A clock set by hand now moves the players of the stretch that ran at the crash.
    EXPECT_EQ(Stretch(), stretchAtPause);
    EXPECT_EQ(Stretch()->StartGameMs, 2600);
    EXPECT_EQ(form->Ledger().Count(1), 12);
    EXPECT_EQ(form->Ledger().Count(2), 10);
    EXPECT_FALSE(form->TimerList->Enabled());

    Start(60000);
    Refresh(61500);
    ExpectSameGame(Now(), afterPauseAndStart);
    EXPECT_EQ(ClockText(), clockAfterPauseAndStart);

    // The stored game stands where the window stood and goes on in the same game.
    Pause(61500);
    const auto games = StoredGames(crashed);
    ASSERT_EQ(games.size(), 1u);
    const std::vector<Kind> kinds = KindsOf(games[0]);
    ASSERT_GE(kinds.size(), 3u);
    EXPECT_EQ(std::vector<Kind>(kinds.end() - 3, kinds.end()),
              (std::vector<Kind>{Kind::Pause, Kind::Start, Kind::Pause}));
    EXPECT_EQ(games[0].Events[kinds.size() - 3].GameMs, 4000);
    const auto replayed = GameReplay::Replay(games[0]);
    ASSERT_TRUE(replayed.Ok()) << replayed.Error.toStdString();
    EXPECT_EQ(replayed.Value->GameMs, 5500);

    // The team file's name came back too: the report still names the spells
    // by it, and the next game begins with it.
    const auto report = GameReport::Of(games[0]);
    ASSERT_TRUE(report.Ok()) << report.Error.toStdString();
    for (const ReportChange &change : report.Value->Changes) {
        if (const auto *stint = std::get_if<ReportStint>(&change))
            EXPECT_EQ(stint->TeamName, stint->Team == 1 ? QStringLiteral("home") : QStringLiteral("Team 2"));
    }
    EXPECT_EQ(form->TeamName(1), QStringLiteral("home"));
    Reset();
    ToggleCheck(2, 0);
    const auto afterReset = StoredGames(crashed);
    ASSERT_EQ(afterReset.size(), 2u);
    EXPECT_EQ(afterReset[1].Opening.TeamNames, (std::array<QString, 2>{QStringLiteral("home"), QString()}));
}

TEST_F(HistoryWindow, AGameClosedDuringAPauseIsOfferedAgainAndComesBackWithoutAnExtraPause)
{
    StartProgram();
    PlayUntilCheckpoint();
    Pause(7500);
    const std::optional<ClockCorrection::Stretch> stretchAtClose = Stretch();
    // Ticked after the PAUSE: not a player of the last stretch.
    ToggleCheck(2, 8);
    const StandingGame atClose = Now();
    const std::size_t actions = StoredGames()[0].Events.size();

    ticks.now = 20000;
    dialogs.answers = {true};
    StartProgram(); // the window closed normally: nothing ended
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("Spielzeit 00:04")));
    ExpectSameGame(Now(), atClose);
    EXPECT_EQ(Stretch(), stretchAtClose);
    EXPECT_EQ(StoredGames()[0].Events.size(), actions);
    EXPECT_TRUE(StoredGames()[0].Summary.IsOpen());
}

// The clock stands at its last refresh (00:01 for 1.4 s), the PAUSE a
// fraction later (1.56 s, which would show 00:02); brought back, clock,
// question and players show what they showed, and the game goes on from
// the exact time.
TEST_F(HistoryWindow, AGameBroughtBackShowsTheClockAndThePlayersAsTheyShowedBefore)
{
    StartProgram();
    Start(1000);
    RunClock(1200, 2400);
    Pause(2560);
    const QString clockBefore = ClockText();
    ASSERT_EQ(clockBefore, QStringLiteral("00:01"));
    const std::string playerBefore = FormatPlayTime(form->Ledger().ElapsedOf(1, 0));
    ASSERT_EQ(playerBefore, " 0:01");

    ticks.now = 20000;
    dialogs.answers = {true};
    StartProgram();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("Spielzeit 00:01,")))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(ClockText(), clockBefore);
    EXPECT_EQ(FormatPlayTime(form->Ledger().ElapsedOf(1, 0)), playerBefore);
    EXPECT_EQ(form->FrameClock1->GameTime(), 1560);
    Start(21000);
    Refresh(21200);
    EXPECT_EQ(ClockText(), QStringLiteral("00:02")) << "1.76 s";
}

TEST_F(HistoryWindow, NeuesSpielEndsTheStoredGameKeepsItAndStartsAsEver)
{
    StartProgram();
    PlayUntilCheckpoint();
    dialogs.answers = {false};
    StartProgram();
    ASSERT_EQ(dialogs.questions.size(), 1);
    ExpectFreshWindow();
    ExpectAGameRuns(90000);
    const auto games = StoredGames();
    ASSERT_EQ(games.size(), 2u) << "nothing is deleted";
    EXPECT_EQ(games[0].Summary.EndReason, GameEndReason::NewGame);
    EXPECT_TRUE(games[1].Summary.IsOpen());

    // The game given up is not offered again; the new one is.
    dialogs.answers = {false};
    StartProgram();
    EXPECT_EQ(dialogs.questions.size(), 2);
}

// Killed 0.6 s after START, before the first checkpoint: the START and the
// changed line-up are stored, so the game is offered back with them, the
// clock where that START stood.
TEST_F(HistoryWindow, AGameKilledBeforeItsFirstCheckpointIsOfferedWithItsLineUp)
{
    StartProgram();
    ToggleCheck(1, 0);
    ToggleCheck(1, 7);
    Start(1000);
    Refresh(1200);
    Refresh(1400);
    const StandingGame atKill = Now();
    Flush();
    const QString crashed = data.filePath(QStringLiteral("crashed"));
    CopyDatabase(Folder(), crashed);

    ticks.now = 20000;
    dialogs.answers = {true};
    StartProgram(crashed);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("Spielzeit 00:00,")))
        << dialogs.questions[0].toStdString();
    const StandingGame back = Now();
    for (std::size_t team = 0; team < 2; ++team)
        EXPECT_EQ(back.Rosters[team].Checked, atKill.Rosters[team].Checked) << "team " << team + 1;
    EXPECT_EQ(back.Elapsed, PlayingTimeLedger::ElapsedTables{});
    EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
    EXPECT_TRUE(back.ClockStarted);
    EXPECT_EQ(Enabling(), StandingEnabling);
}

TEST_F(HistoryWindow, AGameWithoutRunningTimeIsNotOfferedAndEnded)
{
    StartProgram();
    ToggleCheck(2, 7);
    StartProgram();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    ExpectFreshWindow();
    const auto games = StoredGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Summary.EndReason, GameEndReason::NewGame);
}

TEST_F(HistoryWindow, AStoredGameTheReplayRefusesIsToldOnceAndKeptWhileTheProgramStartsAsEver)
{
    StartProgram();
    PlayUntilCheckpoint();
    history.reset();
    {
        RawDatabase raw(DatabasePath());
        raw.Execute("DELETE FROM event WHERE seq = 2");
    }
    StartProgram();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        QStringLiteral("Das gespeicherte Spiel kann nicht wiederhergestellt werden: Aktion Nr. 2 fehlt.")))
        << dialogs.messages[0].toStdString();
    ExpectFreshWindow();
    ExpectAGameRuns(30000);
    const auto games = StoredGames();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Summary.EndReason, GameEndReason::NewGame);
    EXPECT_FALSE(games[0].Events.empty());

    StartProgram();
    EXPECT_EQ(dialogs.messages.size(), 1) << "told once";
}

TEST_F(HistoryWindow, OlderOpenGamesAreEndedAsGivenUp)
{
    // Two open games, as a copy that could not end its game would leave them.
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        auto store = OpenStore(DatabasePath());
        for (int game = 0; game < 2; ++game)
            ASSERT_TRUE(store->BeginGame(SampleOpening(), GameEvent::Check(0, 1, 1, 0, false)).Ok());
    }
    StartProgram();
    const auto games = StoredGames();
    ASSERT_EQ(games.size(), 2u);
    for (const StoredGame &game : games)
        EXPECT_EQ(game.Summary.EndReason, GameEndReason::NewGame);
}

// Ctrl+Z right after a RESET, with and without a stored history.
TEST_F(HistoryWindow, CtrlZRightAfterResetBringsTheGameBackExactly)
{
    for (const bool storing : {true, false}) {
        SCOPED_TRACE(storing ? "storing" : "without history");
        history.reset();
        QTemporaryDir elsewhere;
        if (storing)
            StartProgram(elsewhere.path());
        else
            OpenWindow();
        PlayUntilCheckpoint();
        Pause(7500);
        ToggleCheck(2, 6);
        const StandingGame beforeReset = Now();
        const QString clockBeforeReset = ClockText();
        const std::optional<ClockCorrection::Stretch> stretchBeforeReset = Stretch();
        ASSERT_TRUE(stretchBeforeReset);
        EXPECT_FALSE(stretchBeforeReset->OnCourt[1][6]);

        ticks.now = 9000;
        Reset();
        EXPECT_EQ(ClockText(), QStringLiteral("00:00"));
        EXPECT_EQ(form->Ledger().ElapsedOf(1, 1), 0);
        EXPECT_FALSE(Stretch());
        emit form->Exported(); // an export in between changes nothing
        ticks.now = 9500;
        CtrlZ();
        ExpectSameGame(Now(), beforeReset);
        EXPECT_EQ(Stretch(), stretchBeforeReset);
        EXPECT_EQ(ClockText(), clockBeforeReset);
        EXPECT_EQ(Enabling(), StandingEnabling);

        // Once only: a second Ctrl+Z does nothing.
        CtrlZ();
        ExpectSameGame(Now(), beforeReset);

        // The game goes on as after a PAUSE.
        Start(10000);
        Refresh(11000);
        EXPECT_EQ(Now().GameMs, beforeReset.GameMs + 1000);
        Pause(11000);
        if (storing) {
            const auto games = StoredGames(elsewhere.path());
            ASSERT_EQ(games.size(), 1u);
            EXPECT_TRUE(games[0].Summary.IsOpen());
            const std::vector<Kind> kinds = KindsOf(games[0]);
            EXPECT_EQ(std::vector<Kind>(kinds.end() - 3, kinds.end()),
                      (std::vector<Kind>{Kind::ResetUndone, Kind::Start, Kind::Pause}));
            const auto replayed = GameReplay::Replay(games[0]);
            ASSERT_TRUE(replayed.Ok()) << replayed.Error.toStdString();
            EXPECT_EQ(replayed.Value->GameMs, beforeReset.GameMs + 1000);
            history.reset();
        }
        form->hide();
    }
}

// The pause falls between two refreshes: the fraction of a second that no
// refresh has shown yet counts after Ctrl+Z as if there had been no RESET.
TEST_F(HistoryWindow, AfterCtrlZTheGameGoesOnAsIfThereHadBeenNoReset)
{
    std::array<StandingGame, 2> played;
    for (const bool resetAndTakeBack : {false, true}) {
        StartProgram();
        PlayUntilCheckpoint();
        Pause(7550);
        if (resetAndTakeBack) {
            ticks.now = 8000;
            Reset();
            CtrlZ();
        }
        Start(10000);
        Refresh(11000);
        played[resetAndTakeBack ? 1 : 0] = Now();
        form->hide();
    }
    ExpectSameGame(played[1], played[0]);
    // 3999 ms at the last refresh before the pause (a resume costs a millisecond), 150 ms more until
    // the pause, 999 ms after the next START.
    EXPECT_EQ(played[1].Elapsed[0][1], 3999 + 150 + 999) << "the 150 ms after the last refresh count";
}

TEST_F(HistoryWindow, CtrlZDoesNothingOnceTheNewGameHasBegunOrWithoutAReset)
{
    struct Case
    {
        const char *name;
        std::function<void()> afterReset;
    };
    const Case cases[] = {
        {"START",
         [this] {
             Start(9000);
             Pause(9000);
         }},
        {"check mark", [this] { ToggleCheck(1, 7); }},
        {"team load", [this] { LoadTeam(2, WriteTeam(QStringLiteral("t.txt"), "1 X\n")); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StartProgram();
        PlayUntilCheckpoint();
        Pause(7500);
        Reset();
        c.afterReset();
        const StandingGame afterAction = Now();
        CtrlZ();
        ExpectSameGame(Now(), afterAction);
        form->hide();
    }

    // Nothing was reset: Ctrl+Z changes nothing.
    StartProgram();
    PlayUntilCheckpoint();
    Pause(7500);
    const StandingGame paused = Now();
    CtrlZ();
    ExpectSameGame(Now(), paused);
    EXPECT_FALSE(form->TakeBackReset->CanTakeBack());
}

TEST_F(HistoryWindow, AWriteFailureDuringPlayIsToldOnceWhenTheClockNextStands)
{
    StartProgram();
    Start(2000);
    RunClock(2200, 3000);
    Flush();
    {
        const FileSizeLimit full(1);
        RunClock(3200, 4000); // the checkpoint at 2 s cannot be written
        Flush();
    }
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "not during play";
    RunClock(4200, 5000);
    EXPECT_EQ(ClockText(), QStringLiteral("00:03"));

    Pause(5000);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Das Spiel kann nicht gespeichert werden: ")))
        << dialogs.messages[0].toStdString();
    EXPECT_FALSE(history->IsStoring());

    // The program goes on as ever and says nothing more.
    Start(6000);
    RunClock(6200, 7000);
    Pause(7000);
    QCoreApplication::processEvents();
    EXPECT_EQ(ClockText(), QStringLiteral("00:04"));
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// What stands in the way at start-up: each told in one message, before any
// play; the program starts as ever and the clock runs.
TEST_F(HistoryWindow, AHistoryThatCannotBeUsedIsToldOnceAndThePlayGoesOn)
{
    struct Case
    {
        const char *name;
        std::function<void()> prepare;
        const char *messagePart;
        bool storing;
    };
    const Case cases[] = {
        {"a folder in place of the database", [this] { ASSERT_TRUE(QDir().mkpath(DatabasePath())); },
         "das Spiel wird nicht gespeichert", false},
        {"random bytes",
         [this] {
             QByteArray bytes(70000, '\0');
             for (char &byte : bytes)
                 byte = char(QRandomGenerator::global()->bounded(256));
             WriteBytes(DatabasePath(), bytes);
         },
         "beiseitegelegt; eine neue wurde angelegt", true},
        {"a database cut short",
         [this] {
             StartProgram();
             PlayUntilCheckpoint();
             history.reset();
             {
                 RawDatabase raw(DatabasePath());
                 raw.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
             }
             QFile::remove(DatabasePath() + QStringLiteral("-wal"));
             QFile::remove(DatabasePath() + QStringLiteral("-shm"));
             const QByteArray bytes = ReadBytes(DatabasePath());
             WriteBytes(DatabasePath(), bytes.left(bytes.size() / 2 + 37));
             dialogs = {};
         },
         "beiseitegelegt; eine neue wurde angelegt", true},
        {"a newer schema",
         [this] {
             RawDatabase raw(DatabasePath());
             raw.Execute("PRAGMA user_version = 99");
         },
         "neueren Programmversion", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        history.reset();
        QDir(Folder()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(Folder()));
        dialogs = {};
        c.prepare();
        if (::testing::Test::HasFatalFailure())
            return;
        StartProgram();
        EXPECT_TRUE(dialogs.questions.isEmpty());
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8(c.messagePart)))
            << dialogs.messages[0].toStdString();
        EXPECT_EQ(history->IsStoring(), c.storing);
        ExpectFreshWindow();
        ExpectAGameRuns(40000);
        if (c.storing) {
            // The damaged file lies aside under a new name, untouched; a new database stores the game.
            const QStringList after = Entries(Folder());
            EXPECT_EQ(after.filter(QStringLiteral("games.db.damaged-")).size(), 1) << after.join(' ').toStdString();
            EXPECT_EQ(StoredGames().size(), 1u);
        } else {
            EXPECT_EQ(Entries(Folder()).filter(QStringLiteral("damaged")).size(), 0);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(dialogs.messages.size(), 1);
    }
}

TEST_F(HistoryWindow, ASecondCopyNeitherOffersNorTouchesTheRunningCopysGame)
{
    StartProgram();
    PlayUntilCheckpoint();
    history.reset();
    const QByteArray database = ReadBytes(DatabasePath());
    const QStringList files = Entries(Folder()).filter(QStringLiteral("games.db"));

    const OtherCopy running(Folder());
    StartProgram();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Das Programm läuft bereits")));
    EXPECT_FALSE(history->IsStoring());
    ExpectFreshWindow();
    ExpectAGameRuns(40000);
    Reset();
    history.reset();
    EXPECT_EQ(ReadBytes(DatabasePath()), database);
    EXPECT_EQ(Entries(Folder()).filter(QStringLiteral("games.db")), files);
}

// The real question box: captioned with the application title, "Fortsetzen"
// on Return (the default button), "Neues Spiel" on Escape.
TEST(HistoryMessageBoxes, TheQuestionGoesOnWithReturnAndStartsANewGameWithEscape)
{
    struct Case
    {
        Qt::Key key;
        bool continues;
    };
    for (const Case c : {Case{Qt::Key_Return, true}, Case{Qt::Key_Escape, false}}) {
        SCOPED_TRACE(c.continues ? "Return" : "Escape");
        QString caption;
        QStringList buttons;
        QString defaultButton;
        QTimer answer;
        answer.setInterval(10);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            answer.stop();
            caption = box->windowTitle();
            for (const QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, c.key);
        });
        answer.start();
        const bool continued = HistoryDialogs::MessageBoxes(nullptr, TApplication::CurrentTitle())
                                   .AskContinue(QStringLiteral("Spiel fortsetzen?"));
        EXPECT_EQ(continued, c.continues);
        EXPECT_EQ(caption, TApplication::CurrentTitle());
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{QStringLiteral("Fortsetzen"), QStringLiteral("Neues Spiel")}));
        EXPECT_EQ(defaultButton, QStringLiteral("Fortsetzen"));
    }
}
