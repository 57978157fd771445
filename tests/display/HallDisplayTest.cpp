// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The hall display beside a real main window: it shows what the bench's
// clock shows through a game, follows the players on court and the period,
// paints its themes, answers its keys, and is remembered in the settings.

#include "display/HallDisplay.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "display/HallBoardFeed.h"
#include "display/HallDisplayKeeper.h"
#include "display/HallLayout.h"
#include "game/ClockCommands.h"
#include "game/ClockMenu.h"
#include "game/GameControls.h"
#include "game/ResetUndo.h"
#include "support/MainWindowFixture.h"

namespace {

constexpr std::uint32_t Minute = 60000;

QString Text(const HallBoard &board)
{
    return QStringLiteral("%1%2:%3%4")
        .arg(board.Digits[0])
        .arg(board.Digits[1])
        .arg(board.Digits[2])
        .arg(board.Digits[3]);
}

QStringList Names(const std::vector<HallPlayer> &players)
{
    QStringList names;
    for (const HallPlayer &player : players)
        names << player.Name + QLatin1Char('=') + player.Time;
    return names;
}

class HallDisplayWindow : public MainWindowFixture
{
protected:
    HallDisplayKeeper &Keeper() { return *form->HallDisplays; }
    HallDisplay &Display()
    {
        if (!Keeper().Display())
            Keeper().Open();
        return *Keeper().Display();
    }
    const HallBoard &Board() { return Display().Board(); }
    QVariant Stored(const char *key) const
    {
        return QSettings(QStringLiteral("Velmarin"), QStringLiteral("Quintora")).value(QLatin1String(key));
    }
    static void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The colour at the middle of the top segment of the ones of minutes, and in the window's corner.
    static std::pair<QRgb, QRgb> SegmentAndCorner(HallDisplay &display)
    {
        const QImage image = display.grab().toImage();
        const QRect digit = display.Layout().Digits[1];
        const QPoint top(digit.center().x(), digit.top() + display.Layout().Thickness);
        return {image.pixel(top), image.pixel(1, 1)};
    }
};

TEST_F(HallDisplayWindow, ShowsTheBenchClocksSecondThroughAGame)
{
    Display();
    struct Step
    {
        const char *What;
        std::function<void()> Do;
        const char *Shows;
        bool TensLit;
    };
    const std::vector<Step> steps{
        {"opened", [] {}, "00:00", false},
        {"started", [&] { Start(2000); }, "00:00", false},
        {"refreshed", [&] { Refresh(2000 + 3549); }, "00:03", false},
        {"just before the next second", [&] { Refresh(2000 + 4549); }, "00:04", false},
        {"paused", [&] { Pause(2000 + 4700); }, "00:04", false},
        {"set by hand", [&] { form->ClockMenuCommands->SetGameTime(std::int32_t(12 * Minute + 7000)); }, "12:07", true},
        {"started again", [&] { Start(20000); }, "12:07", true},
        {"run on", [&] { Refresh(20000 + 2 * Minute); }, "14:07", true},
        {"paused again", [&] { Pause(20000 + 2 * Minute + 100); }, "14:07", true},
        {"reset", [&] { form->bResetClick(form->bReset); }, "00:00", true},
        {"reset taken back", [&] { form->TakeBackReset->TakeBack(); }, "14:07", true},
    };
    for (const Step &step : steps) {
        step.Do();
        QCoreApplication::processEvents();
        EXPECT_EQ(Text(Board()), ClockText()) << step.What;
        EXPECT_EQ(Text(Board()), QLatin1String(step.Shows)) << step.What;
        EXPECT_EQ(Board().MinuteTensLit, step.TensLit) << step.What;
        EXPECT_EQ(Board().MinuteTensLit, form->FrameClock1->MinuteTensLit()) << step.What;
    }
}

TEST_F(HallDisplayWindow, PlayersOnCourtAndThePeriodFollowTheGame)
{
    Display().SetShowsPlayers(true);
    const QStringList firstFive = Names(Board().OnCourt[0]);
    ASSERT_EQ(firstFive.size(), 5);
    EXPECT_EQ(firstFive.front(), form->Command1->Item(0) + QStringLiteral("=0:00"));
    EXPECT_EQ(Board().Period, QStringLiteral("1. Viertel"));

    Start(2000);
    Refresh(2000 + 61000);
    EXPECT_EQ(Names(Board().OnCourt[1]).front(), form->Command2->Item(0) + QStringLiteral("=1:01"));
    Pause(2000 + 61000);
    // A substitution: the first goes off, the seventh comes on.
    form->Command1->SetChecked(0, false);
    form->Command1->SetChecked(6, true);
    QStringList expected = firstFive.mid(1);
    expected.append(form->Command1->Item(6) + QStringLiteral("=0:00"));
    for (QString &line : expected)
        line.replace(QStringLiteral("=0:00"), QStringLiteral("=1:01"));
    expected.last().replace(QStringLiteral("=1:01"), QStringLiteral("=0:00"));
    EXPECT_EQ(Names(Board().OnCourt[0]), expected);

    // Eighths of five minutes: at 5:00 the first one is over.
    form->ClockMenuCommands->ChooseFormat(GameFormat{8, 5 * Minute, 3 * Minute});
    QCoreApplication::processEvents();
    EXPECT_EQ(Board().Period, QStringLiteral("1. Achtel"));
    form->ClockMenuCommands->SetGameTime(std::int32_t(5 * Minute));
    QCoreApplication::processEvents();
    EXPECT_EQ(Board().Period, QStringLiteral("2. Achtel"));
}

TEST_F(HallDisplayWindow, ThemesPaintTheirColoursAndAreKept)
{
    HallDisplay &display = Display();
    display.resize(640, 360);
    const auto themes = HallTheme::All();
    EXPECT_EQ(&display.Theme(), &themes[0]); // white on black unless chosen
    for (std::size_t i = 0; i < themes.size(); ++i) {
        display.ThemeActions[i]->trigger();
        EXPECT_EQ(SegmentAndCorner(display), std::make_pair(themes[i].Lit, themes[i].Background)) << themes[i].Key;
        EXPECT_EQ(Stored("HallDisplay/Theme").toString(), QLatin1String(themes[i].Key));
    }
    display.PlayersAction->trigger();
    EXPECT_TRUE(display.ShowsPlayers());

    display.close();
    DeleteClosedWindows();
    EXPECT_EQ(&Display().Theme(), &themes.back());
    EXPECT_TRUE(Display().ShowsPlayers());
}

TEST_F(HallDisplayWindow, KeysAndDoubleClickSwitchFullScreen)
{
    HallDisplay &display = Display();
    QTest::keyClick(&display, Qt::Key_F11);
    EXPECT_TRUE(display.isFullScreen());
    QTest::keyClick(&display, Qt::Key_Escape);
    EXPECT_FALSE(display.isFullScreen());
    display.EnterFullScreen();
    QTest::mouseDClick(&display, Qt::LeftButton);
    EXPECT_FALSE(display.isFullScreen());
    // The bench's keys stay with the bench: F5 on the display starts nothing.
    QTest::keyClick(&display, Qt::Key_F5);
    EXPECT_FALSE(form->GameControls->Running());
}

TEST_F(HallDisplayWindow, OpenAtExitComesBackClosedByTheUserDoesNot)
{
    QAction *menuItem = form->ClockMenuCommands->Menu->HallDisplayAction;
    EXPECT_FALSE(Stored("HallDisplay/Open").isValid()); // nothing written before it is first opened
    Keeper().RestoreAtStart();
    EXPECT_EQ(Keeper().Display(), nullptr);

    menuItem->trigger();
    ASSERT_NE(Keeper().Display(), nullptr);
    EXPECT_TRUE(menuItem->isChecked());
    EXPECT_EQ(Stored("HallDisplay/Open").toString(), QStringLiteral("true"));

    Keeper().Display()->close();
    DeleteClosedWindows();
    EXPECT_EQ(Keeper().Display(), nullptr);
    EXPECT_FALSE(menuItem->isChecked());
    EXPECT_EQ(Stored("HallDisplay/Open").toString(), QStringLiteral("false"));
    // Closed, nothing is left that follows the game.
    EXPECT_TRUE(form->findChildren<HallBoardFeed *>().isEmpty());
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<HallDisplay *>(window), nullptr);

