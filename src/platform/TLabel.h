// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A label that can be transparent over its parent and reports clicks.

#include <QLabel>

#include "platform/TColor.h"

class TLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLabel(const QString &caption, QWidget *parent = nullptr);

    void SetFontColor(TColor color);

signals:
    void Clicked(QObject *sender);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
