// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/GameHistoryStore.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

#include "HistoryTestSupport.h"
#include "game/GameReplay.h"
#include "game/GameReport.h"
#include "history/PayloadCodec.h"
#include "history/Schema.h"

using namespace HistoryTest;

namespace {

const QDateTime SetAsideTime(QDate(2026, 12, 8), QTime(19, 42, 0));
const QString SetAsideSuffix = QStringLiteral(".damaged-20261208-194200");

// A data folder that does not exist yet, below a throwaway one.
class StoreFolder : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString Folder() const { return temp.filePath(QStringLiteral("share/Velmarin/Quintora")); }
    QString Path() const { return Folder() + QStringLiteral("/games.db"); }
};

TeamTimes TimesOf(std::vector<std::int32_t> team1, std::vector<std::int32_t> team2)
{
    return {std::move(team1), std::move(team2)};
}

// A game of every kind of action, as the window would record it.
struct ScriptedActions
{
    GameOpening Opening = SampleOpening(12, 7);
    std::vector<GameEvent> Events;
    GameCheckpoint Checkpoint;

    ScriptedActions()
    {
        Opening.TeamNames = {QStringLiteral("TV Musterstadt U12"), QString()};
        const std::vector<std::int32_t> zeros1(12, 0), zeros2(7, 0);
        std::vector<std::int32_t> played1 = zeros1, played2 = zeros2;
        for (int line = 0; line < 5; ++line)
            played1[line] = played2[line] = 61200;
        Events = {
            GameEvent::Start(0, 1000),
            GameEvent::Pause(61400, 62400, TimesOf(played1, played2)),
            GameEvent::Check(61400, 63000, 1, 0, false),
            GameEvent::Check(61400, 63100, 1, 7, true),
            GameEvent::TeamLoad(61400, 64000, 2,
                                {QStringLiteral(" 4 Jürgen \"Jü\" Größe"), QString(), QStringLiteral("15 😀 Ωmega")},
                                QStringLiteral("Falken Süd")),
            GameEvent::Export(61400, 65000),
            GameEvent::FormatChange(61400, 65100, GameFormat{2, 1200000, 60000}),
            GameEvent::Correction(60400, 65200, -1000),
            GameEvent::Start(60400, 66000),
            GameEvent::PeriodEnd(120000, 125600, 1),
        };
        Checkpoint = {0, 121000, 126600, TimesOf(played1, {0, 0, 0})};
    }
};

TEST_F(StoreFolder, CreatesTheCurrentSchemaInWalModeAndStoresNothingUntilAGameBegins)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    EXPECT_EQ(store->GameCount().Value, 0);
    EXPECT_FALSE(store->LatestGame().Value->has_value());

    RawDatabase raw(Path());
    EXPECT_EQ(raw.Integer("PRAGMA user_version"), Schema::CurrentVersion);
    EXPECT_EQ(raw.Text("PRAGMA journal_mode"), QStringLiteral("wal"));
    EXPECT_EQ(raw.Text("SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_schema WHERE type = 'table' "
                       "ORDER BY name)"),
              QStringLiteral("checkpoint event game"));
}

// A database as version 1 of the schema made it, with a game stored before
// team names were kept: team 2 loaded, its player ticked, five seconds played.
void WriteVersion1Game(const QString &path)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    EXPECT_EQ(Schema::Migrate(db, 0, 1), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, R"sql(
INSERT INTO game (begun_wall_ms, team1_lines, team1_checks, team2_lines, team2_checks)
    VALUES (1765222920000, '["4 Anna"]', '1', '["9 Ida"]', '0');
INSERT INTO event (game_id, seq, kind, game_ms, wall_ms, arg1, arg2, payload) VALUES
    (1, 1, 'team_load', 0, 1765222921000, 2, 1, CAST('["7 Dora"]' AS BLOB));
INSERT INTO event (game_id, seq, kind, game_ms, wall_ms, arg1, arg2, arg3) VALUES
    (1, 2, 'check', 0, 1765222922000, 2, 0, 1);
INSERT INTO event (game_id, seq, kind, game_ms, wall_ms) VALUES (1, 3, 'start', 0, 1765222923000);
INSERT INTO event (game_id, seq, kind, game_ms, wall_ms, arg1, payload) VALUES
    (1, 4, 'pause', 5000, 1765222928000, 0, X'01018813000088130000');
)sql",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

