// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Draws the program's pictures: the button glyph strips, the application
// icon in every size, the About box's product picture and its window icon.
// The output is committed under resources/; run this again only to change
// a picture:
//   QT_QPA_PLATFORM=offscreen build/tools/quintora_make_pictures resources
// (or `cmake --build build --target quintora_pictures`).

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <functional>
#include <iostream>

namespace {

using DrawCell = std::function<void(QPainter &)>;

QImage TransparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage DrawOne(int width, int height, const DrawCell &draw)
{
    QImage image = TransparentImage(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    draw(painter);
    painter.end();
    return image;
}

// The grey form of a picture for a disabled button: the colours flattened to
// a light grey scale, the outline kept as the darkest grey.
QImage Greyed(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const int grey = 100 + qGray(line[x]) * 110 / 255;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
    return image;
}

// Cells of equal size side by side.
QImage Strip(const QList<QImage> &cells)
{
    const int cellWidth = cells.first().width();
    QImage strip = TransparentImage(cellWidth * int(cells.size()), cells.first().height());
    QPainter painter(&strip);
    for (int i = 0; i < cells.size(); ++i)
        painter.drawImage(i * cellWidth, 0, cells[i]);
    return strip;
}

QPainterPath TextPath(const QString &text, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

QFont Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// --- Help: a purple book with a yellow question mark, 31 x 30 ------------

void DrawHelpBook(QPainter &p)
{
    // Page block behind the cover, showing at the right and the bottom.
    QPainterPath pages;
    pages.addRoundedRect(QRectF(7.5, 4.5, 20, 23), 1.5, 1.5);
    p.setPen(QPen(QColor(0x8a, 0x7a, 0x5a), 1));
    p.setBrush(QColor(0xfb, 0xf4, 0xdc));
    p.drawPath(pages);
    p.setPen(QPen(QColor(0xc8, 0xb8, 0x90), 1));
    p.drawLine(QPointF(26.5, 7), QPointF(26.5, 25));
    p.drawLine(QPointF(10, 26.5), QPointF(25, 26.5));

    // Cover.
    const QRectF cover(3.5, 1.5, 21, 24);
    QLinearGradient coverShade(cover.topLeft(), cover.bottomRight());
    coverShade.setColorAt(0, QColor(0xa6, 0x52, 0xd9));
    coverShade.setColorAt(1, QColor(0x5a, 0x18, 0x8c));
    p.setPen(QPen(QColor(0x36, 0x0a, 0x55), 1));
    p.setBrush(coverShade);
    p.drawRoundedRect(cover, 2, 2);
    // Spine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x45, 0x10, 0x6c));
    p.drawRect(QRectF(4, 2, 3.5, 23));
    p.setPen(QPen(QColor(0xc9, 0x8a, 0xf0), 1));
    p.drawLine(QPointF(8.5, 3), QPointF(8.5, 24));

    // Question mark, yellow with a dark edge.
    const QPainterPath mark = TextPath(QStringLiteral("?"), Font(21, true), QRectF(8.5, 2, 16, 23));
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xdc, 0x1e));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.drawPath(mark);
}

// --- Info: a speech bubble with a letter i, 32 x 32 -------------------------

struct BubbleColours
{
    QColor light;
    QColor dark;
    QColor edge;
    QColor letter;
};

void DrawInfoBubble(QPainter &p, const BubbleColours &c)
{
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 29, 23));
    QPainterPath tail;
    tail.moveTo(7, 19);
    tail.lineTo(3.5, 30.5);
    tail.lineTo(15, 23);
    tail.closeSubpath();
    bubble = bubble.united(tail);

    QLinearGradient shade(QPointF(8, 2), QPointF(22, 26));
    shade.setColorAt(0, c.light);
    shade.setColorAt(1, c.dark);
    p.setPen(QPen(c.edge, 1.2));
    p.setBrush(shade);
    p.drawPath(bubble);

    // Glint at the upper left.
    QLinearGradient glint(QPointF(0, 3), QPointF(0, 12));
    glint.setColorAt(0, QColor(255, 255, 255, 150));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(QRectF(6, 3, 17, 9));

    // The letter i: a dot and a stem with a foot.
    QPainterPath letter;
    letter.addEllipse(QRectF(13.6, 4.2, 4.8, 4.8));
    letter.addRoundedRect(QRectF(14, 10.5, 4, 10), 0.8, 0.8);
    letter.addRoundedRect(QRectF(12, 10.5, 4, 2), 0.5, 0.5);
    letter.addRoundedRect(QRectF(12, 19, 8, 2.2), 0.6, 0.6);
    letter.setFillRule(Qt::WindingFill);
    p.setBrush(c.letter);
    p.drawPath(letter.simplified());
}

