#include <gtest/gtest.h>

#include <QStatusBar>
#include <QTemporaryDir>
#include <QFile>

#include "AnchorKeeper.h"
#include "TApplication.h"
#include "TFormMain.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TempSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <type_traits>

namespace {

// The window of a first run where no frame is drawn (these windows are never
// shown), unless the (offscreen) screen is smaller.
QSize UnframedDesignSize()
{
    return TFormMain::DesignClientSize.boundedTo(QGuiApplication::primaryScreen()->geometry().size());
}

QString ExePath(const QTemporaryDir &dir, const char *name = "Quintora")
{
    return dir.path() + QLatin1Char('/') + QLatin1String(name);
}

TEST(FormMain, DesignLayoutAtDesignSize)
{
    TempSettings settings;
    QTemporaryDir dir;
    TFormMain form(ExePath(dir));
    EXPECT_EQ(form.size(), QSize(800, 405));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quintora 0.9"));
    EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, 800, 111));
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 111, 800, 234));
    EXPECT_EQ(form.Panel2->geometry(), QRect(0, 345, 800, 41));
    EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 386, 800, 19));
    EXPECT_EQ(form.PanelClock->geometry(), QRect(240, 4, 318, 104));
    EXPECT_EQ(form.Panel4->geometry(), QRect(612, 62, 185, 45));
    EXPECT_EQ(form.sbHelp->geometry(), QRect(6, 25, 40, 39));
    EXPECT_EQ(form.sbInfo->geometry(), QRect(6, 68, 40, 39));
    EXPECT_EQ(form.sbExcel->geometry(), QRect(384, 2, 36, 39));
    EXPECT_FALSE(form.sbExcel->isEnabled());
    EXPECT_EQ(form.sbHelp->toolTip(), QStringLiteral("Hilfe (F1)"));
    EXPECT_EQ(form.sbInfo->toolTip(), QStringLiteral("Info (F3)"));
    EXPECT_EQ(form.sbExcel->toolTip(), QStringLiteral("Datei in MS Excel"));
    EXPECT_EQ(form.OpenDialogInitialDir(), dir.path() + QLatin1Char('/'));
    EXPECT_EQ(form.Panel1->Color(), clSkyBlue);
    EXPECT_EQ(form.PanelClock->BevelOuter(), TPanel::Bevel::Lowered);
    EXPECT_EQ(form.PanelClock->BevelWidth(), 2);
    // Logo: each coloured part two pixels up and left of its black shadow.
    EXPECT_EQ(form.Label8->geometry(), QRect(-2, -2, 61, 32));
    EXPECT_EQ(form.LogoShadow1->geometry(), QRect(0, 0, 61, 32));
    EXPECT_EQ(form.Label9->geometry(), QRect(60, -2, 81, 32));
    EXPECT_EQ(form.LogoShadow2->geometry(), QRect(62, 0, 81, 32));
    EXPECT_EQ(form.Label10->geometry(), QRect(143, 8, 28, 22));
}

TEST(FormMain, AnchorsOnResize)
{
    TempSettings settings;
    QTemporaryDir dir;
    TFormMain form(ExePath(dir));
    form.show();
    form.resize(1000, 505);
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 111, 1000, 334));
    EXPECT_EQ(form.Panel4->geometry(), QRect(812, 62, 185, 45)) << "top and right";
    EXPECT_EQ(form.sbHelp->geometry(), QRect(6, 25, 40, 39)) << "left and top";
    // Anchored to the top only: the centre keeps its proportional place.
    EXPECT_EQ(form.PanelClock->geometry(), QRect(339, 4, 318, 104));
    EXPECT_EQ(form.sbExcel->geometry().x(), (402 * 1000 / 800) - 18);
}

