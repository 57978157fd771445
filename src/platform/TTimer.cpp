// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TTimer.h"

TTimer::TTimer(QObject *parent)
    : QTimer(parent)
{
    // Created switched off at the framework's one-second period; the owner
    // sets its period and switches it on through SetEnabled.
    setInterval(1000);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int milliseconds)
{
    if (milliseconds == interval())
        return;
    setInterval(milliseconds);
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    stop();
    if (!m_enabled || interval() == 0)
        return;
    if (!m_refuseStart)
        start();
    // QTimer::start() reports nothing; a timer that is not running now could not be had.
    if (!isActive())
        throw std::runtime_error(tr("Not enough timers available").toStdString());
}
