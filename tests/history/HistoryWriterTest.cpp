// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/HistoryWriter.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

using namespace HistoryTest;

namespace {

class WriterFolder : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString Path() const { return temp.filePath(QStringLiteral("games.db")); }
    std::unique_ptr<HistoryWriter> MakeWriter() { return std::make_unique<HistoryWriter>(OpenStore(Path())); }

    // What another connection reads back.
    std::vector<StoredGame> Games()
    {
        auto store = OpenStore(Path());
        std::vector<StoredGame> games;
        for (GameId id = 1; id <= *store->GameCount().Value; ++id)
            games.push_back(*store->LoadGame(id).Value);
        return games;
    }
    static std::vector<GameEventKind> KindsOf(const StoredGame &game)
    {
        std::vector<GameEventKind> kinds;
        for (const GameEvent &event : game.Events)
            kinds.push_back(event.Kind);
        return kinds;
    }
};

using Kind = GameEventKind;

TEST_F(WriterFolder, AGameIsStoredFromItsFirstActionOnAndAnExportAloneBeginsNone)
{
    auto writer = MakeWriter();
    const GameOpening opening = SampleOpening(8, 9);
    writer->NewGame(opening);
    writer->WaitIdle();
    EXPECT_TRUE(Games().empty()) << "an untouched start stores nothing";
    writer->Record(GameEvent::Export(0, 10));
    writer->WaitIdle();
    EXPECT_TRUE(Games().empty());
    writer->Record(GameEvent::Check(0, 20, 1, 6, true));
    writer->Record(GameEvent::Start(0, 30));
    writer->SaveCheckpoint({0, 1000, 1030, {std::vector<std::int32_t>(8, 1000), std::vector<std::int32_t>(9, 0)}});
    writer->SaveCheckpoint({0, 2000, 2030, {std::vector<std::int32_t>(8, 2000), std::vector<std::int32_t>(9, 0)}});
    writer->WaitIdle();
    const auto games = Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Opening.Rosters, opening.Rosters) << "the rosters as they stood before the first action";
    EXPECT_EQ(KindsOf(games[0]), (std::vector<Kind>{Kind::Check, Kind::Start}));
    ASSERT_TRUE(games[0].Checkpoint);
    EXPECT_EQ(games[0].Checkpoint->GameMs, 2000);
    EXPECT_FALSE(writer->Failed());
}

TEST_F(WriterFolder, AResetTakenBackReopensTheGameAndItGoesOn)
{
    auto writer = MakeWriter();
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Start(0, 1));
    writer->Record(GameEvent::Pause(5000, 2, {std::vector<std::int32_t>(10, 0), std::vector<std::int32_t>(10, 0)}));
    writer->EndGame(GameEndReason::Reset, 3);
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Export(0, 4)); // an export after the RESET keeps it undoable
    writer->UndoReset(5000, 5);
    writer->Record(GameEvent::Start(5000, 6));
    writer->WaitIdle();
    const auto games = Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].Summary.IsOpen());
    EXPECT_EQ(KindsOf(games[0]), (std::vector<Kind>{Kind::Start, Kind::Pause, Kind::ResetUndone, Kind::Start}));
    EXPECT_EQ(games[0].Events[2].GameMs, 5000);
}

TEST_F(WriterFolder, AResetCannotBeTakenBackOnceTheNextGameIsStored)
{
    auto writer = MakeWriter();
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Start(0, 1));
    writer->EndGame(GameEndReason::Reset, 2);
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Check(0, 3, 2, 7, true));
    writer->UndoReset(0, 4);
    writer->Record(GameEvent::Start(0, 5));
    writer->WaitIdle();
    const auto games = Games();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Summary.EndReason, GameEndReason::Reset);
    EXPECT_EQ(KindsOf(games[0]), (std::vector<Kind>{Kind::Start}));
    EXPECT_TRUE(games[1].Summary.IsOpen());
    EXPECT_EQ(KindsOf(games[1]), (std::vector<Kind>{Kind::Check, Kind::Start}));
}

TEST_F(WriterFolder, ARecoveredGameGoesOnAndNeuesSpielEndsIt)
{
    {
        auto store = OpenStore(Path());
        store->BeginGame(SampleOpening(), GameEvent::Start(0, 1));
        store->BeginGame(SampleOpening(), GameEvent::Start(0, 2));
    }
    auto writer = MakeWriter();
    writer->ContinueGame(1);
    writer->Record(GameEvent::Pause(700, 3, {std::vector<std::int32_t>(10, 0), std::vector<std::int32_t>(10, 0)}));
    writer->EndGame(GameEndReason::NewGame, 4);
    writer->UndoReset(0, 5); // only a RESET can be taken back
    writer->WaitIdle();
    const auto games = Games();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(KindsOf(games[0]), (std::vector<Kind>{Kind::Start, Kind::Pause}));
    EXPECT_EQ(games[0].Summary.EndReason, GameEndReason::NewGame);
    EXPECT_EQ(KindsOf(games[1]), (std::vector<Kind>{Kind::Start}));
    EXPECT_TRUE(games[1].Summary.IsOpen());
}

