// One screenful of the picture view painted from a large scan, at 1:1 and at 1:3.

#include "core/picture/Pictures.h"
#include "ui/app/PictureView.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace lineora {
namespace {

void BM_PaintViewport(benchmark::State& bench) {
    const int scaleIndex = static_cast<int>(bench.range(0));
    QImage picture(6000, 4000, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        for (int y = 0; y < 4000; y += 37) {
            painter.drawLine(0, y, 5999, 3999 - y);
        }
    }
    const Extended scale = ViewScaleOf(QString::fromLatin1(kScaleCaptions[scaleIndex]));
    PictureView view;
    view.SetImage(&picture);
    view.SetScale(scale, ScaledPictureSize(6000, 4000, scale));
    QImage screen(1400, 900, QImage::Format_RGB32);
    // A viewport in the middle of the picture, as after scrolling.
    const QRect viewport(view.width() / 2 - 700, view.height() / 2 - 450, 1400, 900);
    for (auto _ : bench) {
        view.render(&screen, QPoint(), QRegion(viewport));
        benchmark::DoNotOptimize(screen.constBits());
    }
    if (qEnvironmentVariableIsSet("LINEORA_BENCH_SHOT")) {
        screen.save(QStringLiteral("/tmp/viewport-%1.png").arg(scaleIndex));
    }
}
BENCHMARK(BM_PaintViewport)->Arg(5)->Arg(7)->ArgName("scaleIndex")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lineora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
