// The text output window taking a new light-distribution table: four halves of 999 points give
// about 2,000 rows. A click adds one row; a new scale changes every row.

#include "ui/photometry/FormOutText.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

QString TableOfRows(int rows, int variant, int insertAt = -1) {
    QString text;
    const QString row =
        QStringLiteral("     %1        |      %2        ||     %1        |        %2\r\n");
    for (int r = 0; r < rows; ++r) {
        if (r == insertAt) {
            text += row.arg(0.5, 5).arg(99.5, 6);
        }
        text += row.arg(r % 180, 5).arg(r + variant, 6);
    }
    return text;
}

// Two tables in turn (the window skips a text it already shows).
void ShowInTurn(benchmark::State& bench, const QString& first, const QString& second) {
    TFormOutText window;
    window.show();
    const QString tables[2] = {first, second};
    int next = 0;
    for (auto _ : bench) {
        window.ShowText(tables[next]);
        next = 1 - next;
    }
}

void BM_OutTextAfterAClick(benchmark::State& bench) {
    ShowInTurn(bench, TableOfRows(2000, 0), TableOfRows(2000, 0, 1000));
}
BENCHMARK(BM_OutTextAfterAClick)->Unit(benchmark::kMillisecond);

void BM_OutTextEveryRowChanged(benchmark::State& bench) {
    ShowInTurn(bench, TableOfRows(2000, 0), TableOfRows(2000, 1));
}
BENCHMARK(BM_OutTextEveryRowChanged)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora
