// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The desktop as the export tests see it: a temporary documents folder, a
// fixed clock, and a record of what was opened, said and reported.

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include "export/WorkbookDelivery.h"

struct FakeDesk
{
    QTemporaryDir home;
    QString folder = home.filePath(QStringLiteral("Dokumente"));
    QDateTime now{QDate(2026, 12, 7), QTime(19, 30, 5)};
    bool hasProgram = true;
    bool openWorks = true;
    QStringList opened;
    QStringList informed;
    QStringList failures;

    DeliveryActions Actions()
    {
        DeliveryActions actions;
        actions.documentsFolder = [this] { return folder; };
        actions.now = [this] { return now; };
        actions.hasSpreadsheetProgram = [this] { return hasProgram; };
        actions.open = [this](const QUrl &url) {
            opened.append(url.toLocalFile());
            return openWorks;
        };
        actions.inform = [this](const QString &message) { informed.append(message); };
        actions.reportFailure = [this](const QString &message) { failures.append(message); };
        return actions;
    }

    QString PathOf(const char *name) const { return QDir(folder).filePath(QString::fromUtf8(name)); }
    QStringList Files() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};
