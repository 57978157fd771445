// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Setting the clock in the main window with a scripted tick source: the
// clock shows the new time at once, the players of the last stretch follow,
// START goes on from there, and the history is told each correction.

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

#include "game/ClockCommands.h"
#include "game/ClockMenu.h"
#include "game/ClockSetDialog.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"
#include "support/MainWindowFixture.h"

namespace {

class SetClock : public MainWindowFixture
{
protected:
    std::vector<std::pair<qint64, qint64>> corrections; // (delta, new game time) as signalled
    int resumes = 0;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QObject::connect(form->ClockMenuCommands, &ClockCommands::ClockCorrected,
                         [this](qint64 delta, qint64 gameMs) { corrections.emplace_back(delta, gameMs); });
    }
    ClockCommands &Commands() { return *form->ClockMenuCommands; }
    // START, as the fixture does it, counting the resumes.
    void Start(std::uint32_t at)
    {
        if (form->Ledger().PauseTick() != 0)
            ++resumes;
        MainWindowFixture::Start(at);
    }
    // The refresh and PAUSE at one tick, so the shown times are exact.
    void StopAt(std::uint32_t at)
    {
        Refresh(at);
        Pause(at);
    }
    QString Set(std::int32_t gameMs) { return Commands().SetGameTime(gameMs); }
    std::int32_t Time(int team, int row) const { return form->Ledger().ElapsedOf(team, row); }
    QString Shown(int team, int row) const { return TeamRoster::TimeText(form->Ledger(), team, row); }
    std::int32_t GameMs() const { return form->FrameClock1->GameTime(); }
    void Substitute(int team, int off, int on)
    {
        form->Roster(team)->SetChecked(off, false);
        form->Roster(team)->SetChecked(on, true);
    }
    // A player on court all game has the clock's time, less the millisecond
    // each resume takes from every player (the ledger's rule).
    void ExpectOnTheClock(int team, int row)
    {
        EXPECT_EQ(Time(team, row), GameMs() - resumes) << "team " << team << " line " << row;
    }
    // Every line's time, both teams, to compare before and after.
    PlayingTimeLedger::ElapsedTables Times() const { return form->Ledger().AllElapsed(); }
};

TEST_F(SetClock, ForwardAndBackTheClockAndThePlayersOnCourtMoveAlike)
{
    Start(1000);
    StopAt(61000);
    ASSERT_EQ(GameMs(), 60000);

    EXPECT_EQ(Set(65000), QString());
    EXPECT_EQ(ClockText(), QStringLiteral("01:05")) << "shown at once";
    EXPECT_EQ(GameMs(), 65000);
    for (int team = 1; team <= 2; ++team) {
        for (int row = 0; row < 5; ++row)
            ExpectOnTheClock(team, row);
        for (int row = 5; row < 10; ++row)
            EXPECT_EQ(Time(team, row), 0);
    }
    EXPECT_EQ(Shown(1, 0), QStringLiteral(" 1:05"));

    EXPECT_EQ(Set(58000), QString());
    EXPECT_EQ(ClockText(), QStringLiteral("00:58"));
    ExpectOnTheClock(2, 4);
    EXPECT_EQ(Time(2, 5), 0);
    EXPECT_EQ(corrections, (std::vector<std::pair<qint64, qint64>>{{5000, 65000}, {-7000, 58000}}));

    // START goes on from the time set.
    Start(71000);
    Refresh(81000);
    EXPECT_EQ(ClockText(), QStringLiteral("01:08"));
    EXPECT_EQ(GameMs(), 68000);
    ExpectOnTheClock(1, 0);
    EXPECT_EQ(Time(1, 5), 0);
}