// A zero-length file and a SQLite file without tables are both version 0;
// a file of version 1 keeps its game, which reads, replays and reports as
// before, its teams by their numbers.
TEST_F(StoreFolder, MigratesOlderFilesAndKeepsTheirGames)
{
    const std::vector<std::tuple<const char *, std::function<void()>, std::int64_t>> cases = {
        {"zero bytes", [this] { WriteBytes(Path(), {}); }, 0},
        {"sqlite file without tables",
         [this] {
             RawDatabase raw(Path());
             raw.Execute("PRAGMA page_size = 1024; VACUUM");
         },
         0},
        {"version 1 with a game", [this] { WriteVersion1Game(Path()); }, 1},
    };
    for (const auto &[name, make, games] : cases) {
        SCOPED_TRACE(name);
        QDir().mkpath(Folder());
        QFile::remove(Path());
        make();
        ASSERT_TRUE(Exists(Path()));
        auto store = OpenStore(Path());
        ASSERT_TRUE(store);
        ASSERT_EQ(store->GameCount().Value, games);
        if (games > 0) {
            const HistoryResult<StoredGame> old = store->LoadGame(1);
            ASSERT_TRUE(old) << Words(old).toStdString();
            EXPECT_EQ(old.Value->Opening.TeamNames, (std::array<QString, 2>{}));
            EXPECT_EQ(old.Value->Events.size(), 4u);
            const GameResult<RecoveredGame> replayed = GameReplay::Replay(*old.Value);
            ASSERT_TRUE(replayed) << replayed.Error.toStdString();
            EXPECT_EQ(replayed.Value->Teams[1].Lines, QStringList{QStringLiteral("7 Dora")});
            EXPECT_EQ(replayed.Value->Teams[1].Elapsed[0], 5000);
            const GameResult<GameReport> report = GameReport::Of(*old.Value);
            ASSERT_TRUE(report) << report.Error.toStdString();
            ASSERT_EQ(report.Value->Changes.size(), 2u);
            for (const int team : {1, 2}) {
                const auto &stint = std::get<ReportStint>(report.Value->Changes[std::size_t(team - 1)]);
                EXPECT_EQ(stint.TeamName, QStringLiteral("Team %1").arg(team));
                EXPECT_EQ(stint.LengthMs, 5000);
            }
        }
        GameOpening opening = SampleOpening();
        opening.TeamNames[1] = QStringLiteral("Adler Nord");
        const HistoryResult<GameId> begun = store->BeginGame(opening, GameEvent::Start(0, 5));
        ASSERT_TRUE(begun);
        EXPECT_EQ(store->LoadGame(*begun.Value).Value->Opening.TeamNames, opening.TeamNames);
        store.reset();
        RawDatabase raw(Path());
        EXPECT_EQ(raw.Integer("PRAGMA user_version"), Schema::CurrentVersion);
        EXPECT_EQ(raw.Integer("SELECT count(*) FROM event"), 1 + 4 * games);
    }
}

