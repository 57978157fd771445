// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A picture drawn at its own size at the control's top-left corner; the part
// of the control that the picture does not cover is left untouched, so what
// lies beneath shows there.

#include <QImage>
#include <QWidget>

class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    void Paint(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
