// --bright-line: the centres a click traces, printed for scripts; a click that starts no line
// prints nothing and says why in the mode's words. The tracing itself is the core's business.

#include "FormRuns.h"

#include <utility>
#include <vector>

namespace {

using namespace lineora::cli;

// A dark picture, 60 x 40, with a bright line on rows 10..15 (centre 12.5) from column 5 to
// 54, broken at columns 30..33; column 20 sits two rows lower (centre 14.5).
QImage BrokenLine() {
    QImage picture(60, 40, QImage::Format_RGB32);
    const QColor dark(20, 20, 20), bright(230, 40, 40);
    picture.fill(dark);
    lineora::test::FillBox(picture, QRect(5, 10, 50, 6), bright);
    lineora::test::FillBox(picture, QRect(30, 10, 4, 6), dark);
    lineora::test::FillBox(picture, QRect(20, 10, 1, 8), bright);
    lineora::test::FillBox(picture, QRect(20, 10, 1, 2), dark);
    return picture;
}

// "column TAB centre" CR LF for each column of the spans.
QByteArray Lines(const std::vector<std::pair<std::pair<int, int>, const char*>>& spans) {
    QByteArray text;
    for (const auto& [columns, centre] : spans) {
        for (int x = columns.first; x <= columns.second; ++x) {
            text += QByteArray::number(x) + '\t' + centre + "\r\n";
        }
    }
    return text;
}

class BrightLineForm : public FormTest {};

TEST_F(BrightLineForm, PrintsTheTracedCentresBridgedAndSmoothedOnRequest) {
    const QString picture = Save(BrokenLine(), "beam.png");
    // Each piece loses its two outermost columns at both ends.
    const QByteArray left = Lines({{{7, 19}, "12.5"}, {{20, 20}, "14.5"}, {{21, 27}, "12.5"}});
    const QByteArray right = Lines({{{36, 52}, "12.5"}});
    struct Case {
        const char* Options;
        QByteArray Out;
    };
    const Case cases[] = {
        {"15,12 45,12", left + right},
        // The gap takes the rounded ends (12.5 reads as row 12).
        {"15,12 45,12 --bridge", left + Lines({{{28, 35}, "12"}}) + right},
        // Left to right on the values already smoothed: the step spreads over two columns.
        {"15,12 --smooth",
         Lines({{{7, 18}, "12.5"}, {{19, 19}, "13.5"}, {{20, 20}, "13"}, {{21, 27}, "12.5"}})},
    };
    for (const Case& c : cases) {
        // A comma system separator changes nothing.
        const Outcome run =
            Run(Words("--bright-line") << Words(c.Options) << picture, QLatin1Char(','));
        EXPECT_EQ(run.Status, 0) << c.Options;
        EXPECT_EQ(run.Err, QByteArray()) << c.Options;
        EXPECT_EQ(run.Out, c.Out) << c.Options;
    }
}

TEST_F(BrightLineForm, RefusedClicksAndArgumentsPrintNothing) {
    QImage picture = BrokenLine();
    for (int y = 30; y < 40; ++y) {
        picture.setPixel(40, y, qRgb(230, 40, 40)); // a run into the bottom edge
    }
    const QString beam = Save(picture, "beam.png");
    lineora::test::WriteBytes(Path("damaged.png"), "not a picture");
    struct Case {
        const char* Arguments; // "@" is the folder
        int Status;
        const char* Err;
    };
    const Case cases[] = {
        {"15,20 @/beam.png", 1, "does not start a bright line"},
        {"15,12 40,35 @/beam.png", 1, "edge of the picture"},
        {"15,12 @/damaged.png", 1, "damaged.png"},
        {"15;12 @/beam.png", 2, "X,Y"},
        {"15,12,3 @/beam.png", 2, "X,Y"},
        {"60,12 @/beam.png", 2, "outside the picture"},
        {"@/beam.png", 2, "needs X,Y"},
        {"15,12 @/beam.png --smoth", 2, "--smoth"},
    };
    for (const Case& c : cases) {
        const Outcome run = Run(Words("--bright-line") << Words(c.Arguments));
        EXPECT_EQ(run.Status, c.Status) << c.Arguments;
        EXPECT_EQ(run.Out, QByteArray()) << c.Arguments;
        EXPECT_TRUE(run.Err.contains(c.Err)) << c.Arguments << ": " << run.Err.toStdString();
    }
    EXPECT_EQ(Entries(), QStringList({"beam.png", "damaged.png"})) << beam.toStdString();
}

// The message comes from the language file the configuration chooses, as in the window.
TEST_F(BrightLineForm, MessageInTheChosenLanguage) {
    const QString beam = Save(BrokenLine(), "beam.png");
    lineora::test::WriteBytes(Path("Russian.ini"),
                              "[Misc]\r\nmsgMessaga23=Not on a line*|*here\r\n");
    const Outcome run = Run(Words("--bright-line 15,20") << beam);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, QByteArray());
    EXPECT_TRUE(run.Err.contains("Not on a line\nhere")) << run.Err.toStdString();
}

} // namespace
