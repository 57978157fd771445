// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>
#include <type_traits>
#include <vector>

#include "app/TApplication.h"
#include "platform/AnchorKeeper.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"
#include "platform/TSpeedButton.h"
#include "support/MainWindowFixture.h"
#include "support/RecordedReports.h"

namespace {

// Each test opens its window when its settings and files are in place.
class FormMain : public MainWindowFixture
{
protected:
    void SetUp() override { }
};

// Where the design puts the controls, one row each.
struct Placed
{
    const char *name;
    const QWidget *widget;
    QRect geometry;
};

std::vector<Placed> DesignLayout(const TFormMain &form)
{
    return {
        {"Panel1", form.Panel1, QRect(0, 0, 800, 111)},
        {"Panel3", form.Panel3, QRect(0, 111, 800, 234)},
        {"Panel2", form.Panel2, QRect(0, 345, 800, 41)},
        {"StatusBar1", form.StatusBar1, QRect(0, 386, 800, 19)},
        {"PanelClock", form.PanelClock, QRect(240, 4, 318, 104)},
        {"Panel4", form.Panel4, QRect(612, 62, 185, 45)},
        {"sbHelp", form.sbHelp, QRect(6, 25, 40, 39)},
        {"sbInfo", form.sbInfo, QRect(6, 68, 40, 39)},
        {"sbExcel", form.sbExcel, QRect(384, 2, 36, 39)},
        // Logo: each coloured part two pixels up and left of its black shadow.
        {"Label8", form.Label8, QRect(-2, -2, 61, 32)},
        {"LogoShadow1", form.LogoShadow1, QRect(0, 0, 61, 32)},
        {"Label9", form.Label9, QRect(60, -2, 81, 32)},
        {"LogoShadow2", form.LogoShadow2, QRect(62, 0, 81, 32)},
        {"Label10", form.Label10, QRect(143, 8, 28, 22)},
    };
}

TEST_F(FormMain, DesignLayoutAtDesignSize)
{
    const TFormMain &form = OpenWindow();
    EXPECT_EQ(form.size(), QSize(800, 405));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quintora 0.9"));
    for (const auto &[name, widget, geometry] : DesignLayout(form))
        EXPECT_EQ(widget->geometry(), geometry) << name;
    EXPECT_FALSE(form.sbExcel->isEnabled());
    const std::pair<const TSpeedButton *, const char *> toolTips[] = {
        {form.sbHelp, "Hilfe (F1)"}, {form.sbInfo, "Info (F3)"}, {form.sbExcel, "Datei in MS Excel"}};
    for (const auto &[button, toolTip] : toolTips)
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(toolTip));
    EXPECT_EQ(form.OpenDialogInitialDir(), dir.path() + QLatin1Char('/'));
    EXPECT_EQ(form.Panel1->Color(), clSkyBlue);
    EXPECT_EQ(form.PanelClock->BevelOuter(), TPanel::Bevel::Lowered);
    EXPECT_EQ(form.PanelClock->BevelWidth(), 2);
}

TEST_F(FormMain, AnchorsOnResize)
{
    TFormMain &form = OpenWindow();
    form.show();
    form.resize(1000, 505);
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 111, 1000, 334));
    EXPECT_EQ(form.Panel4->geometry(), QRect(812, 62, 185, 45)) << "top and right";
    EXPECT_EQ(form.sbHelp->geometry(), QRect(6, 25, 40, 39)) << "left and top";
    // Anchored to the top only: the centre keeps its proportional place.
    EXPECT_EQ(form.PanelClock->geometry(), QRect(339, 4, 318, 104));
    EXPECT_EQ(form.sbExcel->geometry().x(), (402 * 1000 / 800) - 18);
}

TEST_F(FormMain, HelpButtonFollowsTheHelpPage)
{
    EXPECT_FALSE(OpenWindow().sbHelp->isEnabled());
    CloseWindow();
    QFile page(dir.path() + QStringLiteral("/Quintora.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    const TFormMain &form = OpenWindow();
    EXPECT_TRUE(form.sbHelp->isEnabled());
    EXPECT_EQ(form.HelpFile(), page.fileName());
}

// Without a program that shows the page (xdg-open: "no method available")
// the user is told so, with the page's full path to open it by hand; when
// the page is shown, nothing is said.
TEST_F(FormMain, AHelpPageThatNoProgramShowsIsNamedInAMessage)
{
    QFile page(dir.path() + QStringLiteral("/Quintora.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    TFormMain &window = OpenWindow();
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "no program");
        QStringList opened;
        window.SetFileOpener([&](const QString &path, const std::function<void()> &failed) {
            opened.append(path);
            if (!shown)
                failed();
        });
        QStringList messages;
        QString caption;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                messages.append(box->text());
                box->accept();
            }
        });
        answer.start(10);
        window.sbHelp->click();
        EXPECT_EQ(opened, QStringList{page.fileName()});
        if (shown) {
            EXPECT_TRUE(messages.isEmpty());
        } else {
            ASSERT_EQ(messages.size(), 1);
            EXPECT_EQ(caption, TApplication::CurrentTitle());
            EXPECT_TRUE(messages[0].contains(QStringLiteral("kein Programm"))) << messages[0].toStdString();
            EXPECT_TRUE(messages[0].contains(page.fileName())) << messages[0].toStdString();
        }
    }
}

