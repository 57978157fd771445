// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/Sqlite.h"

#include <sqlite3.h>
#include <utility>

SqliteConnection::~SqliteConnection()
{
    // close_v2 waits for statements still prepared instead of failing.
    if (m_handle)
        sqlite3_close_v2(m_handle);
}

SqliteConnection::SqliteConnection(SqliteConnection &&other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr))
{ }

SqliteConnection &SqliteConnection::operator=(SqliteConnection &&other) noexcept
{
    if (this != &other) {
        if (m_handle)
            sqlite3_close_v2(m_handle);
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

int SqliteConnection::Execute(const char *sql)
{
    return SqliteExecute(m_handle, sql);
}

int SqliteExecute(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

SqliteConnection::Single SqliteConnection::QueryOne(const char *sql)
{
    Single result;
    SqliteStatement statement(m_handle, sql);
    if (!statement.Prepared()) {
        result.Code = statement.PrepareCode();
        return result;
    }
    result.Code = statement.Step();
    if (result.Code == SQLITE_ROW) {
        if (statement.IsInteger(0))
            result.Integer = statement.Integer(0);
        result.Text = statement.Text(0);
        result.Code = SQLITE_OK;
    } else if (result.Code == SQLITE_DONE) {
        result.Code = SQLITE_OK;
    }
    return result;
}

int SqliteConnection::LastCode() const
{
    return sqlite3_extended_errcode(m_handle);
}

SqliteStatement::SqliteStatement(sqlite3 *db, const char *sql, bool persistent)
{
    m_prepareCode = sqlite3_prepare_v3(db, sql, -1, persistent ? SQLITE_PREPARE_PERSISTENT : 0, &m_statement, nullptr);
    if (m_prepareCode != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr))
    , m_prepareCode(other.m_prepareCode)
{ }

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_statement = std::exchange(other.m_statement, nullptr);
        m_prepareCode = other.m_prepareCode;
    }
    return *this;
}

void SqliteStatement::BindInteger(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

void SqliteStatement::BindOptionalInteger(int index, std::optional<std::int64_t> value)
{
    if (value)
        BindInteger(index, *value);
    else
        BindNull(index);
}

void SqliteStatement::BindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
}

void SqliteStatement::BindText(int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text64(m_statement, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                        SQLITE_UTF8);
}

void SqliteStatement::BindBlob(int index, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        sqlite3_bind_null(m_statement, index);
    else
        sqlite3_bind_blob64(m_statement, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
}

int SqliteStatement::Step()
{
    return sqlite3_step(m_statement);
}

void SqliteStatement::Reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int SqliteStatement::ColumnCount() const
{
    return sqlite3_column_count(m_statement);
}

bool SqliteStatement::IsNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::optional<std::int64_t> SqliteStatement::OptionalInteger(int column) const
{
    if (IsNull(column))
        return std::nullopt;
    return Integer(column);
}

bool SqliteStatement::IsInteger(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_INTEGER;
}

QString SqliteStatement::Text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return text ? QString::fromUtf8(text, size) : QString();
}

QByteArray SqliteStatement::Blob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return data ? QByteArray(data, size) : QByteArray();
}

bool IsDamageCode(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

HistoryCause SqliteCause(int code)
{
    using Fault = HistoryCause::StoreFault;
    const QString name = QString::fromUtf8(sqlite3_errstr(code));
    switch (code & 0xFF) {
    case SQLITE_FULL: return HistoryCause::Fault(Fault::DiskFull, code, name);
    case SQLITE_IOERR: return HistoryCause::Fault(Fault::InputOutput, code, name);
    case SQLITE_READONLY: return HistoryCause::Fault(Fault::ReadOnly, code, name);
    case SQLITE_CANTOPEN: return HistoryCause::Fault(Fault::CannotOpen, code, name);
    case SQLITE_PERM:
    case SQLITE_AUTH: return HistoryCause::Fault(Fault::NoPermission, code, name);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return HistoryCause::Fault(Fault::Damaged, code, name);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return HistoryCause::Fault(Fault::InUse, code, name);
    case SQLITE_NOMEM: return HistoryCause::Fault(Fault::OutOfMemory, code, name);
    case SQLITE_NOLFS: return HistoryCause::Fault(Fault::TooLarge, code, name);
    default: return HistoryCause::Fault(Fault::Other, code, name);
    }
}
