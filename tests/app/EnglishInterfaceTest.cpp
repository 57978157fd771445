// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The main window, its clock's menu and dialog, the hall display and the
// recovery question under the English catalogue: every text of the
// program's own that they look up has an English translation.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include "display/HallDisplay.h"
#include "display/HallDisplayKeeper.h"
#include "game/ClockCommands.h"
#include "game/ClockMenu.h"
#include "game/ClockSetDialog.h"
#include "game/GameRecovery.h"
#include "game/HistoryStartup.h"
#include "platform/TLabel.h"
#include "support/MainWindowFixture.h"

namespace {

// Asked before the English catalogue, answers nothing itself and notes each
// text of the program's that the catalogue cannot answer.  Qt's own
// contexts (QFileDialog, QPlatformTheme, ...) are Qt's business.
class MissedTexts : public QTranslator
{
public:
    explicit MissedTexts(const QTranslator &english)
        : m_english(english)
    { }

    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        const bool qts = context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z';
        if (!qts && m_english.translate(context, source, disambiguation, n).isNull())
            Missed.append(QStringLiteral("[%1] %2").arg(QLatin1String(context), QString::fromUtf8(source)));
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable QStringList Missed;

private:
    const QTranslator &m_english;
};

class EnglishInterface : public MainWindowFixture
{
protected:
    QTranslator english;
    MissedTexts missed{english};

    void SetUp() override
    {
        ASSERT_TRUE(english.load(QStringLiteral(":/i18n/quintora_en.qm")));
        QCoreApplication::installTranslator(&english);
        QCoreApplication::installTranslator(&missed);
        OpenWindow();
    }
    void TearDown() override
    {
        CloseWindow();
        QCoreApplication::removeTranslator(&missed);
        QCoreApplication::removeTranslator(&english);
        EXPECT_TRUE(missed.Missed.isEmpty()) << missed.Missed.join(QLatin1Char('\n')).toStdString();
    }
};

TEST_F(EnglishInterface, TheBenchSeesEnglish)
{
    EXPECT_EQ(form->sbHelp->toolTip(), QStringLiteral("Help (F1)"));

    ClockMenu &menu = *form->ClockMenuCommands->Menu;
    menu.Update();
    EXPECT_EQ(menu.SetClockAction->text(), QStringLiteral("Set clock…"));
    // Youth rules: the menu's names and the status line under them.
    menu.RulesActions.at(2)->trigger();
    EXPECT_EQ(menu.RulesActions.at(2)->text(), QStringLiteral("Mini 8 × 4 (2–6 eighths)"));
    EXPECT_TRUE(form->RulesStatus->text().startsWith(QStringLiteral("Eighth 1")))
        << form->RulesStatus->text().toStdString();

    const ClockSetDialog dialog(61'000, [](std::int32_t) { return QString(); });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set clock"));

    form->HallDisplays->Open();
    ASSERT_NE(form->HallDisplays->Display(), nullptr);
    EXPECT_EQ(form->HallDisplays->Display()->windowTitle(), QStringLiteral("Hall display"));
    form->HallDisplays->Close();

    RecoveredGame game;
    game.ShownGameMs = game.GameMs = 23 * 60'000 + 41'000;
    EXPECT_TRUE(RecoveryQuestion(game).startsWith(QStringLiteral("The last game was not ended (game time 23:41")))
        << RecoveryQuestion(game).toStdString();
    // The question's buttons, read from the box while it waits for an answer.
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        box->reject();
    });
    HistoryDialogs::MessageBoxes(nullptr, QStringLiteral("Quintora")).AskContinue(RecoveryQuestion(game));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Continue"), QStringLiteral("New game")}));
}

} // namespace
