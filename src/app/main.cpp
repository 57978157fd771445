// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Quintora: a game clock for basketball that keeps every player's playing time.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <cstring>
#include <iostream>

#include "app/AppIdentity.h"
#include "app/ApplicationIcon.h"
#include "app/InterfaceLanguage.h"
#include "app/QuitOnSignal.h"
#include "app/StartupProbe.h"
#include "app/TApplication.h"
#include "app/TFormInfo.h"
#include "app/TFormMain.h"
#include "display/HallDisplayKeeper.h"
#include "game/HistoryStartup.h"
#include "history/HistoryPaths.h"
#include "platform/Fonts.h"

int main(int argc, char *argv[])
{
    StartupProbe::MarkMainEntered();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::cout << "Quintora " << AppIdentity::Version << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "Usage: Quintora [--version] [--lang de|en]\n"
                         "A game clock for basketball that keeps every player's playing time.\n"
                         "  --lang de|en  speak German or English (default: the desktop's language)\n";
            return 0;
        }
    }
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        QString error;
        InterfaceLanguage::FromArguments(arguments, &error);
        if (!error.isEmpty()) {
            std::cerr << "Quintora: " << error.toStdString() << '\n';
            return 2;
        }
    }

    TApplication application(argc, argv);
    RegisterFontSubstitutions();
    application.setWindowIcon(ApplicationIcon());
    // Lets a Wayland task bar group the window with its menu entry (X11 goes by StartupWMClass).
    QGuiApplication::setDesktopFileName(QLatin1String(AppIdentity::DesktopFileName));

    TFormMain formMain(QCoreApplication::applicationFilePath());
    // Before the window is shown: the last game may be offered and brought
    // back, and any problem with the history is told before play begins.
    HistoryStartup history(formMain, HistoryPaths::DataFolder(),
                           HistoryDialogs::MessageBoxes(&formMain, TApplication::CurrentTitle()));
    // The About box lives, hidden, from here to the end of the run.
    TFormInfo formInfo(&formMain);
    formMain.SetAboutBox(&formInfo);
    QuitOnSignal quitOnSignal(&formMain);
    StartupProbe::WatchFirstPaint(&formMain);
    formMain.show();
    // Beside the bench's window, when it was open at the last exit.
    formMain.HallDisplays->RestoreAtStart();
    return application.exec();
}
