#include "BenchPictures.h"
#include "core/picture/Straightening.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

using namespace bench;

// Zero point (300, 3700), Y-max (300, 300): three strips of 1116 rows; the centre rows move
// 229 + 2 pixels.
StripGeometry ChartStrips() {
    const StraightenerState settings; // gap 26, curvature 560
    return ComputeStrips(PlotArea(), settings.StripGap, settings.StraightenRadius);
}

// Every row of the picture shifted onto the guide, into a widened buffer that already exists.
void BM_StraightenRows(benchmark::State& state) {
    const QImage clean = GridPicture();
    const StripGeometry strips = ChartStrips();
    const RowShiftTable shifts = BuildRowShift(strips, kScanHeight);
    QImage target(StraightenedWidth(kScanWidth, shifts), kScanHeight, QImage::Format_RGB32);
    target.fill(0);
    int reports = 0;
    for (auto _ : state) {
        StraightenRows(clean, strips, shifts, target, [&reports](int) { ++reports; });
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, target);
    state.counters["shift0"] = shifts.At(0);
}
BENCHMARK(BM_StraightenRows)->Unit(benchmark::kMillisecond);

// The table and geometry alone.
void BM_StraightenTable(benchmark::State& state) {
    for (auto _ : state) {
        const StripGeometry strips = ChartStrips();
        benchmark::DoNotOptimize(BuildRowShift(strips, kScanHeight));
    }
}
BENCHMARK(BM_StraightenTable)->Unit(benchmark::kMicrosecond);

// The widened picture's fresh allocation, paid once per straightening on top of the rows:
// the allocation and the first touch of every page.
void BM_StraightenAllocation(benchmark::State& state) {
    const RowShiftTable shifts = BuildRowShift(ChartStrips(), kScanHeight);
    const int width = StraightenedWidth(kScanWidth, shifts);
    for (auto _ : state) {
        QImage fresh(width, kScanHeight, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        benchmark::DoNotOptimize(fresh.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64{width} * kScanHeight * 4);
}
BENCHMARK(BM_StraightenAllocation)->Unit(benchmark::kMillisecond);

// What the command does: allocation inside StraightenRows, then the rows.
void BM_StraightenWithAllocation(benchmark::State& state) {
    const QImage clean = GridPicture();
    const StripGeometry strips = ChartStrips();
    const RowShiftTable shifts = BuildRowShift(strips, kScanHeight);
    for (auto _ : state) {
        QImage target;
        StraightenRows(clean, strips, shifts, target);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, clean);
}
BENCHMARK(BM_StraightenWithAllocation)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
