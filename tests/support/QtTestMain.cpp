// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Main of the suites that use widgets: a QApplication on the offscreen platform
// (unless the environment names another), the program's font names mapped,
// and GoogleTest/GoogleMock.

#include <QApplication>

#include <gmock/gmock.h>

#include "platform/Fonts.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleMock(&argc, argv);
    QApplication application(argc, argv);
    RegisterFontSubstitutions();
    return RUN_ALL_TESTS();
}
