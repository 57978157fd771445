// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/DesktopOpener.h"

#include <QProcess>
#include <QUrl>

namespace DesktopOpener {

void Open(const QString &path, std::function<void()> failed)
{
    // No parent: without a desktop session xdg-open waits for the browser it
    // started, and a QProcess that is destroyed kills its process, so one
    // still running when the program ends is left to run, not torn down with
    // the window.  The browser shares our terminal instead of pipes that
    // would close under it.
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    // A file: URL, as QDesktopServices hands it over.
    process->setArguments({QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash also ends in finished()
        failed();
        process->deleteLater();
    });
    process->start();
}

} // namespace DesktopOpener
