// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/Schema.h"

#include <QStringList>

#include <sqlite3.h>

#include "history/Sqlite.h"

namespace Schema {

namespace {

struct MigrationStep
{
    int From;
    const char *Sql;
};

// One step per version; a later one appends {n, "ALTER TABLE ..."}, raises
// CurrentVersion and adds its columns in ColumnsOf.
constexpr MigrationStep Steps[] = {
    {0, R"sql(
CREATE TABLE game (
    id INTEGER PRIMARY KEY,
    begun_wall_ms INTEGER NOT NULL,
    ended_wall_ms INTEGER,
    end_reason TEXT,
    regular_periods INTEGER NOT NULL DEFAULT 4,
    period_ms INTEGER NOT NULL DEFAULT 600000,
    overtime_ms INTEGER NOT NULL DEFAULT 300000,
    team1_lines TEXT NOT NULL,
    team1_checks TEXT NOT NULL,
    team2_lines TEXT NOT NULL,
    team2_checks TEXT NOT NULL
);
CREATE TABLE event (
    game_id INTEGER NOT NULL REFERENCES game(id),
    seq INTEGER NOT NULL,
    kind TEXT NOT NULL,
    game_ms INTEGER NOT NULL,
    wall_ms INTEGER NOT NULL,
    arg1 INTEGER,
    arg2 INTEGER,
    arg3 INTEGER,
    payload BLOB,
    PRIMARY KEY (game_id, seq)
) WITHOUT ROWID;
CREATE TABLE checkpoint (
    game_id INTEGER PRIMARY KEY REFERENCES game(id),
    after_seq INTEGER NOT NULL,
    game_ms INTEGER NOT NULL,
    wall_ms INTEGER NOT NULL,
    times BLOB NOT NULL
);
)sql"},
    {1, R"sql(
ALTER TABLE game ADD COLUMN team1_name TEXT;
ALTER TABLE game ADD COLUMN team2_name TEXT;
)sql"},
    {2, "CREATE INDEX game_open ON game (id) WHERE end_reason IS NULL"},
};

// Each index as its step made it; sqlite_schema keeps the statement's text.
struct OwnIndex
{
    int Since;
    const char *Name;
    const char *Sql;
};
constexpr OwnIndex Indexes[] = {
    {OpenGamesIndexVersion, OpenGamesIndex, "CREATE INDEX game_open ON game (id) WHERE end_reason IS NULL"},
};

struct TableColumns
{
    const char *Table;
    QStringList Columns;
};

// The tables as version 1 made them.
const TableColumns &Expected(int index)
{
    static const TableColumns tables[] = {
        {"game",
         {"id", "begun_wall_ms", "ended_wall_ms", "end_reason", "regular_periods", "period_ms", "overtime_ms",
          "team1_lines", "team1_checks", "team2_lines", "team2_checks"}},
        {"event", {"game_id", "seq", "kind", "game_ms", "wall_ms", "arg1", "arg2", "arg3", "payload"}},
        {"checkpoint", {"game_id", "after_seq", "game_ms", "wall_ms", "times"}},
    };
    return tables[index];
}
constexpr int TableCount = 3;

// The columns of a table at `version`: a later version adds at the end.
QStringList ColumnsOf(int table, int version)
{
    QStringList columns = Expected(table).Columns;
    if (QLatin1String(Expected(table).Table) == QLatin1String("game") && version >= 2)
        columns += {QStringLiteral("team1_name"), QStringLiteral("team2_name")};
    return columns;
}

} // namespace

int Migrate(sqlite3 *db, int fromVersion, int toVersion)
{
    int code = SQLITE_OK;
    for (const MigrationStep &step : Steps) {
        if (step.From < fromVersion || step.From >= toVersion)
            continue;
        const QByteArray setVersion = "PRAGMA user_version = " + QByteArray::number(step.From + 1);
        code = SqliteExecute(db, "BEGIN IMMEDIATE");
        if (code == SQLITE_OK)
            code = SqliteExecute(db, step.Sql);
        if (code == SQLITE_OK)
            code = SqliteExecute(db, setVersion.constData());
        if (code == SQLITE_OK)
            code = SqliteExecute(db, "COMMIT");
        if (code != SQLITE_OK) {
            code = sqlite3_extended_errcode(db);
            SqliteExecute(db, "ROLLBACK");
            break;
        }
    }
    return code;
}

bool HasTablesOf(sqlite3 *db, int version, int &code)
{
    code = SQLITE_OK;
    SqliteStatement objects(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
    if (!objects.Prepared()) {
        code = objects.PrepareCode();
        return false;
    }
    if (const int step = objects.Step(); step != SQLITE_ROW) {
        code = step;
        return false;
    }
    if (objects.Integer(0) != TableCount)
        return false;

    SqliteStatement columns(db, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    if (!columns.Prepared()) {
        code = columns.PrepareCode();
        return false;
    }
    for (int index = 0; index < TableCount; ++index) {
        const TableColumns &table = Expected(index);
        columns.Reset();
        columns.BindText(1, QString::fromLatin1(table.Table));
        QStringList found;
        int step = SQLITE_ROW;
        while ((step = columns.Step()) == SQLITE_ROW)
            found.append(columns.Text(0));
        if (step != SQLITE_DONE) {
            code = step;
            return false;
        }
        if (found != ColumnsOf(index, version))
            return false;
    }
    return true;
}

bool HasOwnIndexesOnly(sqlite3 *db, int version, int &code)
{
    code = SQLITE_OK;
    SqliteStatement indexes(db, "SELECT name, sql FROM sqlite_schema WHERE type = 'index' AND sql IS NOT NULL");
    if (!indexes.Prepared()) {
        code = indexes.PrepareCode();
        return false;
    }
    int found = 0;
    int step = SQLITE_ROW;
    while ((step = indexes.Step()) == SQLITE_ROW) {
        const QString name = indexes.Text(0);
        const QString sql = indexes.Text(1);
        bool own = false;
        for (const OwnIndex &index : Indexes)
            own =
                own || (version >= index.Since && name == QLatin1String(index.Name) && sql == QLatin1String(index.Sql));
        if (!own)
            return false;
        ++found;
    }
    if (step != SQLITE_DONE) {
        code = step;
        return false;
    }
    int expected = 0;
    for (const OwnIndex &index : Indexes)
        expected += version >= index.Since ? 1 : 0;
    return found == expected;
}

} // namespace Schema