// A team load's payload: the lines with the team file's name, or, in games
// stored before the names were kept and for a load without a name, the
// plain array of lines.
TEST(TeamLoadPayload, OldAndNewPayloadsDecodeAndNothingElse)
{
    using PayloadCodec::LoadedTeam;
    const QStringList lines = {QStringLiteral(" 4 Anna"), QString()};
    const std::pair<QByteArray, std::optional<LoadedTeam>> cases[] = {
        {R"([" 4 Anna",""])", LoadedTeam{lines, {}}},
        {"[]", LoadedTeam{}},
        {R"({"lines":[" 4 Anna",""],"name":"Falken Süd"})", LoadedTeam{lines, QStringLiteral("Falken Süd")}},
        {R"({"lines":[" 4 Anna"]})", std::nullopt},
        {R"({"lines":" 4 Anna","name":"x"})", std::nullopt},
        {R"({"lines":[4],"name":"x"})", std::nullopt},
        {R"({"lines":[],"name":7})", std::nullopt},
        {R"({"lines":[],"name":"x","more":1})", std::nullopt},
        {R"(" 4 Anna")", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[payload, team] : cases)
        EXPECT_EQ(PayloadCodec::DecodeTeam(payload), team) << payload.toStdString();
    // Written without a name as before; with one, read back as written.
    EXPECT_EQ(PayloadCodec::EncodeTeam(lines, {}), PayloadCodec::EncodeLines(lines));
    EXPECT_EQ(PayloadCodec::DecodeTeam(PayloadCodec::EncodeTeam(lines, QStringLiteral("TV Musterstadt U12"))),
              (LoadedTeam{lines, QStringLiteral("TV Musterstadt U12")}));
}

TEST_F(StoreFolder, AGameReadsBackAfterReopeningAsItWasWritten)
{
    const ScriptedActions script;
    GameId id = 0;
    {
        auto store = OpenStore(Path());
        ASSERT_TRUE(store);
        const HistoryResult<GameId> begun = store->BeginGame(script.Opening, script.Events.front());
        ASSERT_TRUE(begun) << Words(begun).toStdString();
        id = *begun.Value;
        for (std::size_t index = 1; index < script.Events.size(); ++index)
            ASSERT_TRUE(store->AppendEvent(id, script.Events[index]).Ok());
        ASSERT_TRUE(store->SaveCheckpoint(id, script.Checkpoint).Ok());
    }
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    const auto latest = store->LatestGame();
    ASSERT_TRUE(latest.Value && latest.Value->has_value());
    EXPECT_EQ((*latest.Value)->Id, id);
    EXPECT_TRUE((*latest.Value)->IsOpen());
    EXPECT_EQ((*latest.Value)->BegunWallMs, script.Opening.WallMs);

    const HistoryResult<StoredGame> loaded = store->LoadGame(id);
    ASSERT_TRUE(loaded) << Words(loaded).toStdString();
    const StoredGame &game = *loaded.Value;
    EXPECT_EQ(game.Opening.Rosters, script.Opening.Rosters);
    EXPECT_EQ(game.Opening.TeamNames, script.Opening.TeamNames);
    EXPECT_EQ(game.Opening.Format, GameFormat{});
    ASSERT_EQ(game.Events.size(), script.Events.size());
    for (std::size_t index = 0; index < script.Events.size(); ++index) {
        SCOPED_TRACE(index);
        const GameEvent &read = game.Events[index];
        const GameEvent &written = script.Events[index];
        EXPECT_EQ(read.Sequence, std::int64_t(index + 1));
        EXPECT_EQ(read.Kind, written.Kind);
        EXPECT_EQ(read.KindName, written.KindName);
        EXPECT_EQ(read.GameMs, written.GameMs);
        EXPECT_EQ(read.WallMs, written.WallMs);
        EXPECT_EQ(read.Arg1, written.Arg1);
        EXPECT_EQ(read.Arg2, written.Arg2);
        EXPECT_EQ(read.Arg3, written.Arg3);
        EXPECT_EQ(read.Payload, written.Payload);
    }
    EXPECT_EQ(
        PayloadCodec::DecodeTeam(game.Events[4].Payload),
        (PayloadCodec::LoadedTeam{{QStringLiteral(" 4 Jürgen \"Jü\" Größe"), QString(), QStringLiteral("15 😀 Ωmega")},
                                  QStringLiteral("Falken Süd")}));
    // Read back, the teams go by the names the window had for them.
    GameEventReader reader(game);
    ASSERT_EQ(reader.Read().toStdString(), "");
    EXPECT_EQ(reader.TeamFileName(1), QStringLiteral("TV Musterstadt U12"));
    EXPECT_EQ(reader.TeamFileName(2), QStringLiteral("Falken Süd"));
    ASSERT_TRUE(game.Checkpoint);
    EXPECT_EQ(game.Checkpoint->AfterSequence, std::int64_t(script.Events.size()));
    EXPECT_EQ(game.Checkpoint->GameMs, script.Checkpoint.GameMs);
    EXPECT_EQ(game.Checkpoint->WallMs, script.Checkpoint.WallMs);
    EXPECT_EQ(game.Checkpoint->Times, script.Checkpoint.Times);
}

// Another connection sees every action as soon as the call returns: no
// action waits in an open transaction for the next one.
TEST_F(StoreFolder, EachActionIsCommittedWhenItsCallReturns)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    RawDatabase other(Path());
    const HistoryResult<GameId> begun = store->BeginGame(SampleOpening(), GameEvent::Check(0, 1, 1, 6, true));
    ASSERT_TRUE(begun);
    EXPECT_EQ(other.Integer("SELECT count(*) FROM game"), 1);
    EXPECT_EQ(other.Integer("SELECT count(*) FROM event"), 1) << "the game and its first action in one transaction";
    for (int action = 2; action <= 5; ++action) {
        ASSERT_TRUE(store->AppendEvent(*begun.Value, GameEvent::Check(0, action, 2, action, true)).Ok());
        EXPECT_EQ(other.Integer("SELECT max(seq) FROM event"), action);
    }
    // The store holds no write lock between actions.
    other.Execute("BEGIN IMMEDIATE; ROLLBACK");
}

