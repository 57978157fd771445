// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The files of the history as others may leave them: a WAL of another
// database, things other than regular files where the database and its
// companions belong, a stray rollback journal, damage far from the latest
// game; and the WAL kept short.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "HistoryTestSupport.h"
#include "history/HistoryWriter.h"
#include "history/PrivateFiles.h"

using namespace HistoryTest;

namespace {

const QDateTime SetAsideTime(QDate(2026, 12, 8), QTime(19, 42, 0));
const QString AsideSuffix = QStringLiteral(".damaged-20261208-194200");
const QString Wal = QStringLiteral("-wal");

GameId PlaySeconds(GameHistoryStore &store, int seconds)
{
    const GameId game = *store.BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    for (int second = 1; second <= seconds; ++second)
        store.SaveCheckpoint(game, {0, second * 1000, second * 1000, {}});
    return game;
}

std::int64_t LatestGameMs(GameHistoryStore &store)
{
    const StoredGame game = *store.LoadGame((*store.LatestGame().Value)->Id).Value;
    return game.Checkpoint ? game.Checkpoint->GameMs : -1;
}

class HistoryFolder : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString Folder() const { return temp.path(); }
    QString Path() const { return temp.filePath(QStringLiteral("games.db")); }
};

// This database holds a stored game of 3 s and, in its WAL, one of 5 s;
// another database's WAL holds a game of 9 s.  Only this database's own
// WAL is applied; the other one is kept aside, unapplied.
TEST_F(HistoryFolder, OnlyItsOwnWalIsAppliedAndAnotherDatabasesIsKeptAside)
{
    QByteArray database, ownWal, otherWal;
    {
        auto store = OpenStore(Path());
        PlaySeconds(*store, 3);
        ASSERT_TRUE(store->MoveLogIntoDatabase());
        PlaySeconds(*store, 5);
        database = ReadBytes(Path());
        ownWal = ReadBytes(Path() + Wal);
        QTemporaryDir elsewhere;
        auto other = OpenStore(elsewhere.filePath(QStringLiteral("games.db")));
        PlaySeconds(*other, 9);
        otherWal = ReadBytes(elsewhere.filePath(QStringLiteral("games.db-wal")));
    }
    for (const auto &[wal, ownGameMs] : {std::pair{ownWal, 5000}, std::pair{otherWal, 3000}}) {
        const bool own = ownGameMs == 5000;
        SCOPED_TRACE(own ? "own WAL" : "another database's WAL");
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        WriteBytes(Path(), database);
        WriteBytes(Path() + Wal, wal);
        GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
        ASSERT_TRUE(opened.Store);
        EXPECT_EQ(LatestGameMs(*opened.Store), ownGameMs);
        if (own) {
            EXPECT_EQ(Words(opened), QString());
            continue;
        }
        EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::CompanionSetAside);
        EXPECT_TRUE(Words(opened).contains(QStringLiteral("„games.db-wal“ gehört nicht zur Spieldatenbank")))
            << Words(opened).toStdString();
        EXPECT_EQ(ReadBytes(Path() + AsideSuffix + Wal), otherWal);
        EXPECT_EQ(ReadBytes(Path() + AsideSuffix), database);
    }
}

// What can stand in the place of the database or of one of its companions.
struct OddFile
{
    const char *Name;
    std::function<void(const QString &path, const QString &elsewhere)> Make;
    const char *Words;
};

void PrintTo(const OddFile &odd, std::ostream *out)
{
    *out << odd.Name;
}

void MakeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    ASSERT_LT(native.size(), qsizetype(sizeof address.sun_path));
    std::copy(native.begin(), native.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

const OddFile OddFiles[] = {
    {"Fifo", [](const QString &path, const QString &) { ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0); },
     "eine Pipe (FIFO)"},
    {"LinkElsewhere",
     [](const QString &path, const QString &elsewhere) {
         ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/target"), path));
     },
     "ein Verweis auf eine andere Datei"},
    {"Folder", [](const QString &path, const QString &) { ASSERT_TRUE(QDir().mkdir(path)); }, "ein Ordner"},
    {"Socket", [](const QString &path, const QString &) { MakeSocket(path); }, "ein Socket"},
};

class OddFileInPlace : public testing::TestWithParam<std::tuple<const char *, OddFile>>
{ };

