// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/TApplication.h"

#include <QMessageBox>

#include <clocale>
#include <utility>

#include "app/AppIdentity.h"
#include "app/InterfaceLanguage.h"

namespace {

TApplication::Reporter &CurrentReporter()
{
    static TApplication::Reporter reporter;
    return reporter;
}

} // namespace

QString TApplication::CurrentTitle()
{
    if (auto *app = qobject_cast<TApplication *>(QCoreApplication::instance()))
        return app->Title();
    return AppIdentity::ApplicationTitle(QCoreApplication::applicationFilePath());
}

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    // The program's own file, as for the main window's caption and settings
    // key: started through a link, argv[0] would name the link instead.
    , m_title(AppIdentity::ApplicationTitle(applicationFilePath()))
{
    setApplicationName(AppIdentity::SettingsApplicationName(applicationFilePath()));
    setOrganizationName(QLatin1String(AppIdentity::Organisation));
    setApplicationVersion(QLatin1String(AppIdentity::Version));
    // QCoreApplication has set the C library's locale from the environment
    // (setlocale(LC_ALL, "")).  On a German desktop printf and strtod would
    // then write and read "2,5", and so would every library built on them
    // that writes our files; numbers follow the C locale, the rest the user's.
    std::setlocale(LC_NUMERIC, "C");
    // Before the first window: every text is looked up when it is made.
    InterfaceLanguage::Install(
        *this,
        InterfaceLanguage::Choose(InterfaceLanguage::FromArguments(arguments()),
                                  InterfaceLanguage::FromSettings(organizationName(), applicationName()),
                                  InterfaceLanguage::DesktopLocaleName()));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(tr("Unbekannter Fehler"));
    }
    return false;
}

void TApplication::ShowException(const QString &message)
{
    const QString title = CurrentTitle();
    if (CurrentReporter()) {
        CurrentReporter()(title, message);
        return;
    }
    QMessageBox::critical(nullptr, title, message);
}

TApplication::Reporter TApplication::SetReporter(Reporter reporter)
{
    return std::exchange(CurrentReporter(), std::move(reporter));
}
