// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallTheme.h"

#include <QCoreApplication>

#include <array>

std::span<const HallTheme> HallTheme::All()
{
    static const std::array<HallTheme, 3> themes{{
        {"WhiteOnBlack", QT_TRANSLATE_NOOP("HallTheme", "Weiß auf Schwarz"), qRgb(0, 0, 0), qRgb(255, 255, 255),
         qRgb(64, 64, 64)},
        {"BlackOnWhite", QT_TRANSLATE_NOOP("HallTheme", "Schwarz auf Weiß"), qRgb(255, 255, 255), qRgb(0, 0, 0),
         qRgb(200, 200, 200)},
        {"YellowOnBlue", QT_TRANSLATE_NOOP("HallTheme", "Gelb auf Blau"), qRgb(0, 32, 128), qRgb(255, 221, 0),
         qRgb(48, 80, 160)},
    }};
    return themes;
}

QString HallTheme::TranslatedCaption() const
{
    return QCoreApplication::translate("HallTheme", Caption);
}

const HallTheme &HallTheme::Named(const QString &key)
{
    for (const HallTheme &theme : All()) {
        if (key == QLatin1String(theme.Key))
            return theme;
    }
    return All().front();
}
