#include "BenchPictures.h"
#include "core/photometry/BrightLine.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace lineora {
namespace {

using namespace bench;

// A dark 6000 x 4000 picture (an oscillogram) with a bright wavy line 9 to 13 rows thick
// across its whole width.
QImage BrightWave() {
    QImage picture(kScanWidth, kScanHeight, QImage::Format_RGB32);
    picture.fill(qRgb(25, 30, 35));
    for (int x = 0; x < kScanWidth; ++x) {
        const int centre = 2000 + static_cast<int>(std::lround(1500 * std::sin(x / 500.0)));
        const int half = 5 + static_cast<int>(std::lround(std::sin(x / 37.0)));
        for (int y = centre - half; y <= centre + half; ++y) {
            picture.setPixel(x, y, qRgb(240, 200, 160));
        }
    }
    return picture;
}

const QImage& Wave() {
    static const QImage wave = BrightWave();
    return wave;
}

// A click in the middle of the line, traced to both edges of the picture.
void BM_BrightLineTraceFullWidth(benchmark::State& state) {
    const QImage& wave = Wave();
    const int x0 = kScanWidth / 2;
    const int y0 = 2000 + static_cast<int>(std::lround(1500 * std::sin(x0 / 500.0)));
    BrightLineState lines;
    SizeBrightLineTable(lines, wave.width());
    for (auto _ : state) {
        const TraceOutcome outcome = TraceBrightLine(lines, wave, 1, x0, y0);
        benchmark::DoNotOptimize(outcome);
        if (outcome != TraceOutcome::Traced || lines.Centres[1][3] == 0 ||
            lines.Centres[1][kScanWidth - 4] == 0) {
            state.SkipWithError("the line was not traced across the picture");
            break;
        }
    }
}
BENCHMARK(BM_BrightLineTraceFullWidth)->Unit(benchmark::kMillisecond);

// A 6000-column line with an empty column in every four: 1499 gaps. The time includes
// copying the line back in (6000 doubles) before each run.
void BM_BrightLineBridgeManyGaps(benchmark::State& state) {
    std::vector<double> line(kScanWidth);
    for (int x = 1; x < kScanWidth; ++x) {
        line[static_cast<std::size_t>(x)] = x % 4 == 0 ? 0 : 1000 + 0.5 * (x % 7);
    }
    BrightLineState lines;
    for (auto _ : state) {
        lines.Centres[1] = line;
        benchmark::DoNotOptimize(BridgeGaps(lines, 1));
    }
}
BENCHMARK(BM_BrightLineBridgeManyGaps)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lineora
