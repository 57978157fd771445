// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The cost of the game history on the real disk (a temporary folder):
// one action's commit with synchronous=FULL, one checkpoint of two full
// teams, and start-up (opening the store and reading back the latest game)
// with no history and with 1000 stored games.  Commits wait for the disk,
// so these report wall time; each iteration is timed by hand, and the
// counters give the median and the worst single one of a run.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

#include "HistoryGames.h"
#include "game/GameRecovery.h"
#include "game/HistoryMessages.h"
#include "history/GameHistoryStore.h"

namespace {

using Clock = std::chrono::steady_clock;
using HistoryGames::Opening;
using HistoryGames::Players;
using HistoryGames::RecordGame;
using HistoryGames::Wall;
constexpr double MaxHistoryMegabytes = 50.0;

// Times each iteration and reports the median and the worst one as counters.
class IterationTimes
{
public:
    explicit IterationTimes(benchmark::State &state)
        : m_state(state)
    { }
    void Begin() { m_begin = Clock::now(); }
    void End()
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - m_begin).count();
        m_seconds.push_back(seconds);
        m_state.SetIterationTime(seconds);
    }
    ~IterationTimes()
    {
        if (m_seconds.empty())
            return;
        std::sort(m_seconds.begin(), m_seconds.end());
        m_state.counters["median_ms"] = m_seconds[m_seconds.size() / 2] * 1000;
        m_state.counters["worst_ms"] = m_seconds.back() * 1000;
    }

private:
    benchmark::State &m_state;
    Clock::time_point m_begin;
    std::vector<double> m_seconds;
};

std::unique_ptr<GameHistoryStore> OpenOrFail(const QString &path, benchmark::State &state)
{
    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
    if (!opened.Store)
        state.SkipWithError(HistoryMessages::Text(opened.Told).toUtf8().constData());
    return std::move(opened.Store);
}

// One check-mark change, committed as the writer thread commits it.
void BM_HistoryActionCommit(benchmark::State &state)
{
    QTemporaryDir temp;
    auto store = OpenOrFail(temp.filePath(QStringLiteral("games.db")), state);
    if (!store)
        return;
    const GameId game = *store->BeginGame(Opening(Players), GameEvent::Start(0, Wall)).Value;
    IterationTimes times(state);
    int action = 0;
    for (auto _ : state) {
        const GameEvent event = GameEvent::Check(0, Wall + action, 1 + action % 2, action % Players, action % 3 == 0);
        times.Begin();
        const HistoryStatus status = store->AppendEvent(game, event);
        times.End();
        if (!status.Ok())
            state.SkipWithError(HistoryMessages::Text(status.Problem).toUtf8().constData());
        ++action;
    }
}
BENCHMARK(BM_HistoryActionCommit)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

// The checkpoint of a second of running clock with every line of two full teams on court.
void BM_HistoryCheckpoint2x50(benchmark::State &state)
{
    QTemporaryDir temp;
    auto store = OpenOrFail(temp.filePath(QStringLiteral("games.db")), state);
    if (!store)
        return;
    const GameId game = *store->BeginGame(Opening(50), GameEvent::Start(0, Wall)).Value;
    GameCheckpoint checkpoint;
    checkpoint.Times = {std::vector<std::int32_t>(50, 0), std::vector<std::int32_t>(50, 0)};
    IterationTimes times(state);
    std::int64_t second = 0;
    for (auto _ : state) {
        ++second;
        checkpoint.GameMs = second * 1000;
        checkpoint.WallMs = Wall + second * 1000;
        for (auto &team : checkpoint.Times)
            std::fill(team.begin(), team.end(), std::int32_t(second * 1000 - 17));
        times.Begin();
        const HistoryStatus status = store->SaveCheckpoint(game, checkpoint);
        times.End();
        if (!status.Ok())
            state.SkipWithError(HistoryMessages::Text(status.Problem).toUtf8().constData());
    }
}
BENCHMARK(BM_HistoryCheckpoint2x50)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

// Ended games and an open one, `games` in all, made once on a memory file
// system where commits cost nothing, then copied to the disk the benchmark
// reads from.
class StoredHistory
{
public:
    explicit StoredHistory(int games)
    {
        QTemporaryDir scratch(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/quintora-bench-XXXXXX")
                                  : QDir::tempPath() + "/quintora-bench-XXXXXX");
        const QString made = scratch.filePath(QStringLiteral("games.db"));
        if (!HistoryGames::MakeHistory(made, games, true).isEmpty())
            return;
        QDir().mkpath(m_folder.path());
        if (QFile::copy(made, Path()))
            Bytes = QFileInfo(Path()).size();
    }
    QString Path() const { return m_folder.filePath(QStringLiteral("games.db")); }
    qint64 Bytes = 0;

private:
    QTemporaryDir m_folder;
};

// What start-up does before the window takes input: open (checks included)
// and decide about the latest game, reading and replaying it when it is open.
void OpenAndReadLatest(benchmark::State &state, const QString &path)
{
    IterationTimes times(state);
    for (auto _ : state) {
        times.Begin();
        GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
        RecoveryCandidate candidate;
        if (opened.Store)
            candidate = FindGameToRecover(*opened.Store);
        opened.Store.reset();
        times.End();
        if (!opened.Told.empty() || candidate.Result == RecoveryCandidate::Outcome::Refused)
            state.SkipWithError((HistoryMessages::Text(opened.Told) + candidate.Message).toUtf8().constData());
        benchmark::DoNotOptimize(candidate.Game.GameMs);
    }
}

void BM_HistoryStartupEmpty(benchmark::State &state)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    GameHistoryStore::Open(path);
    OpenAndReadLatest(state, path);
}
BENCHMARK(BM_HistoryStartupEmpty)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_HistoryStartup1000Games(benchmark::State &state)
{
    static const StoredHistory history(1000);
    const double megabytes = double(history.Bytes) / (1024.0 * 1024.0);
    state.counters["size_MB"] = megabytes;
    static bool told = false;
    if (!told) {
        std::fprintf(stderr, "1000-game history: %.1f MB on disk (limit %.0f MB)\n", megabytes, MaxHistoryMegabytes);
        told = true;
    }
    if (history.Bytes == 0) {
        state.SkipWithError("the 1000-game history could not be made");
        return;
    }
    if (megabytes >= MaxHistoryMegabytes) {
        state.SkipWithError("the 1000-game history takes 50 MB or more");
        return;
    }
    OpenAndReadLatest(state, history.Path());
}
BENCHMARK(BM_HistoryStartup1000Games)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The same with ten times the games: opening and deciding must not take longer.
void BM_HistoryStartup10000Games(benchmark::State &state)
{
    static const StoredHistory history(10000);
    if (history.Bytes == 0) {
        state.SkipWithError("the 10 000-game history could not be made");
        return;
    }
    OpenAndReadLatest(state, history.Path());
}
BENCHMARK(BM_HistoryStartup10000Games)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
