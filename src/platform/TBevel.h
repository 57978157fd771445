// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A bevel box: a shadow line along the top and left, a highlight line along
// the bottom and right (lowered), or the other way round (raised).  Two
// pixels high it reads as a sunken rule across a dialog.

#include <QWidget>

class TBevel : public QWidget
{
    Q_OBJECT
public:
    enum class Style { Lowered, Raised };

    explicit TBevel(QWidget *parent = nullptr);

    Style BevelStyle() const { return m_style; }
    void SetBevelStyle(Style style);

    void Paint(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style m_style = Style::Lowered;
};
