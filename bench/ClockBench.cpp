// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "clock/TDigit.h"
#include "clock/TFrameClock.h"
#include "platform/TTimer.h"

namespace {

std::uint32_t g_clockNow = 0;
std::uint32_t ClockBenchTick()
{
    return g_clockNow;
}

void SetUpClockDigit(TDigit &digit)
{
    digit.resize(60, 85);
    digit.SetThickness(7);
    digit.SetSeparation(0);
    digit.SetColorOn(clYellow);
    digit.SetColorOff(clBlack);
}

// Paint itself: one clip fill and eight polygons into a painter that is
// already open, as in a paint event.  Must not allocate.
void BM_DigitPaint60x85(benchmark::State &state)
{
    TDigit digit;
    SetUpClockDigit(digit);
    QImage target(60, 85, QImage::Format_RGB32);
    QPainter painter(&target);
    const QRect clip(0, 0, 60, 85);
    digit.Paint(painter, clip); // keeps its pens and brushes from here on
    int value = 0;
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        digit.SetValueBinary(TDigit::DigitPatterns[std::size_t(value)]); // hidden: no repaint of its own
        value = (value + 1) % 10;
        digit.Paint(painter, clip);
        benchmark::ClobberMemory();
    }
    const std::size_t allocations = AllocationCounter::Count() - before;
    state.counters["allocations"] = double(allocations);
    if (allocations != 0)
        state.SkipWithError("a digit paint allocated memory");
}
BENCHMARK(BM_DigitPaint60x85);

// The whole immediate repaint of a shown digit, paint event and Qt's own
// painter set-up included; reported, not required to be free of allocations.
void BM_DigitRepaintShown(benchmark::State &state)
{
    TDigit digit;
    SetUpClockDigit(digit);
    digit.show();
    QApplication::processEvents();
    int value = 0;
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        value = (value + 1) % 10;
        digit.SetValue(value); // repaints at once
    }
    state.counters["allocations_per_paint"] =
        benchmark::Counter(double(AllocationCounter::Count() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DigitRepaintShown);

// One 200 ms refresh of a running clock that is shown, so changed digits
// really repaint (about one in five refreshes changes a second).
void BM_ClockTimerUpdate(benchmark::State &state)
{
    TFrameClock frame(&ClockBenchTick);
    frame.show();
    QApplication::processEvents();
    g_clockNow = 1000;
    frame.StartStop(false);
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        g_clockNow += 200;
        frame.Timer1Timer(frame.Timer1);
    }
    state.counters["allocations_per_update"] =
        benchmark::Counter(double(AllocationCounter::Count() - before), benchmark::Counter::kAvgIterations);
    frame.StartStop(true);
}
BENCHMARK(BM_ClockTimerUpdate);

// The same refresh with nothing to repaint: the arithmetic and the
// compare-first setters alone.  Must not allocate.
void BM_ClockTimerUpdateUnchanged(benchmark::State &state)
{
    TFrameClock frame(&ClockBenchTick);
    frame.show();
    QApplication::processEvents();
    g_clockNow = 1000;
    frame.StartStop(false);
    frame.Timer1Timer(frame.Timer1);
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state)
        frame.Timer1Timer(frame.Timer1); // same tick: same time shown
    const std::size_t allocations = AllocationCounter::Count() - before;
    state.counters["allocations"] = double(allocations);
    if (allocations != 0)
        state.SkipWithError("an unchanged clock update allocated memory");
    frame.StartStop(true);
}
BENCHMARK(BM_ClockTimerUpdateUnchanged);

} // namespace
