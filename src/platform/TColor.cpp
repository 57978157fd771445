// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The platform's system colour indices and where Qt's palette keeps each.
QColor SystemColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0x05: return palette.color(QPalette::Active, QPalette::Base); // clWindow
    case 0x08: return palette.color(QPalette::Active, QPalette::Text); // clWindowText
    case 0x0D: return palette.color(QPalette::Active, QPalette::Highlight); // clHighlight
    case 0x0E: return palette.color(QPalette::Active, QPalette::HighlightedText); // clHighlightText
    case 0x0F: return palette.color(QPalette::Active, QPalette::Button); // clBtnFace
    case 0x10: return palette.color(QPalette::Active, QPalette::Mid); // clBtnShadow
    case 0x11: return palette.color(QPalette::Disabled, QPalette::Text); // clGrayText
    case 0x12: return palette.color(QPalette::Active, QPalette::ButtonText); // clBtnText
    case 0x14: return palette.color(QPalette::Active, QPalette::Light); // clBtnHighlight
    case 0x15: return palette.color(QPalette::Active, QPalette::Shadow); // cl3DDkShadow
    case 0x16: return palette.color(QPalette::Active, QPalette::Midlight); // cl3DLight
    case 0x17: return palette.color(QPalette::Active, QPalette::ToolTipText); // clInfoText
    case 0x18: return palette.color(QPalette::Active, QPalette::ToolTipBase); // clInfoBk
    default: return palette.color(QPalette::Active, QPalette::Window);
    }
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color == clNone)
        return clBlack;
    if (IsSystemColor(color))
        return FromQColor(SystemColor(int(color & 0xFF)));
    return color & 0x00FFFFFFu;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor &color)
{
    return RGBColor(color.red(), color.green(), color.blue());
}
