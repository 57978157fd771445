// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Sets the variable for one test and takes it away again.
class ProbeVariable
{
public:
    explicit ProbeVariable(const QString &path) { qputenv(StartupProbe::EnvironmentVariable, path.toLocal8Bit()); }
    ~ProbeVariable() { qunsetenv(StartupProbe::EnvironmentVariable); }
};

QMap<QByteArray, double> ReadProbe(const QString &path)
{
    QMap<QByteArray, double> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            values.insert(parts[0], parts[1].toDouble());
    }
    return values;
}

void ProcessEventsUntil(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(StartupProbe, WritesTheTimesOnceTheWindowIsFirstPainted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("startup"));
    ProbeVariable variable(path);
    StartupProbe::MarkMainEntered();
    QWidget window;
    window.resize(100, 100);
    StartupProbe::WatchFirstPaint(&window);
    EXPECT_FALSE(QFile::exists(path)) << "nothing before the window paints";
    window.show();
    ProcessEventsUntil([&path] { return QFile::exists(path); });
    const QMap<QByteArray, double> values = ReadProbe(path);
    ASSERT_TRUE(values.contains("process")) << "from process creation";
    ASSERT_TRUE(values.contains("main"));
    EXPECT_GE(values["main"], 0.0);
    EXPECT_LT(values["main"], 5000.0);
    // The process began before the mark; the kernel counts in 10 ms steps.
    EXPECT_GE(values["process"] + 10.0, values["main"]);

    // Later paints leave the file alone.
    QFile::remove(path);
    window.repaint();
    QApplication::processEvents();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(StartupProbe, WithoutTheVariableNothingIsWatched)
{
    qunsetenv(StartupProbe::EnvironmentVariable);
    QWidget window;
    StartupProbe::WatchFirstPaint(&window);
    EXPECT_TRUE(window.children().isEmpty());
}

} // namespace
