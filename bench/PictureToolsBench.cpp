#include "BenchPictures.h"
#include "core/picture/Rotation.h"
#include "core/picture/SpeckCleaning.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

namespace lineora {
namespace {

using namespace bench;

constexpr double kThreeDegrees = 3 * std::numbers::pi / 180;

// A scanned chart: white paper, a grey grid every 100 pixels, three curves two pixels wide and
// dust of single pixels and pairs.
QImage ScannedChart() {
    QImage picture = GridPicture();
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    for (int curve = 1; curve <= 3; ++curve) {
        QPolygon wave;
        for (int x = 300; x < kScanWidth - 300; x += 10) {
            wave << QPoint(x, 2000 + static_cast<int>(1200 * std::sin(x / 700.0 + curve)));
        }
        painter.drawPolyline(wave);
    }
    painter.end();
    std::mt19937 random(5);
    for (int speck = 0; speck < 50000; ++speck) {
        const int x = static_cast<int>(random() % (kScanWidth - 1));
        const int y = static_cast<int>(random() % kScanHeight);
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        row[x] = qRgb(40, 40, 40);
        if (speck % 3 == 0) {
            row[x + 1] = qRgb(90, 90, 90);
        }
    }
    return picture;
}

void BM_CleanSpecks(benchmark::State& state) {
    const QImage source = ScannedChart();
    QImage picture = source.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(picture.bits(), source.constBits(),
                    static_cast<std::size_t>(source.sizeInBytes()));
        state.ResumeTiming();
        CleanSpecks(picture, InkLimits{});
        benchmark::DoNotOptimize(picture.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, source);
}
BENCHMARK(BM_CleanSpecks)->Unit(benchmark::kMillisecond);

// Into a buffer of the turned size that already exists, as when the same turn is redone.
void BM_RotateThreeDegreesIntoReusedBuffer(benchmark::State& state) {
    const QImage source = ScannedChart();
    const RotatedFrame frame = RotatedFrameOf(kScanWidth, kScanHeight, kThreeDegrees);
    QImage target(frame.Width, frame.Height, QImage::Format_RGB32);
    target.fill(0);
    for (auto _ : state) {
        RotatePicture(source, kThreeDegrees, frame, target);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, source);
}
BENCHMARK(BM_RotateThreeDegreesIntoReusedBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the turn costs on top when its buffer is new: allocation and first touch of every page.
void BM_AllocateRotatedPicture(benchmark::State& state) {
    const RotatedFrame frame = RotatedFrameOf(kScanWidth, kScanHeight, kThreeDegrees);
    for (auto _ : state) {
        QImage fresh(frame.Width, frame.Height, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        benchmark::DoNotOptimize(fresh.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qint64{frame.Width} * frame.Height * 4);
}
BENCHMARK(BM_AllocateRotatedPicture)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
