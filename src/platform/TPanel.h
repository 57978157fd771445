// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A plain panel: its colour behind its children and an optional outer bevel.

#include <QWidget>

#include "platform/TColor.h"

class TPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    explicit TPanel(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    Bevel BevelOuter() const { return m_bevel; }
    void SetBevelOuter(Bevel bevel, int width = 1);
    int BevelWidth() const { return m_bevelWidth; }
    // The area inside the bevel, where aligned children go.
    QRect ClientRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = clBtnFace;
    Bevel m_bevel = Bevel::None;
    int m_bevelWidth = 1;
};
