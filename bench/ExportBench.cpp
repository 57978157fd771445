// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "export/AutomationRegistry.h"
#include "export/RosterExport.h"
#include "export/SpreadsheetApplication.h"
#include "timing/PlayingTimeLedger.h"

namespace {

std::uint32_t g_exportNow = 0;
std::uint32_t ExportBenchTick()
{
    return g_exportNow;
}

// One whole export of two full rosters of 50 players: every cell through the
// late-bound calls, the auto-fit, and the .xlsx written to a file.
void BM_Export2x50ToFile(benchmark::State &state)
{
    QTemporaryDir folder;
    DeliveryActions actions;
    actions.documentsFolder = [&folder] { return folder.path(); };
    actions.now = [] { return QDateTime(QDate(2026, 12, 7), QTime(19, 30, 5)); };
    actions.hasSpreadsheetProgram = [] { return true; };
    actions.open = [](const QUrl &) { return true; };
    actions.inform = [](const QString &) {};
    QString failure;
    actions.reportFailure = [&failure](const QString &message) { failure = message; };
    AutomationRegistry registry;
    RegisterSpreadsheetProvider(registry, actions);

    PlayingTimeLedger ledger(&ExportBenchTick);
    ledger.SetCount(1, PlayingTimeLedger::RowsPerTeam);
    ledger.SetCount(2, PlayingTimeLedger::RowsPerTeam);
    g_exportNow = 1000;
    ledger.Start();
    g_exportNow += 1234567;
    ledger.RefreshOnCourt([](TeamIndex, int row) { return row % 2 == 0; }, nullptr);
    QStringList team1, team2;
    for (int i = 1; i <= PlayingTimeLedger::RowsPerTeam; ++i) {
        team1.append(QStringLiteral("%1 Spieler Nummer %1, Heim").arg(i, 2));
        team2.append(QStringLiteral("%1 Spieler Nummer %1, Gast").arg(i, 2));
    }

    for (auto _ : state) {
        benchmark::DoNotOptimize(RosterExport::Run(nullptr, team1, team2, ledger, &registry));
        state.PauseTiming();
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(QDir(folder.path()).filePath(name));
        state.ResumeTiming();
    }
    if (!failure.isEmpty())
        state.SkipWithError(failure.toStdString().c_str());
}
BENCHMARK(BM_Export2x50ToFile)->Unit(benchmark::kMillisecond);

} // namespace
