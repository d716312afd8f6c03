#include "BenchPictures.h"
#include "core/calibration/Calibration.h"
#include "core/curves/PointStore.h"
#include "core/picture/Overlay.h"
#include "core/picture/Pictures.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

namespace lineora {
namespace {

using namespace bench;

Pictures LoadedChart() {
    Pictures pictures;
    LoadPicture(pictures, GridPicture(), QStringLiteral("/bench/chart.bmp"));
    RestorePicture(pictures);
    return pictures;
}

// Five full curves, sorted by X as they are in use, each a wave across the chart.
PointStore FiveFullCurves(bool connect) {
    PointStore store;
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int i = 0; i < kHandPickedCapacity; ++i) {
            const int x = 300 + i * 5400 / (kHandPickedCapacity - 1);
            const int y = 2000 + static_cast<int>(std::lround(1500 * std::sin(i / 90.0 + c)));
            AppendPoint(store, c, x, y);
        }
    }
    store.MarkRadius = 3;
    store.ConnectPoints = connect;
    return store;
}

Settings ChartSettings() {
    Settings settings;
    settings.XDirection = 1;
    settings.LineColors = {0, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
    return settings;
}

// (a) The floor: the picture's bytes copied into a buffer that already exists.
void BM_MemcpyIntoExistingBuffer(benchmark::State& state) {
    const QImage source = GridPicture();
    QImage target(source.size(), source.format());
    target.fill(0);
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(),
                    static_cast<std::size_t>(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, source);
}
BENCHMARK(BM_MemcpyIntoExistingBuffer)->Unit(benchmark::kMillisecond);

// (b) Copying the clean copy back over the working image.
void BM_RestorePicture(benchmark::State& state) {
    Pictures pictures = LoadedChart();
    for (auto _ : state) {
        RestorePicture(pictures);
        benchmark::DoNotOptimize(pictures.Working.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, pictures.Clean);
}
BENCHMARK(BM_RestorePicture)->Unit(benchmark::kMillisecond);

// (c) What every click redraws: the clean picture, the axes, 5 x 999 marks (argument 1: joined
// by segments).
void BM_RedrawAfterClick(benchmark::State& state) {
    Pictures pictures = LoadedChart();
    Calibration cal = PlotArea();
    const Settings settings = ChartSettings();
    const PointStore store = FiveFullCurves(state.range(0) != 0);
    for (auto _ : state) {
        RestorePicture(pictures);
        DrawAxes(pictures.Working, cal, settings);
        RedrawMarks(pictures.Working, store, settings);
        benchmark::DoNotOptimize(pictures.Working.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, pictures.Clean);
}
BENCHMARK(BM_RedrawAfterClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (d) What a fresh picture per click would cost: allocation and the first touch of every page.
void BM_FreshPictureAllocation(benchmark::State& state) {
    for (auto _ : state) {
        QImage fresh(kScanWidth, kScanHeight, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        benchmark::DoNotOptimize(fresh.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64{kScanWidth} * kScanHeight * 4);
}
BENCHMARK(BM_FreshPictureAllocation)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
