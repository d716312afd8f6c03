#include "BenchPictures.h"
#include "core/commands/NullViews.h"
#include "core/commands/State.h"
#include "core/commands/TracingCommands.h"
#include "core/picture/Pictures.h"
#include "core/tracing/AutoDigitize.h"
#include "core/tracing/ColorTracing.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace lineora {
namespace {

using namespace bench;

// A scanned chart: white paper, a grey grid every 100 pixels, a red curve two pixels thick
// across the plot area, and in the top left corner the black axes and black curve of a small
// plain chart, where automatic digitizing looks.
QImage ChartWithCurve() {
    QImage picture = GridPicture();
    QPainter painter(&picture);
    std::vector<QPoint> curve;
    for (int x = 300; x <= 5700; x += 4) {
        curve.emplace_back(x, 2000 + static_cast<int>(std::lround(1500 * std::sin(x / 700.0))));
    }
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.drawPolyline(curve.data(), static_cast<int>(curve.size()));
    painter.fillRect(120, 20, 1, 931, Qt::black);
    painter.fillRect(120, 950, 600, 1, Qt::black);
    std::vector<QPoint> small;
    for (int x = 125; x <= 700; x += 5) {
        small.emplace_back(x, 600 + static_cast<int>(std::lround(250 * std::sin(x / 90.0))));
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(small.data(), static_cast<int>(small.size()));
    return picture;
}

const QImage& Chart() {
    static const QImage chart = ChartWithCurve();
    return chart;
}

// A trace for 1000 points of each criterion: 0 the red colour, 1 black (found only in the
// small chart's columns: the rest are walked to the bottom), 2 special, 3 three red neighbours.
void BM_ColorTrace1000(benchmark::State& state) {
    const QImage& chart = Chart();
    TraceRequest request;
    request.Criterion = static_cast<TraceCriterion>(state.range(0));
    request.FindColor = 0x0000FF;
    request.Color2 = 0x0000FF;
    request.Neighbours = 3;
    request.Points = 1000;
    const TraceBand band = TraceBandOf(PlotArea(), request.Points);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<PicturePoint> points = TraceLine(chart, band, request);
        found = points.size();
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = static_cast<double>(found);
    SetPictureBytes(state, Chart());
}
BENCHMARK(BM_ColorTrace1000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Finding both axes and sampling the 30 columns.
void BM_AutoDigitize(benchmark::State& state) {
    const QImage& chart = Chart();
    std::size_t found = 0;
    for (auto _ : state) {
        const AxisLines axes = FindAxisLines(chart);
        const std::vector<PicturePoint> points = SampleCurve(chart, axes, kDefaultAutoThreshold);
        found = points.size();
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = static_cast<double>(found);
}
BENCHMARK(BM_AutoDigitize)->Unit(benchmark::kMillisecond);

// The whole command: the above plus the table and the redraw of the old and new axes' and
// curve's places. From slanted axes, the redraw is of the whole picture.
void BM_AutoDigitizeCommand(benchmark::State& state) {
    const bool slanted = state.range(0) != 0;
    State run;
    LoadPicture(run.Pics, Chart(), QStringLiteral("/bench/chart.bmp"));
    RestorePicture(run.Pics);
    run.Setup.XDirection = 1;
    NullViews views;
    for (auto _ : state) {
        if (slanted) {
            run.Cal.XMaxPointY = run.Cal.ZeroPointY - 30;
        }
        RunAutoDigitize(run, views, kDefaultAutoThreshold);
        benchmark::DoNotOptimize(run.Pics.Working.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, Chart());
}
BENCHMARK(BM_AutoDigitizeCommand)
    ->ArgName("slanted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The same calibrated on the axis ends: their search and the axis fields on top.
void BM_CalibratedAutoDigitizeCommand(benchmark::State& state) {
    State run;
    LoadPicture(run.Pics, Chart(), QStringLiteral("/bench/chart.bmp"));
    RestorePicture(run.Pics);
    run.Setup.XDirection = 1;
    NullViews views;
    const AxisRanges ranges{-1.5, 40, 1, 1e4};
    run.Setup.ScaleY = ScaleKind::Log10;
    for (auto _ : state) {
        RunAutoDigitize(run, views, kDefaultAutoThreshold, ranges);
        benchmark::DoNotOptimize(run.Pics.Working.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["x-max"] = run.Cal.XMaxPointX;
    state.counters["y-max"] = run.Cal.YMaxPointY;
    SetPictureBytes(state, Chart());
}
BENCHMARK(BM_CalibratedAutoDigitizeCommand)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
