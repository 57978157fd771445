// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/WindowFrameKeeper.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The manager reports the frame by a property change that reaches the window
// as no event of its own, so the margins are looked at this often as well.
constexpr int PollMilliseconds = 20;

} // namespace

WindowFrameKeeper::WindowFrameKeeper(QWidget *window, const WindowPlacement &placement)
    : QObject(window)
    , m_window(window)
    , m_placement(placement)
{
    const QRect client = m_placement.Place(FrameMargins());
    if (m_window->isVisible()) {
        m_window->setGeometry(client);
    } else {
        // Before the first show a window's position is that of its frame.
        m_window->move(m_placement.PlacedFrame().topLeft());
        m_window->resize(client.size());
    }
    m_poll.setInterval(PollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &WindowFrameKeeper::LookAtFrame);
    m_window->installEventFilter(this);
}

QMargins WindowFrameKeeper::FrameMargins() const
{
    // The window's own margins, asked afresh: QWidget::frameGeometry() keeps
    // what it learnt at the last move and can be behind the manager.
    const QWindow *handle = m_window->windowHandle();
    return handle && handle->handle() ? handle->frameMargins() : QMargins();
}

QRect WindowFrameKeeper::FrameToKeep() const
{
    return m_placement.FrameToKeep(m_window->geometry(), FrameMargins());
}

bool WindowFrameKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && m_placement.IsSettling()) {
        switch (event->type()) {
        case QEvent::Show:
            if (!m_shown) {
                m_shown = true;
                m_settleDeadline.setRemainingTime(SettleMilliseconds);
                m_poll.start();
                LookAtFrame();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_shown)
                LookAtFrame();
            break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowFrameKeeper::LookAtFrame()
{
    if (const std::optional<QRect> client = m_placement.Settle(FrameMargins(), m_window->geometry()))
        m_window->setGeometry(*client);
    if (m_placement.IsSettling() && m_settleDeadline.hasExpired())
        m_placement.StopSettling();
    if (!m_placement.IsSettling())
        m_poll.stop();
}
