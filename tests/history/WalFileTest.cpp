// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/WalFile.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include "HistoryTestSupport.h"

using namespace HistoryTest;

namespace {

const QDateTime SetAsideTime(QDate(2026, 12, 8), QTime(19, 42, 0));
const QString AsideSuffix = QStringLiteral(".damaged-20261208-194200");
constexpr int Seconds = 6;

// A game of START and a checkpoint each second, as a program killed at
// second `Seconds` leaves it: the database and its WAL, copied while the
// store is still open.  Each second is one commit of the WAL.
struct Crash
{
    QByteArray Database;
    QByteArray Wal;
};

const Crash &KilledGame()
{
    static const Crash crash = [] {
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("games.db"));
        auto store = OpenStore(path);
        const GameId game = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
        for (int second = 1; second <= Seconds; ++second)
            store->SaveCheckpoint(game, {0, second * 1000, second * 1000, {std::vector<std::int32_t>(10, 7), {}}});
        return Crash{ReadBytes(path), ReadBytes(path + QStringLiteral("-wal"))};
    }();
    return crash;
}

struct WalFrame
{
    qsizetype Offset;
    bool Commit;
};

// The frames of a WAL read straight from its format, to aim the damage.
std::vector<WalFrame> FramesOf(const QByteArray &wal)
{
    const auto pageSize = qFromBigEndian<quint32>(wal.constData() + 8);
    std::vector<WalFrame> frames;
    for (qsizetype at = 32; at + 24 + pageSize <= wal.size(); at += 24 + pageSize)
        frames.push_back({at, qFromBigEndian<quint32>(wal.constData() + at + 4) != 0});
    return frames;
}

// The index of the first frame after the `commits`-th commit frame.
std::size_t AfterCommits(int commits)
{
    const std::vector<WalFrame> frames = FramesOf(KilledGame().Wal);
    std::size_t index = 0;
    for (int seen = 0; seen < commits; ++index)
        seen += frames[index].Commit ? 1 : 0;
    return index;
}

struct WalDamage
{
    const char *Name;
    // The byte of the WAL that is flipped.
    std::function<qsizetype()> Byte;
    // The game time the game is recovered with; none when no game is left.
    std::optional<std::int64_t> RecoveredMs;
    bool Told;
};

void PrintTo(const WalDamage &damage, std::ostream *out)
{
    *out << damage.Name;
}

qsizetype InsideFrame(std::size_t frame)
{
    return FramesOf(KilledGame().Wal)[frame].Offset + 24 + 1000;
}

class DamagedWal : public testing::TestWithParam<WalDamage>
{ };

// SQLite applies a WAL only up to its first bad frame and drops the rest
// without a word; damage before the last frame is told, the WAL kept aside
// with the database as found, and the game comes back up to the damage.
TEST_P(DamagedWal, IsToldAndKeptAsideUnlessOnlyTheLastSecondIsLost)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    QByteArray wal = KilledGame().Wal;
    wal[GetParam().Byte()] = char(wal[GetParam().Byte()] ^ 0x10);
    WriteBytes(path, KilledGame().Database);
    WriteBytes(path + QStringLiteral("-wal"), wal);

    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, SetAsideTime);
    ASSERT_TRUE(opened.Store) << Words(opened).toStdString();
    const HistoryResult<std::optional<GameSummary>> latest = opened.Store->LatestGame();
    ASSERT_TRUE(latest);
    if (GetParam().RecoveredMs) {
        ASSERT_TRUE(latest.Value->has_value());
        const StoredGame game = *opened.Store->LoadGame((*latest.Value)->Id).Value;
        ASSERT_TRUE(game.Checkpoint);
        EXPECT_EQ(game.Checkpoint->GameMs, *GetParam().RecoveredMs);
    } else {
        EXPECT_FALSE(latest.Value->has_value());
    }
    if (!GetParam().Told) {
        EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::None);
        EXPECT_EQ(Words(opened), QString());
        EXPECT_EQ(Entries(temp.path()).filter(QStringLiteral("damaged")), QStringList());
        return;
    }
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::CompanionSetAside);
    EXPECT_EQ(opened.SetAsidePath, path + AsideSuffix);
    EXPECT_TRUE(
        Words(opened).contains(QStringLiteral("„games.db-wal“ der Spieldatenbank „%1“ ist beschädigt").arg(path)))
        << Words(opened).toStdString();
    EXPECT_TRUE(Words(opened).contains(QStringLiteral("„games.db") + AsideSuffix + QStringLiteral("-wal“")));
    EXPECT_TRUE(Words(opened).contains(QStringLiteral("bis zur beschädigten Stelle wiederhergestellt")));
    EXPECT_EQ(ReadBytes(path + AsideSuffix), KilledGame().Database);
    EXPECT_EQ(ReadBytes(path + AsideSuffix + QStringLiteral("-wal")), wal);
    EXPECT_EQ(ModeOf(path + AsideSuffix + QStringLiteral("-wal")), 0600u);
}

