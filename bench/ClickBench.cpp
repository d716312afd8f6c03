// A click and a mouse move in point mode on a large scan, measured against one copy of the
// picture in the same run.

#include "BenchHost.h"
#include "core/commands/Commands.h"
#include "core/commands/NullViews.h"
#include "core/commands/PictureMouse.h"
#include "core/commands/State.h"
#include "core/common/NumberText.h"
#include "core/picture/Magnifier.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace lineora {
namespace {

// The windows' side of the commands, doing only what costs time outside the screen: the
// magnifier's enlargement.
class BenchViews : public NullViews {
public:
    const State* state = nullptr;
    QImage magnifier;
    void UpdateMagnifier(int x, int y) override {
        DrawMagnifier(state->Pics.Working, x, y, magnifier);
    }
    void ShowStatus(int, const QString& text) override { benchmark::DoNotOptimize(text); }
};

// A 6000 x 4000 scan with a grid, calibrated over most of it, five curves of 999 points
// (curve 1 one short, so that clicks are taken).
std::unique_ptr<State> LargeScan(BenchViews& views) {
    auto state = std::make_unique<State>();
    QImage picture(6000, 4000, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setPen(QColor(160, 160, 160));
        for (int x = 0; x < 6000; x += 100) {
            painter.drawLine(x, 0, x, 3999);
        }
    }
    LoadPicture(state->Pics, std::move(picture), QStringLiteral("/bench/scan.bmp"));
    state->Setup.XDirection = 1;
    Calibration& cal = state->Cal;
    cal.Points() = {300, 3700, 5700, 3690, 290, 300};
    state->Texts.MaxX = QStringLiteral("100");
    state->Texts.MaxY = QStringLiteral("10");
    for (int c = 1; c <= kCurveCount; ++c) {
        const int count = c == 1 ? kHandPickedCapacity - 1 : kHandPickedCapacity;
        for (int i = 0; i < count; ++i) {
            AppendPoint(state->Store, c, 300 + i * 5,
                        2000 + static_cast<int>(std::lround(1500 * std::sin(i / 90.0 + c))));
        }
    }
    views.state = state.get();
    RedrawPicture(*state, views);
    RefreshAll(*state, views);
    return state;
}

void BM_PictureMemcpy(benchmark::State& bench) {
    QImage source(6000, 4000, QImage::Format_RGB32);
    source.fill(Qt::white);
    QImage target(6000, 4000, QImage::Format_RGB32);
    target.fill(Qt::black);
    for (auto _ : bench) {
        std::memcpy(target.bits(), source.constBits(), static_cast<size_t>(source.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PictureMemcpy)->Unit(benchmark::kMillisecond);

// Stored, marked, every value recomputed, the curve sorted, the whole overlay redrawn.
void BM_ClickInPointModeWithRedraw(benchmark::State& bench) {
    SetDecimalChar(QLatin1Char('.'));
    BenchViews views;
    bench::BenchHost host;
    auto state = LargeScan(views);
    int x = 1000;
    for (auto _ : bench) {
        state->Cal.MousePicX = x;
        state->Cal.MousePicY = 1000;
        AddPointAtClick(*state, host, views, false);
        RedrawPicture(*state, views);
        bench.PauseTiming();
        ClearLine(state->Store, 1); // keep the curve one short of full
        for (int i = 0; i < kHandPickedCapacity - 1; ++i) {
            AppendPoint(state->Store, 1, 300 + i * 5, 2000 + i % 700);
        }
        x = x == 1000 ? 1003 : 1000;
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_ClickInPointModeWithRedraw)->Unit(benchmark::kMillisecond);

// Status bar, step-X crosshair and magnifier follow the mouse.
void BM_MouseMoveInPointMode(benchmark::State& bench) {
    SetDecimalChar(QLatin1Char('.'));
    BenchViews views;
    bench::BenchHost host;
    auto state = LargeScan(views);
    state->Main.ShowZoom = true;
    SwitchStepX(*state, host, views, true);
    int x = 2000;
    for (auto _ : bench) {
        PictureMouseMove(*state, host, views, 0, x, 1500);
        x = x == 2000 ? 2001 : 2000;
    }
}
BENCHMARK(BM_MouseMoveInPointMode)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lineora
