// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "buttons/TLbSpeedButton.h"

#include <QAction>
#include <QEnterEvent>
#include <QIcon>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "platform/TPanel.h"

TLbSpeedButton::TLbSpeedButton(QWidget *parent)
    : QWidget(parent)
{
    // Not opaque: the parent paints behind the button, and shows through
    // the key-coloured pixels of the face.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(100, 23);
    m_hotTrackFont = TLbFont{QFont(), clWindowText};
    // The form the button belongs to, also when it sits on a panel.
    if (const QWidget *form = parent ? parent->window() : nullptr)
        m_hotTrackFont = TLbFont{form->font(), FromQColor(form->palette().color(QPalette::WindowText))};
    m_fadeThreadFactory = [](TLbButtonThread::StepMethod step) {
        return std::make_unique<TLbButtonThread>(std::move(step));
    };
}

TLbSpeedButton::~TLbSpeedButton()
{
    // From here on a fade step that is still handed over does nothing.
    m_destroying = true;
    StopFadeThread();
}

// ---- repainting ----------------------------------------------------------

void TLbSpeedButton::RepaintByRule()
{
    // A transparent face needs the parent's background first: that only
    // happens in the paint cycle.  Otherwise paint now, for instant feedback.
    if (m_transparent)
        update();
    else
        repaint();
}

bool TLbSpeedButton::ParentShowing() const
{
    return parentWidget() && parentWidget()->isVisible();
}

TLbButtonFace TLbSpeedButton::FaceState() const
{
    TLbButtonFace face;
    face.Width = width();
    face.Height = height();
    face.FadeLevel = m_fadeLevel;
    face.NumGlyphs = m_numGlyphs;
    face.Glyph = m_glyph;
    face.Down = m_down;
    face.MouseInside = m_mouseInside;
    face.Transparent = m_transparent;
    face.Enabled = isEnabled();
    face.Flat = m_flat;
    face.WordWrap = m_wordWrap;
    face.HasPopupMenu = !m_popupMenu.isNull();
    face.Style = m_style;
    face.Color = Color();
    face.ColorWhenDown = m_colorWhenDown;
    face.HotTrackColor = m_hotTrackColor;
    face.LightColor = m_lightColor;
    face.ShadowColor = m_shadowColor;
    face.Font = m_mouseInside && m_useHotTrackFont ? m_hotTrackFont : Font();
    face.Layout = m_layout;
    face.Caption = m_caption;
    face.Alignment = m_alignment;
    return face;
}

QImage TLbSpeedButton::ComposeFace() const
{
    if (width() <= 0 || height() <= 0)
        return {};
    // Faces that are not rectangles, and see-through ones, start in the key
    // colour: what the painter leaves of it is cut out.
    const bool keyed = m_transparent || m_style == bsModern || m_style == bsShape || m_style == bsQuicken;
    const QImage face = PaintButtonFace(FaceState(), keyed ? LbKeyColor : Color());
    return keyed ? CutOutKeyColor(face, LbKeyColor) : face;
}

void TLbSpeedButton::Paint()
{
    if (!isVisible())
        return;
    const QImage face = ComposeFace();
    if (face.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, face);
}

void TLbSpeedButton::paintEvent(QPaintEvent *)
{
    Paint();
}

// ---- properties ----------------------------------------------------------

void TLbSpeedButton::SetAlignment(TAlignment value)
{
    if (value == m_alignment)
        return;
    m_alignment = value;
    RepaintByRule();
}

void TLbSpeedButton::SetCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    UpdateAccelerator();
    update();
}

TColor TLbSpeedButton::Color() const
{
    if (!m_parentColor || !parentWidget())
        return m_color;
    if (const auto *panel = qobject_cast<const TPanel *>(parentWidget()))
        return panel->Color();
    if (const auto *button = qobject_cast<const TLbSpeedButton *>(parentWidget()))
        return button->Color();
    return FromQColor(parentWidget()->palette().color(QPalette::Window));
}

void TLbSpeedButton::SetColor(TColor value)
{
    if (value == Color())
        return;
    m_color = value;
    m_parentColor = false;
    update();
}

