// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/TCheckListBox.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// Forgets the canvas when drawing a line ends, however it ends.
class CanvasScope
{
public:
    CanvasScope(Canvas *&slot, Canvas &canvas)
        : m_slot(slot)
    {
        m_slot = &canvas;
    }
    ~CanvasScope() { m_slot = nullptr; }
    CanvasScope(const CanvasScope &) = delete;
    CanvasScope &operator=(const CanvasScope &) = delete;

private:
    Canvas *&m_slot;
};

} // namespace

// Hands each visible line to the list's own drawing; every line has the
// list's fixed height and the viewport's width.
class TCheckListBox::LineDelegate : public QAbstractItemDelegate
{
public:
    explicit LineDelegate(TCheckListBox *list)
        : QAbstractItemDelegate(list)
        , m_list(list)
    { }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect line(0, option.rect.top(), m_list->viewport()->width(), m_list->m_itemHeight);
        m_list->DrawLine(*painter, index.row(), line, option.state.testFlag(QStyle::State_Selected),
                         option.state.testFlag(QStyle::State_HasFocus));
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {m_list->viewport()->width(), m_list->m_itemHeight};
    }

private:
    TCheckListBox *m_list;
};

TCheckListBox::TCheckListBox(QWidget *parent)
    : QListView(parent)
{
    setModel(&m_model);
    setItemDelegate(new LineDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The sunken two-pixel border of a list box.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    SetColor(m_color);
}

void TCheckListBox::SetItemHeight(int height)
{
    if (height < 1 || height == m_itemHeight)
        return;
    m_itemHeight = height;
    // The view keeps the size of one line while its sizes are uniform.
    setUniformItemSizes(false);
    setUniformItemSizes(true);
    scheduleDelayedItemsLayout();
}

void TCheckListBox::SetFlat(bool flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    viewport()->update();
}

void TCheckListBox::SetColor(TColor color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(color));
    setPalette(pal);
    viewport()->update();
}

void TCheckListBox::SetFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    viewport()->update();
}

void TCheckListBox::SetLines(const QStringList &lines)
{
    m_model.SetLines(lines);
    verticalScrollBar()->setValue(0);
}

int TCheckListBox::ItemIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TCheckListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        selectionModel()->clear();
        return;
    }
    setCurrentIndex(m_model.index(index));
}

QRect TCheckListBox::ItemRect(int index) const
{
    const QRect visual = visualRect(m_model.index(index));
    if (!visual.isValid())
        return {};
    return {0, visual.top(), viewport()->width(), m_itemHeight};
}

void TCheckListBox::Refresh()
{
    viewport()->repaint();
}

void TCheckListBox::DrawLine(QPainter &painter, int index, const QRect &lineRect, bool selected, bool focused)
{
    painter.save();
    painter.setClipRect(lineRect, Qt::IntersectClip);
    ::Canvas canvas(painter);
    const bool enabled = isEnabled();
    const bool checked = m_model.IsChecked(index);

    const QRect column(lineRect.left(), lineRect.top(), CheckColumnWidth, lineRect.height());
    canvas.SetBrushColor(m_color);
    canvas.FillRect(column);
    DrawCheck(canvas, column, checked, enabled);

    const QRect rect = lineRect.adjusted(CheckColumnWidth, 0, 0, 0);
    canvas.SetPenColor(clBlack);
    canvas.SetPenClear(false);
    canvas.SetBrushClear(false);
    canvas.SetFont(font());
    canvas.SetBrushColor(selected ? clHighlight : m_color);
    canvas.SetFontColor(selected ? clHighlightText : m_fontColor);
    if (!enabled)
        canvas.SetFontColor(clGrayText);
    const TOwnerDrawState state = (selected ? odSelected : 0u) | (enabled ? 0u : odDisabled)
        | (checked ? odChecked : 0u) | (focused ? odFocused : 0u);
    {
        CanvasScope scope(m_canvas, canvas);
        if (m_onDrawItem) {
            m_onDrawItem(this, index, rect, state);
        } else {
            canvas.FillRect(rect);
            canvas.TextOut(rect.left() + 2, rect.top(), m_model.Line(index));
        }
    }
    if (focused)
        canvas.DrawFocusRect(rect);
    painter.restore();
}

void TCheckListBox::DrawCheck(::Canvas &canvas, const QRect &column, bool checked, bool enabled) const
{
    const int left = column.left() + (column.width() - CheckBoxSize) / 2;
    const int top = column.top() + (column.height() - CheckBoxSize) / 2;
    const int right = left + CheckBoxSize;
    const int bottom = top + CheckBoxSize;
    const TColor face = enabled ? clWindow : clBtnFace;
    if (m_flat) {
        // One shadow-coloured outline around the face; the outermost ring stays list colour.
        canvas.SetPenClear(false);
        canvas.SetPenColor(clBtnShadow);
        canvas.SetBrushColor(face);
        canvas.Rectangle(left + 1, top + 1, right - 1, bottom - 1);
    } else {
        canvas.SetBrushColor(face);
        canvas.FillRect(left + 2, top + 2, right - 2, bottom - 2);
        const auto edge = [&canvas](int l, int t, int r, int b, TColor topLeft, TColor bottomRight) {
            canvas.SetPenColor(topLeft);
            canvas.MoveTo(l, b - 1);
            canvas.LineTo(l, t);
            canvas.LineTo(r, t);
            canvas.SetPenColor(bottomRight);
            canvas.MoveTo(l, b - 1);
            canvas.LineTo(r - 1, b - 1);
            canvas.LineTo(r - 1, t - 1);
        };
        edge(left, top, right, bottom, clBtnShadow, clBtnHighlight);
        edge(left + 1, top + 1, right - 1, bottom - 1, cl3DDkShadow, cl3DLight);
    }
    if (!checked)
        return;
    // The classic tick: seven columns, three pixels tall.
    canvas.SetPenColor(enabled ? clWindowText : clGrayText);
    for (int dy = 0; dy < 3; ++dy) {
        canvas.MoveTo(left + 3, top + 5 + dy);
        canvas.LineTo(left + 5, top + 7 + dy);
        canvas.LineTo(left + 10, top + 2 + dy);
    }
}

bool TCheckListBox::ToggleAt(const QPoint &pos)
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return false;
    if (pos.x() - ItemRect(index.row()).left() >= CheckColumnWidth)
        return false;
    ToggleByUser(index.row());
    return true;
}

void TCheckListBox::ToggleByUser(int row)
{
    m_model.Toggle(row);
    emit CheckClicked(row, m_model.IsChecked(row));
}

void TCheckListBox::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        ToggleAt(event->position().toPoint());
}

void TCheckListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click arrives as a press and then, in place of the second
    // press, this event: it toggles again, as every click on a box does.
    if (event->button() == Qt::LeftButton && ToggleAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void TCheckListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        const int row = ItemIndex();
        if (row >= 0) {
            ToggleByUser(row);
            event->accept();
            return;
        }
    }
    QListView::keyPressEvent(event);
}
