// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The language the program speaks.  Its texts are written in German; an
// English catalogue translates them.  The desktop decides (German for a
// German desktop and for the bare C/POSIX locale, English for any other),
// unless the setting [Interface] Language or `--lang de|en` says otherwise;
// the command line wins over the setting.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QCoreApplication;

namespace InterfaceLanguage {

enum class Language { German, English };

// "de" or "en", in any case; anything else has no language.
std::optional<Language> FromCode(QStringView code);
QString Code(Language language);

// The language of a POSIX locale name ("de_AT.UTF-8", "C", "en_GB").
Language FromLocaleName(QStringView localeName);
// The locale that the C library would take messages from: the first set of
// LC_ALL, LC_MESSAGES and LANG; "C" when none is.
QString DesktopLocaleName();

// What `--lang` asks for in `arguments` ("--lang en" or "--lang=en"); an
// empty optional when it is not given.  `error` gets a message for a value
// that is missing or not a language, and the result is then empty too.
std::optional<Language> FromArguments(const QStringList &arguments, QString *error = nullptr);
// The setting, read from the application's settings; empty when it is
// missing or not a language.
std::optional<Language> FromSettings(const QString &organisation, const QString &applicationName);

Language Choose(std::optional<Language> argument, std::optional<Language> setting, QStringView desktopLocaleName);

// Installs the catalogues for `language` on `application` (the program's
// own for English, Qt's own dialogs' for German) and makes it the current
// language.  The catalogues that are missing are left out: their texts
// stay in the source language.
void Install(QCoreApplication &application, Language language);
// The language installed last; German before any.
Language Current();

} // namespace InterfaceLanguage
