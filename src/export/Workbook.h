// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The sheets of one workbook in tab order, one of them active.  A new
// workbook has one sheet, "Tabelle1"; sheets added later are "Tabelle2",
// "Tabelle3", ... until renamed.  Each sheet keeps an id for as long as it
// exists, so that references to it survive sheets inserted before it.
// QtCore only.

#include <QCoreApplication>
#include <QString>

#include <vector>

#include "export/Worksheet.h"

class Workbook
{
    Q_DECLARE_TR_FUNCTIONS(Workbook)

public:
    static constexpr int MaxNameLength = 31;

    Workbook();

    int Count() const { return static_cast<int>(m_sheets.size()); }
    // Sheets by position in tab order, from 0.
    Worksheet &Sheet(int index) { return m_sheets.at(std::size_t(index)).sheet; }
    const Worksheet &Sheet(int index) const { return m_sheets.at(std::size_t(index)).sheet; }
    int IdAt(int index) const { return m_sheets.at(std::size_t(index)).id; }
    // The position of the sheet with this id; -1 when there is none.
    int IndexOf(int id) const;
    // The position of the sheet of this name (without regard to case); -1 when there is none.
    int IndexOfName(const QString &name) const;

    // Inserts a new sheet at `position` (0 to Count()) and makes it the
    // active one; returns its id.
    int Insert(int position);

    int ActiveIndex() const { return m_active; }
    void Activate(int index);
    Worksheet &Active() { return Sheet(m_active); }
    const Worksheet &Active() const { return Sheet(m_active); }

    // Why `name` cannot name the sheet at `index` (for the user), or
    // nothing when it can: 1 to 31 characters, none of : \ / ? * [ ], no
    // apostrophe at either end, and no other sheet of that name.
    QString NameProblem(const QString &name, int index) const;

private:
    struct Entry
    {
        int id;
        Worksheet sheet;
    };
    std::vector<Entry> m_sheets;
    int m_active = 0;
    int m_nextId = 1;
    int m_nextNumber = 1; // of the default name "TabelleN"
};
