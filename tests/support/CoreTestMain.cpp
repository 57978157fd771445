// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Main of the widget-free suites: a QCoreApplication and GoogleTest/GoogleMock.
// These suites link neither Qt Gui nor Qt Widgets, so code of their layers
// that reaches for a widget, a font or a screen does not build.

#include <QCoreApplication>

#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
