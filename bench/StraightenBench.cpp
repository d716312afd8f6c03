#include "calibration/Calibration.h"
#include "picture/Straightening.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstring>

namespace lineora {
namespace {

constexpr int kPictureWidth = 6000;
constexpr int kPictureHeight = 4000;

// A scanned chart: white paper with a grey grid every 100 pixels.
QImage ChartPicture() {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(160, 160, 160));
    for (int x = 0; x < kPictureWidth; x += 100) {
        painter.drawLine(x, 0, x, kPictureHeight - 1);
    }
    for (int y = 0; y < kPictureHeight; y += 100) {
        painter.drawLine(0, y, kPictureWidth - 1, y);
    }
    return picture;
}

// Zero point (300, 3700), Y-max (300, 300): three strips of 1116 rows; the centre rows move
// 229 + 2 pixels.
StripGeometry ChartStrips() {
    Calibration cal;
    cal.ZeroPointX = 300;
    cal.ZeroPointY = 3700;
    cal.XMaxPointX = 5700;
    cal.XMaxPointY = 3700;
    cal.YMaxPointX = 300;
    cal.YMaxPointY = 300;
    const StraightenerState settings; // gap 26, curvature 560
    return ComputeStrips(cal, settings.StripGap, settings.StraightenRadius);
}

void SetPictureBytes(benchmark::State& state, const QImage& picture) {
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}

// The floor: the picture's bytes copied into a buffer that already exists.
void BM_StraightenMemcpy(benchmark::State& state) {
    const QImage source = ChartPicture();
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
BENCHMARK(BM_StraightenMemcpy)->Unit(benchmark::kMillisecond);

// Every row of the picture shifted onto the guide, into a widened buffer that already exists.
void BM_StraightenRows(benchmark::State& state) {
    const QImage clean = ChartPicture();
    const StripGeometry strips = ChartStrips();
    const RowShiftTable shifts = BuildRowShift(strips, kPictureHeight);
    QImage target(StraightenedWidth(kPictureWidth, shifts), kPictureHeight, QImage::Format_RGB32);
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
        benchmark::DoNotOptimize(BuildRowShift(strips, kPictureHeight));
    }
}
BENCHMARK(BM_StraightenTable)->Unit(benchmark::kMicrosecond);

// The widened picture's fresh allocation, paid once per straightening on top of the rows:
// the allocation and the first touch of every page.
void BM_StraightenAllocation(benchmark::State& state) {
    const RowShiftTable shifts = BuildRowShift(ChartStrips(), kPictureHeight);
    const int width = StraightenedWidth(kPictureWidth, shifts);
    for (auto _ : state) {
        QImage fresh(width, kPictureHeight, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        benchmark::DoNotOptimize(fresh.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64{width} * kPictureHeight * 4);
}
BENCHMARK(BM_StraightenAllocation)->Unit(benchmark::kMillisecond);

// What the command does: allocation inside StraightenRows, then the rows.
void BM_StraightenWithAllocation(benchmark::State& state) {
    const QImage clean = ChartPicture();
    const StripGeometry strips = ChartStrips();
    const RowShiftTable shifts = BuildRowShift(strips, kPictureHeight);
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
