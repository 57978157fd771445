// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The clock's context menu in the main window: where it opens, its items,
// their enabling and ticks, and what picking them does and reports.

#include "game/ClockMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>
#include <vector>

#include "GameFormatPrint.h"
#include "clock/TDigit.h"
#include "game/ClockCommands.h"
#include "platform/TLabel.h"
#include "support/MainWindowFixture.h"

namespace {

class ClockContextMenu : public MainWindowFixture
{
protected:
    std::vector<GameFormat> chosen;
    std::vector<qint64> periodEnds;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Listen();
    }
    void Listen()
    {
        QObject::connect(form->ClockMenuCommands, &ClockCommands::FormatChosen,
                         [this](const GameFormat &format) { chosen.push_back(format); });
        QObject::connect(form->ClockMenuCommands, &ClockCommands::PeriodEndRequested,
                         [this](qint64 gameMs) { periodEnds.push_back(gameMs); });
    }
    ClockMenu &Menu() { return *form->ClockMenuCommands->Menu; }
    // The captions of the menu's items, "-" for a separator.
    QStringList Items()
    {
        QStringList items;
        for (const QAction *action : Menu().Menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return items;
    }
    // "E" enabled or "-" disabled for "Uhr stellen …" and "Abschnitt hier beenden", then the ticked format's index.
    std::string State()
    {
        Menu().Update();
        std::string state;
        state += Menu().SetClockAction->isEnabled() ? 'E' : '-';
        state += Menu().EndPeriodAction->isEnabled() ? 'E' : '-';
        for (std::size_t i = 0; i < Menu().FormatActions.size(); ++i)
            if (Menu().FormatActions[i]->isChecked())
                state += char('0' + i);
        return state;
    }
    QString SettingsFile() const { return settings.FileOf(QStringLiteral("Quintora")); }
    void RightClick(QWidget *widget)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), widget->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(widget, &event);
    }
};

TEST_F(ClockContextMenu, HoldsTheClocksCommandsInOrder)
{
    EXPECT_EQ(
        Items(),
        (QStringList{QStringLiteral("Uhr stellen \u2026"), QStringLiteral("-"), QStringLiteral("4 \u00d7 10 Minuten"),
                     QStringLiteral("4 \u00d7 12 Minuten"), QStringLiteral("4 \u00d7 8 Minuten"),
                     QStringLiteral("8 \u00d7 5 Minuten"), QStringLiteral("Regeln"), QStringLiteral("-"),
                     QStringLiteral("Abschnitt hier beenden"), QStringLiteral("-"), QStringLiteral("Hallenanzeige")}));
    QStringList rules;
    for (const QAction *action : Menu().RulesMenu->actions())
        rules << action->text();
    EXPECT_EQ(rules,
              (QStringList{QStringLiteral("Keine Regeln"), QStringLiteral("Mini 8 \u00d7 5 (10\u201330 Minuten)"),
                           QStringLiteral("Mini 8 \u00d7 4 (2\u20136 Achtel)"), QStringLiteral("2 gespielt, 2 Pause"),
                           QStringLiteral("2 volle Viertel")}));
    for (const QAction *format : Menu().FormatActions) {
        EXPECT_TRUE(format->isCheckable());
        ASSERT_NE(format->actionGroup(), nullptr);
        EXPECT_TRUE(format->actionGroup()->isExclusive());
    }
    EXPECT_FALSE(Menu().SetClockAction->isCheckable());
}

TEST_F(ClockContextMenu, OpensOnARightClickOnTheFrameAndOnTheDisabledDigits)
{
    const std::vector<QWidget *> targets{form->FrameClock1, form->FrameClock1->DigitS1, form->FrameClock1->DigitM10,
                                         form->FrameClock1->LabSec};
    for (QWidget *target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        RightClick(target);
        EXPECT_TRUE(Menu().Menu->isVisible());
        Menu().Menu->hide();
    }
    RightClick(form->Command1);
    EXPECT_FALSE(Menu().Menu->isVisible()) << "only the clock has this menu";
}

TEST_F(ClockContextMenu, CommandsAreEnabledWhileTheClockStands)
{
    EXPECT_EQ(State(), "E-0") << "at start-up: nothing played yet, so no period to end";
    Start(1000);
    EXPECT_EQ(State(), "--0") << "running";
    Refresh(3000);
    EXPECT_EQ(State(), "--0");
    Pause(3000);
    EXPECT_EQ(State(), "EE0");
    form->bResetClick(form->bReset);
    EXPECT_EQ(State(), "E-0");
}

TEST_F(ClockContextMenu, TicksTheStoredFormat)
{
    struct Case
    {
        const char *stored;
        std::string state;
    };
    const Case cases[] = {
        {"", "E-0"},
        {"Periods=4\nPeriodMinutes=12\n", "E-1"},
        {"Periods=8\nPeriodMinutes=5\nOvertimeMinutes=3\n", "E-3"},
        {"Periods=4\nPeriodMinutes=9\n", "E-"}, // a format of its own: none of the common ones
        {"Periods=x\nPeriodMinutes=8\n", "E-2"}, // a bad count reads as the default 4
    };
    int run = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        // A settings name of its own for each case: QSettings may keep a file it read within the same second.
        const QString name = QStringLiteral("Quintora%1").arg(++run);
        settings.Write(name, QStringLiteral("[General]\n") + QLatin1String(c.stored));
        OpenWindow(name);
        EXPECT_EQ(State(), c.state);
    }
}