// Reported at once and left as it is: nothing is opened, created, written
// or changed in its mode, neither in the data folder nor where a link points.
TEST_P(OddFileInPlace, IsReportedAndNothingIsTouched)
{
    const auto &[suffix, odd] = GetParam();
    QTemporaryDir data, elsewhere;
    const QString path = data.filePath(QStringLiteral("games.db"));
    const QString target = elsewhere.filePath(QStringLiteral("target"));
    if (*suffix != '\0')
        OpenStore(path); // a good database, closed again
    {
        auto other = OpenStore(target);
        PlaySeconds(*other, 2);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(target), 0644), 0);
    odd.Make(path + QLatin1String(suffix), elsewhere.path());
    const QByteArray database = *suffix != '\0' ? ReadBytes(path) : QByteArray();
    const QByteArray targetBytes = ReadBytes(target);
    const QStringList dataEntries = Entries(data.path());
    const QStringList elsewhereEntries = Entries(elsewhere.path());

    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, SetAsideTime);
    EXPECT_FALSE(opened.Store);
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::CannotOpen);
    const QString words = *suffix == '\0' && QLatin1String(odd.Name) == QLatin1String("Folder")
        ? QStringLiteral("an ihrer Stelle liegt ein Ordner")
        : QString::fromUtf8(odd.Words);
    EXPECT_TRUE(Words(opened).contains(words)) << Words(opened).toStdString();
    EXPECT_TRUE(Words(opened).endsWith(QStringLiteral("das Spiel wird nicht gespeichert.")));
    EXPECT_EQ(Entries(data.path()), dataEntries);
    EXPECT_EQ(Entries(elsewhere.path()), elsewhereEntries);
    EXPECT_EQ(ReadBytes(target), targetBytes);
    EXPECT_EQ(ModeOf(target), 0644u);
    if (*suffix != '\0') {
        EXPECT_EQ(ReadBytes(path), database);
    }
}

INSTANTIATE_TEST_SUITE_P(Store, OddFileInPlace,
                         testing::Combine(testing::Values("", "-wal", "-shm", "-journal"), testing::ValuesIn(OddFiles)),
                         [](const testing::TestParamInfo<std::tuple<const char *, OddFile>> &info) {
                             const QString suffix = QLatin1String(std::get<0>(info.param)).mid(1);
                             return (suffix.isEmpty() ? QStringLiteral("Database") : suffix).toStdString()
                                 + std::get<1>(info.param).Name;
                         });

TEST_F(HistoryFolder, ALinkToADeviceCreatesNothingBesideTheDevice)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path()));
    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::CannotOpen);
    for (const char *suffix : PrivateFiles::CompanionSuffixes)
        EXPECT_FALSE(Exists(QStringLiteral("/dev/zero") + QLatin1String(suffix))) << suffix;
}

// A rollback journal as a program killed inside a transaction leaves it:
// played back, it puts `page` in place of page 1 of a database of `pages`
// pages (SQLite's documented journal format).
QByteArray HotJournal(const QByteArray &page, quint32 pages)
{
    constexpr quint32 Sector = 512;
    constexpr quint32 Nonce = 0x2468ace0;
    auto bigEndian = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToBigEndian(value, bytes.data());
        return bytes;
    };
    QByteArray journal = QByteArray::fromHex("d9d505f920a163d7") + bigEndian(1) + bigEndian(Nonce) + bigEndian(pages)
        + bigEndian(Sector) + bigEndian(quint32(page.size()));
    journal.resize(Sector, '\0');
    quint32 checksum = Nonce;
    for (qsizetype at = page.size() - 200; at > 0; at -= 200)
        checksum += static_cast<unsigned char>(page[at]);
    return journal + bigEndian(1) + page + bigEndian(checksum);
}

TEST_F(HistoryFolder, AStrayRollbackJournalIsSetAsideBeforeItCanBePlayedBack)
{
    {
        auto store = OpenStore(Path());
        PlaySeconds(*store, 4);
    }
    const QByteArray database = ReadBytes(Path());
    QByteArray page = database.left(4096);
    qToBigEndian(quint32(1), page.data() + 60); // schema version 1, with the tables of the current one
    const QByteArray journal = HotJournal(page, quint32(database.size() / 4096));
    {
        // Left to SQLite, the journal changes the file.
        QTemporaryDir copy;
        WriteBytes(copy.filePath(QStringLiteral("games.db")), database);
        WriteBytes(copy.filePath(QStringLiteral("games.db-journal")), journal);
        RawDatabase raw(copy.filePath(QStringLiteral("games.db")));
        ASSERT_EQ(raw.Integer("PRAGMA user_version"), 1);
    }
    WriteBytes(Path() + QStringLiteral("-journal"), journal);

    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    ASSERT_TRUE(opened.Store) << Words(opened).toStdString();
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::CompanionSetAside);
    EXPECT_TRUE(Words(opened).contains(QStringLiteral("Rollback-Journal „games.db-journal“")))
        << Words(opened).toStdString();
    EXPECT_EQ(LatestGameMs(*opened.Store), 4000);
    opened.Store.reset();
    EXPECT_EQ(ReadBytes(Path()), database);
    EXPECT_FALSE(Exists(Path() + QStringLiteral("-journal")));
    EXPECT_EQ(ReadBytes(Path() + AsideSuffix + QStringLiteral("-journal")), journal);
    EXPECT_EQ(ReadBytes(Path() + AsideSuffix), database);
}

