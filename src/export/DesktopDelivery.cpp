// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/DesktopDelivery.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace DesktopDelivery {

QString DocumentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::home().filePath(QStringLiteral("Documents"));
    return folder;
}

bool HasSpreadsheetProgram()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(XlsxMimeType)});
    if (!query.waitForStarted(5000))
        return true;
    if (!query.waitForFinished(10000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return !QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().isEmpty();
}

DeliveryActions Actions(std::function<void(const QString &)> reportFailure)
{
    DeliveryActions actions;
    actions.documentsFolder = &DocumentsFolder;
    actions.now = [] { return QDateTime::currentDateTime(); };
    actions.hasSpreadsheetProgram = &HasSpreadsheetProgram;
    actions.open = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    actions.inform = [](const QString &message) {
        QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), message);
    };
    if (reportFailure) {
        actions.reportFailure = std::move(reportFailure);
    } else {
        actions.reportFailure = [](const QString &message) {
            QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(), message);
        };
    }
    return actions;
}

} // namespace DesktopDelivery
