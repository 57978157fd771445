// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "app/TFormMain.h"
#include "buttons/TLbSpeedButton.h"
#include "platform/TSpeedButton.h"
#include "platform/TTimer.h"
#include "rosters/TCheckListBox.h"

namespace {

std::uint32_t g_gameNow = 0;
std::uint32_t GameBenchTick()
{
    return g_gameNow;
}

// A real main window, shown on the offscreen platform, with a 50-line team
// loaded into each roster through the loader buttons and every line on court.
// Its settings go to a throwaway folder, never to the user's.
class RunningGame
{
public:
    RunningGame()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
        g_gameNow = 1000;
        form = std::make_unique<TFormMain>(m_folder.filePath(QStringLiteral("Quintora")), &GameBenchTick);
        LoadTeam(form->sbLoad1, QStringLiteral("Heim"));
        LoadTeam(form->sbLoad2, QStringLiteral("Gast"));
        for (TeamIndex team = 1; team <= 2; ++team) {
            for (int row = 0; row < form->Roster(team)->Count(); ++row)
                form->Roster(team)->SetChecked(row, true);
        }
        form->show();
        QApplication::processEvents();
        form->bSTART_STOPClick(form->bSTART);
        QApplication::processEvents();
    }
    ~RunningGame()
    {
        form->bSTART_STOPClick(form->bPause);
        form.reset();
    }

    bool Complete() const
    {
        return form->Command1->Count() == 50 && form->Command2->Count() == 50 && form->TimerList->Enabled();
    }

    std::unique_ptr<TFormMain> form;

private:
    void LoadTeam(QObject *loader, const QString &suffix)
    {
        const QString path = m_folder.filePath(suffix + QStringLiteral(".txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            for (int i = 1; i <= 50; ++i)
                file.write(QStringLiteral("%1 Spieler Nummer %1, %2\r\n").arg(i, 2).arg(suffix).toLatin1());
        }
        file.close();
        form->SetTeamFileChooser([path] { return path; });
        form->sbLoadClick(loader);
    }

    QTemporaryDir m_folder;
};

// One 200 ms refresh of the playing times as the running program does it:
// the ledger over 2 x 50 players on court, then both rosters brought up to
// date on screen.  The tick moves on 200 ms per refresh, so a time text
// changes every fifth refresh, as in a real game.
void BM_GameTimerListTimer2x50(benchmark::State &state)
{
    RunningGame game;
    if (!game.Complete()) {
        state.SkipWithError("the window did not get two 50-line rosters and a running clock");
        return;
    }
    TFormMain &form = *game.form;
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        g_gameNow += 200;
        form.TimerListTimer(form.TimerList);
    }
    state.counters["allocations_per_refresh"] =
        benchmark::Counter(double(AllocationCounter::Count() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameTimerListTimer2x50)->Unit(benchmark::kMicrosecond);

// The same refresh when every refresh brings a new second for everyone on
// court: the most a single refresh has to repaint.
void BM_GameTimerListTimer2x50EverySecond(benchmark::State &state)
{
    RunningGame game;
    if (!game.Complete()) {
        state.SkipWithError("the window did not get two 50-line rosters and a running clock");
        return;
    }
    TFormMain &form = *game.form;
    for (auto _ : state) {
        g_gameNow += 1000;
        form.TimerListTimer(form.TimerList);
    }
}
BENCHMARK(BM_GameTimerListTimer2x50EverySecond)->Unit(benchmark::kMicrosecond);

// A refresh in which no second changes, four refreshes in five: the ledger
// and the comparison with what the rosters show.  Must not allocate.
void BM_GameTimerListTimer2x50Unchanged(benchmark::State &state)
{
    RunningGame game;
    if (!game.Complete()) {
        state.SkipWithError("the window did not get two 50-line rosters and a running clock");
        return;
    }
    TFormMain &form = *game.form;
    g_gameNow += 1000;
    form.TimerListTimer(form.TimerList); // shows the new second
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state)
        form.TimerListTimer(form.TimerList); // same tick: same times shown
    const std::size_t allocations = AllocationCounter::Count() - before;
    state.counters["allocations"] = double(allocations);
    if (allocations != 0)
        state.SkipWithError("a refresh without a new second allocated memory");
}
BENCHMARK(BM_GameTimerListTimer2x50Unchanged);

} // namespace
