// Undo and redo: the cost of recording a step on the click path, of restoring a point step with
// five full curves, and of undoing a picture step on the 6000 x 4000 scan (read against
// BM_MemcpyIntoExistingBuffer), and the peak memory with the picture bound reached.

#include "BenchPictures.h"

#include "BenchHost.h"
#include "core/commands/Commands.h"
#include "core/commands/NullViews.h"
#include "core/commands/State.h"
#include "core/commands/UndoCommands.h"
#include "core/common/NumberText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <sys/resource.h>

namespace lineora {
namespace {

// The scan with five curves of 999 points, its work just opened.
std::unique_ptr<State> ScanWithFullCurves(NullViews& views, const QImage& picture) {
    SetDecimalChar(QLatin1Char('.'));
    auto state = std::make_unique<State>();
    LoadPicture(state->Pics, picture, QStringLiteral("/bench/scan.bmp"));
    state->Setup.XDirection = 1;
    state->Cal.Points() = bench::PlotArea().Points();
    state->Texts.MaxX = QStringLiteral("100");
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int i = 0; i < kHandPickedCapacity; ++i) {
            AppendPoint(state->Store, c, 300 + i * 5,
                        2000 + static_cast<int>(std::lround(1500 * std::sin(i / 90.0 + c))));
        }
    }
    RedrawPicture(*state, views);
    RefreshAll(*state, views);
    StartNewWork(*state);
    return state;
}

// What a click adds to its own cost: the work compared with the last step, one curve taken
// again, the step pushed (with the oldest dropped once the bound is reached).
void BM_RecordPointStep(benchmark::State& bench) {
    NullViews views;
    auto state = ScanWithFullCurves(views, bench::GridPicture());
    int dx = 1;
    for (auto _ : bench) {
        state->Store.PointPixels[500][2].PixX += dx; // the click's change
        dx = -dx;
        RecordUserAction(*state);
    }
}
BENCHMARK(BM_RecordPointStep)->Unit(benchmark::kMicrosecond);

// Undo and redo of a point step, without the redraw and refresh every command ends with.
void BM_UndoPointStepRestore(benchmark::State& bench) {
    NullViews views;
    auto state = ScanWithFullCurves(views, bench::GridPicture());
    state->Store.PointPixels[500][2].PixX += 1;
    RecordUserAction(*state);
    bool undo = true;
    for (auto _ : bench) {
        const UndoSnapshot* work = undo ? state->Undo.Undo() : state->Undo.Redo();
        RestoreWork(*state, views, *work);
        undo = !undo;
    }
}
BENCHMARK(BM_UndoPointStepRestore)->Unit(benchmark::kMicrosecond);

// The whole undo of a point step on the 6000 x 4000 scan: restore, redraw, refresh of the
// 4995 values and the export text.
void BM_UndoPointStepWhole(benchmark::State& bench) {
    NullViews views;
    auto state = ScanWithFullCurves(views, bench::GridPicture());
    state->Store.PointPixels[500][2].PixX += 1;
    RecordUserAction(*state);
    bool undo = true;
    for (auto _ : bench) {
        if (undo) {
            UndoWork(*state, views);
        } else {
            RedoWork(*state, views);
        }
        undo = !undo;
    }
}
BENCHMARK(BM_UndoPointStepWhole)->Unit(benchmark::kMicrosecond);

// The scan turned by 1.5 degrees, then levelled by the rotation and kept: one picture step.
std::unique_ptr<State> RotatedScan(NullViews& views) {
    SetDecimalChar(QLatin1Char('.'));
    auto state = std::make_unique<State>();
    LoadPicture(state->Pics, bench::GridPicture(), QStringLiteral("/bench/scan.bmp"));
    state->Setup.XDirection = 1;
    state->Cal.Points() = bench::TurnedPlotArea();
    RedrawPicture(*state, views);
    StartNewWork(*state);
    bench::BenchHost host(Host::Answer::Yes);
    RunUserAction(*state, host, [&] { RotateToXAxis(*state, host, views); });
    return state;
}

// Undo of the rotation: the kept picture back and copied once into the working image, which
// takes the old size again. The curves are empty, so the refresh costs nothing.
void BM_UndoRotation(benchmark::State& bench) {
    NullViews views;
    auto state = RotatedScan(views);
    for (auto _ : bench) {
        UndoWork(*state, views);
        bench.PauseTiming();
        RedoWork(*state, views);
        bench.ResumeTiming();
    }
    bench::SetPictureBytes(bench, state->Pics.Clean);
}
BENCHMARK(BM_UndoRotation)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo of a step that kept the picture's size (speck cleaning, black and white): one copy
// into the existing working image.
void BM_UndoSameSizePictureStep(benchmark::State& bench) {
    NullViews views;
    bench::BenchHost host(Host::Answer::Yes);
    auto state = ScanWithFullCurves(views, bench::GridPicture());
    ClearAllLines(state->Store);
    StartNewWork(*state);
    RunUserAction(*state, host, [&] { BlackAndWhite(*state, views); });
    for (auto _ : bench) {
        UndoWork(*state, views);
        bench.PauseTiming();
        RedoWork(*state, views);
        bench.ResumeTiming();
    }
    bench::SetPictureBytes(bench, state->Pics.Clean);
}
BENCHMARK(BM_UndoSameSizePictureStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peak resident memory once the history holds as many pictures as it may: the clean copy,
// the working image and four kept pictures of the scan. Run on its own for a figure that
// belongs to it alone (--benchmark_filter=PeakMemory).
void BM_PictureBoundPeakMemory(benchmark::State& bench) {
    NullViews views;
    bench::BenchHost host(Host::Answer::Yes);
    for (auto _ : bench) {
        auto state = ScanWithFullCurves(views, bench::GridPicture());
        for (int step = 0; step < 8; ++step) {
            RunUserAction(*state, host, [&] {
                state->Pics.Clean.setPixel(step, 0, qRgb(0, 0, 0));
                RedrawPicture(*state, views);
            });
        }
        benchmark::DoNotOptimize(state->Undo.PicturesHeld());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    bench.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    bench.counters["picture_MB"] =
        static_cast<double>(bench::kScanWidth) * bench::kScanHeight * 4 / (1024.0 * 1024.0);
}
BENCHMARK(BM_PictureBoundPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace lineora
