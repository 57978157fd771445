// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/IntegrityCheck.h"

#include <QFile>
#include <QThread>

#include <sqlite3.h>

#include "history/Sqlite.h"

IntegrityCheck::IntegrityCheck(const QString &path, std::chrono::milliseconds delay, Done done)
{
    m_thread.reset(QThread::create([this, path, delay, done = std::move(done)] {
        {
            std::unique_lock lock(m_mutex);
            if (m_wake.wait_for(lock, delay, [this] { return m_stop; }))
                return;
        }
        const bool damaged = IsDamaged(path, [this] { return Stopped(); });
        if (!Stopped())
            done(damaged);
    }));
    m_thread->setObjectName(QStringLiteral("IntegrityCheck"));
    m_thread->start();
}

IntegrityCheck::~IntegrityCheck()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread->wait();
}

bool IntegrityCheck::Stopped()
{
    const std::lock_guard lock(m_mutex);
    return m_stop;
}

bool IntegrityCheck::IsDamaged(const QString &path, const std::function<bool()> &stopped)
{
    sqlite3 *handle = nullptr;
    const int opened = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &handle,
        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_EXRESCODE, nullptr);
    SqliteConnection connection(handle);
    if (opened != SQLITE_OK)
        return false;
    // Asked every thousand steps of the check: a program that ends does not wait for it.
    if (stopped) {
        sqlite3_progress_handler(
            handle, 1000, [](void *ask) { return (*static_cast<const std::function<bool()> *>(ask))() ? 1 : 0; },
            const_cast<std::function<bool()> *>(&stopped));
    }
    sqlite3_busy_timeout(handle, 2000);
    const SqliteConnection::Single check = connection.QueryOne("PRAGMA quick_check");
    if (check.Code != SQLITE_OK)
        return IsDamageCode(check.Code);
    return check.Text != QLatin1String("ok");
}
