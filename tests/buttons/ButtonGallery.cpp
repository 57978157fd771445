// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Writes one PNG with every face style, every colour preset and the three
// game buttons, each up, hot, pressed and disabled, composed exactly as the
// button paints itself and laid over a panel so see-through corners show.
//
//   button_gallery OUTPUT.png

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

#include "ButtonTestSupport.h"
#include "platform/Fonts.h"

namespace {

constexpr int LabelWidth = 190;
constexpr int CellWidth = 134;
constexpr int RowHeight = 55;
constexpr int ButtonWidth = 114;
constexpr int ButtonHeight = 45;
const char *const StateNames[] = {"up", "hot", "pressed", "disabled"};

struct Row
{
    QString label;
    std::function<void(TLbSpeedButton &)> configure;
};

// The strip every style row carries: up, disabled, pressed and hot cells,
// each a small square on a white key.
QImage DemoGlyph()
{
    const QColor colours[] = {QColor(0, 120, 215), QColor(150, 150, 150), QColor(0, 70, 140), QColor(230, 120, 0)};
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(16 * i + 3, 3, 10, 10, colours[i]);
        painter.fillRect(16 * i + 6, 6, 4, 4, Qt::white);
    }
    return strip;
}

void Styled(TLbSpeedButton &b, TLbSpeedButtonStyle style, const QString &caption)
{
    b.SetStyle(style);
    b.SetColor(clBtnFace);
    b.SetHotTrackColor(clSkyBlue);
    b.SetLightColor(clWhite);
    b.SetShadowColor(clGray);
    b.SetCaption(caption);
    b.SetGlyph(DemoGlyph());
    b.SetFont(TLbFont{MakeFont("Arial", -13), clBlack});
}

void GameButton(TLbSpeedButton &b, const QString &caption, TColor color, TColor down, TColor hot, TColor light,
                TColor shadow)
{
    b.SetCaption(caption);
    b.SetColor(color);
    b.SetColorWhenDown(down);
    b.SetHotTrackColor(hot);
    b.SetLightColor(light);
    b.SetShadowColor(shadow);
    b.SetFont(TLbFont{MakeFont("Arial", -19, true), clWhite});
    b.SetHotTrackFont(TLbFont{MakeFont("Arial", -21, true), clYellow});
    b.SetUseHotTrackFont(true);
    b.SetStyle(bsModern);
    b.SetAlignment(taCenter);
}

std::vector<Row> Rows()
{
    std::vector<Row> rows;
    const std::pair<TLbSpeedButtonStyle, const char *> styles[] = {
        {bsNormal, "bsNormal"}, {bsEncarta, "bsEncarta"}, {bsModern, "bsModern"},
        {bsOld, "bsOld"},       {bsShape, "bsShape"},     {bsQuicken, "bsQuicken"},
    };
    for (auto [style, name] : styles)
        rows.push_back({name, [style, name](TLbSpeedButton &b) { Styled(b, style, name); }});
    rows.push_back({"bsNormal, Flat", [](TLbSpeedButton &b) {
                        Styled(b, bsNormal, "Flat");
                        b.SetFlat(true);
                    }});
    rows.push_back({"bsModern, Transparent", [](TLbSpeedButton &b) {
                        Styled(b, bsModern, "Transp.");
                        b.SetTransparent(true);
                    }});
    rows.push_back({"popup menu, glyph right", [](TLbSpeedButton &b) {
                        Styled(b, bsNormal, "Menu");
                        b.SetLayout(blGlyphRight);
                        static QMenu menu;
                        b.SetPopupMenu(&menu);
                    }});
    const std::pair<TLbColorStyle, const char *> presets[] = {
        {lcsGold, "lcsGold"},
        {lcsChrome, "lcsChrome"},
        {lcsBlue, "lcsBlue"},
        {lcsRed, "lcsRed"},
        {lcsUltraFlat1, "lcsUltraFlat1"},
        {lcsUltraFlat2, "lcsUltraFlat2"},
        {lcsUltraFlatXP, "lcsUltraFlatXP"},
        {lcsAqua, "lcsAqua"},
        {lcsDefault, "lcsDefault"},
        {lcsQuicken, "lcsQuicken"},
    };
    for (auto [preset, name] : presets)
        rows.push_back({name, [preset, name](TLbSpeedButton &b) {
                            b.SetFont(TLbFont{MakeFont("Arial", -13), clBlack});
                            b.SetCaption(name);
                            b.SetAlignment(taCenter);
                            b.SetColorStyle(preset);
                        }});
    rows.push_back({"START", [](TLbSpeedButton &b) {
                        GameButton(b, "START", clGreen, 0x0080FF80, 0x0000C000, 0x00C0FFC0, 0x0000C000);
                    }});
    rows.push_back({"PAUSE", [](TLbSpeedButton &b) {
                        GameButton(b, "PAUSE", clRed, 0x008080FF, 0x00B0B0FF, 0x009090FF, 0x000000C0);
                    }});
    rows.push_back(
        {"RESET", [](TLbSpeedButton &b) { GameButton(b, "RESET", clBlack, clGray, clBlack, clSilver, clBlack); }});
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RegisterFontSubstitutions();
    if (argc < 2) {
        std::fprintf(stderr, "usage: button_gallery OUTPUT.png\n");
        return 2;
    }

    // Hot tracking needs a showing parent.
    QWidget host;
    host.resize(200, 100);
    host.show();

    const std::vector<Row> rows = Rows();
    const TColor panel = ColorToRGB(clBtnFace);
    QImage gallery(LabelWidth + 4 * CellWidth, 30 + int(rows.size()) * RowHeight, QImage::Format_RGB32);
    gallery.fill(ToQColor(panel));
    QPainter painter(&gallery);
    painter.setFont(MakeFont("Arial", -13, true));
    painter.setPen(Qt::black);
    for (int s = 0; s < 4; ++s)
        painter.drawText(QRect(LabelWidth + s * CellWidth, 6, CellWidth, 20), Qt::AlignHCenter, StateNames[s]);

    for (int r = 0; r < int(rows.size()); ++r) {
        const int top = 30 + r * RowHeight;
        painter.setFont(MakeFont("Arial", -13));
        painter.drawText(QRect(8, top, LabelWidth - 12, ButtonHeight), Qt::AlignVCenter | Qt::AlignLeft, rows[r].label);
        for (int s = 0; s < 4; ++s) {
            TLbSpeedButton button(&host);
            button.resize(ButtonWidth, ButtonHeight);
            button.show();
            rows[r].configure(button);
            if (s == 1)
                buttontest::Enter(&button);
            else if (s == 2)
                button.SetDown(true);
            else if (s == 3)
                button.setEnabled(false);
            painter.drawImage(LabelWidth + s * CellWidth + (CellWidth - ButtonWidth) / 2, top, button.ComposeFace());
        }
    }
    painter.end();
    if (!gallery.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", argv[1], gallery.width(), gallery.height());
    return 0;
}