// --- Load: an open yellow folder with a disc and a green arrow, 30 x 27 -----

void DrawLoadFolder(QPainter &p)
{
    const QColor folderEdge(0x8c, 0x5e, 0x00);
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 25.5);
    back.lineTo(1.5, 7.5);
    back.lineTo(3.5, 5.5);
    back.lineTo(9, 5.5);
    back.lineTo(11, 7.5);
    back.lineTo(21.5, 7.5);
    back.lineTo(21.5, 25.5);
    back.closeSubpath();
    QLinearGradient backShade(QPointF(0, 5), QPointF(0, 25));
    backShade.setColorAt(0, QColor(0xf0, 0xc0, 0x30));
    backShade.setColorAt(1, QColor(0xc8, 0x8c, 0x00));
    p.setPen(QPen(folderEdge, 1));
    p.setBrush(backShade);
    p.drawPath(back);

    // The disc, half inside the folder.
    const QPointF discCentre(11.5, 11.5);
    QRadialGradient discShade(discCentre, 7.5, QPointF(8.5, 8.5));
    discShade.setColorAt(0, QColor(0xff, 0xff, 0xff));
    discShade.setColorAt(0.45, QColor(0xc8, 0xd8, 0xf0));
    discShade.setColorAt(0.7, QColor(0xe8, 0xc8, 0xf0));
    discShade.setColorAt(1, QColor(0x98, 0xa8, 0xc0));
    p.setPen(QPen(QColor(0x50, 0x58, 0x68), 1));
    p.setBrush(discShade);
    p.drawEllipse(discCentre, 7.5, 7.5);
    p.setPen(QPen(QColor(0x70, 0x78, 0x88), 1));
    p.setBrush(QColor(0xd0, 0xd4, 0xdc));
    p.drawEllipse(discCentre, 2.6, 2.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x44, 0x50));
    p.drawEllipse(discCentre, 1, 1);

    // Front flap, opened towards the viewer.
    QPainterPath front;
    front.moveTo(5.5, 13.5);
    front.lineTo(28.5, 13.5);
    front.lineTo(22.5, 25.5);
    front.lineTo(1.5, 25.5);
    front.closeSubpath();
    QLinearGradient frontShade(QPointF(0, 13), QPointF(0, 26));
    frontShade.setColorAt(0, QColor(0xff, 0xe8, 0x7a));
    frontShade.setColorAt(1, QColor(0xf2, 0xb6, 0x10));
    p.setPen(QPen(folderEdge, 1));
    p.setBrush(frontShade);
    p.drawPath(front);

    // Green arrow bending from above down into the folder.
    QPainterPath arc;
    arc.moveTo(17, 4.5);
    arc.cubicTo(21, 0.5, 26.5, 2.5, 25.5, 8.5);
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath arrow = stroker.createStroke(arc);
    QPainterPath head;
    head.moveTo(21.2, 7.8);
    head.lineTo(29.4, 8.6);
    head.lineTo(24.8, 14.2);
    head.closeSubpath();
    arrow = arrow.united(head).simplified();
    QLinearGradient arrowShade(QPointF(17, 1), QPointF(27, 14));
    arrowShade.setColorAt(0, QColor(0x7c, 0xe0, 0x5c));
    arrowShade.setColorAt(1, QColor(0x10, 0x8c, 0x10));
    p.setPen(QPen(QColor(0x0a, 0x4a, 0x0a), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(arrowShade);
    p.drawPath(arrow);
}

// --- Export: a spreadsheet document with a green grid, 30 x 30 -------------

void DrawSpreadsheet(QPainter &p)
{
    const qreal left = 4.5, top = 1.5, right = 25.5, bottom = 28.5, fold = 6;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    QLinearGradient paper(QPointF(left, top), QPointF(right, bottom));
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xe4, 0xea, 0xe4));
    p.setPen(QPen(QColor(0x50, 0x5a, 0x50), 1));
    p.setBrush(paper);
    p.drawPath(page);
    // Folded corner.
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    p.setBrush(QColor(0xc8, 0xd2, 0xc8));
    p.drawPath(corner);

    // The grid: a shaded header row and first column, then green lines.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int gridLeft = 7, gridTop = 9, columnWidth = 5, rowHeight = 3, columns = 3, rows = 6;
    const int gridRight = gridLeft + columns * columnWidth;
    const int gridBottom = gridTop + rows * rowHeight;
    p.fillRect(QRect(gridLeft, gridTop, gridRight - gridLeft, rowHeight), QColor(0x7c, 0xc8, 0x7c));
    p.fillRect(QRect(gridLeft, gridTop, columnWidth, gridBottom - gridTop), QColor(0xb8, 0xe4, 0xb8));
    p.fillRect(QRect(gridLeft, gridTop, columnWidth, rowHeight), QColor(0x4c, 0xa8, 0x4c));
    p.setPen(QPen(QColor(0x1a, 0x8a, 0x2a), 1));
    for (int row = 0; row <= rows; ++row)
        p.drawLine(gridLeft, gridTop + row * rowHeight, gridRight, gridTop + row * rowHeight);
    for (int column = 0; column <= columns; ++column)
        p.drawLine(gridLeft + column * columnWidth, gridTop, gridLeft + column * columnWidth, gridBottom);
    // A few figures in the cells.
    p.setPen(QPen(QColor(0x68, 0x68, 0x68), 1));
    for (int row = 1; row < rows; ++row) {
        const int y = gridTop + row * rowHeight + 1;
        p.drawLine(gridLeft + columnWidth + 2, y, gridLeft + 2 * columnWidth - 2, y);
        p.drawLine(gridLeft + 2 * columnWidth + 1 + (row % 2), y, gridLeft + 3 * columnWidth - 2, y);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    // Title bar on the page.
    p.fillRect(QRect(7, 4, 10, 2), QColor(0x1a, 0x7a, 0x2a));
}

