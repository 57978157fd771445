// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The program's own spreadsheet application, reached late-bound like the
// one registered as "Excel.Application": it keeps workbooks and their cells
// as they are put, and auto-fits columns.  Each client's reference (the one
// that attaching or creating hands out, and every object obtained through
// it) counts as one conversation; when the client drops the last of them,
// the workbooks it added are handed to a WorkbookDelivery, which saves them
// as .xlsx files and opens them.
//
// Members (names without regard to case):
//   application: Visible (put, get), Workbooks (get), Cells (put: row,
//     column, value; get without arguments: all cells of the active sheet),
//     Selection (get), ActiveWorkbook (get), ActiveWindow (get)
//   workbooks: Add (method), Count (get)
//   workbook: Worksheets (get; with an argument: one sheet, as Item)
//   worksheets: Add (call; optional Before, After: a sheet, the new sheet
//     goes before or after it, else before the active one; returns the new
//     sheet, which becomes active), Count (get), Item (get: position from 1
//     or name)
//   worksheet: Name (put, get), Cells (put: row, column, value), Columns
//     (get: all, or one column by number), Rows (get: one row by number),
//     PageSetup (get), Activate (method)
//   page setup (put, get): Orientation (1 portrait, 2 landscape), Zoom
//     (False, or 10 to 400 percent), FitToPagesWide, FitToPagesTall (False:
//     as many as it takes, or 1 to 32767; they count while Zoom is False),
//     PrintTitleRows (whole rows as "$1:$1", or "" for none)
//   range of all cells: Select (method)
//   selection: Columns (get)
//   columns: AutoFit (method), NumberFormat (put, get)
//   rows: Font (get)
//   font: Bold (put, get)
//   window (of the active sheet): SplitRow, SplitColumn (put, get: rows
//     above and columns left of the split), FreezePanes (put, get)
// Cell values are texts, 32-bit integers, doubles and Booleans.

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

#include "export/OleVariant.h"
#include "export/Workbook.h"
#include "export/WorkbookDelivery.h"

class AutomationRegistry;

class SpreadsheetApplication : public std::enable_shared_from_this<SpreadsheetApplication>
{
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetApplication)

public:
    static std::shared_ptr<SpreadsheetApplication> Make(WorkbookDelivery delivery);

    // A new client's reference to the application object.
    AutomationRef NewReference();

    bool Visible() const { return m_visible; }
    int OpenWorkbookCount() const { return static_cast<int>(m_workbooks.size()); }
    // The sheet that Cells writes into; null when no workbook is open.
    const Worksheet *ActiveSheet() const;
    // The workbook added last; null when none is open.
    const Workbook *ActiveBook() const;

    // Called by the member objects.
    struct OpenWorkbook
    {
        int id = 0;
        int client = 0; // the conversation that added it
        Workbook book;
    };
    void SetVisible(bool visible) { m_visible = visible; }
    OpenWorkbook &AddWorkbook(int client);
    OpenWorkbook *ActiveWorkbook();
    OpenWorkbook *FindWorkbook(int id);
    void ReleaseClient(int client) noexcept;

private:
    explicit SpreadsheetApplication(WorkbookDelivery delivery);

    WorkbookDelivery m_delivery;
    std::vector<std::unique_ptr<OpenWorkbook>> m_workbooks; // open, in the order added; the last is active
    bool m_visible = false;
    int m_nextClient = 1;
    int m_nextWorkbook = 1;
};

// Registers the application under "Excel.Application": creating makes a new
// one, and the first one made also enters the running-object table, so
// later exports attach to it.
void RegisterSpreadsheetProvider(AutomationRegistry &registry, DeliveryActions actions);
