// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The message-loop timer the windows are written against: a QTimer with the
// general-purpose Tag every component carries and an Enabled switch that
// reports a timer the platform could not provide, as "Not enough timers
// available", out of the call that enabled it.

#include <QTimer>

#include <stdexcept>

class TTimer : public QTimer
{
    Q_OBJECT
public:
    explicit TTimer(QObject *parent = nullptr);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    bool Enabled() const { return m_enabled; }
    // Switching on starts a fresh period; throws std::runtime_error when the
    // timer cannot be started (Enabled stays on, as it was asked).
    void SetEnabled(bool enabled);
    int Interval() const { return interval(); }
    // Restarts a running timer with the new period.
    void SetInterval(int milliseconds);

    // Test seam: makes every later start fail as if the platform had no timer left.
    void SimulateNoTimersAvailable(bool refuse) { m_refuseStart = refuse; }

private:
    void UpdateTimer();

    int m_tag = 0;
    bool m_enabled = false;
    bool m_refuseStart = false;
};
