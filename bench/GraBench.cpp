// Opening saved work against reading its picture alone: the graph data file, the checks, the
// value recomputation and the first redraw should cost less than two more picture reads.

#include "BenchPictures.h"
#include "core/commands/GraCommands.h"
#include "core/commands/NullViews.h"
#include "core/commands/State.h"
#include "core/curves/GraFile.h"
#include "core/picture/Pictures.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace lineora {
namespace {

// A program folder with Data/work.gra (five curves of 999 points) and its 6000 x 4000 picture
// in Data/Grafiks/, made once for all runs.
struct SavedWork {
    QTemporaryDir AppDir;
    QString GraPath;
    QString PicturePath;

    SavedWork() {
        const QImage chart = bench::GridPicture();
        QDir().mkpath(GraPictureFolder(AppDir.path()));
        PicturePath = QDir(GraPictureFolder(AppDir.path())).filePath(QStringLiteral("chart.bmp"));
        chart.save(PicturePath, "BMP");

        GraData data;
        data.PictureName = QStringLiteral("chart.bmp");
        data.MinX = QStringLiteral("0");
        data.MaxX = QStringLiteral("100");
        data.MinY = QStringLiteral("-1");
        data.MaxY = QStringLiteral("1");
        data.Points = {300, 3700, 5700, 3700, 300, 300};
        for (int c = 1; c <= kCurveCount; ++c) {
            for (int i = 0; i < kGraMaxPoints; ++i) {
                const int x = 300 + i * 5400 / (kGraMaxPoints - 1);
                const int y = 2000 + static_cast<int>(std::lround(1500 * std::sin(i / 90.0 + c)));
                data.Curves[static_cast<std::size_t>(c)].push_back({x, y});
            }
        }
        GraPath = QDir(GraDataFolder(AppDir.path())).filePath(QStringLiteral("work.gra"));
        SaveGraFile(GraPath, WriteGraText(data));
    }
};

SavedWork& Work() {
    static SavedWork work;
    return work;
}

void BM_ReadPictureAlone(benchmark::State& bench) {
    const QString path = Work().PicturePath;
    for (auto _ : bench) {
        QImage picture = ReadPictureFile(path);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_ReadPictureAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenGraWithPicture(benchmark::State& bench) {
    const QString path = Work().GraPath;
    auto state = std::make_unique<State>();
    state->Main.AppDir = Work().AppDir.path();
    state->Setup.XDirection = 1;
    NullViews views;
    OpenGraPath(*state, views, path); // the working image exists, as after any earlier work
    for (auto _ : bench) {
        OpenGraPath(*state, views, path);
        benchmark::DoNotOptimize(state->Pics.Working.constBits());
    }
}
BENCHMARK(BM_OpenGraWithPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lineora
