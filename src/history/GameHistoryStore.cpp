// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/GameHistoryStore.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <sqlite3.h>
#include <string_view>
#include <sys/stat.h>

#include "history/CompanionCheck.h"
#include "history/DatabaseHeader.h"
#include "history/PayloadCodec.h"
#include "history/PrivateFiles.h"
#include "history/RegularFile.h"
#include "history/Schema.h"

namespace {

constexpr int BusyTimeoutMs = 2000;
// SQLite checkpoints by itself once the WAL holds this many pages (about
// two minutes of running clock: a second is two pages, page 1 and the
// checkpoint's), and cuts the file back to this size when it starts it
// again: a damaged WAL can cost no more than that.
constexpr int AutoCheckpointPages = 256;
constexpr int WalSizeLimit = 1 << 20;

// What a first look at the file found.
enum class Verdict { Ready, Damaged, Foreign, Newer, CannotOpen };

struct Attempt
{
    Verdict Found = Verdict::CannotOpen;
    HistoryCause Reason; // for CannotOpen
    int Version = 0;
    SqliteConnection Connection;
    std::int64_t Mark = 0;
};

Attempt Failed(Verdict verdict, HistoryCause reason = {})
{
    Attempt attempt;
    attempt.Found = verdict;
    attempt.Reason = std::move(reason);
    return attempt;
}

// A failed look at the file: damage, or something that keeps it from being opened.
Attempt FailedWith(int code)
{
    return IsDamageCode(code) ? Failed(Verdict::Damaged) : Failed(Verdict::CannotOpen, SqliteCause(code));
}

qint64 SizeAt(const QString &path)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? qint64(info.st_size) : 0;
}

// Only a regular file (or none) may stand where the database and its
// companions belong: SQLite would follow a link out of the data folder
// (and create its journals beside the target), and opening a FIFO waits
// for a writer that never comes.  Anything else is left as it is; no cause,
// or what stands where.
HistoryCause OddFileInPlace(const QString &path)
{
    using PrivateFiles::FileKind;
    const FileKind kind = PrivateFiles::KindAt(path);
    if (kind == FileKind::Folder)
        return HistoryCause::System(EISDIR);
    if (kind != FileKind::Missing && kind != FileKind::Regular)
        return {HistoryCause::Kind::FileInPlace, int(kind), 0, {}, {}};
    for (const char *suffix : PrivateFiles::CompanionSuffixes) {
        const FileKind companion = PrivateFiles::KindAt(path + QLatin1String(suffix));
        if (companion != FileKind::Missing && companion != FileKind::Regular)
            return {HistoryCause::Kind::CompanionInPlace,
                    int(companion),
                    0,
                    QFileInfo(path).fileName() + QLatin1String(suffix),
                    {}};
    }
    return {};
}

// What can be told from the bytes alone, before SQLite opens the file:
// opening would change it (SQLite deletes a journal beside an empty file,
// and a connection checkpoints into the file as it closes), and a damaged
// file must go aside as it was.  SQLite also reads a file that was cut
// short as zeros past its end and checks only the structure of its pages,
// so a cut inside row data could pass: the header tells how long the file
// must be.  With a non-empty journal beside it the pages may lie there
// instead, and only SQLite can tell.
bool LooksDamaged(const QString &path)
{
    const RegularFile file(path);
    if (!file.IsOpen())
        return false; // SQLite says why
    bool journal = false;
    for (const char *suffix : PrivateFiles::CompanionSuffixes)
        journal = journal || SizeAt(path + QLatin1String(suffix)) > 0;
    const qint64 size = file.Size();
    if (size == 0)
        return journal; // a new, empty database has no journal
    const std::optional<DatabaseHeader> header = DatabaseHeader::Parse(file.Read(0, DatabaseHeader::Size));
    if (!header)
        return true;
    if (journal)
        return false;
    if (header->PageSize == 0 || size % header->PageSize != 0)
        return true;
    // The page count in the header counts only when written by the same change as the header.
    return header->PageCountValid && qint64(header->PageCount) * header->PageSize > size;
}

