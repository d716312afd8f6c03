// The bright-line table window taking the centres of a 6000-column picture: five traced lines
// across the full width, the model filled again and the rows in sight painted.

#include "core/photometry/BrightLine.h"
#include "ui/photometry/BrightLineTableModel.h"
#include "ui/photometry/FormSpec2Table.h"

#include <QImage>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

BrightLineState TracedAcross(int width) {
    BrightLineState state;
    SizeBrightLineTable(state, width);
    for (int line = 1; line <= kBrightLineCount; ++line) {
        for (int x = 1; x < width; ++x) {
            state.Centres[static_cast<std::size_t>(line)][static_cast<std::size_t>(x)] =
                500.0 * line + (x % 97) * 0.5;
        }
    }
    return state;
}

void BM_BrightLineTableShown(benchmark::State& bench) {
    const BrightLineState centres = TracedAcross(6000);
    const BrightLineState other = TracedAcross(6001); // a different shape: a full model reset
    TFormSpec2Table window;
    window.show();
    QImage screen(window.size(), QImage::Format_RGB32);
    const BrightLineState* shown[2] = {&centres, &other};
    int next = 0;
    for (auto _ : bench) {
        window.ShowCentres(*shown[next]);
        window.StringGridSpec2Table->render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
        next = 1 - next;
    }
}
BENCHMARK(BM_BrightLineTableShown)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
