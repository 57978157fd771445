// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "platform/TImage.h"

#include <QPainter>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{ }

void TImage::SetPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TImage::Paint(QPainter &painter) const
{
    if (!m_picture.isNull())
        painter.drawImage(QPoint(0, 0), m_picture);
}

void TImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}