TEST_F(StoreFolder, ACheckpointReplacesThePreviousOneAndIsMarkedWithTheLastAction)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    const GameId id = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    RawDatabase raw(Path());
    const TeamTimes times = TimesOf(std::vector<std::int32_t>(10, 7), std::vector<std::int32_t>(10, 8));
    ASSERT_TRUE(store->SaveCheckpoint(id, {0, 1000, 11, times}).Ok());
    ASSERT_TRUE(store->SaveCheckpoint(id, {0, 2000, 12, times}).Ok());
    EXPECT_EQ(raw.Integer("SELECT count(*) FROM checkpoint"), 1);
    EXPECT_EQ(raw.Integer("SELECT after_seq FROM checkpoint"), 1);
    ASSERT_TRUE(store->AppendEvent(id, GameEvent::Pause(2500, 13, times)).Ok());
    ASSERT_TRUE(store->AppendEvent(id, GameEvent::Start(2500, 14)).Ok());
    ASSERT_TRUE(store->SaveCheckpoint(id, {0, 3000, 15, times}).Ok());
    EXPECT_EQ(raw.Integer("SELECT count(*) FROM checkpoint"), 1);
    const auto game = store->LoadGame(id);
    ASSERT_TRUE(game && game.Value->Checkpoint);
    EXPECT_EQ(game.Value->Checkpoint->AfterSequence, 3);
    EXPECT_EQ(game.Value->Checkpoint->GameMs, 3000);
    EXPECT_EQ(game.Value->Checkpoint->WallMs, 15);
}

TEST_F(StoreFolder, EndingReopeningAndTheLatestGame)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    const GameId first = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    ASSERT_TRUE(store->EndGame(first, GameEndReason::Reset, 500).Ok());
    auto latest = *store->LatestGame().Value;
    ASSERT_TRUE(latest);
    EXPECT_FALSE(latest->IsOpen());
    EXPECT_EQ(latest->EndReason, GameEndReason::Reset);
    EXPECT_EQ(latest->EndedWallMs, 500);

    ASSERT_TRUE(store->ReopenGame(first, 4200, 600).Ok());
    latest = *store->LatestGame().Value;
    EXPECT_TRUE(latest->IsOpen());
    EXPECT_FALSE(latest->EndedWallMs);
    const StoredGame game = *store->LoadGame(first).Value;
    EXPECT_EQ(game.Events.back().Kind, GameEventKind::ResetUndone);
    EXPECT_EQ(game.Events.back().GameMs, 4200);

    ASSERT_TRUE(store->EndGame(first, GameEndReason::NewGame, 700).Ok());
    ASSERT_TRUE(store->EndGame(first, GameEndReason::Reset, 800).Ok());
    EXPECT_EQ((*store->LatestGame().Value)->EndReason, GameEndReason::NewGame) << "an ended game stays as it ended";
    const HistoryStatus reopen = store->ReopenGame(first, 0, 900);
    EXPECT_FALSE(reopen.Ok()) << "only a RESET can be taken back";
    EXPECT_EQ(store->LoadGame(first).Value->Events.size(), game.Events.size());

    const GameId second = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 1000)).Value;
    EXPECT_EQ((*store->LatestGame().Value)->Id, second);
    EXPECT_EQ(store->GameCount().Value, 2);
}

TEST_F(StoreFolder, FolderAndFilesAreReadableByTheUserAlone)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Ok());
    for (const char *folder : {"share", "share/Velmarin", "share/Velmarin/Quintora"})
        EXPECT_EQ(ModeOf(temp.filePath(QLatin1String(folder))), 0700u) << folder;
    for (const char *suffix : {"", "-wal", "-shm"}) {
        ASSERT_TRUE(Exists(Path() + QLatin1String(suffix))) << suffix;
        EXPECT_EQ(ModeOf(Path() + QLatin1String(suffix)), 0600u) << suffix;
    }
}

TEST_F(StoreFolder, LooseModesOfAnExistingFolderAndFileAreTightened)
{
    QDir().mkpath(Folder());
    WriteBytes(Path(), {});
    ASSERT_EQ(::chmod(QFile::encodeName(Folder()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0644), 0);
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    EXPECT_EQ(ModeOf(Folder()), 0700u);
    EXPECT_EQ(ModeOf(Path()), 0600u);
}

// Where the database cannot be opened, nothing is stored, nothing is
// created or moved, and the user is told why.
struct CannotOpenCase
{
    const char *Name;
    // Prepares the throwaway folder; returns the database path to open.
    std::function<QString(const QString &base)> Prepare;
    const char *Reason;
};

void PrintTo(const CannotOpenCase &problem, std::ostream *out)
{
    *out << problem.Name;
}

class CannotOpen : public testing::TestWithParam<CannotOpenCase>
{ };

TEST_P(CannotOpen, NothingIsStoredAndTheMessageSaysWhy)
{
    QTemporaryDir temp;
    // Room for an unprivileged user to look in, but not to write.
    ASSERT_EQ(::chmod(QFile::encodeName(temp.path()).constData(), 0755), 0);
    const QString path = GetParam().Prepare(temp.path());
    const QString reason = QString::fromUtf8(GetParam().Reason);
    const QStringList before = Entries(QFileInfo(path).absolutePath());
    ExpectAsUnprivilegedUser([&] {
        const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, SetAsideTime);
        const bool ok = !opened.Store && opened.Problem == GameHistoryStore::OpenProblem::CannotOpen
            && Words(opened).contains(reason)
            && Words(opened).endsWith(QStringLiteral("das Spiel wird nicht gespeichert."))
            && opened.SetAsidePath.isEmpty();
        if (!ok)
            std::fprintf(stderr, "message: %s\n", Words(opened).toUtf8().constData());
        return ok;
    });
    EXPECT_EQ(Entries(QFileInfo(path).absolutePath()), before);
}

QString MakeFolder(const QString &path, unsigned mode)
{
    QDir().mkpath(path);
    EXPECT_EQ(::chown(QFile::encodeName(path).constData(), UnprivilegedUid(), UnprivilegedUid()), 0);
    EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Store, CannotOpen,
    testing::Values(
        CannotOpenCase{"FolderInPlaceOfTheFile",
                       [](const QString &base) {
                           const QString path = MakeFolder(base + QStringLiteral("/data"), 0700) + "/games.db";
                           MakeFolder(path, 0700);
                           return path;
                       },
                       "an ihrer Stelle liegt ein Ordner"},
        CannotOpenCase{"FileInPlaceOfTheFolder",
                       [](const QString &base) {
                           WriteBytes(base + QStringLiteral("/data"), "not a folder");
                           return base + QStringLiteral("/data/games.db");
                       },
                       "ist kein Ordner"},
        CannotOpenCase{"UnwritableFolder",
                       [](const QString &base) {
                           return MakeFolder(base + QStringLiteral("/data"), 0555) + QStringLiteral("/games.db");
                       },
                       "keine Berechtigung"},
        CannotOpenCase{"UnwritableFolderAboveTheDataFolder",
                       [](const QString &base) {
                           return MakeFolder(base + QStringLiteral("/share"), 0555)
                               + QStringLiteral("/Velmarin/Quintora/games.db");
                       },
                       "keine Berechtigung"},
        CannotOpenCase{"WriteProtectedFile",
                       [](const QString &base) {
                           const QString path = MakeFolder(base + QStringLiteral("/data"), 0700) + "/games.db";
                           GameHistoryStore::Open(path); // a good database, closed again
                           EXPECT_EQ(::chown(QFile::encodeName(path).constData(), UnprivilegedUid(), UnprivilegedUid()),
                                     0);
                           EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0400), 0);
                           return path;
                       },
                       "schreibgeschützt"}),
    [](const testing::TestParamInfo<CannotOpenCase> &info) { return std::string(info.param.Name); });

// A multi-page database of three games, closed, as bytes.
QByteArray GoodDatabase()
{
    static const QByteArray bytes = [] {
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("games.db"));
        {
            auto store = OpenStore(path);
            for (int game = 0; game < 3; ++game) {
                const GameId id = *store->BeginGame(SampleOpening(12, 12), GameEvent::Start(0, game)).Value;
                for (int action = 0; action < 150; ++action)
                    store->AppendEvent(id, GameEvent::Check(0, action, 1 + action % 2, action % 12, action % 3 == 0));
                store->SaveCheckpoint(id, {0, 1000, 2000, {std::vector<std::int32_t>(12, 5), {}}});
            }
        }
        return ReadBytes(path);
    }();
    return bytes;
}

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.generate() & 0xFF);
    return bytes;
}

// Another program's SQLite file, written by `sql`, as bytes.
QByteArray ForeignDatabase(const std::string &sql)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("other.db"));
    {
        RawDatabase raw(path);
        raw.Execute(sql);
    }
    return ReadBytes(path);
}

struct DamagedCase
{
    std::string Name;
    std::function<QByteArray()> Bytes;
    bool Foreign = false;
};

void PrintTo(const DamagedCase &damage, std::ostream *out)
{
    *out << damage.Name;
}

class DamagedFile : public testing::TestWithParam<DamagedCase>
{ };

// The file is kept aside byte for byte under a new name, a fresh database
// takes its place at once, and the user is told where the old one went.
TEST_P(DamagedFile, IsKeptAsideAndAFreshDatabaseIsCreated)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    const QByteArray bytes = GetParam().Bytes();
    WriteBytes(path, bytes);
    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path, SetAsideTime);
    ASSERT_EQ(opened.Problem, GameHistoryStore::OpenProblem::SetAside) << Words(opened).toStdString();
    ASSERT_TRUE(opened.Store);
    EXPECT_EQ(opened.SetAsidePath, path + SetAsideSuffix);
    EXPECT_EQ(ReadBytes(opened.SetAsidePath), bytes);
    EXPECT_TRUE(
        Words(opened).contains(QStringLiteral("„games.db") + SetAsideSuffix + QStringLiteral("“ beiseitegelegt")))
        << Words(opened).toStdString();
    EXPECT_TRUE(Words(opened).contains(GetParam().Foreign ? QStringLiteral("keine Spieldatenbank")
                                                          : QStringLiteral("beschädigt")))
        << Words(opened).toStdString();
    EXPECT_EQ(opened.Store->GameCount().Value, 0);
    EXPECT_TRUE(opened.Store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Ok());
    EXPECT_EQ(ModeOf(path), 0600u);
}

// The bytes of this program's database with one statement of another's run on it.
QByteArray OurDatabaseWith(const char *statement)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("games.db"));
    OpenStore(path);
    RawDatabase(path).Execute(statement);
    return ReadBytes(path);
}

