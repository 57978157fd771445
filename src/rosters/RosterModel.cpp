// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/RosterModel.h"

RosterModel::RosterModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

int RosterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant RosterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !HasRow(index.row()))
        return {};
    switch (role) {
    case Qt::DisplayRole: return m_lines.at(index.row());
    case Qt::CheckStateRole: return m_checked[std::size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    default: return {};
    }
}

bool RosterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !HasRow(index.row()) || role != Qt::CheckStateRole)
        return false;
    const auto state = static_cast<Qt::CheckState>(value.toInt());
    if (state != Qt::Checked && state != Qt::Unchecked)
        return false; // no grey third state
    SetChecked(index.row(), state == Qt::Checked);
    return true;
}

Qt::ItemFlags RosterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

QString RosterModel::Line(int row) const
{
    return HasRow(row) ? m_lines.at(row) : QString();
}

void RosterModel::SetLines(const QStringList &lines)
{
    beginResetModel();
    m_lines = lines;
    m_checked.assign(std::size_t(m_lines.size()), false);
    endResetModel();
}

bool RosterModel::IsChecked(int row) const
{
    return HasRow(row) && m_checked[std::size_t(row)];
}

void RosterModel::SetChecked(int row, bool checked)
{
    if (!HasRow(row) || m_checked[std::size_t(row)] == checked)
        return;
    m_checked[std::size_t(row)] = checked;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void RosterModel::Toggle(int row)
{
    if (HasRow(row))
        SetChecked(row, !m_checked[std::size_t(row)]);
}