TEST(FormMain, HelpButtonFollowsTheHelpPage)
{
    TempSettings settings;
    QTemporaryDir dir;
    {
        TFormMain form(ExePath(dir));
        EXPECT_FALSE(form.sbHelp->isEnabled());
    }
    QFile page(dir.path() + QStringLiteral("/Quintora.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    TFormMain form(ExePath(dir));
    EXPECT_TRUE(form.sbHelp->isEnabled());
    EXPECT_EQ(form.HelpFile(), page.fileName());
}

TEST(FormMain, TwoDotsInTheExecutableName)
{
    TempSettings settings;
    QTemporaryDir dir;
    {
        TFormMain form(ExePath(dir, "MY.GAME.EXE"));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("My 0.9"));
        EXPECT_EQ(form.GeometryStore().ApplicationName(), QStringLiteral("MY.GAME"));
    }
    EXPECT_TRUE(QFile::exists(settings.FileOf(QStringLiteral("MY.GAME"))));
}

TEST(FormMain, RestoresStoredGeometryInReadingOrder)
{
    TempSettings settings;
    QTemporaryDir dir;
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=20\nTop=30\n"));
    {
        TFormMain form(ExePath(dir));
        EXPECT_EQ(form.pos(), QPoint(20, 30));
        EXPECT_EQ(form.size(), UnframedDesignSize()) << "no Width: the size of a first run";
    }
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nTop=30\nWidth=500\nHeight=300\n"));
    {
        TFormMain form(ExePath(dir));
        EXPECT_EQ(form.pos(), TFormMain::DesignPosition) << "no Left: design position, not centred";
        EXPECT_EQ(form.size(), UnframedDesignSize());
    }
    for (const char *noValues : {"", "[General]\n"}) {
        settings.Write(QStringLiteral("Quintora"), QString::fromLatin1(noValues));
        TFormMain form(ExePath(dir));
        EXPECT_EQ(form.geometry(), QRect(TFormMain::DesignPosition, UnframedDesignSize()))
            << "a file with no values: design position, not centred";
    }
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=40\nTop=50\nWidth=640\nHeight=300\n"));
    {
        TFormMain form(ExePath(dir));
        EXPECT_EQ(form.geometry(), QRect(40, 50, 640, 300));
    }
}

TEST(FormMain, CorruptGeometryNeverStopsTheStart)
{
    TempSettings settings;
    QTemporaryDir dir;
    settings.Write(QStringLiteral("Quintora"),
                   QStringLiteral("[General]\nLeft=-2147483648\nTop=2147483647\nWidth=2147483647\nHeight=-7\n"));
    TFormMain form(ExePath(dir));
    EXPECT_GE(form.width(), 1);
    EXPECT_GE(form.height(), 1);
    EXPECT_LE(form.width(), 100000);
    EXPECT_LE(form.height(), 100000);
}

TEST(FormMain, AShownWindowKeepsTheStoredOuterFrame)
{
    TempSettings settings;
    QTemporaryDir dir;
    const QRect stored(100, 50, 600, 400);
    settings.Write(QStringLiteral("Quintora"), QStringLiteral("[General]\nLeft=100\nTop=50\nWidth=600\nHeight=400\n"));
    for (int start = 0; start < 2; ++start) {
        TFormMain form(ExePath(dir));
        form.show();
        QCoreApplication::processEvents();
        ASSERT_FALSE(form.windowHandle()->frameMargins().isNull()) << "the offscreen platform draws a frame";
        EXPECT_EQ(form.windowHandle()->frameGeometry(), stored);
        form.close();
        const auto restored = WindowGeometryStore(QStringLiteral("Quintora")).Read();
        EXPECT_EQ(QRect(restored.left, restored.top, restored.width, restored.height), stored);
    }
}

TEST(FormMain, ClosingWritesTheFourValues)
{
    TempSettings settings;
    QTemporaryDir dir;
    {
        TFormMain form(ExePath(dir));
        form.setGeometry(33, 44, 700, 400);
    }
    const auto restored = WindowGeometryStore(QStringLiteral("Quintora")).Read();
    ASSERT_TRUE(restored.hasHeight);
    EXPECT_EQ(QRect(restored.left, restored.top, restored.width, restored.height), QRect(33, 44, 700, 400));
}

TEST(ExceptionReport, EscapingExceptionIsReportedAndTheProgramGoesOn)
{
    QStringList reported;
    TApplication::SetReporter([&](const QString &title, const QString &message) { reported << title << message; });
    // The test binary runs under a plain QApplication; report directly.
    TApplication::ShowException(QStringLiteral("Not enough timers available"));
    ASSERT_EQ(reported.size(), 2);
    EXPECT_EQ(reported.at(1), QStringLiteral("Not enough timers available"));
    TApplication::SetReporter({});
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
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(10, 5, 50, 20), akLeft | akRight | akTop, design, now), QRect(10, 5, 250, 20));
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(700, 5, 50, 20), akRight | akTop, design, now), QRect(900, 5, 50, 20));
    EXPECT_EQ(AnchorKeeper::Arrange(QRect(375, 5, 50, 20), akTop, design, now), QRect(475, 5, 50, 20));
}

} // namespace
