// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Proportions of the clock, in digit widths: four digits, a gap after each
// of the first three and before the last, and the colon's slot.
constexpr double DigitGap = 0.12;
constexpr double ColonSlot = 0.3;
constexpr double ClockWidthInDigits = 4 + 4 * DigitGap + ColonSlot;
// The clock's share of the height when the players take the lower part.
constexpr double ClockShareWithPlayers = 0.46;
constexpr double PeriodShare = 0.1;

int Rounded(double value)
{
    return int(std::lround(value));
}

} // namespace

HallLayout HallLayout::For(QSize size, bool players, int playerLines)
{
    HallLayout layout;
    const int width = std::max(size.width(), 1);
    const int height = std::max(size.height(), 1);
    const int margin = std::max(4, std::min(width, height) / 40);
    const QRect inner = QRect(0, 0, width, height).adjusted(margin, margin, -margin, -margin);

    const int periodHeight = std::max(12, Rounded(height * PeriodShare));
    layout.Period = QRect(inner.left(), inner.top(), std::max(inner.width(), 1), periodHeight);
    layout.PeriodFontPx = std::max(8, Rounded(periodHeight * 0.8));

    const int clockTop = layout.Period.bottom() + 1 + margin / 2;
    const int roomBelow = std::max(inner.bottom() + 1 - clockTop, 1);
    const int tallest = players ? std::min(Rounded(height * ClockShareWithPlayers), roomBelow) : roomBelow;
    const double digitWidth = std::max(2.0, std::min(inner.width() / ClockWidthInDigits, tallest * DigitAspect));
    const int digitW = std::max(2, int(digitWidth));
    const int digitH = std::max(2, int(digitWidth / DigitAspect));
    const int gap = Rounded(digitWidth * DigitGap);
    const int colon = Rounded(digitWidth * ColonSlot);
    const int clockWidth = 4 * digitW + 4 * gap + colon;
    const int left = inner.left() + (inner.width() - clockWidth) / 2;
    // Alone, the clock stands in the middle of the room below the period;
    // with the players it stays right under the period.
    const int top = players ? clockTop : clockTop + (roomBelow - digitH) / 2;

    const std::array<int, 4> lefts{left, left + digitW + gap, left + 2 * digitW + 3 * gap + colon,
                                   left + 3 * digitW + 4 * gap + colon};
    for (std::size_t i = 0; i < lefts.size(); ++i)
        layout.Digits[i] = QRect(lefts[i], top, digitW, digitH);
    layout.Thickness = std::max(1, Rounded(digitWidth * 0.09));
    layout.Separation = std::max(1, layout.Thickness / 3);

    const int dot = 2 * layout.Thickness;
    const int dotLeft = lefts[1] + digitW + gap + (colon - dot) / 2;
    layout.ColonDots[0] = QRect(dotLeft, top + Rounded(digitH * 0.3) - dot / 2, dot, dot);
    layout.ColonDots[1] = QRect(dotLeft, top + Rounded(digitH * 0.7) - dot / 2, dot, dot);

    if (!players)
        return layout;
    layout.PlayerLines = std::max(MinPlayerLines, playerLines);
    const int teamsTop = top + digitH + margin;
    const int teamsHeight = std::max(inner.bottom() + 1 - teamsTop, layout.PlayerLines);
    const int columnGap = 2 * margin;
    const int columnWidth = std::max((inner.width() - columnGap) / 2, 1);
    layout.Teams[0] = QRect(inner.left(), teamsTop, columnWidth, teamsHeight);
    layout.Teams[1] = QRect(inner.right() + 1 - columnWidth, teamsTop, columnWidth, teamsHeight);
    layout.PlayerFontPx = std::max(1, Rounded(teamsHeight / double(layout.PlayerLines) * 0.75));
    return layout;
}

QRect HallLayout::PlayerLine(int team, int line) const
{
    const QRect &column = Teams.at(std::size_t(team));
    if (PlayerLines <= 0 || line < 0 || line >= PlayerLines)
        return {};
    const int top = column.top() + column.height() * line / PlayerLines;
    const int bottom = column.top() + column.height() * (line + 1) / PlayerLines;
    return QRect(column.left(), top, column.width(), bottom - top);
}
