// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "HistoryTestSupport.h"

#include <QDir>

#include <csignal>
#include <cstdlib>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace HistoryTest {

namespace {

constexpr unsigned NobodyId = 65534;

[[noreturn]] void RunAsNobodyAndExit(const std::function<bool()> &check)
{
    if (::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0)
        std::_Exit(2);
    std::_Exit(check() ? 0 : 1);
}

} // namespace

QStringList NumberedLines(const QString &prefix, int count)
{
    QStringList lines;
    for (int line = 0; line < count; ++line)
        lines.append(QStringLiteral("%1 %2%3").arg(line + 4, 2).arg(prefix).arg(line + 1));
    return lines;
}

GameOpening SampleOpening(int lines1, int lines2, std::int64_t wallMs)
{
    GameOpening opening;
    opening.WallMs = wallMs;
    const int counts[] = {lines1, lines2};
    const QString prefixes[] = {QStringLiteral("Adler"), QStringLiteral("Falke")};
    for (int team = 0; team < 2; ++team) {
        RosterState &roster = opening.Rosters[team];
        roster.Lines = NumberedLines(prefixes[team], counts[team]);
        roster.Checked.assign(std::size_t(counts[team]), false);
        for (int line = 0; line < 5 && line < counts[team]; ++line)
            roster.Checked[std::size_t(line)] = true;
    }
    return opening;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

unsigned ModeOf(const QString &path)
{
    struct stat info
    { };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0xFFFFFFFFu;
    return info.st_mode & 07777;
}

bool Exists(const QString &path)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::unique_ptr<GameHistoryStore> OpenStore(const QString &path)
{
    GameHistoryStore::OpenResult opened = GameHistoryStore::Open(path);
    EXPECT_TRUE(opened.Store) << Words(opened).toStdString();
    EXPECT_EQ(opened.Problem, GameHistoryStore::OpenProblem::None) << Words(opened).toStdString();
    return std::move(opened.Store);
}

GameId StoreInOrder(GameHistoryStore &store, const StoredGame &game)
{
    const HistoryResult<GameId> begun = store.BeginGame(game.Opening, game.Events.front());
    EXPECT_TRUE(begun) << Words(begun).toStdString();
    const GameId id = begun.Value.value_or(0);
    for (std::size_t index = 1; index <= game.Events.size(); ++index) {
        if (game.Checkpoint && game.Checkpoint->AfterSequence == std::int64_t(index)) {
            EXPECT_TRUE(store.SaveCheckpoint(id, *game.Checkpoint));
        }
        if (index < game.Events.size()) {
            EXPECT_TRUE(store.AppendEvent(id, game.Events[index]));
        }
    }
    return id;
}

RawDatabase::RawDatabase(const QString &path)
{
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    EXPECT_EQ(code, SQLITE_OK) << sqlite3_errmsg(m_db);
    sqlite3_busy_timeout(m_db, 5000);
}

RawDatabase::~RawDatabase()
{
    sqlite3_close_v2(m_db);
}

void RawDatabase::Execute(const std::string &sql)
{
    char *error = nullptr;
    const int code = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(code, SQLITE_OK) << sql << ": " << (error ? error : "");
    sqlite3_free(error);
}

std::int64_t RawDatabase::Integer(const std::string &sql)
{
    sqlite3_stmt *statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(m_db);
    std::int64_t value = -1;
    if (statement && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

QString RawDatabase::Text(const std::string &sql)
{
    sqlite3_stmt *statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(m_db);
    QString value;
    if (statement && sqlite3_step(statement) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return value;
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes)
{
    // Without this the process would be killed by SIGXFSZ instead of seeing EFBIG.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_soft = limit.rlim_cur;
    limit.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_soft;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
}

void ExpectAsUnprivilegedUser(const std::function<bool()> &check)
{
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    EXPECT_EXIT(RunAsNobodyAndExit(check), testing::ExitedWithCode(0), "");
}

unsigned UnprivilegedUid()
{
    return ::geteuid() == 0 ? NobodyId : ::geteuid();
}

} // namespace HistoryTest
