// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The conversation with a spreadsheet application reached by its
// programmatic identifier "Excel.Application": connect to it, add a
// workbook, write one row of cells, auto-fit the columns.  Every member is
// called late-bound by its name; the application's lookup ignores case.

#include <QObject>

#include <cstdint>

#include "export/OleVariant.h"
#include "export/TStringList.h"

class AutomationRegistry;

class TExcel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ExcelNew MEMBER ExcelNew)
    Q_PROPERTY(bool Horizontal MEMBER Horizontal)
    Q_PROPERTY(int line MEMBER line)
public:
    static constexpr const char *ProgId = "Excel.Application";

    explicit TExcel(QObject *owner, AutomationRegistry *registry = nullptr);
    // Releasing ExcelApp only drops this reference: the application is
    // neither closed nor told anything.
    ~TExcel() override;

    OleVariant ExcelApp; // the application object, set by Connect
    bool ExcelNew = false; // start a new application instead of attaching to a running one
    bool Horizontal = true; // WriteRow writes across row `line` (false: down column `line`)
    std::int32_t line = 1; // the row (or column) the next WriteRow fills, from 1
    TStringList Fields; // the texts of the next row's cells, in column order

    // Obtains the application and makes it visible.  False when no
    // application could be had (that failure is absorbed); a failure to make
    // it visible is not absorbed.
    bool Connect();
    void NewWorkbook();
    void WriteRow();
    void AutoFitColumns();

private:
    AutomationRegistry &m_registry;
};
