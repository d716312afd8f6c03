#include "BenchPictures.h"
#include "core/calibration/Calibration.h"
#include "core/curves/PointStore.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace lineora {
namespace {

constexpr int kPictureWidth = 6000;
constexpr int kPictureHeight = 4000;

// A scan of a chart turned by 1.5 degrees: X from 0 to 100 over 5400 pixels, Y from 0 to 50
// over 3400.
Calibration RotatedCalibration(const Settings& settings) {
    Calibration cal;
    cal.Points() = bench::TurnedPlotArea();
    cal.AxisXMin = 0;
    cal.AxisXMax = 100;
    cal.AxisYMin = 0;
    cal.AxisYMax = 50;
    ComputeAxisAngles(cal, settings);
    return cal;
}

Settings BenchSettings() {
    Settings settings;
    settings.XDirection = 1;
    return settings;
}

PointStore FullStore() {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> x(0, kPictureWidth - 1);
    std::uniform_int_distribution<int> y(0, kPictureHeight - 1);
    PointStore store;
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int i = 0; i < kHandPickedCapacity; ++i) {
            AppendPoint(store, c, x(random), y(random));
        }
    }
    store.CurrentLine = 3;
    return store;
}

// What every click costs the store: all values rebuilt, the current curve re-sorted. After the
// first round the curve is already in order, as it is in use.
void BM_RefreshFullStoreSorted(benchmark::State& state) {
    const Settings settings = BenchSettings();
    Calibration cal = RotatedCalibration(settings);
    PointStore store = FullStore();
    RecomputeAllValues(store, cal, settings, 0);
    SortCurrentLine(store, settings, store.LineNext[store.CurrentLine]);
    for (auto _ : state) {
        RecomputeAllValues(store, cal, settings, 0);
        SortCurrentLine(store, settings, store.LineNext[store.CurrentLine]);
        benchmark::DoNotOptimize(store.PointValues.data());
    }
    state.SetItemsProcessed(state.iterations() * kCurveCount * kHandPickedCapacity);
}
BENCHMARK(BM_RefreshFullStoreSorted)->Unit(benchmark::kMillisecond);

// The worst case: the current curve in random order, as after loading unsorted data.
void BM_RefreshFullStoreShuffled(benchmark::State& state) {
    const Settings settings = BenchSettings();
    Calibration cal = RotatedCalibration(settings);
    const PointStore pristine = FullStore();
    PointStore store = pristine;
    for (auto _ : state) {
        state.PauseTiming();
        store.PointPixels = pristine.PointPixels;
        state.ResumeTiming();
        RecomputeAllValues(store, cal, settings, 0);
        SortCurrentLine(store, settings, store.LineNext[store.CurrentLine]);
        benchmark::DoNotOptimize(store.PointValues.data());
    }
    state.SetItemsProcessed(state.iterations() * kCurveCount * kHandPickedCapacity);
}
BENCHMARK(BM_RefreshFullStoreShuffled)->Unit(benchmark::kMillisecond);

// One conversion, as run on every mouse move over the picture.
void BM_PictureToChart(benchmark::State& state) {
    const Settings settings = BenchSettings();
    Calibration cal = RotatedCalibration(settings);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, kPictureWidth - 1);
    std::uniform_int_distribution<int> y(0, kPictureHeight - 1);
    std::vector<PicturePoint> points(4096);
    for (PicturePoint& p : points) {
        p = {x(random), y(random)};
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const PicturePoint& p = points[i++ & (points.size() - 1)];
        benchmark::DoNotOptimize(PictureToChart(cal, settings, p.X, p.Y, 1));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PictureToChart);

} // namespace
} // namespace lineora
