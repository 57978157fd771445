// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/StartupProbe.h"

#include <QEvent>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <ctime>
#include <optional>
#include <unistd.h>

namespace {

std::chrono::steady_clock::time_point g_mainEntered = std::chrono::steady_clock::now();

// Milliseconds since the kernel created this process: its start time in
// /proc/self/stat (field 22, clock ticks since boot) against the boot clock.
std::optional<double> MillisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // The command name in field 2 may hold blanks; the fields after it are counted from its ')'.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    constexpr int StartTimeAfterName = 22 - 3; // field 22, the first after the name being field 3
    if (fields.size() <= StartTimeAfterName)
        return std::nullopt;
    bool ok = false;
    const qulonglong startTicks = fields[StartTimeAfterName].toULongLong(&ok);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ok || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    const double nowMs = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
    return nowMs - double(startTicks) * 1000.0 / double(ticksPerSecond);
}

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *window, QString path)
        : QObject(window)
        , m_path(std::move(path))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // The children paint and the backing store is flushed after this
            // event; a zero timer fires once all of that is done.
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report()
    {
        const auto sinceMain =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_mainEntered);
        const std::optional<double> sinceProcess = MillisecondsSinceProcessStart();
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            if (sinceProcess)
                file.write("process " + QByteArray::number(*sinceProcess, 'f', 1) + '\n');
            file.write("main " + QByteArray::number(sinceMain.count(), 'f', 1) + '\n');
        }
        deleteLater();
    }

    QString m_path;
    bool m_seen = false;
};

} // namespace

void StartupProbe::MarkMainEntered()
{
    g_mainEntered = std::chrono::steady_clock::now();
}

void StartupProbe::WatchFirstPaint(QWidget *window)
{
    const QString path = qEnvironmentVariable(EnvironmentVariable);
    if (path.isEmpty() || !window)
        return;
    new FirstPaintWatcher(window, path);
}
