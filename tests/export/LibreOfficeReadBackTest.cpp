// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Reads an exported workbook back with LibreOffice: every roster line must
// stand in column 1 and its playing time in column 2, as the user's
// spreadsheet program shows them, and the times must be time values.
// Exits with 77 (skipped) when LibreOffice is not installed.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>

#include "ExportTestSupport.h"
#include "export/AutomationRegistry.h"
#include "export/RosterExport.h"
#include "export/SpreadsheetApplication.h"

namespace {

// One CSV record per line; quoted fields may hold the delimiter and doubled quotes.
QList<QStringList> ParseCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        any = true;
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(field);
            field.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any) {
        record.append(field);
        records.append(record);
    }
    return records;
}

// Converts `workbook` with LibreOffice (`target` as --convert-to takes it,
// its file extension first) and returns the converted text.
QString Convert(const QString &workbook, const QString &target, const QString &scratch)
{
    const QString outDir = QDir(scratch).filePath(QStringLiteral("converted"));
    QDir().mkpath(outDir);
    QProcess soffice;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QDir(scratch).filePath(QStringLiteral("home")));
    soffice.setProcessEnvironment(environment);
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(QStringLiteral("soffice"),
                  {QStringLiteral("--headless"),
                   QStringLiteral("-env:UserInstallation=")
                       + QUrl::fromLocalFile(QDir(scratch).filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--convert-to"), target, workbook, QStringLiteral("--outdir"), outDir});
    if (!soffice.waitForFinished(240000)) {
        soffice.kill();
        soffice.waitForFinished();
        ADD_FAILURE() << "soffice did not finish";
        return QString();
    }
    const QString log = QString::fromLocal8Bit(soffice.readAll());
    const QString extension = target.section(QLatin1Char(':'), 0, 0);
    QFile converted(QDir(outDir).filePath(QFileInfo(workbook).completeBaseName() + QLatin1Char('.') + extension));
    if (!converted.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "nothing converted; soffice said: " << log.toStdString();
        return QString();
    }
    const QString text = QString::fromUtf8(converted.readAll());
    converted.remove();
    return text;
}

struct StoredCell
{
    QString type; // office:value-type
    QString value; // office:time-value, office:value or the text
};

// The cells of the first sheet of a flat OpenDocument spreadsheet, row by row.
QList<QList<StoredCell>> ReadFlatSheet(const QString &xml)
{
    QList<QList<StoredCell>> rows;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.qualifiedName() == QLatin1String("table:table"))
            break;
        if (!reader.isStartElement())
            continue;
        if (reader.qualifiedName() == QLatin1String("table:table-row")) {
            rows.append(QList<StoredCell>());
        } else if (reader.qualifiedName() == QLatin1String("table:table-cell") && !rows.isEmpty()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            StoredCell cell;
            cell.type = attributes.value(QLatin1String("office:value-type")).toString();
            if (cell.type == QLatin1String("time"))
                cell.value = attributes.value(QLatin1String("office:time-value")).toString();
            else if (cell.type == QLatin1String("float"))
                cell.value = attributes.value(QLatin1String("office:value")).toString();
            QStringList paragraphs;
            while (reader.readNextStartElement()) {
                if (reader.qualifiedName() == QLatin1String("text:p"))
                    paragraphs.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
                else
                    reader.skipCurrentElement();
            }
            if (cell.type == QLatin1String("string"))
                cell.value = paragraphs.join(QLatin1Char('\n'));
            const int repeated = std::max(1, attributes.value(QLatin1String("table:number-columns-repeated")).toInt());
            for (int i = 0; i < repeated && rows.last().size() < 4; ++i)
                rows.last().append(cell);
        }
    }
    return rows;
}

