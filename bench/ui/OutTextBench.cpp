// The text output window taking a new light-distribution table after a click: four halves of
// 999 points give about 2,000 rows.

#include "ui/photometry/FormOutText.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

QString TableOfRows(int rows, int variant) {
    QString text;
    const QString row =
        QStringLiteral("     %1        |      %2        ||     %1        |        %2\r\n");
    for (int r = 0; r < rows; ++r) {
        text += row.arg(r % 180, 5).arg(r + variant, 6);
    }
    return text;
}

void BM_OutTextShowsNewTable(benchmark::State& bench) {
    TFormOutText window;
    window.show();
    // Two tables in turn: the window skips a text it already shows.
    const QString tables[2] = {TableOfRows(2000, 0), TableOfRows(2000, 1)};
    int next = 0;
    for (auto _ : bench) {
        window.ShowText(tables[next]);
        next = 1 - next;
    }
}
BENCHMARK(BM_OutTextShowsNewTable)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