TEST_F(SetClock, BeforeTheFirstStartOnlyTheClockMoves)
{
    EXPECT_EQ(Set(120000), QString());
    EXPECT_EQ(ClockText(), QStringLiteral("02:00"));
    EXPECT_EQ(Times(), PlayingTimeLedger::ElapsedTables{});
    EXPECT_EQ(corrections, (std::vector<std::pair<qint64, qint64>>{{120000, 120000}}));
    Start(1000);
    Refresh(11000);
    EXPECT_EQ(ClockText(), QStringLiteral("02:10"));
    EXPECT_EQ(Time(1, 0), 10000) << "the players' times begin with the first START";
}

// 30 s with the starting five, line 0 of team 1 replaced by line 5, 20 s more:
// the clock stands at 50 s, the last stretch began at 30 s.
class SetClockAfterASubstitution : public SetClock
{
protected:
    void SetUp() override
    {
        SetClock::SetUp();
        Start(1000);
        StopAt(31000);
        Substitute(1, 0, 5);
        Start(41000);
        StopAt(61000);
        ASSERT_EQ(GameMs(), 50000);
    }
};

TEST_F(SetClockAfterASubstitution, BelowTheLastStretchsStartOrZeroIsRefusedAndChangesNothing)
{
    const auto before = Times();
    const QString refusal = Set(29000);
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("So weit l\u00e4sst sich die Uhr nicht zur\u00fcckstellen")))
        << refusal.toStdString();
    EXPECT_TRUE(refusal.endsWith(QStringLiteral("Fr\u00fchestens 00:30."))) << refusal.toStdString();
    EXPECT_EQ(Set(-1000), QStringLiteral("Die Uhr l\u00e4sst sich nicht unter 00:00 stellen."));
    EXPECT_EQ(Times(), before);
    EXPECT_EQ(GameMs(), 50000);
    EXPECT_EQ(ClockText(), QStringLiteral("00:50"));
    EXPECT_TRUE(corrections.empty());

    EXPECT_EQ(Set(30000), QString()) << "back to the stretch's start is allowed";
    EXPECT_EQ(Time(1, 5), 0) << "the substitute is back to nothing, never below";
    EXPECT_EQ(Shown(1, 5), QStringLiteral(" 0:00"));
    EXPECT_EQ(Time(1, 0), 30000) << "sat out the last stretch";
    ExpectOnTheClock(2, 0);
}

TEST_F(SetClockAfterASubstitution, ACorrectionThenASubstitutionThenStart)
{
    EXPECT_EQ(Set(52000), QString());
    Substitute(1, 5, 0); // during the same pause: the last stretch is still the one that followed
    EXPECT_EQ(Set(53000), QString());
    EXPECT_EQ(Time(1, 5), 22999);
    EXPECT_EQ(Time(1, 0), 30000);
    Start(71000);
    Refresh(81000);
    EXPECT_EQ(GameMs(), 63000);
    EXPECT_EQ(Time(1, 0), 30000 + 10000 - resumes);
    EXPECT_EQ(Time(1, 5), 22999);
    ExpectOnTheClock(1, 1);
    ExpectOnTheClock(2, 0);
}

TEST_F(SetClockAfterASubstitution, AfterResetThereIsNoLastStretch)
{
    form->bResetClick(form->bReset);
    EXPECT_EQ(Set(5000), QString());
    EXPECT_EQ(ClockText(), QStringLiteral("00:05"));
    EXPECT_EQ(Times(), PlayingTimeLedger::ElapsedTables{});
    Start(100000);
    Refresh(103000);
    EXPECT_EQ(GameMs(), 8000);
    EXPECT_EQ(Time(1, 1), 3000);
}

TEST_F(SetClock, WhileTheClockRunsNothingCanBeSet)
{
    Start(1000);
    Refresh(5000);
    EXPECT_EQ(Set(60000), QStringLiteral("Die Uhr l\u00e4uft. Sie l\u00e4sst sich nur stellen, solange sie steht."));
    Commands().OpenSetClockDialog();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(corrections.empty());
    EXPECT_EQ(GameMs(), 4000);
}

