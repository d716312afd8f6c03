#include "BenchPictures.h"
#include "core/picture/Rectify.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

using namespace bench;

// The grid scan as if photographed from below and left: its plot frame a trapezoid whose top
// side is 600 pixels shorter than its bottom one. The result has the scan's size.
RectifyPlan PhotographedFramePlan() {
    return PlanRectify(
        {QPointF(500, 350), QPointF(5300, 250), QPointF(5750, 3750), QPointF(250, 3650)},
        kScanWidth, kScanHeight);
}

// Into a buffer of the result's size that already exists, as when the same corners are
// rectified again.
void BM_RectifyIntoReusedBuffer(benchmark::State& state) {
    const QImage source = GridPicture();
    const RectifyPlan plan = PhotographedFramePlan();
    QImage target(plan.Size, QImage::Format_RGB32);
    target.fill(0);
    for (auto _ : state) {
        RectifyPicture(source, plan, target);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state, source);
}
BENCHMARK(BM_RectifyIntoReusedBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lineora
