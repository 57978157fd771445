// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// A workbook written on a German desktop, where the C library writes numbers
// with a decimal comma: the file holds them with a point, as spreadsheet
// programs read them, on the UI thread and on a worker thread alike, and the
// thread's locale is the user's again afterwards.

#include <QRegularExpression>
#include <QTemporaryDir>

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "XlsxReadBack.h"
#include "export/Workbook.h"
#include "export/XlsxFile.h"

namespace {

// The process's numbers as on a German desktop, for as long as it lives.
class GermanNumbers
{
public:
    GermanNumbers()
        : m_before(std::setlocale(LC_NUMERIC, nullptr))
        , m_active(std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
    { }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, m_before.c_str()); }
    bool Active() const { return m_active; }

private:
    std::string m_before;
    bool m_active;
};

std::string DecimalPoint()
{
    return std::localeconv()->decimal_point;
}

TEST(XlsxFileLocale, NumbersKeepTheirPointUnderAGermanLocale)
{
    const GermanNumbers german;
    if (!german.Active())
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed (scripts/install-deps generates it)";
    ASSERT_EQ(DecimalPoint(), ",");

    Workbook book;
    Worksheet &sheet = book.Active();
    sheet.SetCell(1, 1, QStringLiteral(" 4 Anna Berger"));
    sheet.SetCell(1, 2, QStringLiteral("0:00:02")); // a time: 2/86400 of a day, 2.3148...E-05
    sheet.SetCell(2, 2, 2.5);
    sheet.AutoFitColumns(1, 2); // the file's widths are fractional

    const QRegularExpression decimalComma(QStringLiteral("[0-9],[0-9]"));
    for (const bool onWorker : {false, true}) {
        SCOPED_TRACE(onWorker ? "written on a worker thread" : "written on the calling thread");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Spiel.xlsx"));
        XlsxFile::Result written;
        std::string pointAfter;
        const auto write = [&] {
            written = XlsxFile::Write(book, path);
            pointAfter = DecimalPoint();
        };
        if (onWorker)
            std::thread(write).join();
        else
            write();
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        EXPECT_EQ(pointAfter, ",") << "the thread's own locale comes back";

        const auto parts = XlsxReadBack::Unzip(path);
        ASSERT_TRUE(parts);
        for (auto part = parts->cbegin(); part != parts->cend(); ++part) {
            if (part.key() != QLatin1String("xl/sharedStrings.xml")) // the texts are the user's
                EXPECT_FALSE(QString::fromUtf8(part.value()).contains(decimalComma)) << part.key().toStdString();
        }
        const auto read = XlsxReadBack::Read(path);
        ASSERT_TRUE(read);
        EXPECT_DOUBLE_EQ(read->cells.value(QStringLiteral("B1")).number, 2.0 / 86400);
        EXPECT_DOUBLE_EQ(read->cells.value(QStringLiteral("B2")).number, 2.5);
        for (const auto &[column, width] : sheet.ColumnWidths()) {
            EXPECT_GE(read->columnWidths.value(column), width) << "column " << column;
            EXPECT_LT(read->columnWidths.value(column), width + 1) << "column " << column;
        }
    }
}

} // namespace