std::vector<DamagedCase> DamagedCases()
{
    std::vector<DamagedCase> cases;
    const qsizetype full = GoodDatabase().size();
    for (const qsizetype length :
         {qsizetype(1), qsizetype(16), qsizetype(99), qsizetype(100), qsizetype(101), qsizetype(1000), qsizetype(4095),
          qsizetype(4096), qsizetype(4097), qsizetype(8192), full / 3, full / 2, full - 4096, full - 100, full - 1}) {
        cases.push_back({"CutAt" + std::to_string(length), [length] { return GoodDatabase().left(length); }});
    }
    for (const qsizetype length : {1, 100, 4096, 20000}) {
        cases.push_back({"Random" + std::to_string(length), [length] { return RandomBytes(length, quint32(length)); }});
    }
    cases.push_back({"HeaderThenRandomPages", [] {
                         QByteArray bytes = GoodDatabase();
                         const QByteArray noise = RandomBytes(bytes.size() - 100, 7);
                         bytes.replace(100, noise.size(), noise);
                         return bytes;
                     }});
    cases.push_back({"ZerosInTheMiddle", [] {
                         QByteArray bytes = GoodDatabase();
                         bytes.replace(4096, 8192, QByteArray(8192, '\0'));
                         return bytes;
                     }});
    cases.push_back(
        {"AnotherProgramsTables",
         [] { return ForeignDatabase("CREATE TABLE players (name TEXT); INSERT INTO players VALUES ('x')"); }, true});
    cases.push_back({"SameTableNamesOtherColumns",
                     [] {
                         return ForeignDatabase("CREATE TABLE game (id INTEGER PRIMARY KEY, name TEXT);"
                                                "CREATE TABLE event (x); CREATE TABLE checkpoint (y);"
                                                "PRAGMA user_version = 1");
                     },
                     true});
    cases.push_back(
        {"OurTablesWithATriggerOfItsOwn",
         [] { return OurDatabaseWith("CREATE TRIGGER spy AFTER INSERT ON event BEGIN DELETE FROM game; END"); }, true});
    cases.push_back({"OurTablesWithAnIndexOfItsOwn",
                     [] { return OurDatabaseWith("CREATE INDEX game_open_too ON game (id) WHERE end_reason IS NULL"); },
                     true});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Store, DamagedFile, testing::ValuesIn(DamagedCases()),
                         [](const testing::TestParamInfo<DamagedCase> &info) { return info.param.Name; });

TEST_F(StoreFolder, TheCompanionsOfADamagedFileGoAsideWithItAndNothingIsOverwritten)
{
    QDir().mkpath(Folder());
    WriteBytes(Path(), RandomBytes(5000, 1));
    WriteBytes(Path() + QStringLiteral("-wal"), RandomBytes(3000, 2));
    WriteBytes(Path() + QStringLiteral("-shm"), RandomBytes(300, 3));
    // Earlier damage at the same second keeps its name.
    const QString earlier = Path() + SetAsideSuffix;
    WriteBytes(earlier, "earlier");

    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    ASSERT_EQ(opened.Problem, GameHistoryStore::OpenProblem::SetAside) << Words(opened).toStdString();
    EXPECT_EQ(opened.SetAsidePath, earlier + QStringLiteral("-2"));
    EXPECT_EQ(ReadBytes(earlier), QByteArray("earlier"));
    EXPECT_EQ(ReadBytes(opened.SetAsidePath), RandomBytes(5000, 1));
    EXPECT_EQ(ReadBytes(opened.SetAsidePath + QStringLiteral("-wal")), RandomBytes(3000, 2));
    EXPECT_EQ(ReadBytes(opened.SetAsidePath + QStringLiteral("-shm")), RandomBytes(300, 3));
    EXPECT_TRUE(opened.Store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Ok());
}

// SQLite deletes a journal that lies beside an empty file: the empty file
// is taken as damaged instead, and the journal goes aside with it.
TEST_F(StoreFolder, AFileCutToNothingBesideItsJournalGoesAsideWithTheJournal)
{
    QDir().mkpath(Folder());
    WriteBytes(Path(), {});
    WriteBytes(Path() + QStringLiteral("-wal"), GoodDatabase().left(5000));
    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    ASSERT_EQ(opened.Problem, GameHistoryStore::OpenProblem::SetAside) << Words(opened).toStdString();
    EXPECT_EQ(ReadBytes(opened.SetAsidePath), QByteArray());
    EXPECT_EQ(ReadBytes(opened.SetAsidePath + QStringLiteral("-wal")), GoodDatabase().left(5000));
}

