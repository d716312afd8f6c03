#include "BenchPictures.h"
#include "core/calibration/Calibration.h"
#include "core/common/NumberText.h"
#include "core/curves/PointStore.h"
#include "core/photometry/LightTable.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

namespace lineora {
namespace {

// What a click in the light-distribution modes costs beyond the picture: every value rebuilt,
// the curve being picked sorted, and the table regenerated, with the four halves full (999
// points each). The text window's update is measured with the windows.

constexpr int kPolarMode = 3;
constexpr int kCartesianMode = 4;

struct Work {
    Settings Setup;
    Calibration Cal;
    PointStore Store;
    DoubleAxisRanges Ranges{-90, 90, 0, 100};
};

// Points of curve c on its own side of the axis (curves 1 and 3 above or right, 2 and 4 below
// or left), at random angles and distances within the plot area of the turned scan.
void FillHalves(Work& work) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> angle(0.5, 179.5);
    std::uniform_int_distribution<int> radius(100, 3000);
    const ReferencePoints& points = work.Cal.Points();
    for (int c = 1; c <= 4; ++c) {
        const double side = c % 2 == 1 ? 1 : -1;
        for (int i = 0; i < kHandPickedCapacity; ++i) {
            const double a = side * angle(random) * std::numbers::pi / 180;
            const int r = radius(random);
            AppendPoint(work.Store, c, points.ZeroPointX + static_cast<int>(r * std::cos(a)),
                        points.ZeroPointY - static_cast<int>(r * std::sin(a)));
        }
    }
    for (int i = 1; i <= 5; ++i) {
        AppendPoint(work.Store, 5, points.ZeroPointX + 100 * i, points.ZeroPointY - 50 * i);
    }
}

Work PolarWork() {
    Work work;
    work.Setup.XDirection = 1;
    work.Setup.TypeOfCurve = 2;
    work.Cal.Points() = bench::TurnedPlotArea();
    work.Cal.AxisPolarMax = 1000;
    ComputeAxisAngles(work.Cal, work.Setup);
    FillHalves(work);
    return work;
}

Work CartesianWork() {
    Work work;
    work.Setup.XDirection = 1;
    work.Cal.Points() = bench::TurnedPlotArea();
    work.Cal.AxisXMin = -90;
    work.Cal.AxisXMax = 90;
    work.Cal.AxisYMax = 100;
    ComputeAxisAngles(work.Cal, work.Setup);
    FillHalves(work);
    return work;
}

// The click's refresh, as the window runs it with curve 2 being picked.
void Refresh(Work& work, int mode) {
    RecomputeAllValues(work.Store, work.Cal, work.Setup, mode, &work.Ranges);
    work.Store.CurrentLine = 2;
    SortCurrentLine(work.Store, work.Setup, work.Store.LineNext[2]);
}

// Argument: 1 one curve, 2 two two-sided planes, 3 two symmetric planes.
void BM_PolarLightTable(benchmark::State& state) {
    SetDecimalChar(QLatin1Char(','));
    Work work = PolarWork();
    PolarTableFields fields;
    fields.ChartType = state.range(0) == 1 ? 1 : 2;
    fields.CrossSymmetric = fields.LongSymmetric = state.range(0) == 3;
    fields.Angles = LightAngles::Different;
    Refresh(work, kPolarMode);
    for (auto _ : state) {
        Refresh(work, kPolarMode);
        benchmark::DoNotOptimize(PolarLightTable(work.Store, fields));
    }
}
BENCHMARK(BM_PolarLightTable)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Argument: the chart type, 1 one curve, 2 two-sided planes, 3 two-sided and shifted.
void BM_CartesianLightTable(benchmark::State& state) {
    SetDecimalChar(QLatin1Char(','));
    Work work = CartesianWork();
    const int chart = static_cast<int>(state.range(0));
    const CartesianTableFields fields{chart, false, false};
    PairShift shift;
    Refresh(work, kCartesianMode);
    for (auto _ : state) {
        Refresh(work, kCartesianMode);
        benchmark::DoNotOptimize(CartesianLightTable(work.Store, fields, &shift));
    }
}
BENCHMARK(BM_CartesianLightTable)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The table alone, for reading the figures above against the refresh they include.
void BM_PolarLightTableOnly(benchmark::State& state) {
    SetDecimalChar(QLatin1Char(','));
    Work work = PolarWork();
    PolarTableFields fields;
    fields.ChartType = 2;
    Refresh(work, kPolarMode);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PolarLightTable(work.Store, fields));
    }
}
BENCHMARK(BM_PolarLightTableOnly)->Unit(benchmark::kMillisecond);

// The refresh alone, argument the special mode (3 polar, 4 cartesian).
void BM_LightModeRefreshOnly(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    Work work = mode == kPolarMode ? PolarWork() : CartesianWork();
    for (auto _ : state) {
        Refresh(work, mode);
        benchmark::DoNotOptimize(work.Store.PointValues.data());
    }
}
BENCHMARK(BM_LightModeRefreshOnly)
    ->Arg(kPolarMode)
    ->Arg(kCartesianMode)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