TEST_F(SetClock, TheScreenShowsTheNewTimesAtOnce)
{
    form->show();
    QApplication::processEvents();
    Start(1000);
    StopAt(61000);
    QApplication::processEvents();
    ASSERT_EQ(Set(754000), QString());
    // No event processed since: what the screen holds was painted by the correction itself.
    const QImage screen = form->screen()->grabWindow(form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, fresh);
    EXPECT_EQ(ClockText(), QStringLiteral("12:34"));
}

// Answers the "Uhr stellen" dialog as soon as it is up, as the bench would:
// the entry replaced by `typed`, then `key`.  A dialog that never comes is a
// failure after two seconds, not a test that hangs.
void AnswerSetClockDialog(const QString &offered, const QString &typed, Qt::Key key, bool &answered)
{
    auto *poll = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [=, &answered] {
        auto *dialog = qobject_cast<ClockSetDialog *>(QApplication::activeModalWidget());
        if (!dialog && ++*waited < 400)
            return;
        poll->stop();
        poll->deleteLater();
        answered = true;
        ASSERT_NE(dialog, nullptr) << "no dialog";
        EXPECT_EQ(dialog->TimeEdit->text(), offered);
        dialog->TimeEdit->selectAll();
        QTest::keyClicks(dialog->TimeEdit, typed);
        QTest::keyClick(dialog->TimeEdit, key);
    });
    poll->start(5);
}

// The way the bench does it: the menu's first item, the dialog, a time typed, Return.
TEST_F(SetClock, ThroughTheMenuAndTheDialog)
{
    Start(1000);
    StopAt(4000);
    bool answered = false;
    AnswerSetClockDialog(QStringLiteral("00:03"), QStringLiteral("12:34"), Qt::Key_Escape, answered);
    Commands().Menu->SetClockAction->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 3000));
    QApplication::processEvents();
    EXPECT_EQ(ClockText(), QStringLiteral("00:03"));
    EXPECT_TRUE(corrections.empty()) << "Escape changes nothing";

    answered = false;
    AnswerSetClockDialog(QStringLiteral("00:03"), QStringLiteral("12:34"), Qt::Key_Return, answered);
    Commands().Menu->SetClockAction->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 3000));
    QApplication::processEvents();
    EXPECT_EQ(ClockText(), QStringLiteral("12:34"));
    EXPECT_EQ(GameMs(), 754000);
    ExpectOnTheClock(1, 4);
    EXPECT_EQ(Shown(1, 4), QStringLiteral("12:34"));
    EXPECT_EQ(Shown(1, 5), QStringLiteral(" 0:00"));
    EXPECT_EQ(corrections, (std::vector<std::pair<qint64, qint64>>{{751000, 754000}}));
}

// The clock stands at its last refresh, 00:04 for 4.4 s, the PAUSE a
// fraction later at 4.56 s: the dialog offers 00:04, and after a second
// stretch the refusal names 00:04, the second the clock showed at that
// START, which typed is taken as the START itself.
TEST_F(SetClock, TheDialogAndItsRefusalNameTheTimesTheClockShowed)
{
    Start(1000);
    Refresh(5400);
    Pause(5560);
    bool answered = false;
    AnswerSetClockDialog(QStringLiteral("00:04"), QStringLiteral("00:04"), Qt::Key_Return, answered);
    Commands().Menu->SetClockAction->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 3000));
    QApplication::processEvents();
    EXPECT_TRUE(corrections.empty()) << "OK on the time offered changes nothing";
    EXPECT_EQ(GameMs(), 4560);

    Start(10000);
    StopAt(20000);
    EXPECT_TRUE(Set(3000).endsWith(QStringLiteral("Fr\u00fchestens 00:04.")));
    EXPECT_EQ(Set(4000), QString());
    EXPECT_EQ(GameMs(), 4560) << "the START of the last stretch";
    EXPECT_EQ(ClockText(), QStringLiteral("00:04"));
    ExpectOnTheClock(1, 0);
}

} // namespace
