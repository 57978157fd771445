// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A function key that clicks one button of the main window, whichever of
// its controls has the focus.  It acts only while the button could be
// clicked (visible, enabled, its window active with no modal dialog over
// it), and a held key clicks once: auto-repeat is swallowed, so holding a
// key can never start and pause in turn.

#include <QShortcut>

class TLbSpeedButton;

class ButtonKey : public QShortcut
{
    Q_OBJECT
public:
    // Owned by `button`; `key` acts while `button`'s window is the active one.
    ButtonKey(const QKeySequence &key, TLbSpeedButton *button);

private:
    void Press();

    TLbSpeedButton *m_button;
};