TEST_F(ClockContextMenu, PickingAFormatStoresItAndReportsIt)
{
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "starting writes no settings";
    Menu().FormatActions[1]->trigger();
    const GameFormat twelve{4, 720000, 300000};
    EXPECT_EQ(chosen, std::vector<GameFormat>{twelve});
    EXPECT_EQ(form->ClockMenuCommands->Format(), twelve);
    EXPECT_EQ(State(), "E-1");
    QSettings stored(QStringLiteral("Velmarin"), QStringLiteral("Quintora"));
    EXPECT_EQ(stored.value(QStringLiteral("Periods")).toInt(), 4);
    EXPECT_EQ(stored.value(QStringLiteral("PeriodMinutes")).toInt(), 12);
    EXPECT_EQ(stored.value(QStringLiteral("OvertimeMinutes")).toInt(), 5);

    Menu().FormatActions[1]->trigger();
    EXPECT_EQ(chosen.size(), 1u) << "the format in force again is no change";

    // The next run plays by it, and the window keeps its geometry beside it.
    CloseWindow();
    OpenWindow();
    chosen.clear();
    Listen();
    EXPECT_EQ(form->ClockMenuCommands->Format(), twelve);
    EXPECT_TRUE(QSettings(QStringLiteral("Velmarin"), QStringLiteral("Quintora")).contains(QStringLiteral("Width")));
    Menu().FormatActions[3]->trigger();
    EXPECT_EQ(chosen, (std::vector<GameFormat>{{8, 300000, 300000}}));
}

// A rule set brings its format along and is kept for the next run; "Keine
// Regeln" keeps the format and hides the rules' line again.
TEST_F(ClockContextMenu, PickingRulesStoresThemWithTheirFormat)
{
    EXPECT_TRUE(form->RulesStatus->isHidden()) << "no rules, no line";
    Menu().Update();
    EXPECT_TRUE(Menu().RulesActions[0]->isChecked());
    Menu().RulesActions[2]->trigger();
    const GameFormat eighths{8, 240000, 240000};
    EXPECT_EQ(chosen, std::vector<GameFormat>{eighths});
    EXPECT_FALSE(form->RulesStatus->isHidden());
    EXPECT_TRUE(form->RulesStatus->text().startsWith(QStringLiteral("1. Achtel")))
        << form->RulesStatus->text().toStdString();

    CloseWindow();
    OpenWindow();
    Listen();
    EXPECT_EQ(form->ClockMenuCommands->Rules().Name, QStringLiteral("Mini 8 \u00d7 4 (2\u20136 Achtel)"));
    EXPECT_EQ(form->ClockMenuCommands->Format(), eighths);
    Menu().RulesActions[0]->trigger();
    EXPECT_TRUE(form->RulesStatus->isHidden());
    EXPECT_EQ(form->ClockMenuCommands->Format(), eighths) << "no rules keep the format in force";
    EXPECT_EQ(QSettings(QStringLiteral("Velmarin"), QStringLiteral("Quintora")).value(QStringLiteral("Rules")),
              QStringLiteral("Keine Regeln"));
}

TEST_F(ClockContextMenu, APickKeepsTheOvertimeLength)
{
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nOvertimeMinutes=3\n"));
    OpenWindow();
    Listen();
    Menu().FormatActions[2]->trigger();
    EXPECT_EQ(chosen, (std::vector<GameFormat>{{4, 480000, 180000}}));
}

TEST_F(ClockContextMenu, AClosedWindowWithoutAPickHasNoFormatInItsSettings)
{
    CloseWindow();
    const QSettings stored(QStringLiteral("Velmarin"), QStringLiteral("Quintora"));
    EXPECT_TRUE(stored.contains(QStringLiteral("Left")));
    EXPECT_FALSE(stored.contains(QStringLiteral("Periods")));
    EXPECT_FALSE(stored.contains(QStringLiteral("PeriodMinutes")));
    EXPECT_FALSE(stored.contains(QStringLiteral("OvertimeMinutes")));
    EXPECT_FALSE(stored.contains(QStringLiteral("Rules")));
}

// The period ends where the clock's digits stand: the second of its last
// refresh, not the fraction the PAUSE added after it.
TEST_F(ClockContextMenu, EndingThePeriodReportsTheSecondTheStandingClockShows)
{
    Start(1000);
    Refresh(5000);
    form->ClockMenuCommands->EndPeriodHere();
    EXPECT_TRUE(periodEnds.empty()) << "not while the clock runs";
    Refresh(600000); // 09:59.000 shows 09:59
    Pause(600600); // 09:59.600 would show 10:00
    Menu().EndPeriodAction->trigger();
    EXPECT_EQ(periodEnds, std::vector<qint64>{599000});
}

} // namespace
