// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include "app/QtCatalogue.h"

namespace InterfaceLanguage {

namespace {

Language &CurrentLanguage()
{
    static Language language = Language::German;
    return language;
}

} // namespace

std::optional<Language> FromCode(QStringView code)
{
    if (code.compare(u"de", Qt::CaseInsensitive) == 0)
        return Language::German;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0)
        return Language::English;
    return std::nullopt;
}

QString Code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

Language FromLocaleName(QStringView localeName)
{
    // The C and POSIX locales are what a bare system runs under: the program
    // then speaks its own language, German, as it always has.
    const QStringView name = localeName.left(localeName.indexOf(u'.'));
    if (name.isEmpty() || name == u"C" || name == u"POSIX" || localeName.startsWith(u"de", Qt::CaseInsensitive))
        return Language::German;
    return Language::English;
}

QString DesktopLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

std::optional<Language> FromArguments(const QStringList &arguments, QString *error)
{
    static const QString option = QStringLiteral("--lang");
    std::optional<Language> chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments.at(i) == option) {
            if (i + 1 >= arguments.size()) {
                if (error)
                    *error = QStringLiteral("--lang needs a language: de or en");
                return std::nullopt;
            }
            value = arguments.at(++i);
        } else if (arguments.at(i).startsWith(option + QLatin1Char('='))) {
            value = arguments.at(i).mid(option.size() + 1);
        } else {
            continue;
        }
        chosen = FromCode(value);
        if (!chosen) {
            if (error)
                *error = QStringLiteral("unknown language \"%1\" for --lang: use de or en").arg(value);
            return std::nullopt;
        }
    }
    return chosen;
}

std::optional<Language> FromSettings(const QString &organisation, const QString &applicationName)
{
    const QSettings settings(organisation, applicationName);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return FromCode(settings.value(QStringLiteral("Interface/Language")).toString().trimmed());
}

Language Choose(std::optional<Language> argument, std::optional<Language> setting, QStringView desktopLocaleName)
{
    if (argument)
        return *argument;
    if (setting)
        return *setting;
    return FromLocaleName(desktopLocaleName);
}

void Install(QCoreApplication &application, Language language)
{
    CurrentLanguage() = language;
    if (language == Language::German) {
        QtCatalogue::Install(application, QLocale(QLocale::German, QLocale::Germany));
        return;
    }
    // Qt's own texts are English already; the program's come from the
    // catalogue compiled in.
    auto *program = new QTranslator(&application);
    if (!program->load(QStringLiteral(":/i18n/quintora_en.qm")) || !QCoreApplication::installTranslator(program)) {
        qWarning("Quintora: the English catalogue is missing; the texts stay German");
        delete program;
    }
}

Language Current()
{
    return CurrentLanguage();
}

} // namespace InterfaceLanguage
