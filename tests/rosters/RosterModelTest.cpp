// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/RosterModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(RosterModel, NewLinesStartUncheckedAndChecksStayOnOrOff)
{
    RosterModel model;
    model.SetLines({"4 Anna", "5 Berta", "6 Clara"});
    model.SetChecked(0, true);
    model.SetChecked(2, true);
    model.SetLines({"7 Dora", "8 Erika"});
    EXPECT_EQ(model.Count(), 2);
    EXPECT_FALSE(model.IsChecked(0));
    EXPECT_FALSE(model.IsChecked(1));

    const QModelIndex first = model.index(0);
    EXPECT_TRUE(model.flags(first).testFlag(Qt::ItemIsUserCheckable));
    EXPECT_FALSE(model.flags(first).testFlag(Qt::ItemIsUserTristate));
    EXPECT_FALSE(model.setData(first, Qt::PartiallyChecked, Qt::CheckStateRole)) << "no grey state";
    EXPECT_TRUE(model.setData(first, Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.data(first, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    model.Toggle(0);
    EXPECT_FALSE(model.IsChecked(0));
}

TEST(RosterModel, RowsOutsideTheRosterAreIgnored)
{
    RosterModel model;
    model.SetLines({"4 Anna"});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetChecked(-1, true);
    model.SetChecked(1, true);
    model.Toggle(7);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(model.IsChecked(1));
    EXPECT_EQ(model.Line(1), QString());
    model.SetChecked(0, true);
    model.SetChecked(0, true);
    EXPECT_EQ(changed.count(), 1) << "an unchanged mark signals nothing";
}

} // namespace
