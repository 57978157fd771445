// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/XlsxFile.h"

#include <QFile>

#include <xlsxwriter.h>

#include "export/SheetTime.h"
#include "export/Worksheet.h"

namespace XlsxFile {

namespace {

QString ErrorText(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// Cuts a text to what a cell holds, never between the halves of a surrogate pair.
QString Shortened(const QString &text)
{
    qsizetype length = MaxTextLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

lxw_error WriteCell(lxw_worksheet *sheet, int row, int column, const Worksheet::Value &value, lxw_format *timeFormat,
                    Result &result)
{
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    if (const auto *number = std::get_if<std::int32_t>(&value))
        return worksheet_write_number(sheet, r, c, *number, nullptr);
    if (const auto *flag = std::get_if<bool>(&value))
        return worksheet_write_boolean(sheet, r, c, *flag ? 1 : 0, nullptr);
    QString text = std::get<QString>(value);
    if (const auto fraction = SheetTime::DayFraction(text))
        return worksheet_write_number(sheet, r, c, *fraction, timeFormat);
    if (text.isEmpty())
        return LXW_NO_ERROR; // an empty text is an empty cell
    if (text.size() > MaxTextLength) {
        text = Shortened(text);
        ++result.shortenedTexts;
    }
    return worksheet_write_string(sheet, r, c, text.toUtf8().constData(), nullptr);
}

} // namespace

Result Write(const Worksheet &sheet, const QString &path)
{
    Result result;
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(fileName.constData());
    if (!workbook) {
        result.error = QStringLiteral("Die Arbeitsmappe lässt sich nicht anlegen.");
        return result;
    }
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, SheetName);
    lxw_format *timeFormat = workbook_add_format(workbook);
    format_set_num_format(timeFormat, SheetTime::NumberFormat);

    lxw_error error = LXW_NO_ERROR;
    for (const auto &[cell, value] : sheet.Cells()) {
        error = WriteCell(worksheet, cell.first, cell.second, value, timeFormat, result);
        if (error != LXW_NO_ERROR)
            break;
    }
    for (const auto &[column, width] : sheet.ColumnWidths()) {
        if (error != LXW_NO_ERROR)
            break;
        const auto c = static_cast<lxw_col_t>(column - 1);
        error = worksheet_set_column(worksheet, c, c, width, nullptr);
    }
    if (sheet.AllSelected())
        worksheet_set_selection(worksheet, 0, 0, Worksheet::MaxRows - 1, Worksheet::MaxColumns - 1);

    // Closing writes the file; it also frees the workbook when a cell failed.
    const lxw_error closeError = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closeError;
    if (error != LXW_NO_ERROR)
        result.error = ErrorText(error);
    return result;
}

} // namespace XlsxFile
