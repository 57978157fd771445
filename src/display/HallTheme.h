// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The hall display's colour schemes, chosen for a projector across a hall:
// strong contrast, and one of them (yellow on blue) safe for viewers who
// cannot tell red from green.  Nothing on the display is told by colour
// alone: the dimmed leading zero is still a zero.

#include <QColor>
#include <QString>

#include <span>

struct HallTheme
{
    const char *Key; // how the settings keep it
    const char *Caption; // the menu's name for it before translation
    QRgb Background;
    QRgb Lit; // digits, colon and text
    QRgb Dim; // the tens of minutes under ten minutes, as the bench's clock dims them

    // White on black, black on white, yellow on blue; the first is the default.
    static std::span<const HallTheme> All();
    // The theme kept under `key`; the default for an unknown key.
    static const HallTheme &Named(const QString &key);
    // The caption in the user's language.
    QString TranslatedCaption() const;
};