void TLbSpeedButton::SetParentColor(bool value)
{
    if (value == m_parentColor)
        return;
    if (!value)
        m_color = Color(); // keeps what it showed
    m_parentColor = value;
    update();
}

void TLbSpeedButton::SetColorWhenDown(TColor value)
{
    if (value == m_colorWhenDown)
        return;
    m_colorWhenDown = value;
    RepaintByRule();
}

void TLbSpeedButton::SetColorStyle(TLbColorStyle value)
{
    if (value == lcsCustom)
        return;
    const TLbColorPreset preset = ApplyColorStyle(value);
    SetColor(preset.FaceColor);
    SetFontColor(preset.FontColor);
    m_lightColor = preset.LightColor;
    m_shadowColor = preset.ShadowColor;
    m_colorWhenDown = preset.ColorWhenDown;
    m_hotTrackColor = preset.HotTrackColor;
    m_flat = preset.Flat;
    m_style = preset.Style(); // directly: presets do not ask the display
    // The preset lives on only through the properties it wrote.
    repaint();
}

void TLbSpeedButton::SetDown(bool value)
{
    if (value == m_down)
        return;
    if (m_groupIndex != 0 && parentWidget()) {
        const QObjectList siblings = parentWidget()->children();
        for (QObject *child : siblings) {
            auto *peer = qobject_cast<TLbSpeedButton *>(child);
            if (peer && peer != this && peer->m_groupIndex == m_groupIndex)
                peer->SetDown(false);
        }
    }
    m_down = value;
    RepaintByRule();
}

void TLbSpeedButton::SetFlat(bool value)
{
    if (value == m_flat)
        return;
    m_flat = value;
    RepaintByRule();
}

TLbFont TLbSpeedButton::Font() const
{
    return TLbFont{font(), FontColor()};
}

void TLbSpeedButton::SetFont(const TLbFont &value)
{
    setFont(value.Font);
    SetFontColor(value.Color);
}

TColor TLbSpeedButton::FontColor() const
{
    return FromQColor(palette().color(QPalette::WindowText));
}

void TLbSpeedButton::SetFontColor(TColor value)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(value));
    setPalette(colours); // a palette change repaints in the next cycle
}

void TLbSpeedButton::SetParentFont(bool value)
{
    if (value == ParentFont())
        return;
    if (value)
        setFont(QFont()); // an empty font takes the parent's again
    else {
        QFont own = font();
        own.setResolveMask(QFont::AllPropertiesResolved);
        setFont(own);
    }
}

void TLbSpeedButton::SetGlyph(const QImage &value)
{
    if (value.isNull()) {
        m_glyph = QImage();
        m_numGlyphs = 0;
    } else {
        m_glyph = value.convertToFormat(QImage::Format_RGB32);
        // Square cells are assumed.
        m_numGlyphs = value.height() != 0 ? value.width() / value.height() : 0;
    }
    update();
}

void TLbSpeedButton::SetGroupIndex(int value)
{
    if (value == m_groupIndex)
        return;
    m_groupIndex = value;
    RepaintByRule();
}

void TLbSpeedButton::SetLayout(TLbSpeedButtonLayout value)
{
    if (value == m_layout)
        return;
    m_layout = value;
    RepaintByRule();
}

void TLbSpeedButton::SetLightColor(TColor value)
{
    if (value == m_lightColor)
        return;
    m_lightColor = value;
    RepaintByRule();
}

void TLbSpeedButton::SetNumGlyphs(int value)
{
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    update();
}

void TLbSpeedButton::SetPopupMenu(QMenu *menu)
{
    if (menu == m_popupMenu)
        return;
    m_popupMenu = menu;
    update(); // the drop-down arrow comes or goes
}

void TLbSpeedButton::SetShadowColor(TColor value)
{
    if (value == m_shadowColor)
        return;
    m_shadowColor = value;
    RepaintByRule();
}

