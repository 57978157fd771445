#pragma once
// A main window on a scripted tick source, with throwaway settings, and the
// three things a game does to it: START, PAUSE and one tick of each 200 ms
// timer (the clock's display and the refresh of the playing times).

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "ScriptedTicks.h"
#include "TFormMain.h"
#include "TFrameClock.h"
#include "TLbSpeedButton.h"
#include "TTimer.h"
#include "TempSettings.h"

class WindowGame : public ::testing::Test
{
protected:
    TempSettings settings;
    QTemporaryDir dir;
    ScriptedTicks ticks;
    std::unique_ptr<TFormMain> form;

    void SetUp() override
    {
        ticks.now = 1000;
        form = std::make_unique<TFormMain>(dir.path() + QStringLiteral("/Quintora"), ticks.Source());
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
