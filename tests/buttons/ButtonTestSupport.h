// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Helpers for the widget tests of the styled button: a shown parent, mouse
// and pointer events sent straight to the button, a paint counter, a sleep
// that the fade thread's tests script, and waiting for the UI thread's
// queue to deliver what a worker handed over.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "buttons/TLbSpeedButton.h"

namespace buttontest {

inline void Send(QWidget *target, QEvent::Type type, Qt::MouseButton button, QPoint at = QPoint(5, 5),
                 Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// A press and release of `button` inside the control.
inline void ClickWith(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
{
    Send(target, QEvent::MouseButtonPress, button, QPoint(5, 5), button);
    Send(target, QEvent::MouseButtonRelease, button, QPoint(5, 5));
}

inline void Enter(QWidget *target)
{
    QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(target->mapToGlobal(QPoint(3, 3))));
    QCoreApplication::sendEvent(target, &event);
}

inline void Leave(QWidget *target)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(target, &event);
}

// Delivers posted events until `done` holds or about `limitMs` have passed.
inline bool ProcessUntil(const std::function<bool()> &done, int limitMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::yieldCurrentThread();
    }
    return true;
}

// Counts paint events of one widget and runs `onPaint` at each.
class PaintLog : public QObject
{
public:
    explicit PaintLog(QWidget *widget, std::function<void()> onPaint = {})
        : m_onPaint(std::move(onPaint))
    {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            if (m_onPaint)
                m_onPaint();
        }
        return false;
    }

private:
    std::function<void()> m_onPaint;
};

// The fade thread's sleep, scripted: every request is counted; when gated,
// each request waits for a permit from the test.
class ScriptedSleep
{
public:
    explicit ScriptedSleep(bool gated = false)
        : m_gated(gated)
    { }
    ~ScriptedSleep() { Open(); }

    TLbButtonThread::SleepMethod Method()
    {
        return [this](int ms) {
            lastMs.store(ms);
            calls.fetch_add(1);
            std::unique_lock lock(m_mutex);
            ++m_waiting;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return !m_gated || m_permits > 0; });
            if (m_gated)
                --m_permits;
            --m_waiting;
        };
    }
    // Lets `n` sleeps end.
    void Release(int n = 1)
    {
        const std::lock_guard lock(m_mutex);
        m_permits += n;
        m_changed.notify_all();
    }
    // No more waiting, from now on.
    void Open()
    {
        const std::lock_guard lock(m_mutex);
        m_gated = false;
        m_changed.notify_all();
    }
    bool SomeoneWaiting()
    {
        const std::lock_guard lock(m_mutex);
        return m_waiting > 0;
    }

    std::atomic<int> calls{0};
    std::atomic<int> lastMs{0};

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_gated;
    int m_permits = 0;
    int m_waiting = 0;
};

// A factory that gives the button's fade thread `sleep` and counts threads.
inline TLbSpeedButton::FadeThreadFactory ThreadsWith(ScriptedSleep &sleep, int *created = nullptr)
{
    return [&sleep, created](TLbButtonThread::StepMethod step) {
        if (created)
            ++*created;
        return std::make_unique<TLbButtonThread>(std::move(step), sleep.Method());
    };
}

// The colour in the middle of the button's composed face.
inline TColor CentreOf(const TLbSpeedButton &button)
{
    const QImage face = button.ComposeFace();
    const QRgb p = face.pixel(face.width() / 2, face.height() / 2);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

} // namespace buttontest
