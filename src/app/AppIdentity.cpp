// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/AppIdentity.h"

#include <QDir>
#include <QFileInfo>

#ifndef QUINTORA_DATA_DIR
#define QUINTORA_DATA_DIR "/usr/share/quintora"
#endif

namespace AppIdentity {

QString ApplicationTitle(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString SettingsApplicationName(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString MainCaption(const QString &executablePath)
{
    return ApplicationTitle(executablePath) + QLatin1Char(' ') + QLatin1String(DesignCaption);
}

QStringList DataFolders(const QString &executablePath)
{
    // The relative folder first: a build configured for another prefix than
    // the one it is installed to still finds its files.
    const QString relative =
        QDir::cleanPath(QFileInfo(executablePath).absolutePath() + QStringLiteral("/../share/quintora"));
    const QString compiledIn = QDir::cleanPath(QStringLiteral(QUINTORA_DATA_DIR));
    if (relative == compiledIn)
        return {compiledIn};
    return {relative, compiledIn};
}

QStringList HelpPageCandidates(const QString &executablePath, const QString &language)
{
    const QFileInfo info(executablePath);
    // A translated page (<executable>.en.html) first; the German one, which
    // every installation has, after it.
    QStringList pages;
    if (!language.isEmpty() && language != QLatin1String("de"))
        pages.append(info.completeBaseName() + QLatin1Char('.') + language + QStringLiteral(".html"));
    pages.append(info.completeBaseName() + QStringLiteral(".html"));
    QStringList candidates;
    for (const QString &page : pages) {
        candidates.append(info.absolutePath() + QLatin1Char('/') + page);
        for (const QString &folder : DataFolders(executablePath))
            candidates.append(folder + QLatin1Char('/') + page);
    }
    return candidates;
}

QString FindHelpPage(const QString &executablePath, const QString &language)
{
    for (const QString &candidate : HelpPageCandidates(executablePath, language)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QString FindSampleTeamsFolder(const QString &executablePath)
{
    for (const QString &folder : DataFolders(executablePath)) {
        const QString teams = folder + QStringLiteral("/teams");
        if (QFileInfo(teams).isDir())
            return teams;
    }
    return {};
}

} // namespace AppIdentity
