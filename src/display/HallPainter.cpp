// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "display/HallPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "clock/DigitGeometry.h"
#include "clock/TDigit.h"
#include "display/HallBoard.h"
#include "display/HallLayout.h"
#include "display/HallTheme.h"

QFont HallTextFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(true);
    return font;
}

namespace {

void PaintDigit(QPainter &painter, const QRect &box, int value, const HallLayout &layout, QColor colour)
{
    const DigitPolygons polygons = ComputeDigitPolygons(box.width(), box.height(), layout.Thickness, layout.Separation);
    const std::uint8_t mask = TDigit::DigitPatterns.at(std::size_t(std::clamp(value, 0, 9)));
    painter.setBrush(colour);
    for (std::size_t bit = 0; bit < 7; ++bit) {
        if (!(mask & (1u << bit)))
            continue;
        std::array<QPoint, 6> points = polygons[bit].points;
        for (QPoint &point : points)
            point += box.topLeft();
        painter.drawPolygon(points.data(), polygons[bit].count);
    }
}

void PaintPlayers(QPainter &painter, const QRect &dirty, const HallLayout &layout, const HallBoard &board)
{
    painter.setFont(HallTextFont(layout.PlayerFontPx));
    const QFontMetrics metrics(painter.font());
    for (int team = 0; team < 2; ++team) {
        const std::vector<HallPlayer> &players = board.OnCourt.at(std::size_t(team));
        for (int line = 0; line < int(players.size()) && line < layout.PlayerLines; ++line) {
            const QRect rect = layout.PlayerLine(team, line);
            if (!rect.intersects(dirty))
                continue;
            const HallPlayer &player = players[std::size_t(line)];
            const int timeWidth = metrics.horizontalAdvance(player.Time);
            const int nameWidth = rect.width() - timeWidth - metrics.horizontalAdvance(QLatin1Char(' '));
            painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, player.Time);
            painter.drawText(rect.adjusted(0, 0, -(rect.width() - std::max(nameWidth, 0)), 0),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(player.Name, Qt::ElideRight, std::max(nameWidth, 0)));
        }
    }
}

} // namespace

void PaintHallBoard(QPainter &painter, const QRect &dirty, const HallLayout &layout, const HallBoard &board,
                    const HallTheme &theme)
{
    const QColor lit = QColor::fromRgb(theme.Lit);
    painter.fillRect(dirty, QColor::fromRgb(theme.Background));
    // Whole pixels: the segments' edges stay sharp on a projector.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < layout.Digits.size(); ++i) {
        if (!layout.Digits[i].intersects(dirty))
            continue;
        const bool dimmed = i == 0 && !board.MinuteTensLit;
        PaintDigit(painter, layout.Digits[i], board.Digits[i], layout, dimmed ? QColor::fromRgb(theme.Dim) : lit);
    }
    for (const QRect &dot : layout.ColonDots)
        painter.fillRect(dot, lit);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(lit);
    if (!board.Period.isEmpty() && layout.Period.intersects(dirty)) {
        painter.setFont(HallTextFont(layout.PeriodFontPx));
        painter.drawText(layout.Period, Qt::AlignCenter, board.Period);
    }
    if (layout.PlayerLines > 0)
        PaintPlayers(painter, dirty, layout, board);
}
