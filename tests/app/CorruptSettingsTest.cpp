// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Stored window geometry that no run of the program can have left: the
// window still opens on the screen, at a size a user can work with.

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include "support/MainWindowFixture.h"

namespace {

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

class CorruptSettings : public MainWindowFixture
{
protected:
    void SetUp() override { }

    // The frame of a window opened with these settings, closed again.
    QRect OpenWith(const char *contents)
    {
        settings.Write(QStringLiteral("Quintora"), QString::fromLatin1(contents));
        const QRect frame = OpenWindow().geometry();
        CloseWindow();
        return frame;
    }
};

TEST_F(CorruptSettings, SizesBelowOnePixelGiveTheDesignSize)
{
    EXPECT_EQ(OpenWith("[General]\nLeft=10\nTop=20\nWidth=-800\nHeight=-439\n"),
              QRect(QPoint(10, 20), UnframedDesignSize()));
    EXPECT_EQ(OpenWith("[General]\nLeft=10\nTop=20\nWidth=0\nHeight=0\n"), QRect(QPoint(10, 20), UnframedDesignSize()));
    // Only the bad one of the two is replaced.
    EXPECT_EQ(OpenWith("[General]\nLeft=10\nTop=20\nWidth=500\nHeight=-2147483648\n").size(),
              QSize(500, TFormMain::DesignClientSize.height()));
}

TEST_F(CorruptSettings, CoordinatesAtTheEndsOfTheRangeComeBackOnScreen)
{
    for (const char *contents : {
             "[General]\nLeft=2147483647\nTop=2147483647\nWidth=2147483647\nHeight=2147483647\n",
             "[General]\nLeft=-2147483648\nTop=-2147483648\nWidth=2147483647\nHeight=2147483647\n",
             "[General]\nLeft=2147483647\nTop=-2147483648\nWidth=808\nHeight=439\n",
             "[General]\nLeft=-2147483648\nTop=2147483000\nWidth=1\nHeight=1\n",
             "[General]\nLeft=2147483000\nTop=5\n",
         }) {
        const QRect frame = OpenWith(contents);
        EXPECT_TRUE(frame.intersects(ScreenArea())) << contents << " gives " << frame.x() << "," << frame.y();
        EXPECT_GE(frame.width(), 1) << contents;
        EXPECT_LE(frame.width(), QGuiApplication::primaryScreen()->geometry().width()) << contents;
        EXPECT_LE(frame.height(), QGuiApplication::primaryScreen()->geometry().height()) << contents;
    }
}

TEST_F(CorruptSettings, NonNumbersEndTheReadingAndGarbageReadsAsFirstRun)
{
    // Qt's own value syntax is no integer either.
    EXPECT_EQ(OpenWith("[General]\nLeft=30\nTop=@Rect(0 0 10 10)\nWidth=500\n").topLeft(),
              QPoint(30, TFormMain::DesignPosition.y()));
    EXPECT_EQ(OpenWith("[General]\nLeft=@ByteArray(\\xff)\nTop=1e3\n"),
              QRect(TFormMain::DesignPosition, UnframedDesignSize()));
    const QRect garbage = OpenWith("\x01\xff\xfe[General\n=\n[[[\nLeft==\n");
    EXPECT_EQ(garbage.size(), TFormMain::DesignClientSize.boundedTo(ScreenArea().size()));
    EXPECT_TRUE(garbage.intersects(ScreenArea()));
}

} // namespace