TEST_F(FormMain, TwoDotsInTheExecutableName)
{
    const TFormMain &form = OpenWindow(QStringLiteral("MY.GAME.EXE"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("My 0.9"));
    EXPECT_EQ(form.GeometryStore().ApplicationName(), QStringLiteral("MY.GAME"));
    CloseWindow();
    EXPECT_TRUE(QFile::exists(settings.FileOf(QStringLiteral("MY.GAME"))));
}

TEST_F(FormMain, RestoresStoredGeometryInReadingOrder)
{
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=20\nTop=30\n"));
    OpenWindow();
    EXPECT_EQ(form->pos(), QPoint(20, 30));
    EXPECT_EQ(form->size(), UnframedDesignSize()) << "no Width: the size of a first run";
    CloseWindow();
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nTop=30\nWidth=500\nHeight=300\n"));
    OpenWindow();
    EXPECT_EQ(form->pos(), TFormMain::DesignPosition) << "no Left: design position, not centred";
    EXPECT_EQ(form->size(), UnframedDesignSize());
    CloseWindow();
    for (const char *noValues : {"", "[General]\n"}) {
        settings.Write(QStringLiteral("Quintora"), QString::fromLatin1(noValues));
        EXPECT_EQ(OpenWindow().geometry(), QRect(TFormMain::DesignPosition, UnframedDesignSize()))
            << "a file with no values: design position, not centred";
        CloseWindow();
    }
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=40\nTop=50\nWidth=640\nHeight=300\n"));
    EXPECT_EQ(OpenWindow().geometry(), QRect(40, 50, 640, 300));
}

TEST_F(FormMain, CorruptGeometryNeverStopsTheStart)
{
    settings.Write(QStringLiteral("Quintora"),
                   QStringLiteral("[General]\nLeft=-2147483648\nTop=2147483647\nWidth=2147483647\nHeight=-7\n"));
    const TFormMain &form = OpenWindow();
    EXPECT_GE(form.width(), 1);
    EXPECT_GE(form.height(), 1);
    EXPECT_LE(form.width(), 100000);
    EXPECT_LE(form.height(), 100000);
}

TEST_F(FormMain, AShownWindowKeepsTheStoredOuterFrame)
{
    const QRect stored(100, 50, 600, 400);
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=100\nTop=50\nWidth=600\nHeight=400\n"));
    for (int start = 0; start < 2; ++start) {
        OpenWindow().show();
        QCoreApplication::processEvents();
        ASSERT_FALSE(form->windowHandle()->frameMargins().isNull()) << "the offscreen platform draws a frame";
        EXPECT_EQ(form->windowHandle()->frameGeometry(), stored);
        form->close();
        const auto restored = WindowGeometryStore(QStringLiteral("Quintora")).Read();
        EXPECT_EQ(QRect(restored.left, restored.top, restored.width, restored.height), stored);
    }
}

TEST_F(FormMain, ClosingWritesTheFourValues)
{
    OpenWindow().setGeometry(33, 44, 700, 400);
    CloseWindow();
    const auto restored = WindowGeometryStore(QStringLiteral("Quintora")).Read();
    ASSERT_TRUE(restored.hasHeight);
    EXPECT_EQ(QRect(restored.left, restored.top, restored.width, restored.height), QRect(33, 44, 700, 400));
}

// The report itself; ApplicationTest.cpp throws through a real TApplication.
TEST(ExceptionReport, ShowExceptionHandsTheMessageToTheReporter)
{
    RecordedReports reports;
    TApplication::ShowException(QStringLiteral("Not enough timers available"));
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_EQ(reports.titles.size(), 1);
    EXPECT_EQ(reports.messages.at(0), QStringLiteral("Not enough timers available"));
}

// A set of anchors is built from the anchors themselves: a plain number,
// such as a 0 meant as "none", does not compile where anchors are asked for.
static_assert(!std::is_convertible_v<int, Anchors>);
static_assert(!std::is_convertible_v<unsigned, Anchors>);
static_assert(std::is_convertible_v<Anchor, Anchors>);

TEST(Anchors, ArrangeRules)
{
    const QSize design(800, 111);
    const QSize now(1000, 111);
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(10, 5, 50, 20), akLeft | akTop, design, now), QRect(10, 5, 50, 20));
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(10, 5, 50, 20), akLeft | akRight | akTop, design, now),
              QRect(10, 5, 250, 20));
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(700, 5, 50, 20), akRight | akTop, design, now), QRect(900, 5, 50, 20));
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(375, 5, 50, 20), akTop, design, now), QRect(475, 5, 50, 20));
}

} // namespace