// The WAL never holds more than about two minutes of running clock however
// long the clock runs, and nothing once it is moved into the file.
TEST_F(HistoryFolder, TheWalStaysShortAndIsEmptiedWhenMovedIntoTheFile)
{
    auto store = OpenStore(Path());
    const GameId game = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    qint64 longest = 0;
    for (int second = 1; second <= 700; ++second) {
        ASSERT_TRUE(store->SaveCheckpoint(game, {0, second * 1000, second, {std::vector<std::int32_t>(10, 5), {}}}));
        longest = std::max(longest, QFileInfo(Path() + Wal).size());
    }
    EXPECT_GT(longest, 512 * 1024);
    EXPECT_LT(longest, 1100 * 1024);
    ASSERT_TRUE(store->MoveLogIntoDatabase());
    EXPECT_EQ(QFileInfo(Path() + Wal).size(), 0);
    EXPECT_EQ(LatestGameMs(*store), 700000);
}

// Twenty ended games of 200 actions each and an open one of 3 s, closed.
void WriteLongHistory(const QString &path)
{
    {
        auto store = OpenStore(path);
        PlaySeconds(*store, 3);
    }
    RawDatabase raw(path);
    raw.Execute(R"sql(
UPDATE game SET id = 21;
UPDATE event SET game_id = 21;
UPDATE checkpoint SET game_id = 21;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20)
    INSERT INTO game (id, begun_wall_ms, end_reason, team1_lines, team1_checks, team2_lines, team2_checks)
    SELECT i, i, 'reset', '["4 Anna"]', '1', '["5 Berta"]', '1' FROM n;
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 3999)
    INSERT INTO event (game_id, seq, kind, game_ms, wall_ms, arg1, arg2, arg3)
    SELECT i / 200 + 1, i % 200 + 1, 'check', 0, i, 1, 0, i % 2 FROM n;
)sql");
}

// The whole file is checked after start-up: damage in the latest game is
// found while opening and set aside as ever; damage elsewhere leaves the
// start as fast as with an empty history, is told like a failed write, and
// the file goes aside when the program ends.
TEST_F(HistoryFolder, DamageFarFromTheLatestGameIsFoundAfterStartUp)
{
    for (const bool latest : {true, false}) {
        SCOPED_TRACE(latest ? "the latest game's actions" : "the first game's actions");
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        WriteLongHistory(Path());
        std::int64_t page = 0;
        {
            RawDatabase raw(Path());
            page = raw.Integer(std::string("SELECT pageno FROM dbstat WHERE name = 'event' AND pagetype = 'leaf' "
                                           "ORDER BY path ")
                               + (latest ? "DESC" : "ASC") + " LIMIT 1");
        }
        QByteArray bytes = ReadBytes(Path());
        bytes.replace((page - 1) * 4096, 4096, QByteArray(4096, '\0'));
        WriteBytes(Path(), bytes);

        GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
        ASSERT_TRUE(opened.Store);
        if (latest) {
            EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::SetAside) << Words(opened).toStdString();
            continue;
        }
        EXPECT_EQ(Words(opened), QString());
        auto writer = std::make_unique<HistoryWriter>(std::move(opened.Store), nullptr, std::chrono::milliseconds(0));
        QSignalSpy failures(writer.get(), &HistoryWriter::WriteFailed);
        ASSERT_TRUE(failures.wait(10000));
        const QString reason = HistoryMessages::Text(failures.at(0).at(0).value<HistoryProblem>());
        EXPECT_TRUE(reason.contains(QStringLiteral("„%1“ ist beschädigt").arg(Path()))) << reason.toStdString();
        EXPECT_TRUE(reason.contains(QStringLiteral("beim nächsten Start wird eine neue angelegt")));
        writer.reset();
        EXPECT_FALSE(Exists(Path()));
        EXPECT_EQ(Entries(Folder()).filter(QStringLiteral(".damaged-")).size(), 1);
    }
}

} // namespace
