// Bright-line tracing, compared with plain transcriptions of the tracer's and the bridging's
// rules on random pictures and lines; the start test, wide pictures, smoothing, drawing and
// the table's texts by hand.

#include "core/photometry/BrightLine.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace lineora {
namespace {

using test::FillRows;

constexpr QRgb kDark = qRgb(30, 200, 200); // only red counts: green and blue stay bright
constexpr QRgb kBright = qRgb(220, 0, 0);

QImage DarkPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kDark);
    return picture;
}

BrightLineState LineOf(int line, const std::vector<double>& centres) {
    BrightLineState state;
    SizeBrightLineTable(state, 0);
    state.Centres[line] = centres;
    return state;
}

// Boundaries the random pictures below reach too seldom; the refusals that they do reach
// are checked there to change nothing.
TEST(BrightLine, StartTestBoundaries) {
    struct Case {
        int Top;     // the band's first row; it ends on row 16 of a 40 x 30 picture
        int Dy, Red; // the red of the pixel Dy below the click at (20, 13); 0: the band's
        TraceOutcome Expected;
    };
    const Case cases[] = {
        {10, 0, 149, TraceOutcome::NotBright},  {10, 0, 150, TraceOutcome::Traced},
        {10, -1, 194, TraceOutcome::NotBright}, // 26 less red than the click
        {10, 1, 195, TraceOutcome::Traced},     // 25 less
        {2, 0, 0, TraceOutcome::RunFailed},     {3, 0, 0, TraceOutcome::Traced},
    };
    for (const Case& c : cases) {
        QImage picture = DarkPicture(40, 30);
        FillRows(picture, c.Top, 16, kBright);
        if (c.Red != 0)
            picture.setPixel(20, 13 + c.Dy, qRgb(c.Red, 0, 0));
        BrightLineState state;
        EXPECT_EQ(TraceBrightLine(state, picture, 3, 20, 13), c.Expected) << c.Top << c.Red;
    }
}

TEST(BrightLine, WidePictureIsTracedToItsLastColumns) {
    QImage picture = DarkPicture(3400, 20);
    FillRows(picture, 8, 12, kBright);
    BrightLineState state; // never sized: the trace sizes it
    ASSERT_EQ(TraceBrightLine(state, picture, 5, 3300, 10), TraceOutcome::Traced);
    EXPECT_EQ(state.Centres[1].size(), 3400u);
    std::vector<double> expected(3400, 10.0);
    std::fill_n(expected.begin(), 2, 0.0);
    std::fill_n(expected.rbegin(), 2, 0.0);
    EXPECT_EQ(state.Centres[5], expected);
}

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The rule as written, on a picture read pixel by pixel: the reference for the tracer.
struct LiteralTracer {
    const QImage& Picture;
    std::vector<double>& C;
    int Threshold = 0, MinWidth = 0, Width = 0;
    double Centre = 0;

    int Red(int x, int y) const { return qRed(Picture.pixel(x, y)); }
    bool Bright(int x, int y) const { return Picture.valid(x, y) && Red(x, y) >= Threshold; }
    bool Measure(int x, int y) { // top and bottom end one past the run
        int top = y - 1, bottom = y + 1;
        while (top >= 2 && Bright(x, top))
            --top;
        while (bottom < Picture.height() && Bright(x, bottom))
            ++bottom;
        if (top < 2 || bottom >= Picture.height())
            return false;
        Centre = (top + bottom) / 2.0;
        Width = bottom - top - 2;
        return true;
    }
    void Clear(int x) {
        if (x >= 0 && x < static_cast<int>(C.size()))
            C[x] = 0;
    }
    TraceOutcome Trace(int x0, int y0) {
        if (!Picture.valid(x0, y0))
            return TraceOutcome::NotBright;
        Threshold = Red(x0, y0) - 25;
        if (Red(x0, y0) < 150 || !Bright(x0, y0 - 1) || !Bright(x0, y0 + 1))
            return TraceOutcome::NotBright;
        if (!Measure(x0, y0))
            return TraceOutcome::RunFailed;
        MinWidth = Width - 4;
        C[x0] = Centre;
        for (int step : {-1, 1}) {
            int x = x0;
            for (;;) {
                const int y = Round(C[x]);
                x += step;
                if (x < 0 || x >= Picture.width() || !Measure(x, y) || Width < MinWidth)
                    break;
                C[x] = Centre;
            }
            Clear(x - step);
            Clear(x - 2 * step);
        }
        return TraceOutcome::Traced;
    }
};

// A dark picture with a few wavy bright bands of changing thickness, broken here and there.
QImage RandomBands(std::mt19937& random, QImage::Format format) {
    auto uniform = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const int width = uniform(30, 90), height = uniform(30, 90);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(uniform(0, 140), uniform(0, 255), uniform(0, 255)));
    }
    for (int b = uniform(1, 3); b > 0; --b) {
        int centre = uniform(0, height - 1), thickness = uniform(1, 12);
        for (int x = 0; x < width; ++x) {
            centre = std::clamp(centre + uniform(-2, 2), 0, height - 1);
            thickness = std::clamp(thickness + uniform(-1, 1), 1, 14);
            if (uniform(0, 30) == 0)
                continue; // a break
            for (int y = std::max(0, centre - thickness / 2);
                 y <= std::min(height - 1, centre + thickness / 2); ++y)
                picture.setPixel(x, y, qRgb(uniform(150, 255), 0, 0));
        }
    }
    return picture.convertToFormat(format);
}

