// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/Workbook.h"

#include <algorithm>

Workbook::Workbook()
{
    Insert(0);
}

int Workbook::IndexOf(int id) const
{
    for (int index = 0; index < Count(); ++index) {
        if (m_sheets[std::size_t(index)].id == id)
            return index;
    }
    return -1;
}

int Workbook::IndexOfName(const QString &name) const
{
    for (int index = 0; index < Count(); ++index) {
        if (Sheet(index).Name().compare(name, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

int Workbook::Insert(int position)
{
    // A default name that a renamed sheet may already carry is skipped.
    QString name;
    do {
        name = tr("Tabelle%1").arg(m_nextNumber++);
    } while (IndexOfName(name) >= 0);
    const int id = m_nextId++;
    position = std::clamp(position, 0, Count());
    m_sheets.insert(m_sheets.begin() + position, Entry{id, Worksheet(name)});
    m_active = position;
    return id;
}

void Workbook::Activate(int index)
{
    if (index >= 0 && index < Count())
        m_active = index;
}

QString Workbook::NameProblem(const QString &name, int index) const
{
    if (name.isEmpty() || name.size() > MaxNameLength)
        return tr("Der Name eines Tabellenblatts muss 1 bis %1 Zeichen lang sein.").arg(MaxNameLength);
    for (const QChar c : name) {
        if (QStringLiteral(":\\/?*[]").contains(c))
            return tr("Der Name eines Tabellenblatts darf keines der Zeichen : \\ / ? * [ ] enthalten.");
    }
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        return tr("Der Name eines Tabellenblatts darf nicht mit einem Apostroph beginnen oder enden.");
    const int other = IndexOfName(name);
    if (other >= 0 && other != index)
        return tr("Es gibt schon ein Tabellenblatt namens „%1“.").arg(name);
    return {};
}
