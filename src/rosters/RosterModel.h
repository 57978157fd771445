// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The lines of one roster and the on-court check mark of each line.  A line
// is free text; its position is its ledger row.  Check marks are on or off,
// never grey.

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

class RosterModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit RosterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int Count() const { return int(m_lines.size()); }
    const QStringList &Lines() const { return m_lines; }
    // The text of a line; empty for a row the roster does not have.
    QString Line(int row) const;

    // Replaces every line; the new lines start unchecked.
    void SetLines(const QStringList &lines);

    // False for a row the roster does not have.
    bool IsChecked(int row) const;
    // Ignored for a row the roster does not have.
    void SetChecked(int row, bool checked);
    void Toggle(int row);

private:
    bool HasRow(int row) const { return row >= 0 && row < Count(); }

    QStringList m_lines;
    std::vector<bool> m_checked;
};