// --- Basketball, any size ------------------------------------------------

void DrawBasketball(QPainter &p, const QRectF &box)
{
    const qreal size = box.width();
    const QPointF centre = box.center();
    const qreal radius = size / 2 - std::max(0.6, size / 40);

    QRadialGradient skin(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    skin.setColorAt(0, QColor(0xff, 0xb8, 0x6a));
    skin.setColorAt(0.55, QColor(0xf0, 0x7c, 0x14));
    skin.setColorAt(1, QColor(0xb0, 0x48, 0x00));
    const qreal outline = std::max(1.0, size / 48);
    p.setPen(QPen(QColor(0x40, 0x18, 0x00), outline));
    p.setBrush(skin);
    p.drawEllipse(centre, radius, radius);

    // Seams: a vertical and a horizontal one through the middle and two
    // curves bowing towards it from the sides.
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, radius, radius);
    p.setClipPath(clip);
    // Small sizes: one-pixel seams on pixel centres, so they stay crisp.
    const bool small = size <= 32;
    const qreal seam = small ? 1.0 : size / 30;
    if (small)
        p.translate(-0.5, -0.5);
    p.setPen(QPen(QColor(0x2a, 0x10, 0x00), seam, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    QPainterPath horizontal;
    horizontal.moveTo(centre.x() - radius, centre.y() - radius * 0.08);
    horizontal.quadTo(centre.x(), centre.y() + radius * 0.12, centre.x() + radius, centre.y() - radius * 0.08);
    p.drawPath(horizontal);
    for (int side : {-1, 1}) {
        QPainterPath outer;
        outer.moveTo(centre.x() + side * radius * 0.52, centre.y() - radius * 0.86);
        outer.quadTo(QPointF(centre.x() + side * radius * 0.18, centre.y()),
                     QPointF(centre.x() + side * radius * 0.52, centre.y() + radius * 0.86));
        p.drawPath(outer);
    }
    p.restore();

    // Soft highlight.
    if (size >= 24) {
        QRadialGradient light(centre - QPointF(radius * 0.4, radius * 0.45), radius * 0.5);
        light.setColorAt(0, QColor(255, 255, 255, 90));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(centre, radius, radius);
    }
}

// --- The About box picture, 120 x 150 -------------------------------------

// One seven-segment digit in the box; segments a..g as in the usual layout.
void DrawSevenSegmentDigit(QPainter &p, const QRectF &box, int digit, const QColor &on, const QColor &off)
{
    static const unsigned char masks[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    const qreal t = box.width() / 4.2;
    const qreal h = t / 2;
    const qreal gap = 0.7;
    // Segment centre lines run half a thickness inside the box.
    const qreal x0 = box.left() + h, x1 = box.right() - h, y0 = box.top() + h, y1 = box.bottom() - h;
    const qreal ym = (y0 + y1) / 2;
    auto horizontal = [&](qreal y) {
        return QPolygonF({QPointF(x0 + gap, y), QPointF(x0 + h + gap, y - h), QPointF(x1 - h - gap, y - h),
                          QPointF(x1 - gap, y), QPointF(x1 - h - gap, y + h), QPointF(x0 + h + gap, y + h)});
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        return QPolygonF({QPointF(x, ya + gap), QPointF(x + h, ya + h + gap), QPointF(x + h, yb - h - gap),
                          QPointF(x, yb - gap), QPointF(x - h, yb - h - gap), QPointF(x - h, ya + h + gap)});
    };
    const QPolygonF segments[7] = {
        horizontal(y0),       vertical(x1, y0, ym), vertical(x1, ym, y1), horizontal(y1),
        vertical(x0, ym, y1), vertical(x0, y0, ym), horizontal(ym),
    };
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((masks[digit] >> s) & 1 ? on : off);
        p.drawPolygon(segments[s]);
    }
}

void DrawProductPicture(QPainter &p)
{
    // Night-blue hall.
    QLinearGradient hall(QPointF(0, 0), QPointF(0, 150));
    hall.setColorAt(0, QColor(0x0c, 0x18, 0x3c));
    hall.setColorAt(0.6, QColor(0x1c, 0x3a, 0x7e));
    hall.setColorAt(1, QColor(0x0a, 0x14, 0x34));
    p.fillRect(QRect(0, 0, 120, 150), hall);
    // Floor boards.
    QLinearGradient floor(QPointF(0, 112), QPointF(0, 150));
    floor.setColorAt(0, QColor(0xc8, 0x8a, 0x44));
    floor.setColorAt(1, QColor(0x8a, 0x54, 0x20));
    p.fillRect(QRectF(0, 112, 120, 38), floor);
    p.setPen(QPen(QColor(0x6a, 0x3e, 0x14), 1));
    for (int x = -30; x < 140; x += 18)
        p.drawLine(QPointF(x, 150), QPointF(x + 12, 112));

    // The clock: a dark case with four red digits and a colon.
    const QRectF caseRect(8.5, 8.5, 103, 42);
    QLinearGradient bezel(caseRect.topLeft(), caseRect.bottomLeft());
    bezel.setColorAt(0, QColor(0x9a, 0x9a, 0xa4));
    bezel.setColorAt(1, QColor(0x40, 0x40, 0x48));
    p.setPen(QPen(QColor(0x10, 0x10, 0x14), 1));
    p.setBrush(bezel);
    p.drawRoundedRect(caseRect, 4, 4);
    p.setBrush(Qt::black);
    p.drawRoundedRect(caseRect.adjusted(3, 3, -3, -3), 2, 2);
    const QColor on(0xff, 0x30, 0x20), off(0x22, 0x05, 0x05);
    const int digits[4] = {1, 2, 0, 0};
    const qreal digitWidth = 19, digitHeight = 30, top = 14.5;
    const qreal lefts[4] = {16, 38, 63, 85};
    for (int i = 0; i < 4; ++i)
        DrawSevenSegmentDigit(p, QRectF(lefts[i], top, digitWidth, digitHeight), digits[i], on, off);
    p.setBrush(on);
    p.drawEllipse(QPointF(60, top + 9), 1.8, 1.8);
    p.drawEllipse(QPointF(60, top + 21), 1.8, 1.8);

    // Ball on the floor with its shadow.
    QRadialGradient shadow(QPointF(60, 116), 26);
    shadow.setColorAt(0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(60, 116), 28, 6);
    DrawBasketball(p, QRectF(33, 60, 54, 54));

    // Product name.
    const QPainterPath name = TextPath(QStringLiteral("Quintora"), Font(19, true), QRectF(0, 121, 120, 24));
    p.setPen(QPen(QColor(0x10, 0x10, 0x30), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(name);
}

// --- The About box window icon: a blue "i" in sixteen colours --------------

const QList<QRgb> &SixteenColours()
{
    static const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QRgb NearestOfSixteen(QRgb colour)
{
    QRgb best = 0;
    int bestDistance = INT_MAX;
    for (QRgb candidate : SixteenColours()) {
        const int dr = qRed(candidate) - qRed(colour);
        const int dg = qGreen(candidate) - qGreen(colour);
        const int db = qBlue(candidate) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

// Every pixel either fully transparent or one of the sixteen colours.
QImage SnapToSixteenColours(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                line[x] = qRgba(0, 0, 0, 0);
            else
                line[x] = NearestOfSixteen(line[x]) | 0xff000000u;
        }
    }
    return image;
}

QImage InfoWindowIcon(int size)
{
    QImage image = TransparentImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal unit = size / 16.0;
    p.scale(unit, unit);
    // Blue disc with a navy rim and a white lit edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QRectF(0, 0, 16, 16));
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    // The letter, white.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 2, 2));
    p.drawRect(QRectF(6, 6, 3, 1));
    p.drawRect(QRectF(7, 6, 2, 6));
    p.drawRect(QRectF(6, 11, 4, 1));
    p.end();
    return SnapToSixteenColours(image);
}

// --- Writing ---------------------------------------------------------------

bool SavePng(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "png");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32))) {
        std::cerr << "cannot write " << qPrintable(path) << ": " << qPrintable(writer.errorString()) << '\n';
        return false;
    }
    return true;
}

bool SaveProgressiveJpeg(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    writer.setProgressiveScanWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        std::cerr << "cannot write " << qPrintable(path) << ": " << qPrintable(writer.errorString()) << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::cerr << "usage: quintora_make_pictures RESOURCE-FOLDER\n";
        return 2;
    }
    const QString out = QDir(arguments.at(1)).absolutePath() + QLatin1Char('/');
    bool ok = true;

    const QImage book = DrawOne(31, 30, DrawHelpBook);
    ok &= SavePng(Strip({book, Greyed(book)}), out + QStringLiteral("glyphs/help.png"));

    const BubbleColours blue{QColor(0x5a, 0x9a, 0xff), QColor(0x08, 0x30, 0xb0), QColor(0x04, 0x18, 0x60), Qt::white};
    const BubbleColours black{QColor(0x5a, 0x5a, 0x5a), QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0x00), Qt::white};
    const BubbleColours green{QColor(0x6a, 0xe0, 0x5a), QColor(0x0a, 0x80, 0x12), QColor(0x04, 0x40, 0x08), Qt::white};
    const BubbleColours yellow{QColor(0xff, 0xf6, 0x90), QColor(0xf0, 0xc0, 0x00), QColor(0x80, 0x60, 0x00),
                               QColor(0x70, 0x48, 0x00)};
    QList<QImage> bubbles;
    for (const BubbleColours &colours : {blue, black, green, yellow})
        bubbles.append(DrawOne(32, 32, [&colours](QPainter &p) { DrawInfoBubble(p, colours); }));
    ok &= SavePng(Strip(bubbles), out + QStringLiteral("glyphs/info.png"));

    const QImage folder = DrawOne(30, 27, DrawLoadFolder);
    ok &= SavePng(Strip({folder, Greyed(folder)}), out + QStringLiteral("glyphs/load.png"));

    const QImage sheet = DrawOne(30, 30, DrawSpreadsheet);
    ok &= SavePng(Strip({sheet, Greyed(sheet)}), out + QStringLiteral("glyphs/excel.png"));

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage ball = DrawOne(size, size, [size](QPainter &p) { DrawBasketball(p, QRectF(0, 0, size, size)); });
        ok &= SavePng(ball, out + QStringLiteral("icons/quintora-%1.png").arg(size));
    }

    const QImage product = DrawOne(120, 150, DrawProductPicture);
    ok &= SaveProgressiveJpeg(product, out + QStringLiteral("about/product.jpg"));

    ok &= SavePng(InfoWindowIcon(16), out + QStringLiteral("about/info-16.png"));
    ok &= SavePng(InfoWindowIcon(32), out + QStringLiteral("about/info-32.png"));

    return ok ? 0 : 1;
}