INSTANTIATE_TEST_SUITE_P(
    Store, DamagedWal,
    testing::Values(WalDamage{"Header", [] { return qsizetype(17); }, std::nullopt, true},
                    WalDamage{"FirstFrame", [] { return InsideFrame(0); }, std::nullopt, true},
                    WalDamage{"MiddleFrame", [] { return InsideFrame(AfterCommits(4)); }, 3000, true},
                    WalDamage{"LastFrame", [] { return InsideFrame(FramesOf(KilledGame().Wal).size() - 1); },
                              (Seconds - 1) * 1000, false}),
    [](const testing::TestParamInfo<WalDamage> &info) { return std::string(info.param.Name); });

// What the WAL's bytes tell, case by case.
TEST(WalFileBytes, TellWhatSqliteAppliesAndWhatItWouldDrop)
{
    const QByteArray intact = KilledGame().Wal;
    const int frames = int(FramesOf(intact).size());
    auto flipped = [&intact](qsizetype at) {
        QByteArray bytes = intact;
        bytes[at] = char(bytes[at] ^ 1);
        return bytes;
    };
    const struct
    {
        const char *Name;
        QByteArray Bytes;
        bool HeaderValid;
        int Applied;
        bool Drops;
    } cases[] = {
        {"intact", intact, true, frames, false},
        {"cut inside its last frame", intact.left(intact.size() - 100), true, int(AfterCommits(Seconds)), false},
        {"salt of the header", flipped(17), false, 0, true},
        {"page size of the header", flipped(10), false, 0, true},
        {"checksum of the second frame", flipped(FramesOf(intact)[1].Offset + 17), true, 0, true},
        {"page of a middle frame", flipped(InsideFrame(AfterCommits(4))), true, int(AfterCommits(4)), true},
        {"page of the last frame", flipped(InsideFrame(std::size_t(frames - 1))), true, int(AfterCommits(Seconds)),
         false},
        {"no WAL at all", QByteArray("not a write-ahead log"), false, 0, false},
    };
    for (const auto &wal : cases) {
        SCOPED_TRACE(wal.Name);
        const WalFile parsed(wal.Bytes);
        EXPECT_EQ(parsed.HeaderValid(), wal.HeaderValid);
        EXPECT_EQ(parsed.AppliedFrames(), wal.Applied);
        EXPECT_EQ(parsed.DropsCommits(), wal.Drops);
    }
}

// A WAL begun anew after a checkpoint keeps the older frames behind the new
// ones; they are of another generation and nothing to tell.
TEST(WalFileBytes, FramesOfAnEarlierGenerationAreNoDamage)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    auto store = OpenStore(path);
    const GameId game = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    RawDatabase raw(path);
    for (int second = 1; second <= 10; ++second)
        store->SaveCheckpoint(game, {0, second * 1000, second, {}});
    raw.Execute("PRAGMA wal_checkpoint(PASSIVE)");
    store->SaveCheckpoint(game, {0, 11000, 11, {}});
    const WalFile wal(ReadBytes(path + QStringLiteral("-wal")));
    EXPECT_GT(wal.FrameCount(), 4);
    EXPECT_EQ(wal.AppliedFrames(), 2) << "the mark on page 1 and the checkpoint";
    EXPECT_FALSE(wal.DropsCommits());
    EXPECT_EQ(wal.AppliedFirstPages().size(), 1u);
}

} // namespace