// Leaves the database at `path` as a newer program would after a crash:
// a schema version above ours, its last changes still in the journal.
void CrashANewerProgram(const QString &path)
{
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        sqlite3 *db = nullptr;
        const std::string sql = "PRAGMA user_version = " + std::to_string(Schema::CurrentVersion + 1)
            + "; CREATE TABLE newer (x); INSERT INTO newer VALUES (1)";
        const bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
            && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        std::_Exit(done ? 0 : 1); // without closing: the journal stays
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(StoreFolder, AFileOfANewerSchemaIsLeftUntouchedAndNothingIsStored)
{
    {
        auto store = OpenStore(Path());
        ASSERT_TRUE(store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Ok());
    }
    {
        RawDatabase raw(Path());
        raw.Execute("PRAGMA user_version = " + std::to_string(Schema::CurrentVersion + 1));
    }
    const QByteArray before = ReadBytes(Path());
    const QStringList entries = Entries(Folder());

    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::NewerVersion);
    EXPECT_FALSE(opened.Store);
    EXPECT_TRUE(
        Words(opened).contains(QStringLiteral("neueren Programmversion (Version %1)").arg(Schema::CurrentVersion + 1)))
        << Words(opened).toStdString();
    EXPECT_TRUE(Words(opened).endsWith(QStringLiteral("das Spiel wird nicht gespeichert.")));
    EXPECT_EQ(ReadBytes(Path()), before);
    EXPECT_EQ(Entries(Folder()), entries);
}

TEST_F(StoreFolder, ANewerProgramsJournalIsNeitherPlayedIntoItsFileNorDeleted)
{
    OpenStore(Path());
    CrashANewerProgram(Path());
    const QByteArray file = ReadBytes(Path());
    const QByteArray journal = ReadBytes(Path() + QStringLiteral("-wal"));
    ASSERT_FALSE(journal.isEmpty());

    const GameHistoryStore::OpenResult opened = GameHistoryStore::Open(Path(), SetAsideTime);
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::NewerVersion) << Words(opened).toStdString();
    EXPECT_EQ(ReadBytes(Path()), file);
    EXPECT_EQ(ReadBytes(Path() + QStringLiteral("-wal")), journal);
}

// Values that the store cannot decode make the read fail with a message, never a half game.
TEST_F(StoreFolder, UndecodableValuesAreReportedWhenRead)
{
    const std::vector<std::pair<const char *, std::string>> spoilers = {
        {"lines no JSON", "UPDATE game SET team1_lines = 'Anna, Berta'"},
        {"lines not strings", "UPDATE game SET team2_lines = '[1, 2]'"},
        {"checks of another length", "UPDATE game SET team1_checks = '101'"},
        {"checks not 0 or 1", "UPDATE game SET team1_checks = 'x111100000'"},
        {"checkpoint times cut", "UPDATE checkpoint SET times = x'0a0a00'"},
        {"checkpoint times too many rows", "UPDATE checkpoint SET times = x'3300'"},
        {"unknown end", "UPDATE game SET end_reason = 'lost'"},
    };
    for (const auto &[name, sql] : spoilers) {
        SCOPED_TRACE(name);
        QFile::remove(Path());
        GameId id = 0;
        {
            auto store = OpenStore(Path());
            id = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
            store->SaveCheckpoint(id,
                                  {0, 1000, 1, {std::vector<std::int32_t>(10, 1), std::vector<std::int32_t>(10, 2)}});
        }
        {
            RawDatabase raw(Path());
            raw.Execute(sql);
        }
        auto store = OpenStore(Path());
        const HistoryResult<StoredGame> game = store->LoadGame(id);
        EXPECT_FALSE(game.Ok());
        EXPECT_TRUE(Words(game).startsWith(QStringLiteral("Das gespeicherte Spiel ist beschädigt: ")))
            << Words(game).toStdString();
    }
}

TEST_F(StoreFolder, AFailedWriteIsReportedAndTheCallReturns)
{
    auto store = OpenStore(Path());
    ASSERT_TRUE(store);
    const GameId id = *store->BeginGame(SampleOpening(), GameEvent::Start(0, 0)).Value;
    HistoryStatus status;
    {
        const FileSizeLimit full(1);
        status = store->AppendEvent(id, GameEvent::Pause(100, 1, {}));
    }
    EXPECT_FALSE(status.Ok());
    EXPECT_TRUE(Words(status).startsWith(QStringLiteral("Das Spiel kann nicht gespeichert werden: ")))
        << Words(status).toStdString();
}

} // namespace