bool TLbSpeedButton::ShowHint() const
{
    if (!m_parentShowHint)
        return m_showHint;
    const QVariant inherited = parentWidget() ? parentWidget()->property("ShowHint") : QVariant();
    return inherited.isValid() && inherited.toBool();
}

void TLbSpeedButton::SetShowHint(bool value)
{
    m_showHint = value;
    m_parentShowHint = false;
}

void TLbSpeedButton::SetStyle(TLbSpeedButtonStyle value)
{
    // The gradient needs more than a palette display.
    if (value == bsModern && DisplayBitsPerPixel() <= 8)
        value = bsNormal;
    if (value == m_style)
        return;
    m_style = value;
    update();
}

int TLbSpeedButton::DisplayBitsPerPixel() const
{
    return depth();
}

void TLbSpeedButton::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    if (value)
        update();
    else
        repaint();
}

void TLbSpeedButton::SetWordWrap(bool value)
{
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    RepaintByRule();
}

// ---- actions and the accelerator -----------------------------------------

void TLbSpeedButton::SetAction(QAction *action)
{
    if (action == m_action)
        return;
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (!action)
        return;
    connect(action, &QAction::changed, this, [this] { ActionChange(m_action, false); });
    ActionChange(action, true);
}

void TLbSpeedButton::ActionChange(QObject *sender, bool checkDefaults)
{
    auto *action = qobject_cast<QAction *>(sender);
    if (!action)
        return;
    // What every control takes from its action; with checkDefaults only
    // where the control still has its default.
    if (!checkDefaults || m_caption.isEmpty())
        SetCaption(action->text());
    if (!checkDefaults || isEnabled())
        setEnabled(action->isEnabled());
    if (!checkDefaults || toolTip().isEmpty())
        SetHint(action->toolTip());
    // A button without a parent would become a window of its own.
    if (parentWidget() && (!checkDefaults || !isHidden()))
        setVisible(action->isVisible());

    // The action's picture becomes a one-cell glyph, unless there is one.
    const QIcon icon = action->icon();
    if (!m_glyph.isNull() || icon.isNull())
        return;
    const QSize size = icon.availableSizes().value(0, QSize(16, 16));
    QImage glyph(size, QImage::Format_RGB32);
    glyph.fill(ToQColor(LbKeyColor));
    {
        QPainter painter(&glyph);
        icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, QIcon::Normal, QIcon::Off);
    }
    m_glyph = glyph;
    SetNumGlyphs(1);
    repaint();
}

void TLbSpeedButton::UpdateAccelerator()
{
    if (m_acceleratorId != 0) {
        releaseShortcut(m_acceleratorId);
        m_acceleratorId = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_acceleratorId = grabShortcut(mnemonic, Qt::WindowShortcut);
}

bool TLbSpeedButton::DialogChar(const QShortcutEvent &event)
{
    if (m_acceleratorId == 0 || event.shortcutId() != m_acceleratorId)
        return false;
    if (!isEnabled() || !isVisible() || !ParentShowing())
        return false;
    const QPointer<TLbSpeedButton> alive(this);
    const bool wasDown = m_down;
    SetDown(true);
    repaint();
    Click();
    if (!alive)
        return true; // the click handler removed the button
    SetDown(wasDown);
    repaint();
    return true;
}

bool TLbSpeedButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (DialogChar(static_cast<const QShortcutEvent &>(*event)))
            return true;
        break;
    case QEvent::ToolTip:
        if (!ShowHint()) {
            event->ignore();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::event(event);
}

// ---- mouse ---------------------------------------------------------------

void TLbSpeedButton::Click()
{
    const QPointer<TLbSpeedButton> alive(this);
    if (m_popupMenu) {
        // The menu hangs from the bottom-left corner; the click follows once it closes.
        m_popupMenu->exec(mapToGlobal(QPoint(0, height())));
        if (!alive)
            return;
    }
    // An OnClick handler wins over the action's own execution.
    static const QMetaMethod onClick = QMetaMethod::fromSignal(&TLbSpeedButton::OnClick);
    if (m_action && !isSignalConnected(onClick))
        m_action->trigger();
    else
        emit OnClick(this);
}

void TLbSpeedButton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPointer<TLbSpeedButton> alive(this);
    emit OnMouseDown(this, button, shift, x, y);
    if (!alive)
        return; // the handler removed the button
    if (button != Qt::LeftButton)
        return;
    if (m_groupIndex == 0)
        SetDown(true);
    else if (!m_down)
        SetDown(true);
    else if (m_allowAllUp)
        SetDown(false);
}

