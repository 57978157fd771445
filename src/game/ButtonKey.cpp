// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ButtonKey.h"

#include <QApplication>

#include "buttons/TLbSpeedButton.h"

ButtonKey::ButtonKey(const QKeySequence &key, TLbSpeedButton *button)
    : QShortcut(key, button)
    , m_button(button)
{
    setContext(Qt::WindowShortcut);
    setAutoRepeat(false);
    connect(this, &QShortcut::activated, this, &ButtonKey::Press);
}

void ButtonKey::Press()
{
    // Qt already passes over a shortcut whose widget is hidden or disabled;
    // asked again here because a key must never do what the mouse cannot.
    if (!m_button->isVisible() || !m_button->isEnabled() || QApplication::activeModalWidget())
        return;
    // The button's own click signal: the window's click handler runs with
    // the button as sender (so with its Tag) and reports what it throws.
    emit m_button->OnClick(m_button);
}
