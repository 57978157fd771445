// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Holds a top-level window to its wished outer frame: places it before it is
// shown, watches the window manager's frame margins for a short while after
// the window appears (they arrive some event-loop turns later, or never), and
// tells which frame to keep when the window closes.

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include "app/WindowPlacement.h"

class QWidget;

class WindowFrameKeeper : public QObject
{
    Q_OBJECT
public:
    // How long after the window appears its frame may still arrive; a window
    // manager that takes longer is met at close (WindowPlacement::FrameToKeep).
    static constexpr int SettleMilliseconds = 2000;

    // Places `window` at once; the keeper is a child of the window.
    WindowFrameKeeper(QWidget *window, const WindowPlacement &placement);

    QRect FrameToKeep() const;
    bool IsSettling() const { return m_placement.IsSettling(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LookAtFrame();
    QMargins FrameMargins() const;

    QWidget *m_window;
    WindowPlacement m_placement;
    QTimer m_poll;
    QDeadlineTimer m_settleDeadline;
    bool m_shown = false;
};
