#include "core/common/NumberText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace lineora {
namespace {

// What one refresh formats at most: 5 curves x 999 points x (X, Y). Chart values of every
// size from 1e-6 to 1e6, both signs, with a share of round numbers as typed axis values give.
const std::vector<Extended>& RefreshValues() {
    static const std::vector<Extended> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> power(-6, 6);
        std::vector<Extended> result;
        result.reserve(10000);
        for (int i = 0; i < 10000; ++i) {
            Extended value = std::pow(10.0L, static_cast<Extended>(power(random)));
            if (i % 5 == 0) {
                value = std::round(value * 100) / 100;
            }
            result.push_back((i % 3 == 0) ? -value : value);
        }
        return result;
    }();
    return values;
}

// Values below the range of the fast conversion, for comparison.
const std::vector<Extended>& TinyValues() {
    static const std::vector<Extended> values = [] {
        std::vector<Extended> result;
        for (const Extended value : RefreshValues()) {
            result.push_back(value * 1e-60L);
        }
        return result;
    }();
    return values;
}

template <typename Format>
void FormatAll(benchmark::State& state, const std::vector<Extended>& values, Format format) {
    for (auto _ : state) {
        for (const Extended value : values) {
            benchmark::DoNotOptimize(format(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}

void BM_FormatExportStandard(benchmark::State& state) {
    FormatAll(state, RefreshValues(),
              [](Extended v) { return FormatExport(v, NumberFormat::Standard); });
}
BENCHMARK(BM_FormatExportStandard)->Unit(benchmark::kMicrosecond);

void BM_FormatExportScientific(benchmark::State& state) {
    FormatAll(state, RefreshValues(),
              [](Extended v) { return FormatExport(v, NumberFormat::Scientific); });
}
BENCHMARK(BM_FormatExportScientific)->Unit(benchmark::kMicrosecond);

void BM_FormatGeneral(benchmark::State& state) {
    FormatAll(state, RefreshValues(), [](Extended v) { return FormatGeneral(v); });
}
BENCHMARK(BM_FormatGeneral)->Unit(benchmark::kMicrosecond);

void BM_FormatGeneralTinyValues(benchmark::State& state) {
    FormatAll(state, TinyValues(), [](Extended v) { return FormatGeneral(v); });
}
BENCHMARK(BM_FormatGeneralTinyValues)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lineora
