// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Places a window by its outer frame although a program can only place and
// size the client area inside it.  The window manager tells the frame's
// margins only after the window is shown, often some event-loop turns later,
// and never where no manager draws a frame (there the frame is the client
// area).  This class turns the wanted frame into a client rectangle for the
// margins known at each moment, and at close says which frame to keep, so
// that a window nobody moved or resized is kept exactly as it was asked for.

#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

class WindowPlacement
{
public:
    struct Wish
    {
        QRect frame; // the outer frame; its position is ignored when centred
        bool centred = false; // centre the frame in the screen area instead
        // Dimensions not stored but taken from the design: where no frame is
        // drawn they are the design's client dimensions instead.
        bool designWidth = false;
        bool designHeight = false;
    };

    WindowPlacement(const Wish &wish, QSize designClientSize, QRect screenArea);

    // The client rectangle that gives the wished frame with these margins
    // (null margins: no frame); remembered as the placement.
    QRect Place(const QMargins &margins);
    const QRect &PlacedFrame() const { return m_placedFrame; }

    // One look at the margins while the frame is still unknown.  Returns the
    // client rectangle to apply when they have just become known.  A client
    // size other than the placed one means the user or the manager resized
    // the window: then it is left alone and settling ends.
    std::optional<QRect> Settle(const QMargins &margins, const QRect &client);
    // No frame came in time: the client area is the frame.
    void StopSettling() { m_settling = false; }
    bool IsSettling() const { return m_settling; }

    // The outer frame to keep at close, from the client area and the margins
    // known then: the wished frame if the window is still where and as large
    // as placed (even when the margins came only after settling ended),
    // otherwise the frame as the user left it.
    QRect FrameToKeep(const QRect &client, const QMargins &margins) const;

private:
    QSize OuterSize(const QMargins &margins) const;

    Wish m_wish;
    QSize m_unframedSize;
    QRect m_screenArea;
    QRect m_placedFrame;
    QSize m_placedClientSize;
    bool m_settling = true;
};
