// Painting a keypad key: the 26 x 26 gradient alone in each base style, and a
// whole key (bevels, gradient, caption) as the keypad paints it, on a normal
// screen and on one with two device pixels per pixel.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "controls/gradient/gradientfx.h"
#include "controls/panel/panelex.h"
#include "controls/platform/fonts.h"

namespace {

constexpr int kKeySide = 26;

void BM_PaintGradient(benchmark::State& state) {
    const auto style = static_cast<TGradientFX>(state.range(0));
    QImage target(kKeySide, kKeySide, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    for (auto _ : state) {
        PaintGradient(&painter, kKeySide, kKeySide, 0, 0, clLime, clWhite, style);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintGradient)
    ->ArgName("style")
    ->Arg(fxHorizontal)
    ->Arg(fxVertical)
    ->Arg(fxDiagonal)
    ->Arg(fxRectangle)
    ->Arg(fxEllipse)
    ->Arg(fxInvHorizontal);

void BM_PaintKey(benchmark::State& state) {
    const int ratio = static_cast<int>(state.range(0));
    TPanelEx key;
    key.resize(kKeySide, kKeySide);
    key.setFont(FormFont("MS Sans Serif", 8, true));
    key.SetCaption("7");
    key.SetFontColor(clBlue);
    key.SetBevelOuter(bvNone);
    key.SetBevelInner(bvRaised);
    key.SetBevelWidth(2);
    key.SetLayout(tlCenter);
    key.SetSelected(true);
    key.SetSn_Gradient(true);
    key.SetEstilGradient(fxVertical);
    key.SetEfectes(true);
    QImage target(kKeySide * ratio, kKeySide * ratio, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        key.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintKey)->ArgName("ratio")->Arg(1)->Arg(2);

}  // namespace
