// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Writes a workbook as an .xlsx file (libxlsxwriter): every sheet in tab
// order with its name, cells, column number formats, bold rows, frozen
// panes, column widths, selection and page setup, the active sheet shown
// first.  Texts
// that read as a time h:mm:ss become time values (with the column's number
// format, else h:mm:ss); every other text stays a string, unchanged.
// QtCore only.

#include <QString>

class Workbook;

namespace XlsxFile {

inline constexpr int MaxTextLength = 32767; // characters a cell can hold

struct Result
{
    QString error; // empty when the file was written
    int shortenedTexts = 0; // texts cut to MaxTextLength
    bool ok() const { return error.isEmpty(); }
};

// Writes `workbook` to `path`, replacing whatever file is there.
Result Write(const Workbook &workbook, const QString &path);

} // namespace XlsxFile
