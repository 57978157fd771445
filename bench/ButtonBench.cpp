// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include <QImage>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "buttons/TLbSpeedButton.h"

namespace {

// The START button of the main window, as its layout table gives it.
void MakeStartButton(TLbSpeedButton &button)
{
    button.setGeometry(0, 0, 114, 45);
    button.SetCaption("START");
    button.SetColor(clGreen);
    button.SetColorWhenDown(0x0080FF80);
    button.SetHotTrackColor(0x0000C000);
    button.SetLightColor(0x00C0FFC0);
    button.SetShadowColor(0x0000C000);
    button.SetFont(TLbFont{MakeFont("Arial", -19, true), clWhite});
    button.SetHotTrackFont(TLbFont{MakeFont("Arial", -21, true), clYellow});
    button.SetUseHotTrackFont(true);
    button.SetStyle(bsModern);
    button.SetAlignment(taCenter);
}

// One complete Paint: the face composed off-screen (gradient, outlines,
// caption), key pixels made see-through, the result copied to the target.
void BM_StartButtonPaint(benchmark::State &state)
{
    QWidget host;
    host.resize(200, 100);
    TLbSpeedButton button(&host);
    MakeStartButton(button);
    host.show();
    QImage target(114, 45, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        button.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_StartButtonPaint)->Unit(benchmark::kMicrosecond);

// The off-screen composition alone.
void BM_StartButtonComposeFace(benchmark::State &state)
{
    QWidget host;
    TLbSpeedButton button(&host);
    MakeStartButton(button);
    for (auto _ : state)
        benchmark::DoNotOptimize(button.ComposeFace());
}
BENCHMARK(BM_StartButtonComposeFace)->Unit(benchmark::kMicrosecond);

} // namespace
