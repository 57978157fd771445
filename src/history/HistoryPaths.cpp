// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/HistoryPaths.h"

#include <QDir>
#include <QStandardPaths>

namespace HistoryPaths {

QString DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString DefaultDatabasePath()
{
    const QString folder = DataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(DatabaseFileName));
}

} // namespace HistoryPaths
