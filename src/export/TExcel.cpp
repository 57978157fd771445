// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/TExcel.h"

#include "export/AutomationRegistry.h"

TExcel::TExcel(QObject *owner, AutomationRegistry *registry)
    : QObject(owner)
    , m_registry(registry ? *registry : AutomationRegistry::Process())
{ }

TExcel::~TExcel() = default;

bool TExcel::Connect()
{
    const QString progId = QString::fromLatin1(ProgId);
    AutomationRef application;
    if (!ExcelNew) {
        try {
            application = m_registry.Attach(progId);
        } catch (const std::exception &) {
            // Nothing running: start one below.
        }
    }
    if (!application) {
        try {
            application = m_registry.Create(progId);
        } catch (const std::exception &) {
            return false;
        }
    }
    ExcelApp = OleVariant(std::move(application));
    ExcelApp.Put(QStringLiteral("visible"), {OleVariant(true)});
    return true;
}

void TExcel::NewWorkbook()
{
    line = 1;
    const OleVariant workbooks = ExcelApp.Get(QStringLiteral("Workbooks"));
    workbooks.Call(QStringLiteral("add"));
}

void TExcel::WriteRow()
{
    const int n = Fields.Count();
    for (int k = 1; k <= n; ++k) {
        if (Horizontal)
            ExcelApp.Put(QStringLiteral("Cells"), {OleVariant::ByRef(line), OleVariant(k), OleVariant(Fields[k - 1])});
        else
            ExcelApp.Put(QStringLiteral("Cells"), {OleVariant(k), OleVariant::ByRef(line), OleVariant(Fields[k - 1])});
    }
    ++line;
}

void TExcel::AutoFitColumns()
{
    ExcelApp.Get(QStringLiteral("cells")).Call(QStringLiteral("select"));
    const OleVariant selection = ExcelApp.Get(QStringLiteral("Selection"));
    const OleVariant columns = selection.Get(QStringLiteral("Columns"));
    columns.Call(QStringLiteral("Autofit"));
}
