// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/HistoryWriter.h"

#include <QFileInfo>
#include <QThread>

#include <type_traits>

#include "history/GameHistoryStore.h"
#include "history/HistorySession.h"
#include "history/IntegrityCheck.h"
#include "history/PrivateFiles.h"

HistoryWriter::HistoryWriter(std::unique_ptr<GameHistoryStore> store, QObject *parent,
                             std::chrono::milliseconds checkDelay)
    : QObject(parent)
{
    if (!store)
        return;
    m_path = store->Path();
    m_session = std::make_unique<HistorySession>(std::move(store));
    m_thread.reset(QThread::create([this] { Run(); }));
    m_thread->setObjectName(QStringLiteral("HistoryWriter"));
    m_thread->start();
    m_check = std::make_unique<IntegrityCheck>(m_path, checkDelay, [this](bool damaged) {
        if (damaged)
            OnDamageFound();
    });
}

HistoryWriter::~HistoryWriter()
{
    if (!m_thread)
        return;
    m_check.reset();
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread->wait();
    if (m_damageFound) {
        // Closed first: a file changes its name only when SQLite holds it no more.
        m_session.reset();
        PrivateFiles::MoveAside(m_path, *m_damageFound);
    }
}

void HistoryWriter::OnDamageFound()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString aside = QFileInfo(PrivateFiles::AsideName(m_path, now)).fileName();
    {
        const std::lock_guard lock(m_mutex);
        // After a failed write the user has heard that nothing is stored;
        // the file is not moved away without a word.
        if (m_failed.load())
            return;
        m_damageFound = now;
        HistoryProblem damage = HistoryProblem::Of(HistoryProblem::Kind::DamagedWhileOpen, m_path);
        damage.Names = QStringList{aside};
        m_queue.push_back(DamageTask{damage});
    }
    m_wake.notify_one();
}

void HistoryWriter::NewGame(const GameOpening &opening)
{
    Enqueue(NewGameTask{opening});
}

void HistoryWriter::ContinueGame(GameId game)
{
    Enqueue(ContinueTask{game});
}

void HistoryWriter::Record(const GameEvent &event)
{
    Enqueue(RecordTask{event});
}

void HistoryWriter::SaveCheckpoint(const GameCheckpoint &checkpoint)
{
    Enqueue(CheckpointTask{checkpoint});
}

void HistoryWriter::EndGame(GameEndReason reason, std::int64_t wallMs)
{
    Enqueue(EndTask{reason, wallMs});
}

void HistoryWriter::UndoReset(std::int64_t gameMs, std::int64_t wallMs)
{
    Enqueue(UndoResetTask{gameMs, wallMs});
}

void HistoryWriter::Enqueue(Task task)
{
    if (!m_session || m_failed.load())
        return;
    {
        const std::lock_guard lock(m_mutex);
        if (std::holds_alternative<CheckpointTask>(task) && !m_queue.empty()
            && std::holds_alternative<CheckpointTask>(m_queue.back()))
            m_queue.back() = std::move(task);
        else
            m_queue.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void HistoryWriter::WaitIdle()
{
    if (!m_thread)
        return;
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

HistoryResult<StoredGame> HistoryWriter::LoadCurrentGame()
{
    if (!m_thread)
        return HistoryResult<StoredGame>::Failure(HistoryProblem::Of(HistoryProblem::Kind::NotStoring));
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
    if (m_failed.load())
        return HistoryResult<StoredGame>::Failure(HistoryProblem::Of(HistoryProblem::Kind::NoLongerStoring));
    // The queue is empty and the lock held: the worker waits for work, and
    // the store is this thread's until the lock goes.
    return m_session->LoadCurrentGame();
}

void HistoryWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            break; // stopping, and everything is written
        Task task = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        const HistoryStatus status = m_failed.load() ? HistoryStatus{} : Apply(task);
        lock.lock();
        m_busy = false;
        if (!status.Ok() && !m_failed.exchange(true)) {
            m_queue.clear();
            // Emitted on the writer's own thread, where its receivers live.
            QMetaObject::invokeMethod(
                this, [this, problem = *status.Problem] { emit WriteFailed(problem); }, Qt::QueuedConnection);
        }
        if (m_queue.empty())
            m_idle.notify_all();
    }
    m_idle.notify_all();
}

HistoryStatus HistoryWriter::Apply(const Task &task)
{
    HistorySession &session = *m_session;
    return std::visit(
        [&session](const auto &t) -> HistoryStatus {
            using T = std::decay_t<decltype(t)>;
            if constexpr (std::is_same_v<T, NewGameTask>)
                return session.NewGame(t.Opening);
            else if constexpr (std::is_same_v<T, ContinueTask>)
                return session.ContinueGame(t.Game);
            else if constexpr (std::is_same_v<T, RecordTask>)
                return session.Record(t.Event);
            else if constexpr (std::is_same_v<T, CheckpointTask>)
                return session.SaveCheckpoint(t.Checkpoint);
            else if constexpr (std::is_same_v<T, EndTask>)
                return session.EndGame(t.Reason, t.WallMs);
            else if constexpr (std::is_same_v<T, UndoResetTask>)
                return session.UndoReset(t.GameMs, t.WallMs);
            else
                return HistoryStatus{t.Reason};
        },
        task);
}
