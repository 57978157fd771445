// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Writes one sheet as an .xlsx workbook (libxlsxwriter).  Texts that read as
// a time h:mm:ss become time values with that number format; every other
// text stays a string, unchanged.  QtCore only.

#include <QString>

class Worksheet;

namespace XlsxFile {

inline constexpr int MaxTextLength = 32767; // characters a cell can hold
inline constexpr const char *SheetName = "Tabelle1";

struct Result
{
    QString error; // empty when the file was written
    int shortenedTexts = 0; // texts cut to MaxTextLength
    bool ok() const { return error.isEmpty(); }
};

// Writes `sheet` to `path`, replacing whatever file is there.
Result Write(const Worksheet &sheet, const QString &path);

} // namespace XlsxFile
