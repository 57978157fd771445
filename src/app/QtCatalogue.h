// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Qt's own texts in the user's language: the open dialog ("Suchen in",
// "Dateiname", "Abbrechen"), its messages and the standard buttons come from
// Qt's catalogue "qtbase" (Debian's qt6-translations-l10n), which Qt does not
// load by itself.  The program's own texts are German already.

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace QtCatalogue {

// Loads Qt's catalogue for `language` and installs it on `application`,
// which owns it.  Returns it, or nullptr when there is none for that
// language (English, the C locale): Qt's texts then stay as they are.
QTranslator *Install(QCoreApplication &application, const QLocale &language = QLocale());

} // namespace QtCatalogue
