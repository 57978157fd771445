// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "RosterTestSupport.h"

namespace {

class CheckListBox : public ::testing::Test, public RosterFixture
{
protected:
    void SetUp() override
    {
        list.SetLines({QStringLiteral(" 4 Anna"), QStringLiteral(" 5 Berta"), QStringLiteral(" 6 Clara"),
                       QStringLiteral(" 7 Dora")});
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        QApplication::processEvents();
    }

    QPoint CheckBoxOf(int row) const { return {7, row * 23 + 11}; }
    QPoint TextOf(int row) const { return {120, row * 23 + 11}; }
    void Click(QPoint at) { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at); }
    std::vector<bool> Checks() const
    {
        std::vector<bool> checks;
        for (int row = 0; row < list.Count(); ++row)
            checks.push_back(list.Checked(row));
        return checks;
    }
};

TEST_F(CheckListBox, FixedLinesOfTwentyThreePixels)
{
    EXPECT_EQ(list.ItemHeight(), 23);
    EXPECT_EQ(list.ItemRect(3), QRect(0, 69, list.viewport()->width(), 23));
    EXPECT_EQ(list.indexAt(QPoint(50, 68)).row(), 2);
    EXPECT_EQ(list.indexAt(QPoint(50, 69)).row(), 3);
    EXPECT_EQ(list.font().pixelSize(), 21);
    EXPECT_TRUE(list.font().bold());
    EXPECT_EQ(list.font().family(), QStringLiteral("Courier New"));
    EXPECT_TRUE(list.Flat());
    EXPECT_EQ(list.Tag(), 1);
}

TEST_F(CheckListBox, ClickOnTheCheckBoxTogglesClickOnTheTextSelects)
{
    Click(CheckBoxOf(2));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(list.ItemIndex(), 2) << "the click selects the line too";
    Click(CheckBoxOf(2));
    EXPECT_FALSE(list.Checked(2));

    Click(TextOf(1));
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, false}));
    Click(QPoint(TCheckListBox::CheckColumnWidth, 11)); // first pixel right of the column
    EXPECT_FALSE(list.Checked(0));
    Click(QPoint(60, 4 * 23 + 5)); // below the last line
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(CheckListBox, EachClickOfADoubleClickToggles)
{
    // A window system delivers a double click as press, release, double
    // click (in place of the second press), release.
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, CheckBoxOf(1));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, CheckBoxOf(1));
    EXPECT_TRUE(list.Checked(1));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, CheckBoxOf(1)); // sends the double click alone
    EXPECT_FALSE(list.Checked(1)) << "two toggles";
    Click(CheckBoxOf(1));
    EXPECT_TRUE(list.Checked(1));
}

TEST_F(CheckListBox, SpaceTogglesTheSelectedLine)
{
    list.setFocus();
    list.SetItemIndex(3);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.Checked(3));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(list.Checked(3));

    list.SetItemIndex(-1);
    EXPECT_EQ(list.ItemIndex(), -1);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, false})) << "no selected line, nothing toggles";
}

TEST_F(CheckListBox, DisabledListTakesNoCheckChanges)
{
    list.SetChecked(0, true);
    list.SetItemIndex(1);
    list.setEnabled(false);
    Click(CheckBoxOf(0));
    Click(CheckBoxOf(1));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false, false}));
    list.setEnabled(true);
    Click(CheckBoxOf(1));
    EXPECT_TRUE(list.Checked(1));
}

TEST_F(CheckListBox, NewLinesAreUncheckedAndUnselected)
{
    list.SetChecked(0, true);
    list.SetItemIndex(2);
    list.SetLines({QStringLiteral("x"), QStringLiteral("y")});
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Lines(), (QStringList{"x", "y"}));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false}));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_FALSE(list.Checked(5));
    EXPECT_EQ(list.Item(5), QString());
}

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(CheckListBox, RefreshRepaintsAtOnce)
{
    PaintCounter counter;
    list.viewport()->installEventFilter(&counter);
    list.Refresh();
    EXPECT_EQ(counter.paints, 1) << "not left for the next paint cycle";
    int drawn = 0;
    list.SetOnDrawItem([&drawn](QWidget *, int, const QRect &, TOwnerDrawState) { ++drawn; });
    list.Refresh();
    EXPECT_EQ(drawn, 4) << "every line goes through the handler";
}

TEST_F(CheckListBox, HandlerGetsTheRectRightOfTheCheckBoxAndTheState)
{
    list.SetChecked(2, true);
    list.SetItemIndex(1);
    std::vector<std::tuple<int, QRect, TOwnerDrawState, bool>> calls;
    list.SetOnDrawItem([&](QWidget *control, int index, const QRect &rect, TOwnerDrawState state) {
        EXPECT_EQ(control, &list);
        EXPECT_NE(list.Canvas(), nullptr) << "the canvas is there while a line is drawn";
        calls.emplace_back(index, rect, state,
                           list.Canvas()
                               && list.Canvas()->BrushColor() == (state & odSelected ? clHighlight : clWindow));
    });
    list.Refresh();
    EXPECT_EQ(list.Canvas(), nullptr);
    ASSERT_EQ(calls.size(), 4u);
    const int width = list.viewport()->width();
    for (const auto &[index, rect, state, brushRight] : calls) {
        EXPECT_EQ(rect,
                  QRect(TCheckListBox::CheckColumnWidth, index * 23, width - TCheckListBox::CheckColumnWidth, 23));
        EXPECT_EQ(bool(state & odSelected), index == 1);
        EXPECT_EQ(bool(state & odChecked), index == 2);
        EXPECT_FALSE(state & odDisabled);
        EXPECT_TRUE(brushRight) << index;
    }
}

} // namespace
