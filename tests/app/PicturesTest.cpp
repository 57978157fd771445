// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The pictures compiled into the program: sizes, transparency, the colours
// that tell the glyph states apart, and the About box's progressive JPEG.

#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSet>

#include <gtest/gtest.h>

#include "app/ApplicationIcon.h"
#include "app/TFormInfo.h"

namespace {

QImage Load(const QString &path)
{
    QImage image(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

struct Average
{
    double r = 0, g = 0, b = 0;
    int count = 0;
};

// The mean colour of the clearly opaque pixels of one cell.
Average OpaqueAverage(const QImage &image, QRect cell)
{
    Average average;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 200)
                continue;
            average.r += qRed(pixel);
            average.g += qGreen(pixel);
            average.b += qBlue(pixel);
            ++average.count;
        }
    }
    if (average.count > 0) {
        average.r /= average.count;
        average.g /= average.count;
        average.b /= average.count;
    }
    return average;
}

bool IsGreyOnly(const QImage &image, QRect cell)
{
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0 && (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)))
                return false;
        }
    }
    return true;
}

bool CornersTransparent(const QImage &image, QRect cell)
{
    return qAlpha(image.pixel(cell.topLeft())) == 0 && qAlpha(image.pixel(cell.bottomRight())) == 0
        && qAlpha(image.pixel(cell.topRight())) == 0 && qAlpha(image.pixel(cell.bottomLeft())) == 0;
}

// The start-of-frame marker of a JPEG stream (0xC0 baseline, 0xC2
// progressive ...), found by walking the marker segments up to the scan.
int StartOfFrameMarker(const QByteArray &jpeg)
{
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF || uchar(jpeg[1]) != 0xD8)
        return -1;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (uchar(jpeg[at]) != 0xFF)
            return -1;
        const int marker = uchar(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        if (marker == 0xDA)
            return -1; // scan data before any frame header
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        at += 2 + length;
    }
    return -1;
}

TEST(Pictures, GlyphStripsHaveTheirCellsAndTransparentBackgrounds)
{
    struct Strip
    {
        const char *path;
        QSize size;
        int cells;
    };
    const Strip strips[] = {
        {":/glyphs/help.png", {62, 30}, 2},
        {":/glyphs/info.png", {128, 32}, 4},
        {":/glyphs/load.png", {60, 27}, 2},
        {":/glyphs/excel.png", {60, 30}, 2},
    };
    for (const Strip &strip : strips) {
        SCOPED_TRACE(strip.path);
        const QImage image = Load(QLatin1String(strip.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), strip.size);
        EXPECT_TRUE(image.hasAlphaChannel());
        const int cellWidth = strip.size.width() / strip.cells;
        for (int cell = 0; cell < strip.cells; ++cell) {
            const QRect rect(cell * cellWidth, 0, cellWidth, strip.size.height());
            EXPECT_TRUE(CornersTransparent(image, rect)) << "cell " << cell;
            EXPECT_GT(OpaqueAverage(image, rect).count, cellWidth * strip.size.height() / 4) << "cell " << cell;
        }
    }
}

TEST(Pictures, TwoStateGlyphsHaveAColouredAndAGreyCell)
{
    for (const char *path : {":/glyphs/help.png", ":/glyphs/load.png", ":/glyphs/excel.png"}) {
        SCOPED_TRACE(path);
        const QImage image = Load(QLatin1String(path));
        const int half = image.width() / 2;
        EXPECT_FALSE(IsGreyOnly(image, QRect(0, 0, half, image.height())));
        EXPECT_TRUE(IsGreyOnly(image, QRect(half, 0, half, image.height())));
        // The grey cell has the same outline as the coloured one.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < half; ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), qAlpha(image.pixel(x + half, y))) << x << "," << y;
    }
}

TEST(Pictures, HelpBookIsPurpleAndExportSheetGreen)
{
    const QImage help = Load(QStringLiteral(":/glyphs/help.png"));
    const Average book = OpaqueAverage(help, QRect(4, 2, 4, 23)); // the spine
    EXPECT_GT(book.b, book.g + 30);
    EXPECT_GT(book.r, book.g + 20);

    const QImage excel = Load(QStringLiteral(":/glyphs/excel.png"));
    const Average grid = OpaqueAverage(excel, QRect(7, 9, 15, 18));
    EXPECT_GT(grid.g, grid.r + 20);
    EXPECT_GT(grid.g, grid.b + 20);
}

TEST(Pictures, InfoBubblesAreBlueBlackGreenAndYellow)
{
    const QImage image = Load(QStringLiteral(":/glyphs/info.png"));
    const Average blue = OpaqueAverage(image, QRect(0, 0, 32, 32));
    const Average black = OpaqueAverage(image, QRect(32, 0, 32, 32));
    const Average green = OpaqueAverage(image, QRect(64, 0, 32, 32));
    const Average yellow = OpaqueAverage(image, QRect(96, 0, 32, 32));
    EXPECT_GT(blue.b, blue.r + 60);
    EXPECT_GT(blue.b, blue.g + 40);
    EXPECT_LT(black.r + black.g + black.b, 3 * 110.0);
    EXPECT_NEAR(black.r, black.b, 8);
    EXPECT_GT(green.g, green.r + 60);
    EXPECT_GT(green.g, green.b + 60);
    EXPECT_GT(yellow.r, yellow.b + 80);
    EXPECT_GT(yellow.g, yellow.b + 60);
}

TEST(Pictures, ApplicationIconIsAnOrangeBallInEverySize)
{
    const QIcon icon = ApplicationIcon();
    for (int size : ApplicationIconSizes) {
        SCOPED_TRACE(size);
        const QImage image = Load(QStringLiteral(":/icons/quintora-%1.png").arg(size));
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(CornersTransparent(image, image.rect()));
        const Average ball = OpaqueAverage(image, image.rect());
        EXPECT_GT(ball.r, ball.g + 40);
        EXPECT_GT(ball.g, ball.b + 20);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    }
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
}

TEST(Pictures, ProductPictureIsAProgressiveColourJpegOf120By150)
{
    QFile file(TFormInfo::ProductPicturePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(StartOfFrameMarker(bytes), 0xC2);
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("FFC2")));

    QImageReader reader(TFormInfo::ProductPicturePath(), "jpeg");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.size(), QSize(120, 150));
    EXPECT_FALSE(picture.isGrayscale());
}

TEST(Pictures, StartOfFrameWalkerTellsBaselineFromProgressive)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray baseline;
    {
        QBuffer buffer(&baseline);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        ASSERT_TRUE(writer.write(image));
    }
    EXPECT_EQ(StartOfFrameMarker(baseline), 0xC0);
    EXPECT_EQ(StartOfFrameMarker(QByteArray("not a jpeg")), -1);
    EXPECT_EQ(StartOfFrameMarker(baseline.left(3)), -1);
}

TEST(Pictures, AboutBoxWindowIconUsesSixteenColours)
{
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const QImage image = Load(QStringLiteral(":/about/info-%1.png").arg(size));
        ASSERT_EQ(image.size(), QSize(size, size));
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const int alpha = qAlpha(pixel);
                ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
                if (alpha == 255)
                    colours.insert(pixel);
            }
        }
        EXPECT_LE(colours.size(), 16);
        EXPECT_TRUE(colours.contains(qRgb(0, 0, 255)));
        EXPECT_TRUE(colours.contains(qRgb(255, 255, 255)));
    }
}

} // namespace
