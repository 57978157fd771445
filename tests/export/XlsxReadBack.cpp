// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "XlsxReadBack.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtEndian>

#include <zlib.h>

namespace XlsxReadBack {

namespace {

quint32 U32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 U16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

std::optional<QByteArray> Inflate(const QByteArray &compressed, quint32 size)
{
    QByteArray out(static_cast<qsizetype>(size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<QMap<QString, QByteArray>> Unzip(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    qsizetype end = data.size() - 22;
    while (end >= 0 && U32(data, end) != 0x06054b50)
        --end;
    if (end < 0)
        return std::nullopt;
    const quint16 entries = U16(data, end + 10);
    qsizetype at = U32(data, end + 16);
    QMap<QString, QByteArray> files;
    for (int i = 0; i < entries; ++i) {
        if (at + 46 > data.size() || U32(data, at) != 0x02014b50)
            return std::nullopt;
        const quint16 method = U16(data, at + 10);
        const quint32 compressedSize = U32(data, at + 20);
        const quint32 size = U32(data, at + 24);
        const quint16 nameLength = U16(data, at + 28);
        const quint16 extraLength = U16(data, at + 30);
        const quint16 commentLength = U16(data, at + 32);
        const quint32 local = U32(data, at + 42);
        const QString name = QString::fromUtf8(data.mid(at + 46, nameLength));
        at += 46 + nameLength + extraLength + commentLength;

        if (local + 30 > static_cast<quint32>(data.size()) || U32(data, local) != 0x04034b50)
            return std::nullopt;
        const qsizetype start = local + 30 + U16(data, local + 26) + U16(data, local + 28);
        const QByteArray stored = data.mid(start, compressedSize);
        if (method == 0) {
            files.insert(name, stored);
        } else if (method == 8) {
            const auto inflated = Inflate(stored, size);
            if (!inflated)
                return std::nullopt;
            files.insert(name, *inflated);
        } else {
            return std::nullopt;
        }
    }
    return files;
}

namespace {

QStringList SharedStrings(const QByteArray &xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    QString current;
    bool inItem = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si")) {
            inItem = true;
            current.clear();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("t") && inItem) {
            current += reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == QLatin1String("si")) {
            strings.append(current);
            inItem = false;
        }
    }
    return strings;
}

struct CellStyle
{
    QString numberFormat;
    bool bold = false;
};

// Number format and weight of each cell style index.
QList<CellStyle> CellStyles(const QByteArray &xml)
{
    QMap<int, QString> codes{{0, QString()}, {21, QStringLiteral("h:mm:ss")}};
    QList<bool> boldFonts;
    QList<CellStyle> styles;
    QXmlStreamReader reader(xml);
    bool inFonts = false;
    bool inCellXfs = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isStartElement() && name == QLatin1String("numFmt")) {
            codes.insert(reader.attributes().value(QLatin1String("numFmtId")).toInt(),
                         reader.attributes().value(QLatin1String("formatCode")).toString());
        } else if (name == QLatin1String("fonts")) {
            inFonts = reader.isStartElement();
        } else if (inFonts && reader.isStartElement() && name == QLatin1String("font")) {
            boldFonts.append(false);
        } else if (inFonts && reader.isStartElement() && name == QLatin1String("b") && !boldFonts.isEmpty()) {
            boldFonts.last() = true;
        } else if (name == QLatin1String("cellXfs")) {
            inCellXfs = reader.isStartElement();
        } else if (inCellXfs && reader.isStartElement() && name == QLatin1String("xf")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            styles.append({codes.value(attributes.value(QLatin1String("numFmtId")).toInt(), QStringLiteral("?")),
                           boldFonts.value(attributes.value(QLatin1String("fontId")).toInt())});
        }
    }
    return styles;
}

std::optional<ReadSheet> ReadSheetXml(const QByteArray &xml, const QStringList &strings, const QList<CellStyle> &styles)
{
    ReadSheet sheet;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("col")) {
            const int min = attributes.value(QLatin1String("min")).toInt();
            const int max = attributes.value(QLatin1String("max")).toInt();
            for (int column = min; column <= max; ++column)
                sheet.columnWidths.insert(column, attributes.value(QLatin1String("width")).toDouble());
        } else if (reader.name() == QLatin1String("selection")) {
            // With frozen panes the selection belongs to a pane; the whole-sheet one has none.
            if (!attributes.hasAttribute(QLatin1String("pane")))
                sheet.selection = attributes.value(QLatin1String("sqref")).toString();
        } else if (reader.name() == QLatin1String("pane")) {
            if (attributes.value(QLatin1String("state")) == QLatin1String("frozen")) {
                sheet.frozenRows = attributes.value(QLatin1String("ySplit")).toInt();
                sheet.frozenColumns = attributes.value(QLatin1String("xSplit")).toInt();
            }
        } else if (reader.name() == QLatin1String("pageSetUpPr")) {
            sheet.fitToPage = attributes.value(QLatin1String("fitToPage")) == QLatin1String("1");
        } else if (reader.name() == QLatin1String("pageSetup")) {
            sheet.landscape = attributes.value(QLatin1String("orientation")) == QLatin1String("landscape");
            if (attributes.hasAttribute(QLatin1String("fitToWidth")))
                sheet.fitToWidth = attributes.value(QLatin1String("fitToWidth")).toInt();
            if (attributes.hasAttribute(QLatin1String("fitToHeight")))
                sheet.fitToHeight = attributes.value(QLatin1String("fitToHeight")).toInt();
        } else if (reader.name() == QLatin1String("c")) {
            const QString ref = attributes.value(QLatin1String("r")).toString();
            const QString type = attributes.value(QLatin1String("t")).toString();
            const CellStyle style = styles.value(attributes.value(QLatin1String("s")).toInt());
            ReadCell cell;
            cell.bold = style.bold;
            QString value;
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("v"))
                    value = reader.readElementText();
                else
                    reader.skipCurrentElement();
            }
            if (type == QLatin1String("s")) {
                cell.type = ReadCell::Type::String;
                cell.text = strings.value(value.toInt());
            } else if (type == QLatin1String("b")) {
                cell.type = ReadCell::Type::Boolean;
                cell.number = value.toDouble();
            } else {
                cell.type = ReadCell::Type::Number;
                cell.number = value.toDouble();
                cell.numberFormat = style.numberFormat;
            }
            sheet.cells.insert(ref, cell);
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return sheet;
}

} // namespace

