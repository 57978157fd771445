// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A list of text lines, each with a check box, drawn line by line by an
// owner-draw handler.  The control draws the flat check box left of the
// rectangle it hands the handler, sets the canvas colours before the call
// (list colours, highlight colours for the selected line, grey text while
// disabled) and draws the dotted focus rectangle after it.  A click on a
// check box, or Space on the selected line, toggles the check mark.

#include <QListView>

#include <functional>

#include "platform/Canvas.h"
#include "platform/TColor.h"
#include "rosters/RosterModel.h"

enum TOwnerDrawStateFlag : unsigned {
    odSelected = 1,
    odDisabled = 2,
    odChecked = 4,
    odFocused = 8,
};
using TOwnerDrawState = unsigned;

class TCheckListBox : public QListView
{
    Q_OBJECT
public:
    static constexpr int DefaultItemHeight = 23;
    // Width of the check box column left of each line's drawing rectangle,
    // and the size of the box centred in it.
    static constexpr int CheckColumnWidth = 15;
    static constexpr int CheckBoxSize = 13;

    using DrawItemEvent = std::function<void(QWidget *control, int index, const QRect &rect, TOwnerDrawState state)>;

    explicit TCheckListBox(QWidget *parent = nullptr);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);

    // Background of the lines and the text colour of a normal line.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

    // The lines and their check marks.
    int Count() const { return m_model.Count(); }
    QString Item(int index) const { return m_model.Line(index); }
    const QStringList &Lines() const { return m_model.Lines(); }
    // Replaces every line; all new lines are unchecked and none is selected.
    void SetLines(const QStringList &lines);
    bool Checked(int index) const { return m_model.IsChecked(index); }
    void SetChecked(int index, bool checked) { m_model.SetChecked(index, checked); }

    // The selected line, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // The owner-draw handler; unassigned, a line is filled and its text written.
    void SetOnDrawItem(DrawItemEvent handler) { m_onDrawItem = std::move(handler); }

    // The canvas the current line is drawn on; only valid inside the handler.
    ::Canvas *Canvas() const { return m_canvas; }

    // The whole line in viewport coordinates, check box column included.
    QRect ItemRect(int index) const;

    // Repaints now, not at the next paint cycle.
    void Refresh();

signals:
    // The user ticked or cleared the check mark of a line (a click on its box
    // or Space); SetChecked and SetLines do not report.
    void CheckClicked(int index, bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class LineDelegate;
    friend class LineDelegate;

    void DrawLine(QPainter &painter, int index, const QRect &lineRect, bool selected, bool focused);
    void DrawCheck(::Canvas &canvas, const QRect &column, bool checked, bool enabled) const;
    bool ToggleAt(const QPoint &pos);
    void ToggleByUser(int row);

    RosterModel m_model;
    int m_tag = 0;
    int m_itemHeight = DefaultItemHeight;
    bool m_flat = true;
    TColor m_color = clWindow;
    TColor m_fontColor = clWindowText;
    DrawItemEvent m_onDrawItem;
    ::Canvas *m_canvas = nullptr;
};
