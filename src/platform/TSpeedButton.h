// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A small flat tool button with a glyph strip: the strip holds NumGlyphs
// pictures side by side (normal, disabled, pressed, stay-down); the button
// shows the one that fits its state.  Tag tells buttons with a shared
// handler apart.

#include <QImage>
#include <QToolButton>

class TSpeedButton : public QToolButton
{
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget *parent = nullptr);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    bool Flat() const { return autoRaise(); }
    void SetFlat(bool flat) { setAutoRaise(flat); }

    // Sets the glyph strip; an empty image removes the glyph.
    void SetGlyph(const QImage &strip, int numGlyphs);
    const QImage &Glyph() const { return m_glyph; }
    int NumGlyphs() const { return m_numGlyphs; }
    // The picture shown for the current state (for tests and painting).
    QImage CurrentGlyph() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage Cell(int index) const;

    int m_tag = 0;
    QImage m_glyph;
    int m_numGlyphs = 1;
};