void TLbSpeedButton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    const QPointer<TLbSpeedButton> alive(this);
    emit OnMouseUp(this, button, shift, x, y);
    if (!alive)
        return; // the handler removed the button
    // A grouped button stays down after release.
    if (m_groupIndex == 0)
        SetDown(false);
}

void TLbSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_clicked = true;
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointer<TLbSpeedButton> alive(this);
    const QPoint at = event->position().toPoint();
    // The click comes before the release handling, so OnClick runs while an
    // ungrouped button still shows pressed.
    if (event->button() == Qt::LeftButton && m_clicked) {
        m_clicked = false;
        if (rect().contains(at))
            Click();
        if (!alive)
            return;
    }
    MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TLbSpeedButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // No double-click event: the second click of a pair is a plain press.
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(), event->globalPosition(),
                      Qt::LeftButton, event->buttons(), event->modifiers());
    mousePressEvent(&press);
}

void TLbSpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), at.x(), at.y());
}

// ---- hot tracking and the fade-out ---------------------------------------

void TLbSpeedButton::enterEvent(QEnterEvent *)
{
    MouseEntered();
}

void TLbSpeedButton::leaveEvent(QEvent *)
{
    MouseLeft();
}

void TLbSpeedButton::MouseEntered()
{
    if (!isEnabled() || !isVisible() || !ParentShowing())
        return;
    m_mouseInside = true;
    m_fadeLevel = 8;
    RepaintByRule();
    emit OnMouseEnter(this);
}

void TLbSpeedButton::MouseLeft()
{
    m_mouseInside = false;
    if (m_slowDecease) {
        // The first tick repaints, about 30 ms from now.
        if (m_fadeThread && m_fadeThread->Suspended())
            m_fadeThread->Resume();
    } else {
        m_fadeLevel = 0;
        RepaintByRule();
    }
    if (isEnabled() && isVisible() && ParentShowing())
        emit OnMouseExit(this);
}

void TLbSpeedButton::FadeStep(QObject *)
{
    // A step served while the thread is being stopped must not park it
    // again, or the wait for its end would never return.
    if (m_destroying || !m_slowDecease)
        return;
    --m_fadeLevel;
    if (m_fadeLevel <= 0) {
        if (m_fadeThread && !m_fadeThread->Suspended())
            m_fadeThread->Suspend();
        m_fadeLevel = 0;
    }
    RepaintByRule();
}

void TLbSpeedButton::SetFadeThreadFactory(FadeThreadFactory factory)
{
    m_fadeThreadFactory = std::move(factory);
}

void TLbSpeedButton::SetSlowDecease(bool value)
{
    if (value) {
        m_slowDecease = true;
        if (!m_fadeThread) {
            try {
                m_fadeThread = m_fadeThreadFactory([this](TLbButtonThread *sender) { FadeStep(sender); });
            } catch (...) {
                // Without a thread nothing would ever fade the hot colour out.
                m_slowDecease = false;
                throw;
            }
        }
    } else {
        // Stored before the stop, so the steps served meanwhile do nothing.
        m_slowDecease = false;
        if (m_fadeThread) {
            m_fadeLevel = 0;
            StopFadeThread();
        }
    }
    update();
}

void TLbSpeedButton::StopFadeThread()
{
    // The reference is cleared whatever happens below.
    std::unique_ptr<TLbButtonThread> thread = std::move(m_fadeThread);
    if (!thread)
        return;
    try {
        // Parking is counted: wake until it no longer is parked.
        while (thread->Suspended())
            thread->Resume();
    } catch (...) { }
    try {
        thread->Terminate();
        thread->WaitFor();
        thread.reset();
    } catch (...) { }
}
