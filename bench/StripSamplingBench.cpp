#include "BenchPictures.h"
#include "core/common/Color.h"
#include "core/photometry/StripSampling.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace lineora {
namespace {

using namespace bench;

constexpr std::int32_t kSearchLines = 1000;

// The plot area's three strips of 1116 rows.
StripGeometry ChartStrips() {
    return SamplingStrips(PlotArea(), StraightenerState{}.StripGap);
}

// The grid scan with a recorder trace in each strip: red ink, 3 pixels wide, waving over
// most of its strip's height, so the searches stop at rows all over the strips.
QImage RecorderChart() {
    QImage picture = GridPicture();
    const StripGeometry strips = ChartStrips();
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(220, 30, 30), 3));
    for (int trace = 1; trace <= kTraceCount; ++trace) {
        const Strip& strip = strips.Strips[trace];
        const double middle = (strip.Top + strip.Bottom) / 2.0;
        const double reach = (strip.Bottom - strip.Top) * 0.4;
        QPolygon wave;
        for (int x = 300; x <= 5700; x += 4) {
            wave << QPoint(x, static_cast<int>(middle + reach * std::sin(x / (150.0 * trace))));
        }
        painter.drawPolyline(wave);
    }
    return picture;
}

// 1000 search lines from the zero point to the X-max point.
struct Sampling {
    Calibration Chart = PlotArea();
    StripGeometry Strips = ChartStrips();
    std::vector<std::int32_t> Columns;
    PointStore Store;
    std::array<TColor, 10> Colours{};

    Sampling() {
        Chart.AxisXMin = 0;
        Chart.AxisXMax = kSearchLines - 1;
        Columns = SearchLineColumns(Chart, kSearchLines, 1);
        InitSamples(Store, Columns, Strips);
        for (int entry = 1; entry <= 9; ++entry) {
            // A box around the ink: red 200..240, green and blue 20..40.
            Colours[entry] = entry % 3 == 1 ? MakeColor(200, 20, 20) : MakeColor(240, 40, 40);
        }
    }
};

void BM_StripClearGridRows(benchmark::State& state) {
    const QImage chart = RecorderChart();
    const Sampling sampling;
    QImage working;
    int whitened = 0;
    for (auto _ : state) {
        state.PauseTiming();
        working = chart.copy();
        state.ResumeTiming();
        whitened = ClearGridRows(working, sampling.Strips, 300, 5700, 0.7);
        benchmark::DoNotOptimize(working.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, chart);
    state.counters["rows"] = whitened;
}
BENCHMARK(BM_StripClearGridRows)->Unit(benchmark::kMillisecond);

void BM_StripSearchByColour(benchmark::State& state) {
    const QImage chart = RecorderChart();
    Sampling sampling;
    for (auto _ : state) {
        SearchByColour(sampling.Store, chart, chart, sampling.Strips, sampling.Colours, 3,
                       kSearchLines);
        benchmark::DoNotOptimize(sampling.Store.PointPixels.data());
    }
    SetPictureBytes(state, chart);
}
BENCHMARK(BM_StripSearchByColour)->Unit(benchmark::kMillisecond);

void BM_StripSearchRedInk(benchmark::State& state) {
    const QImage chart = RecorderChart();
    Sampling sampling;
    for (auto _ : state) {
        SearchRedInk(sampling.Store, chart, sampling.Strips, kSearchLines);
        benchmark::DoNotOptimize(sampling.Store.PointPixels.data());
    }
    SetPictureBytes(state, chart);
}
BENCHMARK(BM_StripSearchRedInk)->Unit(benchmark::kMillisecond);

// Where no search line finds its trace: every row of every strip is read.
void BM_StripSearchByColourNothingFound(benchmark::State& state) {
    const QImage chart = GridPicture();
    Sampling sampling;
    for (auto _ : state) {
        SearchByColour(sampling.Store, chart, chart, sampling.Strips, sampling.Colours, 3,
                       kSearchLines);
        benchmark::DoNotOptimize(sampling.Store.PointPixels.data());
    }
    SetPictureBytes(state, chart);
}
BENCHMARK(BM_StripSearchByColourNothingFound)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
