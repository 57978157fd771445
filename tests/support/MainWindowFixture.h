// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A main window as the tests meet it: throwaway settings, a folder of its
// own for the executable (the help page and the settings name follow from
// it), and a scripted tick source that reads 1000 ms when the window opens.
// SetUp opens the window; a fixture that must prepare something first
// overrides SetUp and opens it itself.  LoadTeam, Start, Pause and Refresh
// are what a game does to it: a team file chosen for a loader, START, PAUSE
// and one tick of each 200 ms timer (the clock's display and the refresh of
// the playing times).

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

#include "support/ScriptedTicks.h"
#include "support/TempSettings.h"
#include "app/TFormMain.h"
#include "buttons/TLbSpeedButton.h"
#include "clock/TDigit.h"
#include "clock/TFrameClock.h"
#include "platform/TSpeedButton.h"
#include "platform/TTimer.h"

class MainWindowFixture : public ::testing::Test
{
protected:
    TempSettings settings;
    QTemporaryDir dir;
    ScriptedTicks ticks;
    std::unique_ptr<TFormMain> form;

    MainWindowFixture() { ticks.now = 1000; }
    void SetUp() override { OpenWindow(); }

    // The executable the window takes as its own: `name` in `dir`.
    QString ExePath(const QString &name = QStringLiteral("Quintora")) const { return dir.filePath(name); }
    // Closes the open window, if any (which stores its geometry), and opens a new one.
    TFormMain &OpenWindow(const QString &exeName = QStringLiteral("Quintora"))
    {
        CloseWindow();
        form = std::make_unique<TFormMain>(ExePath(exeName), ticks.Source());
        return *form;
    }
    void CloseWindow() { form.reset(); }
    // The window of a first run where no frame is drawn (these windows are
    // never shown), unless the (offscreen) screen is smaller.
    static QSize UnframedDesignSize()
    {
        return TFormMain::DesignClientSize.boundedTo(QGuiApplication::primaryScreen()->geometry().size());
    }

    // Writes `bytes` as the team file `name` in `dir`; returns its path.
    QString WriteTeam(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // Loads the team file at `path` through the loader button's handler, as
    // if it had been chosen in the open dialog.
    void LoadTeam(TeamIndex team, const QString &path)
    {
        form->SetTeamFileChooser([path] { return path; });
        form->sbLoadClick(team == 1 ? form->sbLoad1 : form->sbLoad2);
    }

    // What the clock's four digits show, as "MM:SS".
    QString ClockText() const
    {
        const TFrameClock &clock = *form->FrameClock1;
        return QStringLiteral("%1%2:%3%4")
            .arg(clock.DigitM10->Value())
            .arg(clock.DigitM1->Value())
            .arg(clock.DigitS10->Value())
            .arg(clock.DigitS1->Value());
    }

    void Start(std::uint32_t at)
    {
        ticks.now = at;
        form->bSTART_STOPClick(form->bSTART);
    }
    void Pause(std::uint32_t at)
    {
        ticks.now = at;
        form->bSTART_STOPClick(form->bPause);
    }
    void Refresh(std::uint32_t at)
    {
        ticks.now = at;
        form->FrameClock1->Timer1Timer(form->FrameClock1->Timer1);
        form->TimerListTimer(form->TimerList);
    }
};