    Display();
    OpenWindow(); // the program ends with the display open, and starts again
    EXPECT_EQ(Stored("HallDisplay/Open").toString(), QStringLiteral("true"));
    Keeper().RestoreAtStart();
    ASSERT_NE(Keeper().Display(), nullptr);
    EXPECT_TRUE(Keeper().Display()->isVisible());
}

TEST_F(HallDisplayWindow, AProjectorMissingOnceStaysTheScreenToOpenOn)
{
    settings.Write(QStringLiteral("Beamer"), QStringLiteral("[HallDisplay]\nScreen=HDMI-1\n"));
    OpenWindow(QStringLiteral("Beamer"));
    Display(); // the single screen: a window beside the bench
    EXPECT_FALSE(Display().isFullScreen());
    Display().close();
    DeleteClosedWindows();
    EXPECT_EQ(QSettings(QStringLiteral("Velmarin"), QStringLiteral("Beamer")).value("HallDisplay/Screen").toString(),
              QStringLiteral("HDMI-1"));
}

TEST_F(HallDisplayWindow, SettingsNotWrittenByThisProgramReadAsTheDefaults)
{
    settings.Write(QStringLiteral("Ungueltig"),
                   QStringLiteral("[HallDisplay]\nOpen=1\nTheme=Purple\nPlayers=@Invalid()\nScreen=7\n"));
    OpenWindow(QStringLiteral("Ungueltig"));
    Keeper().RestoreAtStart();
    EXPECT_EQ(Keeper().Display(), nullptr);
    EXPECT_EQ(&Display().Theme(), &HallTheme::All().front());
    EXPECT_FALSE(Display().ShowsPlayers());
}

} // namespace
