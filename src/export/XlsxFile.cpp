// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/XlsxFile.h"

#include <QCoreApplication>
#include <QFile>

#include <map>
#include <xlsxwriter.h>

#include "export/CNumericLocale.h"
#include "export/SheetTime.h"
#include "export/Workbook.h"

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

// The workbook's cell formats, one per number format and weight, made
// when first needed; a cell of neither has none.
class CellFormats
{
public:
    explicit CellFormats(lxw_workbook *workbook)
        : m_workbook(workbook)
    { }

    lxw_format *For(const QString &numberFormat, bool bold)
    {
        if (numberFormat.isEmpty() && !bold)
            return nullptr;
        lxw_format *&format = m_formats[{numberFormat, bold}];
        if (!format) {
            format = workbook_add_format(m_workbook);
            if (!numberFormat.isEmpty())
                format_set_num_format(format, numberFormat.toUtf8().constData());
            if (bold)
                format_set_bold(format);
        }
        return format;
    }

private:
    lxw_workbook *m_workbook;
    std::map<std::pair<QString, bool>, lxw_format *> m_formats;
};

lxw_error WriteCell(lxw_worksheet *worksheet, const Worksheet &sheet, Worksheet::Cell cell,
                    const Worksheet::Value &value, CellFormats &formats, Result &result)
{
    const auto r = static_cast<lxw_row_t>(cell.first - 1);
    const auto c = static_cast<lxw_col_t>(cell.second - 1);
    const bool bold = sheet.IsBold(cell.first);
    const QString numberFormat = sheet.NumberFormatOf(cell.second);
    if (const auto *number = std::get_if<std::int32_t>(&value))
        return worksheet_write_number(worksheet, r, c, *number, formats.For(numberFormat, bold));
    if (const auto *number = std::get_if<double>(&value))
        return worksheet_write_number(worksheet, r, c, *number, formats.For(numberFormat, bold));
    if (const auto *flag = std::get_if<bool>(&value))
        return worksheet_write_boolean(worksheet, r, c, *flag ? 1 : 0, formats.For(QString(), bold));
    QString text = std::get<QString>(value);
    if (const auto fraction = SheetTime::DayFraction(text)) {
        const QString timeFormat = numberFormat.isEmpty() ? QString::fromLatin1(SheetTime::NumberFormat) : numberFormat;
        return worksheet_write_number(worksheet, r, c, *fraction, formats.For(timeFormat, bold));
    }
    if (text.isEmpty())
        return LXW_NO_ERROR; // an empty text is an empty cell
    if (text.size() > MaxTextLength) {
        text = Shortened(text);
        ++result.shortenedTexts;
    }
    return worksheet_write_string(worksheet, r, c, text.toUtf8().constData(), formats.For(QString(), bold));
}

// Only what differs from a new sheet's page setup is written, so a sheet
// whose printing nobody set has none in the file.
lxw_error WritePageSetup(lxw_worksheet *worksheet, const Worksheet::PageSetup &page)
{
    if (page.Landscape)
        worksheet_set_landscape(worksheet);
    if (!page.Zoom)
        worksheet_fit_to_pages(worksheet, static_cast<std::uint16_t>(page.PagesWide),
                               static_cast<std::uint16_t>(page.PagesTall));
    else if (*page.Zoom != Worksheet::PageSetup().Zoom)
        worksheet_set_print_scale(worksheet, static_cast<std::uint16_t>(*page.Zoom));
    if (page.TitleRows)
        return worksheet_repeat_rows(worksheet, static_cast<lxw_row_t>(page.TitleRows->first - 1),
                                     static_cast<lxw_row_t>(page.TitleRows->second - 1));
    return LXW_NO_ERROR;
}

lxw_error WriteSheet(lxw_worksheet *worksheet, const Worksheet &sheet, CellFormats &formats, Result &result)
{
    for (const auto &[cell, value] : sheet.Cells()) {
        if (const lxw_error error = WriteCell(worksheet, sheet, cell, value, formats, result); error != LXW_NO_ERROR)
            return error;
    }
    for (const auto &[column, width] : sheet.ColumnWidths()) {
        const auto c = static_cast<lxw_col_t>(column - 1);
        if (const lxw_error error = worksheet_set_column(worksheet, c, c, width, nullptr); error != LXW_NO_ERROR)
            return error;
    }
    if (sheet.AllSelected())
        worksheet_set_selection(worksheet, 0, 0, Worksheet::MaxRows - 1, Worksheet::MaxColumns - 1);
    // A split that is not frozen depends on the window's size in pixels; only frozen panes are kept.
    if (sheet.PanesFrozen() && (sheet.SplitRows() > 0 || sheet.SplitColumns() > 0))
        worksheet_freeze_panes(worksheet, static_cast<lxw_row_t>(sheet.SplitRows()),
                               static_cast<lxw_col_t>(sheet.SplitColumns()));
    return WritePageSetup(worksheet, sheet.Page());
}

} // namespace

Result Write(const Workbook &book, const QString &path)
{
    Result result;
    // libxlsxwriter writes every number with printf, which follows the
    // user's locale: a German one would put "18,7" into the file, which no
    // spreadsheet program reads as a number.
    const CNumericLocale pointNumbers;
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(fileName.constData());
    if (!workbook) {
        result.error = QCoreApplication::translate("XlsxFile", "Die Arbeitsmappe lässt sich nicht anlegen.");
        return result;
    }
    CellFormats formats(workbook);
    lxw_error error = LXW_NO_ERROR;
    for (int index = 0; index < book.Count() && error == LXW_NO_ERROR && result.ok(); ++index) {
        const Worksheet &sheet = book.Sheet(index);
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.Name().toUtf8().constData());
        if (!worksheet) {
            result.error = QCoreApplication::translate("XlsxFile", "Das Tabellenblatt „%1“ lässt sich nicht anlegen.")
                               .arg(sheet.Name());
            break;
        }
        error = WriteSheet(worksheet, sheet, formats, result);
        if (index == book.ActiveIndex() && index > 0)
            worksheet_activate(worksheet);
    }

    // Closing writes the file; it also frees the workbook when a cell failed.
    const lxw_error closeError = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closeError;
    if (error != LXW_NO_ERROR && result.ok())
        result.error = ErrorText(error);
    return result;
}

} // namespace XlsxFile
