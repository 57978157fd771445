#include "AppIdentity.h"

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

QStringList HelpPageCandidates(const QString &executablePath)
{
    const QFileInfo info(executablePath);
    const QString beside = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".html");
    const QString installed = QStringLiteral(QUINTORA_DATA_DIR "/") + info.completeBaseName() + QStringLiteral(".html");
    return {beside, installed};
}

QString FindHelpPage(const QString &executablePath)
{
    for (const QString &candidate : HelpPageCandidates(executablePath)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace AppIdentity
