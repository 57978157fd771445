// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A push button that draws every pixel of itself: six face styles, light
// and shadow colours, a pressed colour, hot tracking with an optional slow
// fade-out, a glyph strip, a caption beside, above or below the glyph, a
// drop-down arrow for an attached popup menu, radio-style groups and ten
// colour presets.  The face is composed off-screen and copied in one go;
// pixels of the key colour stay see-through, so the widget is not opaque.

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "buttons/LbButtons.h"
#include "buttons/TLbButtonThread.h"
#include "platform/AnchorKeeper.h"

class QShortcutEvent;

class TLbSpeedButton : public QWidget
{
    Q_OBJECT
public:
    using FadeThreadFactory = std::function<std::unique_ptr<TLbButtonThread>(TLbButtonThread::StepMethod step)>;

    explicit TLbSpeedButton(QWidget *parent = nullptr);
    ~TLbSpeedButton() override;

    // Published properties, in the order a form stores them.
    QAction *Action() const { return m_action; }
    void SetAction(QAction *action);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    // Kept for the form's anchor keeper; the button itself does not move.
    Anchors ButtonAnchors() const { return m_anchors; }
    void SetButtonAnchors(Anchors value) { m_anchors = value; }
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &value);
    // With ParentColor the parent's colour is taken until Color is set.
    TColor Color() const;
    void SetColor(TColor value);
    TColor ColorWhenDown() const { return m_colorWhenDown; }
    void SetColorWhenDown(TColor value);
    // Applies a preset; always reads back lcsCustom.
    TLbColorStyle ColorStyle() const { return m_colorStyle; }
    void SetColorStyle(TLbColorStyle value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    TLbFont Font() const;
    void SetFont(const TLbFont &value);
    TColor FontColor() const;
    void SetFontColor(TColor value);
    const QImage &Glyph() const { return m_glyph; }
    void SetGlyph(const QImage &value); // a null image removes the glyph
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    TColor HotTrackColor() const { return m_hotTrackColor; }
    void SetHotTrackColor(TColor value) { m_hotTrackColor = value; }
    const TLbFont &HotTrackFont() const { return m_hotTrackFont; }
    void SetHotTrackFont(const TLbFont &value) { m_hotTrackFont = value; }
    QString Hint() const { return toolTip(); }
    void SetHint(const QString &value) { setToolTip(value); }
    TLbSpeedButtonLayout Layout() const { return m_layout; }
    void SetLayout(TLbSpeedButtonLayout value);
    TColor LightColor() const { return m_lightColor; }
    void SetLightColor(TColor value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);
    bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }
    void SetParentFont(bool value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool value) { m_parentShowHint = value; }
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value);
    bool ShowHint() const;
    void SetShowHint(bool value);
    bool SlowDecease() const { return m_slowDecease; }
    void SetSlowDecease(bool value);
    TLbSpeedButtonStyle Style() const { return m_style; }
    void SetStyle(TLbSpeedButtonStyle value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool UseHotTrackFont() const { return m_useHotTrackFont; }
    void SetUseHotTrackFont(bool value) { m_useHotTrackFont = value; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }

    // How the fade thread is made (tests give it a scripted sleep).
    void SetFadeThreadFactory(FadeThreadFactory factory);

    // The hot state, the fade weight and the fade thread, for tests.
    bool MouseInside() const { return m_mouseInside; }
    int FadeLevel() const { return m_fadeLevel; }
    const TLbButtonThread *FadeThread() const { return m_fadeThread.get(); }

    // The face as Paint copies it: Width x Height, key pixels transparent.
    QImage ComposeFace() const;
    // The values the face is painted from right now.
    TLbButtonFace FaceState() const;

public slots:
    // One tick of the fade-out, run on the UI thread.
    void FadeStep(QObject *sender);

signals:
    void OnClick(QObject *sender);
    void OnMouseDown(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(QObject *sender, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseEnter(QObject *sender);
    void OnMouseExit(QObject *sender);

protected:
    virtual void Paint();
    virtual void Click();
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void ActionChange(QObject *sender, bool checkDefaults);
    // Bits per pixel of the display behind the button.
    virtual int DisplayBitsPerPixel() const;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void RepaintByRule();
    bool ParentShowing() const;
    bool DialogChar(const QShortcutEvent &event);
    void MouseEntered();
    void MouseLeft();
    void UpdateAccelerator();
    void StopFadeThread();

    QPointer<QAction> m_action;
    TAlignment m_alignment = taLeftJustify;
    bool m_allowAllUp = false;
    Anchors m_anchors = akLeft | akTop;
    QString m_caption;
    TColor m_color = clWindow;
    bool m_parentColor = true;
    TColor m_colorWhenDown = clNone;
    TLbColorStyle m_colorStyle = lcsCustom; // written only here
    bool m_down = false;
    bool m_flat = false;
    QImage m_glyph;
    int m_groupIndex = 0;
    TColor m_hotTrackColor = clNone;
    TLbFont m_hotTrackFont;
    TLbSpeedButtonLayout m_layout = blGlyphLeft;
    TColor m_lightColor = clWhite;
    int m_numGlyphs = 0;
    bool m_parentShowHint = true;
    bool m_showHint = false;
    QPointer<QMenu> m_popupMenu;
    TColor m_shadowColor = clBlack;
    bool m_slowDecease = false;
    TLbSpeedButtonStyle m_style = bsNormal;
    bool m_transparent = false;
    bool m_useHotTrackFont = false;
    bool m_wordWrap = false;
    int m_tag = 0;

    bool m_mouseInside = false;
    int m_fadeLevel = 0;
    bool m_destroying = false;
    bool m_clicked = false; // left press seen; a release inside clicks
    int m_acceleratorId = 0;
    FadeThreadFactory m_fadeThreadFactory;
    std::unique_ptr<TLbButtonThread> m_fadeThread;
};
