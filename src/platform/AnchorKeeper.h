// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Keeps child widgets placed by their anchors while their parent resizes,
// measured against the parent's design size:
//  - left and right: the child stretches with the parent;
//  - right only: it keeps its distance to the right edge;
//  - left only: it stays put;
//  - neither: its centre keeps its proportional place.
// The vertical rules are the same with top and bottom.

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

enum Anchor : unsigned {
    akLeft = 1,
    akTop = 2,
    akRight = 4,
    akBottom = 8,
};
// A set of anchors; none at all is Anchors{}.  A plain number is not taken.
Q_DECLARE_FLAGS(Anchors, Anchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(Anchors)

class AnchorKeeper : public QObject
{
    Q_OBJECT
public:
    // Watches `parent`, whose size at design time was `designSize`.
    AnchorKeeper(QWidget *parent, QSize designSize);

    // Places `child` at `designRect` and keeps it there by `anchors` from now on.
    void Place(QWidget *child, QRect designRect, Anchors anchors);
    // Changes the design rectangle of an already placed child (as a bounds setter does).
    void SetDesignRect(QWidget *child, QRect designRect);

    // Places every child for the parent's current size.
    void ArrangeAll();

    static QRect Arrange(QRect designRect, Anchors anchors, QSize designSize, QSize currentSize);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QRect designRect;
        Anchors anchors;
    };
    QWidget *m_parent;
    QSize m_designSize;
    QList<Entry> m_entries;
};