TEST(LibreOfficeReadBack, EveryRosterLineAndItsTimeArriveInTheWorkbook)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = scratch.filePath(QStringLiteral("Dokumente"));
    QStringList opened;
    QStringList messages;
    DeliveryActions actions;
    actions.documentsFolder = [&] { return folder; };
    actions.now = [] { return QDateTime(QDate(2026, 12, 7), QTime(19, 30, 5)); };
    actions.hasSpreadsheetProgram = [] { return true; };
    actions.open = [&](const QUrl &url) {
        opened.append(url.toLocalFile());
        return true;
    };
    actions.inform = [&](const QString &message) { messages.append(message); };
    actions.reportFailure = [&](const QString &message) { messages.append(message); };
    AutomationRegistry registry;
    RegisterSpreadsheetProvider(registry, actions);

    // Team 1 runs past the ledger's 50 rows; both hold lines a careless
    // export would mangle.
    QStringList team1 = Roster(55, 1);
    team1[0] = QStringLiteral(" 4 M\u00fcller, Jan");
    team1[1] = QStringLiteral("5 Hans \"Hansi\" Meier");
    team1[2] = QString();
    team1[3] = QStringLiteral("  7  Zwei  Blanks  ");
    team1[4] = QStringLiteral("\"");
    team1[5] = QStringLiteral("=SUM(1;2)");
    team1[6] = QStringLiteral("9 \u00c7a\u011fla \u00d8stergaard \u00df");
    QStringList team2 = Roster(12, 2);
    team2[0] = QStringLiteral("10,5");
    team2[1] = QStringLiteral("a\",0:99:99");
    const std::map<std::pair<int, int>, std::uint32_t> times = {
        {{1, 0}, 306550}, {{1, 1}, 306549}, {{1, 2}, 754000}, {{1, 49}, 3599549}, {{2, 0}, 65000}, {{2, 11}, 599550}};
    TimedLedger ledger(55, 12, times);

    ASSERT_TRUE(RosterExport::Run(nullptr, team1, team2, ledger.ledger, &registry));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();

    QList<std::pair<QString, QString>> expected;
    const QStringList *rosters[] = {&team1, &team2};
    for (int team = 1; team <= 2; ++team) {
        for (int row = 0; row < rosters[team - 1]->size(); ++row)
            expected.append({rosters[team - 1]->at(row), RosterExport::TimeCellText(ledger.ledger, team, row)});
    }
    EXPECT_EQ(expected[50].second, QStringLiteral("--:--"));
    EXPECT_EQ(expected[49].second, QStringLiteral("0:59:59"));

    // As shown.
    const QList<QStringList> shown =
        ParseCsv(Convert(opened[0], QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), scratch.path()));
    ASSERT_EQ(shown.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(shown[i].size(), 2) << "row " << i + 1 << ": " << shown[i].join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(shown[i][0], expected[i].first) << "row " << i + 1;
        EXPECT_EQ(shown[i][1], expected[i].second) << "row " << i + 1;
    }

    // As stored: the times are time values, so a sheet can sum them; the
    // roster lines and "--:--" are texts.
    const QList<QList<StoredCell>> stored = ReadFlatSheet(Convert(opened[0], QStringLiteral("fods"), scratch.path()));
    ASSERT_GE(stored.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        ASSERT_GE(stored[i].size(), 2) << "row " << i + 1;
        if (!expected[i].first.isEmpty()) {
            EXPECT_EQ(stored[i][0].type, QStringLiteral("string")) << "row " << i + 1;
        }
        const QString &time = expected[i].second;
        if (time == QLatin1String("--:--")) {
            EXPECT_EQ(stored[i][1].type, QStringLiteral("string")) << "row " << i + 1;
            EXPECT_EQ(stored[i][1].value, time);
            continue;
        }
        EXPECT_EQ(stored[i][1].type, QStringLiteral("time")) << "row " << i + 1;
        EXPECT_EQ(stored[i][1].value, QStringLiteral("PT00H%1M%2S").arg(time.mid(2, 2), time.mid(5, 2)))
            << "row " << i + 1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) {
        std::cout << "SKIP: soffice (LibreOffice) is not installed\n";
        return 77;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
