// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/InstanceLock.h"

#include <QDir>

#include "history/PrivateFiles.h"

InstanceLock::InstanceLock(const QString &folder)
{
    if (const QString reason = PrivateFiles::EnsureFolder(folder); !reason.isEmpty()) {
        m_problem =
            QStringLiteral("Der Datenordner „%1“ lässt sich nicht anlegen: %2; das Spiel wird nicht gespeichert.")
                .arg(folder, reason);
        return;
    }
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(FileName)));
    // Never by age: a copy that has run for hours still holds its lock.
    // Staleness is decided by whether the process that wrote it still lives.
    m_lock->setStaleLockTime(0);
    m_held = m_lock->tryLock(0);
    if (m_held)
        return;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        m_problem = QStringLiteral("Das Programm läuft bereits; diese zweite Kopie speichert das Spiel nicht.");
        break;
    case QLockFile::PermissionError:
        m_problem = QStringLiteral("Die Sperrdatei in „%1“ lässt sich nicht anlegen: keine Berechtigung; "
                                   "das Spiel wird nicht gespeichert.")
                        .arg(folder);
        break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        m_problem = QStringLiteral("Die Sperrdatei in „%1“ lässt sich nicht anlegen; das Spiel wird nicht gespeichert.")
                        .arg(folder);
        break;
    }
}

InstanceLock::~InstanceLock() = default;
