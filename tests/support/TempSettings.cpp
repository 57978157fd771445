// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "support/TempSettings.h"

#include <QDir>
#include <QFile>

TempSettings::TempSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

TempSettings::~TempSettings()
{
    // Leave QSettings pointing at a folder that no longer exists rather than
    // at the real home: later tests must set their own.
}

QString TempSettings::FileOf(const QString &applicationName) const
{
    return m_dir.path() + QStringLiteral("/Velmarin/") + applicationName + QStringLiteral(".conf");
}

void TempSettings::Write(const QString &applicationName, const QString &contents) const
{
    QDir().mkpath(m_dir.path() + QStringLiteral("/Velmarin"));
    QFile file(FileOf(applicationName));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents.toUtf8());
}