TEST(BrightLine, TracerFollowsTheLiteralRuleOnRandomPictures) {
    std::mt19937 random(1107);
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_RGB888};
    int outcomes[3] = {};
    for (int picture = 0; picture < 150; ++picture) {
        const QImage image = RandomBands(random, formats[picture % 3]);
        for (int click = 0; click < 12; ++click) {
            const int x = std::uniform_int_distribution<int>(-1, image.width())(random);
            const int y = std::uniform_int_distribution<int>(-1, image.height())(random);
            BrightLineState state;
            SizeBrightLineTable(state, image.width());
            state.MinWidth = 77;
            for (double& c : state.Centres[2])
                c = std::uniform_int_distribution<int>(0, 100)(random) / 2.0;
            std::vector<double> expected = state.Centres[2];
            LiteralTracer literal{image, expected, 0, 77};
            const TraceOutcome want = literal.Trace(x, y);
            ASSERT_EQ(TraceBrightLine(state, image, 2, x, y), want)
                << picture << ": " << x << "," << y;
            ASSERT_EQ(state.Centres[2], expected) << picture << ": " << x << "," << y;
            EXPECT_EQ(state.MinWidth, literal.MinWidth); // kept by a refusal
            if (want == TraceOutcome::Traced) {
                EXPECT_EQ(state.Threshold, literal.Threshold);
                EXPECT_EQ(state.LastCentre, literal.Centre);
            }
            ++outcomes[static_cast<int>(want)];
        }
    }
    // The pictures reach every outcome often enough to mean something.
    EXPECT_GT(outcomes[static_cast<int>(TraceOutcome::Traced)], 100);
    EXPECT_GT(outcomes[static_cast<int>(TraceOutcome::NotBright)], 100);
    EXPECT_GT(outcomes[static_cast<int>(TraceOutcome::RunFailed)], 10);
}

// The button's loop as described: find the first gap, bridge it, start again from column 1.
int LiteralBridge(std::vector<double>& c) {
    const int size = static_cast<int>(c.size());
    for (int gaps = 0;; ++gaps) {
        int a = 1;
        while (a < size && Round(c[a]) == 0)
            ++a;
        while (a + 1 < size && Round(c[a + 1]) != 0)
            ++a;
        int b = a + 1;
        while (b < size && Round(c[b]) == 0)
            ++b;
        if (b >= size)
            return gaps;
        const int ya = Round(c[a]), yb = Round(c[b]);
        for (int x = a + 1; x < b; ++x)
            c[x] = double(x - a) * (yb - ya) / (b - a) + ya;
    }
}

// Zeros, halves rounding to even and values rounding to 0 all appear; so do lines too short
// to hold a gap.
TEST(BrightLine, BridgingMatchesTheRestartingLoopOnRandomLines) {
    std::mt19937 random(2026);
    for (int run = 0; run < 400; ++run) {
        std::vector<double> c(
            static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 300)(random)));
        const int gapEvery = std::uniform_int_distribution<int>(2, 20)(random);
        for (double& v : c) {
            const bool gap = std::uniform_int_distribution<int>(0, gapEvery)(random) == 0;
            v = gap ? 0 : std::uniform_int_distribution<int>(1, 4000)(random) / 2.0;
        }
        std::vector<double> expected = c;
        const int gaps = LiteralBridge(expected);
        BrightLineState state = LineOf(4, c);
        ASSERT_EQ(BridgeGaps(state, 4), gaps) << run;
        ASSERT_EQ(state.Centres[4], expected) << run;
    }
}

TEST(BrightLine, SmoothingTakesTheNeighboursMeanForOutliersInOrder) {
    struct Case {
        const char* What;
        std::vector<double> Before, After;
    };
    const Case cases[] = {
        {"just under 1 off stays", {0, 10, 10.99, 12, 12, 0}, {0, 10, 10.99, 12, 12, 0}},
        {"exactly 1 off goes", {0, 10, 12, 12, 12, 0}, {0, 10, 11, 12, 12, 0}},
        {"changed values are the next one's", {0, 10, 20, 14, 14, 0}, {0, 10, 12, 13, 14, 0}},
        {"an empty neighbour keeps it", {0, 10, 20, 0, 10, 20}, {0, 10, 20, 0, 10, 20}},
        {"columns 0, 1 and the last stay", {50, 10, 10, 10, 40}, {50, 10, 10, 25, 40}},
    };
    for (const Case& c : cases) {
        BrightLineState state = LineOf(4, c.Before);
        SmoothLine(state, 4);
        EXPECT_EQ(state.Centres[4], c.After) << c.What;
    }
}

TEST(BrightLine, DrawingSetsTheRoundedCentresInTheLinesColours) {
    BrightLineState state = LineOf(1, {0, 2.5, 3.5, 0.4, 10}); // rows 2, 4, 0 and below
    state.Centres[2][5] = 5;
    state.Centres[2][9] = 5; // right of the picture
    std::array<TColor, kCurveCount + 1> colours{};
    colours[1] = 0x0000FF; // red in the low byte
    colours[2] = 0xFF0000;
    QImage working = test::WhitePicture(8, 6);
    const QImage before = working.copy();
    DrawBrightLines(state, working, colours);
    EXPECT_EQ(test::ChangedPixels(before, working), (std::vector<QPoint>{{1, 2}, {2, 4}, {5, 5}}));
    EXPECT_EQ(working.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(working.pixel(5, 5), qRgb(0, 0, 255));
}

TEST(BrightLine, TableCellsAreGeneralNumbersWithTheSystemsSeparator) {
    BrightLineState state = LineOf(2, {0, 12.5});
    const test::DecimalCharGuard comma{QLatin1Char(',')};
    EXPECT_EQ(BrightLineCell(state, 2, 1), QStringLiteral("12,5"));
    for (int empty : {-1, 0, 2}) // 2 lies beyond the table
        EXPECT_EQ(BrightLineCell(state, 2, empty), QStringLiteral("0")) << empty;
}

} // namespace
} // namespace lineora
