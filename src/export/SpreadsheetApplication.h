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
//     Selection (get)
//   workbooks: Add (method), Count (get)
//   range of all cells: Select (method)
//   selection: Columns (get)
//   columns: AutoFit (method)

#include <QString>

#include <memory>
#include <vector>

#include "export/OleVariant.h"
#include "export/WorkbookDelivery.h"
#include "export/Worksheet.h"

class AutomationRegistry;

class SpreadsheetApplication : public std::enable_shared_from_this<SpreadsheetApplication>
{
public:
    static std::shared_ptr<SpreadsheetApplication> Make(WorkbookDelivery delivery);

    // A new client's reference to the application object.
    AutomationRef NewReference();

    bool Visible() const { return m_visible; }
    int OpenWorkbookCount() const { return static_cast<int>(m_workbooks.size()); }
    // The sheet that Cells writes into; null when no workbook is open.
    const Worksheet *ActiveSheet() const;

    // Called by the member objects.
    struct Workbook
    {
        int id = 0;
        int client = 0; // the conversation that added it
        Worksheet sheet;
    };
    void SetVisible(bool visible) { m_visible = visible; }
    Workbook &AddWorkbook(int client);
    Workbook *ActiveWorkbook();
    Workbook *FindWorkbook(int id);
    void ReleaseClient(int client) noexcept;

private:
    explicit SpreadsheetApplication(WorkbookDelivery delivery);

    WorkbookDelivery m_delivery;
    std::vector<std::unique_ptr<Workbook>> m_workbooks; // open, in the order added; the last is active
    bool m_visible = false;
    int m_nextClient = 1;
    int m_nextWorkbook = 1;
};

// Registers the application under "Excel.Application": creating makes a new
// one, and the first one made also enters the running-object table, so
// later exports attach to it.
void RegisterSpreadsheetProvider(AutomationRegistry &registry, DeliveryActions actions);
