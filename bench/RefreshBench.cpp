#include "BenchPictures.h"
#include "core/commands/Commands.h"
#include "core/commands/NullViews.h"
#include "core/common/NumberText.h"
#include "core/curves/Export.h"
#include "core/curves/TableModel.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace lineora {
namespace {

// The rows a table window of the usual size has on screen; a repaint asks for these.
constexpr int kRowsOnScreen = 25;

// Views that do nothing but what the table window does on a refresh: reset its model and
// let the rows on screen be read again.
class TableOnlyViews : public NullViews {
public:
    explicit TableOnlyViews(const State& state) : state_(state) {}

    void TableChanged() override {
        model_.Refresh(state_.Store, TableOptionsOf(state_));
        for (int row = 0; row < kRowsOnScreen; ++row) {
            for (int column = 0; column < kTableColumns; ++column) {
                benchmark::DoNotOptimize(model_.data(model_.index(row, column)));
            }
        }
    }

private:
    const State& state_;
    TableModel model_;
};

// Five full curves on a scan turned by 1.5 degrees: X from 0 to 100 over 5400 pixels, Y from
// 0 to 50 over 3400, so the values have all their digits.
std::unique_ptr<State> FullState() {
    SetDecimalChar(QLatin1Char('.'));
    auto state = std::make_unique<State>();
    state->Setup.XDirection = 1;
    Calibration& cal = state->Cal;
    cal.Points() = bench::TurnedPlotArea();
    state->Texts.MaxX = QStringLiteral("100");
    state->Texts.MaxY = QStringLiteral("50");
    ReadAxisValues(state->Texts, cal);
    ComputeAxisAngles(cal, state->Setup);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> x(0, 5999);
    std::uniform_int_distribution<int> y(0, 3999);
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int i = 0; i < kHandPickedCapacity; ++i) {
            AppendPoint(state->Store, c, x(random), y(random));
        }
    }
    state->Store.CurrentLine = 3;
    return state;
}

// What every click costs after the picture is redrawn: values, sort, table and export text.
void BM_RefreshAllFullStore(benchmark::State& bench) {
    auto state = FullState();
    TableOnlyViews views(*state);
    RefreshAll(*state, views); // the current curve sorted, as it is in use
    for (auto _ : bench) {
        RefreshAll(*state, views);
        benchmark::DoNotOptimize(state->Output.MemoText.constData());
    }
    bench.SetItemsProcessed(bench.iterations() * kCurveCount * kHandPickedCapacity);
}
BENCHMARK(BM_RefreshAllFullStore)->Unit(benchmark::kMillisecond);

void BM_ExportTextFullStore(benchmark::State& bench) {
    auto state = FullState();
    TableOnlyViews views(*state);
    RefreshAll(*state, views);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            BuildExportText(state->Store, NumberFormat::Scientific, SeparatorChoice::Comma));
    }
    bench.SetItemsProcessed(bench.iterations() * kCurveCount * kHandPickedCapacity);
}
BENCHMARK(BM_ExportTextFullStore)->Unit(benchmark::kMillisecond);

void BM_TableRefreshFullStore(benchmark::State& bench) {
    auto state = FullState();
    TableOnlyViews views(*state);
    RefreshAll(*state, views);
    for (auto _ : bench) {
        views.TableChanged();
    }
}
BENCHMARK(BM_TableRefreshFullStore)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lineora
