// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The ticker behind a styled button's fade-out: every 30 ms it hands one
// step to the UI thread and waits there until the step has run.  It is
// created parked; the UI thread parks and wakes it (parking is counted, like
// suspending a thread), sets its terminated flag and waits for its end.
//
// WaitFor keeps delivering the pending hand-off while it waits: the worker
// blocks inside the hand-off until the UI thread runs it, so a plain wait
// would never return.

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class TLbButtonThread : public QThread
{
    Q_OBJECT
public:
    using StepMethod = std::function<void(TLbButtonThread *sender)>;
    using SleepMethod = std::function<void(int milliseconds)>;
    static constexpr int TickMilliseconds = 30;

    // Starts the worker parked.  `sleep` defaults to a real sleep; a
    // `stackSize` of 0 takes the system's.  Throws std::runtime_error
    // ("Thread creation error: ...") when the system refuses the thread.
    explicit TLbButtonThread(StepMethod onStep, SleepMethod sleep = {}, uint stackSize = 0);
    // Stops the worker if it still runs (wakes it, terminates, waits).
    ~TLbButtonThread() override;

    // UI thread only.
    void Suspend();
    void Resume();
    bool Suspended() const;
    // Sets the terminated flag; the worker ends before its next sleep.
    void Terminate();
    bool Terminated() const { return m_terminated.load(); }
    // Waits for the worker's end, running its pending steps meanwhile.
    void WaitFor();

protected:
    void run() override; // the tick loop (Execute)

private:
    void ParkWhileSuspended();
    void Synchronize();

    StepMethod m_onStep;
    SleepMethod m_sleep;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_suspendCount = 1; // created parked
    std::atomic<bool> m_terminated{false};
};
