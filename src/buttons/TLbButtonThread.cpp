// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "buttons/TLbButtonThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <chrono>
#include <stdexcept>
#include <thread>

TLbButtonThread::TLbButtonThread(StepMethod onStep, SleepMethod sleep, uint stackSize)
    : m_onStep(std::move(onStep))
    , m_sleep(std::move(sleep))
{
    if (!m_sleep)
        m_sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    if (stackSize != 0)
        setStackSize(stackSize);
    start();
    // QThread reports a refused thread only by not running.
    if (!isRunning() && !isFinished())
        throw std::runtime_error(
            tr("Thread creation error: the system refused to start the fade thread").toStdString());
}

TLbButtonThread::~TLbButtonThread()
{
    if (!isRunning())
        return;
    Terminate();
    {
        const std::lock_guard lock(m_mutex);
        m_suspendCount = 0;
    }
    m_wake.notify_all();
    WaitFor();
}

void TLbButtonThread::Suspend()
{
    const std::lock_guard lock(m_mutex);
    ++m_suspendCount;
}

void TLbButtonThread::Resume()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_suspendCount == 0)
            return;
        --m_suspendCount;
    }
    m_wake.notify_all();
}

bool TLbButtonThread::Suspended() const
{
    const std::lock_guard lock(m_mutex);
    return m_suspendCount > 0;
}

void TLbButtonThread::Terminate()
{
    {
        const std::lock_guard lock(m_mutex);
        m_terminated.store(true);
    }
    // A terminated worker must not stay parked, or waiting for it would never end.
    m_wake.notify_all();
}

void TLbButtonThread::WaitFor()
{
    while (!wait(QDeadlineTimer(5)))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TLbButtonThread::ParkWhileSuspended()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_suspendCount == 0 || m_terminated.load(); });
}

void TLbButtonThread::Synchronize()
{
    // This object lives on the UI thread: the call runs there and the worker
    // waits until it has returned.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_onStep)
                m_onStep(this);
        },
        Qt::BlockingQueuedConnection);
}

void TLbButtonThread::run()
{
    ParkWhileSuspended();
    // The flag is tested before the sleep only: a stop during the sleep
    // still lets one more step be handed over.
    while (!m_terminated.load()) {
        m_sleep(TickMilliseconds);
        Synchronize();
        // A step that reached level 0 parked us while we were inside it.
        ParkWhileSuspended();
    }
}
