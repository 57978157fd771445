// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "timing/PlayingTimeLedger.h"

namespace {

std::uint32_t g_now = 0;
std::uint32_t BenchTick()
{
    return g_now;
}

// One 200 ms refresh with every line of two full teams on court.
void BM_LedgerRefresh2x50OnCourt(benchmark::State &state)
{
    PlayingTimeLedger ledger(&BenchTick);
    ledger.SetCount(1, PlayingTimeLedger::RowsPerTeam);
    ledger.SetCount(2, PlayingTimeLedger::RowsPerTeam);
    ledger.Start();
    const PlayingTimeLedger::OnCourtQuery onCourt = [](int, int) { return true; };
    int repaints = 0;
    const PlayingTimeLedger::RepaintRoster repaint = [&repaints](int) { ++repaints; };
    const std::size_t before = AllocationCounter::Count();
    for (auto _ : state) {
        g_now += 200;
        ledger.RefreshOnCourt(onCourt, repaint);
        benchmark::DoNotOptimize(ledger.ElapsedOf(2, 49));
    }
    const std::size_t allocations = AllocationCounter::Count() - before;
    state.counters["allocations"] = double(allocations);
    if (allocations != 0)
        state.SkipWithError("a ledger refresh allocated memory");
}
BENCHMARK(BM_LedgerRefresh2x50OnCourt);

} // namespace
