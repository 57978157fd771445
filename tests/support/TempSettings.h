// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Points QSettings at a throwaway folder for the life of the object, so no
// test ever reads or writes the real user's settings.

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

class TempSettings
{
public:
    TempSettings();
    ~TempSettings();

    QString Path() const { return m_dir.path(); }
    // The settings file of an application under organisation "Velmarin".
    QString FileOf(const QString &applicationName) const;
    void Write(const QString &applicationName, const QString &contents) const;

private:
    QTemporaryDir m_dir;
};
