// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/AnchorKeeper.h"

#include <QEvent>
#include <QWidget>

AnchorKeeper::AnchorKeeper(QWidget *parent, QSize designSize)
    : QObject(parent)
    , m_parent(parent)
    , m_designSize(designSize)
{
    parent->installEventFilter(this);
}

void AnchorKeeper::Place(QWidget *child, QRect designRect, Anchors anchors)
{
    m_entries.append({child, designRect, anchors});
    child->setGeometry(Arrange(designRect, anchors, m_designSize, m_parent->size()));
}

void AnchorKeeper::SetDesignRect(QWidget *child, QRect designRect)
{
    for (Entry &entry : m_entries) {
        if (entry.widget == child) {
            entry.designRect = designRect;
            child->setGeometry(Arrange(designRect, entry.anchors, m_designSize, m_parent->size()));
            return;
        }
    }
}

namespace {

// One axis of the anchor rules: returns the new start and length.
std::pair<int, int> ArrangeAxis(int start, int length, bool nearEdge, bool farEdge, int designExtent, int extent)
{
    const int growth = extent - designExtent;
    if (nearEdge && farEdge)
        return {start, std::max(0, length + growth)};
    if (farEdge)
        return {start + growth, length};
    if (nearEdge)
        return {start, length};
    if (designExtent <= 0)
        return {start, length};
    // Twice the centre keeps the arithmetic in whole pixels.
    const long long centre2 = (2LL * start + length) * extent / designExtent;
    return {int((centre2 - length) / 2), length};
}

} // namespace

QRect AnchorKeeper::Arrange(QRect designRect, Anchors anchors, QSize designSize, QSize currentSize)
{
    const auto [x, w] = ArrangeAxis(designRect.x(), designRect.width(), anchors.testFlag(akLeft),
                                    anchors.testFlag(akRight), designSize.width(), currentSize.width());
    const auto [y, h] = ArrangeAxis(designRect.y(), designRect.height(), anchors.testFlag(akTop),
                                    anchors.testFlag(akBottom), designSize.height(), currentSize.height());
    return QRect(x, y, w, h);
}

bool AnchorKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parent && event->type() == QEvent::Resize)
        ArrangeAll();
    return QObject::eventFilter(watched, event);
}

void AnchorKeeper::ArrangeAll()
{
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.widget)
            entry.widget->setGeometry(Arrange(entry.designRect, entry.anchors, m_designSize, m_parent->size()));
    }
}