std::optional<ReadBook> ReadAll(const QString &path)
{
    const auto files = Unzip(path);
    if (!files)
        return std::nullopt;
    const QStringList strings = SharedStrings(files->value(QStringLiteral("xl/sharedStrings.xml")));
    const QList<CellStyle> styles = CellStyles(files->value(QStringLiteral("xl/styles.xml")));

    QMap<QString, QString> targets; // relationship id -> part below xl/
    QXmlStreamReader relations(files->value(QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!relations.atEnd()) {
        relations.readNext();
        if (relations.isStartElement() && relations.name() == QLatin1String("Relationship"))
            targets.insert(relations.attributes().value(QLatin1String("Id")).toString(),
                           relations.attributes().value(QLatin1String("Target")).toString());
    }

    ReadBook book;
    QMap<int, QString> printTitles; // by sheet index
    QXmlStreamReader workbook(files->value(QStringLiteral("xl/workbook.xml")));
    while (!workbook.atEnd()) {
        workbook.readNext();
        if (!workbook.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = workbook.attributes();
        if (workbook.name() == QLatin1String("workbookView")) {
            book.activeSheet = attributes.value(QLatin1String("activeTab")).toInt();
        } else if (workbook.name() == QLatin1String("sheet")) {
            const QString part =
                QStringLiteral("xl/") + targets.value(attributes.value(QLatin1String("r:id")).toString());
            if (!files->contains(part))
                return std::nullopt;
            auto sheet = ReadSheetXml(files->value(part), strings, styles);
            if (!sheet)
                return std::nullopt;
            sheet->sheetName = attributes.value(QLatin1String("name")).toString();
            book.sheets.append(*sheet);
        } else if (workbook.name() == QLatin1String("definedName")
                   && attributes.value(QLatin1String("name")) == QLatin1String("_xlnm.Print_Titles")) {
            const int sheet = attributes.value(QLatin1String("localSheetId")).toInt();
            printTitles.insert(sheet, workbook.readElementText());
        }
    }
    for (auto it = printTitles.constBegin(); it != printTitles.constEnd(); ++it) {
        if (it.key() < book.sheets.size())
            book.sheets[it.key()].printTitles = it.value();
    }
    if (workbook.hasError() || book.sheets.isEmpty())
        return std::nullopt;
    return book;
}

std::optional<ReadSheet> Read(const QString &path)
{
    const auto book = ReadAll(path);
    if (!book)
        return std::nullopt;
    return book->sheets.first();
}

} // namespace XlsxReadBack
