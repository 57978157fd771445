// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/WindowPlacement.h"

WindowPlacement::WindowPlacement(const Wish &wish, QSize designClientSize, QRect screenArea)
    : m_wish(wish)
    , m_unframedSize(QSize(wish.designWidth ? designClientSize.width() : wish.frame.width(),
                           wish.designHeight ? designClientSize.height() : wish.frame.height())
                         .boundedTo(wish.frame.size()))
    , m_screenArea(screenArea)
{ }

QSize WindowPlacement::OuterSize(const QMargins &margins) const
{
    return margins.isNull() ? m_unframedSize : m_wish.frame.size();
}

QRect WindowPlacement::Place(const QMargins &margins)
{
    const QSize outer = OuterSize(margins);
    QPoint topLeft = m_wish.frame.topLeft();
    if (m_wish.centred) {
        topLeft = QPoint(m_screenArea.left() + (m_screenArea.width() - outer.width()) / 2,
                         m_screenArea.top() + (m_screenArea.height() - outer.height()) / 2);
    }
    m_placedFrame = QRect(topLeft, outer);
    const QRect client = m_placedFrame.marginsRemoved(margins);
    m_placedClientSize = client.size();
    return client;
}

std::optional<QRect> WindowPlacement::Settle(const QMargins &margins, const QRect &client)
{
    if (!m_settling)
        return std::nullopt;
    if (client.size() != m_placedClientSize) {
        m_settling = false;
        return std::nullopt;
    }
    if (margins.isNull())
        return std::nullopt;
    m_settling = false;
    return Place(margins);
}

QRect WindowPlacement::FrameToKeep(const QRect &client, const QMargins &margins) const
{
    const QRect frame = client.marginsAdded(margins);
    if (frame.topLeft() == m_placedFrame.topLeft() && client.size() == m_placedClientSize)
        return QRect(m_placedFrame.topLeft(), OuterSize(margins));
    return frame;
}