// While the file is being judged, closing the connection must leave it and
// its journal as they are (no checkpoint into it, no journal deleted).
void KeepFilesOnClose(sqlite3 *handle, bool keep)
{
    sqlite3_db_config(handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keep ? 1 : 0, nullptr);
    int persist = keep ? 1 : 0;
    sqlite3_file_control(handle, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
}

using CompanionsSeen = std::array<bool, PrivateFiles::CompanionSuffixes.size()>;

CompanionsSeen SeeCompanions(const QString &path)
{
    CompanionsSeen seen{};
    for (std::size_t index = 0; index < seen.size(); ++index)
        seen[index] = PrivateFiles::KindAt(path + QLatin1String(PrivateFiles::CompanionSuffixes[index]))
            != PrivateFiles::FileKind::Missing;
    return seen;
}

// Reading a database in WAL mode creates an empty journal and its index
// beside it; a file that is not ours to write gets them taken away again.
void RemoveCompanionsOfReading(const QString &path, const CompanionsSeen &before)
{
    static_assert(PrivateFiles::CompanionSuffixes[0] == std::string_view("-wal")
                  && PrivateFiles::CompanionSuffixes[1] == std::string_view("-shm"));
    const QString journal = path + QLatin1String(PrivateFiles::CompanionSuffixes[0]);
    const QString index = path + QLatin1String(PrivateFiles::CompanionSuffixes[1]);
    if (before[0] || SizeAt(journal) != 0)
        return;
    QFile::remove(journal);
    if (!before[1])
        QFile::remove(index);
}

// Reads every value start-up reads: the latest game with its actions and
// checkpoint, and the open games.  SQLite checks each page it reads on the
// way (with cell_size_check, its cells too), so damage there shows now,
// while the file can still go aside; the rest of the file is checked after
// start-up (IntegrityCheck), as a full check reads all of it.
int ReadWhatStartUpReads(sqlite3 *handle, int version)
{
    auto readAll = [](SqliteStatement &statement) {
        if (!statement.Prepared())
            return statement.PrepareCode();
        int code = SQLITE_ROW;
        while ((code = statement.Step()) == SQLITE_ROW) {
            for (int column = 0; column < statement.ColumnCount(); ++column)
                statement.Blob(column);
        }
        return code == SQLITE_DONE ? SQLITE_OK : code;
    };
    SqliteStatement latest(handle, "SELECT * FROM game ORDER BY id DESC LIMIT 1");
    if (const int code = readAll(latest); code != SQLITE_OK)
        return code;
    SqliteStatement latestId(handle, "SELECT max(id) FROM game");
    if (!latestId.Prepared())
        return latestId.PrepareCode();
    if (const int code = latestId.Step(); code != SQLITE_ROW)
        return code;
    const std::int64_t game = latestId.Integer(0);
    for (const char *sql : {"SELECT * FROM event WHERE game_id = ?1", "SELECT * FROM checkpoint WHERE game_id = ?1"}) {
        SqliteStatement rows(handle, sql);
        if (rows.Prepared())
            rows.BindInteger(1, game);
        if (const int code = readAll(rows); code != SQLITE_OK)
            return code;
    }
    if (version >= Schema::OpenGamesIndexVersion) {
        SqliteStatement open(handle, "SELECT id FROM game INDEXED BY game_open WHERE end_reason IS NULL");
        if (const int code = readAll(open); code != SQLITE_OK)
            return code;
    }
    return SQLITE_OK;
}

// The database's mark (see CompanionCheck): a random number in
// application_id, given once to a file that has none.
std::int64_t MarkDatabase(SqliteConnection &connection, int &code)
{
    const SqliteConnection::Single mark = connection.QueryOne("PRAGMA application_id");
    code = mark.Code;
    if (code != SQLITE_OK)
        return 0;
    if (mark.Integer.value_or(0) != 0)
        return *mark.Integer;
    const std::int64_t fresh = 1 + QRandomGenerator::system()->bounded(0x7ffffffe);
    const QByteArray set = "PRAGMA application_id = " + QByteArray::number(fresh);
    code = connection.Execute(set.constData());
    return code == SQLITE_OK ? fresh : 0;
}

// Moves what the WAL holds into the database file and empties it, without
// waiting: a reader in the way leaves the rest for the next time.
int MoveLog(sqlite3 *handle)
{
    sqlite3_busy_timeout(handle, 0);
    const int code = sqlite3_wal_checkpoint_v2(handle, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    return (code & 0xFF) == SQLITE_BUSY ? SQLITE_OK : code;
}

// Opens the file and decides what it is, changing nothing in a file that
// turns out damaged, foreign or newer.  Ready leaves the connection in WAL
// mode with the current tables, the WAL moved into the file.
Attempt TryOpen(const QString &path, const QDateTime &now, CompanionCheck::Outcome &companions)
{
    if (HistoryCause odd = OddFileInPlace(path); !odd.IsNone())
        return Failed(Verdict::CannotOpen, odd);
    if (HistoryCause reason = PrivateFiles::EnsureFolder(QFileInfo(path).absolutePath()); !reason.IsNone())
        return Failed(Verdict::CannotOpen, reason);
    // Created here with mode 0600; SQLite gives its -wal and -shm the same mode.
    if (HistoryCause reason = PrivateFiles::PrepareFile(path); !reason.IsNone())
        return Failed(Verdict::CannotOpen, reason);
    companions = CompanionCheck::Run(path, now, Schema::CurrentVersion);
    if (!companions.Error.IsNone())
        return Failed(Verdict::CannotOpen, companions.Error);
    if (LooksDamaged(path))
        return Failed(Verdict::Damaged);

    const CompanionsSeen companionsBefore = SeeCompanions(path);
    sqlite3 *handle = nullptr;
    const QByteArray native = QFile::encodeName(path);
    const int opened = sqlite3_open_v2(
        native.constData(), &handle,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_EXRESCODE, nullptr);
    SqliteConnection connection(handle);
    if (opened != SQLITE_OK)
        return FailedWith(opened);
    KeepFilesOnClose(handle, true);
    if (sqlite3_db_readonly(handle, "main") == 1)
        return Failed(Verdict::CannotOpen, SqliteCause(SQLITE_READONLY));
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    // A file from elsewhere must not run code of its own through our statements.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    connection.Execute("PRAGMA cell_size_check = ON");

    const SqliteConnection::Single version = connection.QueryOne("PRAGMA user_version");
    if (version.Code != SQLITE_OK)
        return FailedWith(version.Code);
    const int userVersion = int(version.Integer.value_or(0));
    if (userVersion > Schema::CurrentVersion) {
        connection = SqliteConnection();
        RemoveCompanionsOfReading(path, companionsBefore);
        Attempt attempt = Failed(Verdict::Newer);
        attempt.Version = userVersion;
        return attempt;
    }
    if (userVersion < 0)
        return Failed(Verdict::Foreign);

    // Views and triggers, and indexes other than its own, would make it another program's file.
    const SqliteConnection::Single extras =
        connection.QueryOne("SELECT count(*) FROM sqlite_schema WHERE type IN ('view', 'trigger')");
    if (extras.Code != SQLITE_OK)
        return FailedWith(extras.Code);
    const SqliteConnection::Single tables =
        connection.QueryOne("SELECT count(*) FROM sqlite_schema WHERE type = 'table'");
    if (tables.Code != SQLITE_OK)
        return FailedWith(tables.Code);
    if (extras.Integer.value_or(1) != 0 || (userVersion == 0 && tables.Integer.value_or(1) != 0))
        return Failed(Verdict::Foreign);

    // Looked at before WAL mode or a migration changes the file: a foreign
    // file stays byte for byte.
    int code = SQLITE_OK;
    if (!Schema::HasOwnIndexesOnly(handle, userVersion, code))
        return code == SQLITE_OK ? Failed(Verdict::Foreign) : FailedWith(code);
    if (userVersion > 0 && !Schema::HasTablesOf(handle, userVersion, code))
        return code == SQLITE_OK ? Failed(Verdict::Foreign) : FailedWith(code);
    if (userVersion > 0) {
        code = ReadWhatStartUpReads(handle, userVersion);
        if (code != SQLITE_OK)
            return FailedWith(code);
    }

    const SqliteConnection::Single journal = connection.QueryOne("PRAGMA journal_mode = WAL");
    if (journal.Code != SQLITE_OK)
        return FailedWith(journal.Code);
    if (journal.Text.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return Failed(Verdict::CannotOpen, {HistoryCause::Kind::NoWriteAheadLog, 0, 0, {}, {}});
    const QByteArray settings = "PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON; PRAGMA wal_autocheckpoint = "
        + QByteArray::number(AutoCheckpointPages) + "; PRAGMA journal_size_limit = " + QByteArray::number(WalSizeLimit);
    code = connection.Execute(settings.constData());
    if (code != SQLITE_OK)
        return FailedWith(connection.LastCode());

    if (userVersion < Schema::CurrentVersion) {
        code = Schema::Migrate(handle, userVersion);
        if (code != SQLITE_OK)
            return FailedWith(code);
    }
    if (!Schema::HasCurrentTables(handle, code) || !Schema::HasOwnIndexesOnly(handle, Schema::CurrentVersion, code))
        return code == SQLITE_OK ? Failed(Verdict::Foreign) : FailedWith(code);
    const std::int64_t mark = MarkDatabase(connection, code);
    if (code != SQLITE_OK)
        return FailedWith(code);
    PrivateFiles::TightenCompanions(path);
    KeepFilesOnClose(handle, false);
    // A game left in the WAL by a crash is in the file from now on, and the
    // mark of a new file on the disk before any game is written.
    code = MoveLog(handle);
    if (code != SQLITE_OK)
        return FailedWith(code);

    Attempt attempt;
    attempt.Found = Verdict::Ready;
    attempt.Version = Schema::CurrentVersion;
    attempt.Connection = std::move(connection);
    attempt.Mark = mark;
    return attempt;
}

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

HistoryProblem Damaged(HistoryProblem::Kind what, std::int64_t number = 0)
{
    HistoryProblem problem = HistoryProblem::Of(what);
    problem.Number = number;
    return problem;
}

HistoryStatus WriteError(int code)
{
    return {HistoryProblem::Of(HistoryProblem::Kind::CannotWrite, {}, SqliteCause(code))};
}

// The first four columns id, begun_wall_ms, ended_wall_ms, end_reason of a
// game row; nothing, or what is damaged.
std::optional<HistoryProblem> ReadSummary(const SqliteStatement &row, GameSummary &summary)
{
    summary.Id = row.Integer(0);
    summary.BegunWallMs = row.Integer(1);
    if (!row.IsNull(2))
        summary.EndedWallMs = row.Integer(2);
    if (!row.IsNull(3)) {
        summary.EndReason = GameEndReasonFromName(row.Text(3));
        if (!summary.EndReason)
            return Damaged(HistoryProblem::Kind::DamagedEndReason);
    }
    return {};
}

} // namespace

GameHistoryStore::OpenResult GameHistoryStore::Open(const QString &path, const QDateTime &now)
{
    OpenResult result;
    CompanionCheck::Outcome companions;
    Attempt first = TryOpen(path, now, companions);
    // What was set aside beside the database is told first, in the same message.
    auto finish = [&result, &companions](std::optional<HistoryProblem> problem) {
        result.Told = companions.Notes;
        if (problem)
            result.Told.push_back(std::move(*problem));
    };
    std::optional<HistoryProblem> opened;
    switch (first.Found) {
    case Verdict::Ready:
        if (!companions.Notes.empty()) {
            result.Problem = OpenProblem::CompanionSetAside;
            result.SetAsidePath = companions.AsidePath;
        }
        break;
    case Verdict::Newer: {
        result.Problem = OpenProblem::NewerVersion;
        HistoryProblem newer = HistoryProblem::Of(HistoryProblem::Kind::NewerVersion, path);
        newer.Number = first.Version;
        finish(newer);
        return result;
    }
    case Verdict::CannotOpen:
        result.Problem = OpenProblem::CannotOpen;
        finish(HistoryProblem::Of(HistoryProblem::Kind::CannotOpen, path, first.Reason));
        return result;
    case Verdict::Damaged:
    case Verdict::Foreign: {
        // The handle must be closed before the file changes its name.
        first.Connection = SqliteConnection();
        const bool foreign = first.Found == Verdict::Foreign;
        const PrivateFiles::MoveAsideOutcome moved = PrivateFiles::MoveAside(path, now);
        result.SetAsidePath = moved.NewPath;
        if (!moved.Error.IsNone()) {
            result.Problem = OpenProblem::CannotOpen;
            HistoryProblem stuck = HistoryProblem::Of(HistoryProblem::Kind::NotSetAside, path, moved.Error);
            stuck.Foreign = foreign;
            finish(stuck);
            return result;
        }
        HistoryProblem kept = HistoryProblem::Of(HistoryProblem::Kind::SetAside, path);
        kept.Foreign = foreign;
        kept.Names = QStringList{FileName(moved.NewPath)};
        CompanionCheck::Outcome none;
        first = TryOpen(path, now, none);
        if (first.Found != Verdict::Ready) {
            result.Problem = OpenProblem::CannotOpen;
            kept.What = HistoryProblem::Kind::SetAsideNoNew;
            kept.Cause = first.Reason.IsNone() ? SqliteCause(SQLITE_CORRUPT) : first.Reason;
            finish(kept);
            return result;
        }
        result.Problem = OpenProblem::SetAside;
        opened = kept;
        break;
    }
    }

    std::unique_ptr<GameHistoryStore> store(new GameHistoryStore(path, std::move(first.Connection)));
    if (!store->PrepareStatements(first.Mark)) {
        result.Problem = OpenProblem::CannotOpen;
        finish(HistoryProblem::Of(HistoryProblem::Kind::CannotOpen, path, SqliteCause(store->m_connection.LastCode())));
        return result;
    }
    finish(opened);
    result.Store = std::move(store);
    return result;
}

GameHistoryStore::GameHistoryStore(QString path, SqliteConnection connection)
    : m_path(std::move(path))
    , m_connection(std::move(connection))
{ }

GameHistoryStore::~GameHistoryStore() = default;

bool GameHistoryStore::PrepareStatements(std::int64_t mark)
{
    const QByteArray markSql = "PRAGMA application_id = " + QByteArray::number(mark);
    m_begin = SqliteStatement(m_connection.Handle(), "BEGIN IMMEDIATE", true);
    m_mark = SqliteStatement(m_connection.Handle(), markSql.constData(), true);
    m_commit = SqliteStatement(m_connection.Handle(), "COMMIT", true);
    // The next sequence number comes from the same statement: one action is one atomic insert.
    m_insertEvent =
        SqliteStatement(m_connection.Handle(),
                        "INSERT INTO event (game_id, seq, kind, game_ms, wall_ms, arg1, arg2, arg3, payload) "
                        "SELECT ?1, coalesce(max(seq), 0) + 1, ?2, ?3, ?4, ?5, ?6, ?7, ?8 "
                        "FROM event WHERE game_id = ?1",
                        true);
    m_saveCheckpoint = SqliteStatement(m_connection.Handle(),
                                       "INSERT INTO checkpoint (game_id, after_seq, game_ms, wall_ms, times) "
                                       "VALUES (?1, (SELECT coalesce(max(seq), 0) FROM event WHERE game_id = ?1), "
                                       "?2, ?3, ?4) "
                                       "ON CONFLICT (game_id) DO UPDATE SET after_seq = excluded.after_seq, "
                                       "game_ms = excluded.game_ms, wall_ms = excluded.wall_ms, times = excluded.times",
                                       true);
    return m_begin.Prepared() && m_mark.Prepared() && m_commit.Prepared() && m_insertEvent.Prepared()
        && m_saveCheckpoint.Prepared();
}

namespace {

// Runs a statement without rows once; SQLITE_OK or the code that stopped it.
int RunOnce(SqliteStatement &statement)
{
    const int code = statement.Step();
    statement.Reset();
    return code == SQLITE_DONE || code == SQLITE_ROW ? SQLITE_OK : code;
}

} // namespace

HistoryStatus GameHistoryStore::Write(const std::function<int()> &body)
{
    // Every transaction rewrites page 1 with the database's mark, so that
    // each commit in the WAL names the database it belongs to (see CompanionCheck).
    int code = RunOnce(m_begin);
    if (code == SQLITE_OK)
        code = RunOnce(m_mark);
    if (code == SQLITE_OK)
        code = body();
    if (code == SQLITE_OK)
        code = RunOnce(m_commit);
    if (code == SQLITE_OK)
        return {};
    if (sqlite3_get_autocommit(m_connection.Handle()) == 0)
        m_connection.Execute("ROLLBACK");
    return WriteError(code);
}

HistoryStatus GameHistoryStore::MoveLogIntoDatabase()
{
    if (const int code = MoveLog(m_connection.Handle()); code != SQLITE_OK)
        return WriteError(code);
    return {};
}

template <typename T>
HistoryResult<T> GameHistoryStore::ReadFailure(int code)
{
    return HistoryResult<T>::Failure(HistoryProblem::Of(HistoryProblem::Kind::CannotRead, {}, SqliteCause(code)));
}

int GameHistoryStore::InsertEvent(GameId game, const GameEvent &event)
{
    SqliteStatement &insert = m_insertEvent;
    insert.Reset();
    insert.BindInteger(1, game);
    insert.BindText(2, event.Kind == GameEventKind::Unknown ? event.KindName : GameEventKindName(event.Kind));
    insert.BindInteger(3, event.GameMs);
    insert.BindInteger(4, event.WallMs);
    const int args = GameEventArgCount(event.Kind);
    const std::int64_t values[] = {event.Arg1, event.Arg2, event.Arg3};
    for (int index = 0; index < 3; ++index) {
        if (index < args)
            insert.BindInteger(5 + index, values[index]);
        else
            insert.BindNull(5 + index);
    }
    insert.BindBlob(8, event.Payload);
    return RunOnce(insert);
}

HistoryResult<GameId> GameHistoryStore::BeginGame(const GameOpening &opening, const GameEvent &firstAction)
{
    GameId game = 0;
    const HistoryStatus status = Write([&] {
        SqliteStatement insert(m_connection.Handle(),
                               "INSERT INTO game (begun_wall_ms, regular_periods, period_ms, overtime_ms, "
                               "team1_lines, team1_checks, team2_lines, team2_checks, team1_name, team2_name) "
                               "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
        if (!insert.Prepared())
            return insert.PrepareCode();
        insert.BindInteger(1, opening.WallMs);
        insert.BindInteger(2, opening.Format.RegularPeriods);
        insert.BindInteger(3, opening.Format.PeriodMs);
        insert.BindInteger(4, opening.Format.OvertimeMs);
        for (int team = 0; team < HistoryTeamCount; ++team) {
            const RosterState &roster = opening.Rosters[team];
            std::vector<bool> checked = roster.Checked;
            checked.resize(std::size_t(roster.Lines.size()), false);
            insert.BindText(5 + 2 * team, QString::fromUtf8(PayloadCodec::EncodeLines(roster.Lines)));
            insert.BindText(6 + 2 * team, PayloadCodec::EncodeChecks(checked));
            // No name is NULL, as in the games stored before names were kept.
            const QString &name = opening.TeamNames[team];
            if (name.isEmpty())
                insert.BindNull(9 + team);
            else
                insert.BindText(9 + team, name);
        }
        if (const int code = RunOnce(insert); code != SQLITE_OK)
            return code;
        game = sqlite3_last_insert_rowid(m_connection.Handle());
        return InsertEvent(game, firstAction);
    });
    if (!status)
        return HistoryResult<GameId>::Failure(*status.Problem);
    return HistoryResult<GameId>::Of(game);
}

HistoryStatus GameHistoryStore::AppendEvent(GameId game, const GameEvent &event)
{
    return Write([&] { return InsertEvent(game, event); });
}

HistoryStatus GameHistoryStore::SaveCheckpoint(GameId game, const GameCheckpoint &checkpoint)
{
    return Write([&] {
        SqliteStatement &save = m_saveCheckpoint;
        save.Reset();
        save.BindInteger(1, game);
        save.BindInteger(2, checkpoint.GameMs);
        save.BindInteger(3, checkpoint.WallMs);
        save.BindBlob(4, PayloadCodec::EncodeTimes(checkpoint.Times));
        return RunOnce(save);
    });
}

HistoryStatus GameHistoryStore::EndGame(GameId game, GameEndReason reason, std::int64_t wallMs)
{
    return Write([&] {
        SqliteStatement end(m_connection.Handle(),
                            "UPDATE game SET ended_wall_ms = ?2, end_reason = ?3 WHERE id = ?1 AND end_reason IS NULL");
        if (!end.Prepared())
            return end.PrepareCode();
        end.BindInteger(1, game);
        end.BindInteger(2, wallMs);
        end.BindText(3, GameEndReasonName(reason));
        return RunOnce(end);
    });
}

HistoryStatus GameHistoryStore::ReopenGame(GameId game, std::int64_t gameMs, std::int64_t wallMs)
{
    bool notEndedByReset = false;
    const HistoryStatus status = Write([&] {
        SqliteStatement reopen(m_connection.Handle(),
                               "UPDATE game SET ended_wall_ms = NULL, end_reason = NULL "
                               "WHERE id = ?1 AND end_reason = 'reset'");
        if (!reopen.Prepared())
            return reopen.PrepareCode();
        reopen.BindInteger(1, game);
        if (const int code = RunOnce(reopen); code != SQLITE_OK)
            return code;
        if (sqlite3_changes(m_connection.Handle()) != 1) {
            notEndedByReset = true;
            return SQLITE_CONSTRAINT;
        }
        return InsertEvent(game, GameEvent::ResetUndone(gameMs, wallMs));
    });
    if (notEndedByReset)
        return {HistoryProblem::Of(HistoryProblem::Kind::NotEndedByReset)};
    return status;
}

HistoryResult<std::optional<GameSummary>> GameHistoryStore::LatestGame()
{
    using Result = HistoryResult<std::optional<GameSummary>>;
    SqliteStatement latest(m_connection.Handle(),
                           "SELECT id, begun_wall_ms, ended_wall_ms, end_reason FROM game ORDER BY id DESC LIMIT 1");
    if (!latest.Prepared())
        return ReadFailure<std::optional<GameSummary>>(latest.PrepareCode());
    const int code = latest.Step();
    if (code == SQLITE_DONE)
        return Result::Of(std::nullopt);
    if (code != SQLITE_ROW)
        return ReadFailure<std::optional<GameSummary>>(code);
    GameSummary summary;
    if (std::optional<HistoryProblem> damage = ReadSummary(latest, summary))
        return Result::Failure(std::move(*damage));
    return Result::Of(summary);
}

HistoryResult<StoredGame> GameHistoryStore::LoadGame(GameId game)
{
    using Result = HistoryResult<StoredGame>;
    StoredGame stored;
    {
        SqliteStatement row(m_connection.Handle(),
                            "SELECT id, begun_wall_ms, ended_wall_ms, end_reason, regular_periods, period_ms, "
                            "overtime_ms, team1_lines, team1_checks, team2_lines, team2_checks, team1_name, team2_name "
                            "FROM game WHERE id = ?1");
        if (!row.Prepared())
            return ReadFailure<StoredGame>(row.PrepareCode());
        row.BindInteger(1, game);
        const int code = row.Step();
        if (code == SQLITE_DONE)
            return Result::Failure(Damaged(HistoryProblem::Kind::DamagedGameMissing));
        if (code != SQLITE_ROW)
            return ReadFailure<StoredGame>(code);
        GameSummary &summary = stored.Summary;
        if (std::optional<HistoryProblem> damage = ReadSummary(row, summary))
            return Result::Failure(std::move(*damage));
        stored.Opening.WallMs = summary.BegunWallMs;
        stored.Opening.Format.RegularPeriods = int(std::clamp<std::int64_t>(row.Integer(4), INT_MIN, INT_MAX));
        stored.Opening.Format.PeriodMs = row.Integer(5);
        stored.Opening.Format.OvertimeMs = row.Integer(6);
        for (int team = 0; team < HistoryTeamCount; ++team) {
            const auto lines = PayloadCodec::DecodeLines(row.Blob(7 + 2 * team));
            const auto checks = PayloadCodec::DecodeChecks(row.Text(8 + 2 * team));
            if (!lines || !checks || checks->size() != std::size_t(lines->size()))
                return Result::Failure(Damaged(HistoryProblem::Kind::DamagedRoster, team + 1));
            stored.Opening.Rosters[team] = {*lines, *checks};
            stored.Opening.TeamNames[team] = row.Text(11 + team); // NULL: none
        }
    }
    {
        SqliteStatement events(m_connection.Handle(),
                               "SELECT seq, kind, game_ms, wall_ms, arg1, arg2, arg3, payload FROM event "
                               "WHERE game_id = ?1 ORDER BY seq");
        if (!events.Prepared())
            return ReadFailure<StoredGame>(events.PrepareCode());
        events.BindInteger(1, game);
        int code = SQLITE_ROW;
        while ((code = events.Step()) == SQLITE_ROW) {
            GameEvent event;
            event.Sequence = events.Integer(0);
            event.KindName = events.Text(1);
            event.Kind = GameEventKindFromName(event.KindName);
            event.GameMs = events.Integer(2);
            event.WallMs = events.Integer(3);
            event.Arg1 = events.Integer(4);
            event.Arg2 = events.Integer(5);
            event.Arg3 = events.Integer(6);
            event.Payload = events.Blob(7);
            stored.Events.push_back(std::move(event));
        }
        if (code != SQLITE_DONE)
            return ReadFailure<StoredGame>(code);
    }
    {
        SqliteStatement checkpoint(m_connection.Handle(),
                                   "SELECT after_seq, game_ms, wall_ms, times FROM checkpoint WHERE game_id = ?1");
        if (!checkpoint.Prepared())
            return ReadFailure<StoredGame>(checkpoint.PrepareCode());
        checkpoint.BindInteger(1, game);
        const int code = checkpoint.Step();
        if (code == SQLITE_ROW) {
            const auto times = PayloadCodec::DecodeTimes(checkpoint.Blob(3));
            if (!times)
                return Result::Failure(Damaged(HistoryProblem::Kind::DamagedCheckpoint));
            stored.Checkpoint =
                GameCheckpoint{checkpoint.Integer(0), checkpoint.Integer(1), checkpoint.Integer(2), *times};
        } else if (code != SQLITE_DONE) {
            return ReadFailure<StoredGame>(code);
        }
    }
    return Result::Of(std::move(stored));
}

HistoryResult<std::vector<GameId>> GameHistoryStore::OpenGames()
{
    // Through the index of the open games: start-up never reads every game.
    SqliteStatement open(m_connection.Handle(),
                         "SELECT id FROM game INDEXED BY game_open WHERE end_reason IS NULL ORDER BY id");
    if (!open.Prepared())
        return ReadFailure<std::vector<GameId>>(open.PrepareCode());
    std::vector<GameId> games;
    int code = SQLITE_ROW;
    while ((code = open.Step()) == SQLITE_ROW)
        games.push_back(open.Integer(0));
    if (code != SQLITE_DONE)
        return ReadFailure<std::vector<GameId>>(code);
    return HistoryResult<std::vector<GameId>>::Of(std::move(games));
}

HistoryResult<std::int64_t> GameHistoryStore::GameCount()
{
    const SqliteConnection::Single count = m_connection.QueryOne("SELECT count(*) FROM game");
    if (count.Code != SQLITE_OK)
        return ReadFailure<std::int64_t>(count.Code);
    return HistoryResult<std::int64_t>::Of(count.Integer.value_or(0));
}
