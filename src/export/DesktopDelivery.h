// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The desktop's side of handing a workbook to the user: the documents
// folder, the clock, the program registered for .xlsx files, opening a file
// and showing a message.  Failures go to `reportFailure`; the program passes
// its exception report.

#include "export/WorkbookDelivery.h"

namespace DesktopDelivery {

inline constexpr const char *XlsxMimeType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

QString DocumentsFolder();
// Asks xdg-mime for the default program of .xlsx files.  True also when
// that cannot be asked: opening the file then tells.
bool HasSpreadsheetProgram();

DeliveryActions Actions(std::function<void(const QString &)> reportFailure);

} // namespace DesktopDelivery
