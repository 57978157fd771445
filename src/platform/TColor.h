// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// 32-bit colour value as the rest of the program speaks of it:
// 0x00BBGGRR is an RGB colour (red in the lowest byte), 0xFF0000nn names
// system colour nn (resolved through the application palette when drawn),
// clNone means "no colour".

#include <QColor>

#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clSkyBlue = 0x00F0CAA6;

inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clHighlight = 0xFF00000D;
inline constexpr TColor clHighlightText = 0xFF00000E;
inline constexpr TColor clGrayText = 0xFF000011;
inline constexpr TColor cl3DDkShadow = 0xFF000015;
inline constexpr TColor cl3DLight = 0xFF000016;

constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == 0xFF000000u;
}

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int RedOf(TColor rgb)
{
    return int(rgb & 0xFF);
}
constexpr int GreenOf(TColor rgb)
{
    return int((rgb >> 8) & 0xFF);
}
constexpr int BlueOf(TColor rgb)
{
    return int((rgb >> 16) & 0xFF);
}

// Resolves system colours through the application palette; RGB colours pass
// through unchanged (the top byte is dropped).  clNone resolves to black.
TColor ColorToRGB(TColor color);

// The QColor to paint with; system colours resolved as above.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor &color);