// While another connection holds the write lock a commit has to wait; the
// calls return at once anyway and everything is written once it is free.
TEST_F(WriterFolder, ActionsAreQueuedWhileTheDiskIsBusy)
{
    auto writer = MakeWriter();
    RawDatabase other(Path());
    other.Execute("BEGIN IMMEDIATE");
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Start(0, 1));
    for (int second = 1; second <= 50; ++second)
        writer->SaveCheckpoint({0, second * 1000, second * 1000, {std::vector<std::int32_t>(10, 0), {}}});
    EXPECT_EQ(other.Integer("SELECT count(*) FROM event"), 0);
    other.Execute("COMMIT");
    writer->WaitIdle();
    EXPECT_FALSE(writer->Failed());
    const auto games = Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Checkpoint->GameMs, 50000);
}

TEST_F(WriterFolder, TheFirstFailedWriteIsReportedOnceAndNothingIsWrittenAfter)
{
    auto writer = MakeWriter();
    QSignalSpy failures(writer.get(), &HistoryWriter::WriteFailed);
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Start(0, 1));
    writer->WaitIdle();
    {
        const FileSizeLimit full(1);
        for (int action = 0; action < 3; ++action)
            writer->Record(GameEvent::Pause(100, 2, {}));
        writer->WaitIdle();
    }
    EXPECT_TRUE(writer->Failed());
    EXPECT_EQ(failures.count(), 0) << "delivered through the event loop of the writer's thread";
    ASSERT_TRUE(failures.wait(5000));
    writer->Record(GameEvent::Export(100, 3));
    writer->WaitIdle();
    QCoreApplication::processEvents();
    ASSERT_EQ(failures.count(), 1);
    const QString reason = HistoryMessages::Text(failures.at(0).at(0).value<HistoryProblem>());
    EXPECT_TRUE(reason.startsWith(QStringLiteral("Das Spiel kann nicht gespeichert werden: "))) << reason.toStdString();
    writer.reset();
    const auto games = Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(KindsOf(games[0]), (std::vector<Kind>{Kind::Start}));
}

// At a PAUSE the game goes from the WAL into the database file: the file
// alone holds it, and the WAL is empty again.
TEST_F(WriterFolder, APauseMovesTheGameIntoTheDatabaseFile)
{
    auto writer = MakeWriter();
    const QString wal = Path() + QStringLiteral("-wal");
    writer->NewGame(SampleOpening());
    writer->Record(GameEvent::Start(0, 1));
    for (int second = 1; second <= 20; ++second)
        writer->SaveCheckpoint({0, second * 1000, second, {std::vector<std::int32_t>(10, second), {}}});
    writer->WaitIdle();
    EXPECT_GT(QFileInfo(wal).size(), 0) << "while the clock runs, the game lies in the WAL";
    writer->Record(GameEvent::Pause(20500, 21, {std::vector<std::int32_t>(10, 0), std::vector<std::int32_t>(10, 0)}));
    writer->WaitIdle();
    EXPECT_EQ(QFileInfo(wal).size(), 0);

    QTemporaryDir copy;
    const QString alone = copy.filePath(QStringLiteral("games.db"));
    WriteBytes(alone, ReadBytes(Path()));
    RawDatabase raw(alone);
    EXPECT_EQ(raw.Text("SELECT group_concat(kind, ' ') FROM event"), QStringLiteral("start pause"));
    EXPECT_EQ(raw.Integer("SELECT game_ms FROM checkpoint"), 20000);
}

TEST_F(WriterFolder, TheDestructorWritesWhatIsStillQueued)
{
    auto writer = MakeWriter();
    writer->NewGame(SampleOpening());
    for (int action = 0; action < 20; ++action)
        writer->Record(GameEvent::Check(0, action, 1, action % 10, action % 2 == 0));
    writer.reset();
    const auto games = Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Events.size(), 20u);
}

TEST(HistoryWriterWithoutStore, DoesNothingAndReportsNothing)
{
    HistoryWriter writer(nullptr);
    QSignalSpy failures(&writer, &HistoryWriter::WriteFailed);
    writer.NewGame(SampleOpening());
    writer.Record(GameEvent::Start(0, 0));
    writer.WaitIdle();
    QCoreApplication::processEvents();
    EXPECT_FALSE(writer.IsActive());
    EXPECT_FALSE(writer.Failed());
    EXPECT_EQ(failures.count(), 0);
}

} // namespace
