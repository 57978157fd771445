// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A thin layer over SQLite's C API for the history store: a connection and
// prepared statements that clean up after themselves, and what SQLite's
// result codes come to as the cause of a failure.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

#include "history/HistoryProblem.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteConnection
{
public:
    SqliteConnection() = default;
    // Takes over a handle from sqlite3_open_v2 (also a failed one, which still needs closing).
    explicit SqliteConnection(sqlite3 *handle)
        : m_handle(handle)
    { }
    ~SqliteConnection();
    SqliteConnection(SqliteConnection &&other) noexcept;
    SqliteConnection &operator=(SqliteConnection &&other) noexcept;
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    sqlite3 *Handle() const { return m_handle; }
    // Runs statements that return no rows; the SQLite result code.
    int Execute(const char *sql);
    // The first column of the first row of a one-value query, or the result code that stopped it.
    struct Single
    {
        int Code = 0;
        std::optional<std::int64_t> Integer;
        QString Text;
    };
    Single QueryOne(const char *sql);
    // The extended result code of the last call on this connection.
    int LastCode() const;

private:
    sqlite3 *m_handle = nullptr;
};

class SqliteStatement
{
public:
    SqliteStatement() = default;
    // Prepares `sql`; a statement kept for the life of the store is `persistent`.
    SqliteStatement(sqlite3 *db, const char *sql, bool persistent = false);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool Prepared() const { return m_statement != nullptr; }
    int PrepareCode() const { return m_prepareCode; }

    // Placeholders count from 1, as in SQLite.
    void BindInteger(int index, std::int64_t value);
    void BindOptionalInteger(int index, std::optional<std::int64_t> value);
    void BindNull(int index);
    void BindText(int index, const QString &text);
    // An empty array binds NULL.
    void BindBlob(int index, const QByteArray &bytes);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    // Ready for the next use with new values.
    void Reset();

    int ColumnCount() const;
    bool IsNull(int column) const;
    std::int64_t Integer(int column) const;
    std::optional<std::int64_t> OptionalInteger(int column) const;
    // Whether the column holds an integer value (not text, real, blob or NULL).
    bool IsInteger(int column) const;
    QString Text(int column) const;
    QByteArray Blob(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_prepareCode = 0;
};

// Runs statements that return no rows; the SQLite result code.
int SqliteExecute(sqlite3 *db, const char *sql);

// Whether a result code means that the file is damaged or no database.
bool IsDamageCode(int code);
// What a result code comes to, as the cause of a failure.
HistoryCause SqliteCause(int code);
