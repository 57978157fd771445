// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "rosters/TCheckListBox.h"
#include "rosters/TeamFile.h"
#include "rosters/TeamRoster.h"
#include "timing/PlayingTimeLedger.h"

namespace {

// A team file of `lines` lines in Windows-1252 with CR LF, as a Windows editor writes it.
QString WriteTeamFile(const QTemporaryDir &dir, int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += QByteArray::number(i % 100).rightJustified(2, ' ')
            + " J\xFCrgen M\xFCller-Wei\xDF"
              "enborn\r\n";
    const QString path = dir.filePath(QStringLiteral("team.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// Reading and decoding a 10 000-line team file.
void BM_ReadTeamFile10000Lines(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = WriteTeamFile(dir, 10000);
    for (auto _ : state) {
        const QStringList lines = TeamFile::Read(path);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_ReadTeamFile10000Lines)->Unit(benchmark::kMillisecond);

// One load as the loader button does it: read, replace the roster's lines,
// set the ledger's count and repaint the list.
void BM_LoadTeam10000LinesIntoRoster(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = WriteTeamFile(dir, 10000);
    PlayingTimeLedger ledger;
    TCheckListBox list;
    TeamRoster::ApplyDesign(list, 1);
    list.SetOnDrawItem([&ledger](QWidget *control, int index, const QRect &rect, TOwnerDrawState) {
        TeamRoster::DrawLine(ledger, control, index, rect);
    });
    list.resize(400, 234);
    list.show();
    for (auto _ : state) {
        TeamRoster::Load(list, ledger, path);
        benchmark::DoNotOptimize(list.Count());
    }
    if (list.Count() != 10000 || ledger.Count(1) != 10000)
        state.SkipWithError("the roster did not get the 10 000 lines");
}
BENCHMARK(BM_LoadTeam10000LinesIntoRoster)->Unit(benchmark::kMillisecond);

} // namespace
