// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/HistoryMessages.h"

#include <cerrno>
#include <gtest/gtest.h>

#include "history/PrivateFiles.h"

namespace {

using Kind = HistoryProblem::Kind;

// Every problem the history can report is told as one full sentence (or
// two, for what was set aside while the game was stored), naming the file.
TEST(HistoryMessages, EveryProblemIsOneLineThatEndsAFullSentence)
{
    for (int kind = int(Kind::CannotOpen); kind <= int(Kind::LockReplaced); ++kind) {
        HistoryProblem problem =
            HistoryProblem::Of(Kind(kind), QStringLiteral("/data/games.db"), HistoryCause::System(ENOSPC));
        problem.Names = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        const QString text = HistoryMessages::Text(problem);
        SCOPED_TRACE(kind);
        EXPECT_TRUE(text.endsWith(QLatin1Char('.'))) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\n')));
        EXPECT_FALSE(text.contains(QLatin1Char('%'))) << text.toStdString();
    }
}

TEST(HistoryMessages, CausesAreWordedInLowerCaseWithoutAFullStop)
{
    using Fault = HistoryCause::StoreFault;
    const struct
    {
        HistoryCause cause;
        const char *words;
    } cases[] = {
        {HistoryCause::System(EROFS), "der Datenträger ist schreibgeschützt"},
        {HistoryCause::Fault(Fault::DiskFull, 13, QStringLiteral("database or disk is full")),
         "der Datenträger ist voll"},
        {HistoryCause::Fault(Fault::Other, 99, QStringLiteral("odd")), "SQLite-Fehler 99 (odd)"},
        {{HistoryCause::Kind::FileInPlace, int(PrivateFiles::FileKind::Fifo), 0, {}, {}},
         "an ihrer Stelle steht eine Pipe (FIFO); sie bleibt unberührt"},
        {{HistoryCause::Kind::CompanionNotSetAside, EEXIST, 0, QStringLiteral("games.db-wal"),
          QStringLiteral("/d/games.db")},
         "„games.db-wal“ neben der Spieldatenbank „/d/games.db“ lässt sich nicht beiseitelegen: der neue Name ist "
         "schon "
         "vergeben"},
    };
    for (const auto &each : cases)
        EXPECT_EQ(HistoryMessages::Reason(each.cause), QString::fromUtf8(each.words));
    EXPECT_EQ(HistoryMessages::Text(std::vector<HistoryProblem>{}), QString());
}

} // namespace
