// Bright-line tracing: the run at the click, the trace to both sides and where it stops, and
// what bridging, smoothing, drawing and the table make of the centres. The tracer and the
// bridging are also compared with plain transcriptions of their rules on random pictures.

#include "core/photometry/BrightLine.h"
#include "support/DecimalCharGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <tuple>
#include <vector>

namespace lineora {
namespace {

constexpr QRgb kDark = qRgb(30, 200, 200); // only red counts: green and blue stay bright
constexpr QRgb kBright = qRgb(220, 0, 0);

QImage DarkPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kDark);
    return picture;
}

// Rows top..bottom of columns from..to, inclusive.
void Band(QImage& picture, int from, int to, int top, int bottom, QRgb colour = kBright) {
    for (int x = from; x <= to; ++x) {
        for (int y = top; y <= bottom; ++y) {
            picture.setPixel(x, y, colour);
        }
    }
}

BrightLineState SizedState(int width) {
    BrightLineState state;
    SizeBrightLineTable(state, width);
    return state;
}

// Columns with a centre, as {column, centre}.
std::vector<std::pair<int, double>> Traced(const BrightLineState& state, int line) {
    std::vector<std::pair<int, double>> traced;
    const std::vector<double>& centres = state.Centres[line];
    for (std::size_t x = 0; x < centres.size(); ++x) {
        if (centres[x] != 0) {
            traced.emplace_back(static_cast<int>(x), centres[x]);
        }
    }
    return traced;
}

std::vector<std::pair<int, double>> Span(int from, int to, double centre) {
    std::vector<std::pair<int, double>> span;
    for (int x = from; x <= to; ++x) {
        span.emplace_back(x, centre);
    }
    return span;
}

std::vector<std::pair<int, double>>
Join(std::initializer_list<std::vector<std::pair<int, double>>> parts) {
    std::vector<std::pair<int, double>> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

TEST(BrightLine, SevenPixelLineSetsMinimumWidthTwoAndDropsTwoColumnsAtEachEdge) {
    QImage picture = DarkPicture(40, 30);
    Band(picture, 0, 39, 10, 16);
    BrightLineState state = SizedState(40);
    ASSERT_EQ(TraceBrightLine(state, picture, 2, 20, 13), TraceOutcome::Traced);
    EXPECT_EQ(state.MinWidth, 2);
    EXPECT_EQ(state.Threshold, 220 - 25);
    EXPECT_EQ(Traced(state, 2), Span(2, 37, 13.0));
    EXPECT_TRUE(Traced(state, 1).empty());
}

// The line of 7 rows thins on columns 20..29 (right) or 5..9 (left) to `rows` rows: with at
// least 3 rows (run width 2) the trace goes on, with fewer it stops there.
TEST(BrightLine, TraceStopsWhereTheRunThinsBelowTheMinimumWidth) {
    struct Case {
        int Rows;
        std::vector<std::pair<int, double>> Expected;
    };
    const Case cases[] = {
        // The first column of each thin part still meets the old row 13, which is not itself
        // tested: its run reaches one row further down.
        {3, Join({Span(2, 4, 13.0),
                  Span(5, 8, 11.0),
                  {{9, 11.5}},
                  Span(10, 19, 13.0),
                  {{20, 11.5}},
                  Span(21, 29, 11.0),
                  Span(30, 37, 13.0)})},
        // Stops at columns 9 and 20; the columns 10, 11 and 18, 19 beside the stops go too.
        {2, Span(12, 17, 13.0)},
    };
    for (const Case& c : cases) {
        QImage picture = DarkPicture(40, 30);
        Band(picture, 0, 39, 10, 16);
        Band(picture, 5, 9, 10 + c.Rows, 16, kDark);
        Band(picture, 20, 29, 10 + c.Rows, 16, kDark);
        BrightLineState state = SizedState(40);
        ASSERT_EQ(TraceBrightLine(state, picture, 1, 14, 13), TraceOutcome::Traced);
        EXPECT_EQ(Traced(state, 1), c.Expected) << c.Rows << " rows";
    }
}

TEST(BrightLine, TraceFailingAtItsFirstStepLeftLeavesNothing) {
    QImage picture = DarkPicture(40, 30);
    Band(picture, 15, 39, 10, 16);
    BrightLineState state = SizedState(40);
    state.Centres[1][13] = 6;
    state.Centres[1][14] = 7; // the right pass clears the two columns left of the start too
    state.Centres[1][20] = 9;
    ASSERT_EQ(TraceBrightLine(state, picture, 1, 15, 13), TraceOutcome::Traced);
    EXPECT_EQ(Traced(state, 1), (std::vector<std::pair<int, double>>{{13, 6.0}, {20, 9.0}}));
}

TEST(BrightLine, FailedStartChangesNoCentre) {
    struct Case {
        const char* What;
        int Top, Bottom; // the band's rows on a 40 x 30 picture
        int ClickX, ClickY;
        QRgb Click, Above, Below; // colours at and beside the click, 0 = the band's
        TraceOutcome Expected;
    };
    const Case cases[] = {
        {"red 149 at the click", 10, 16, 20, 13, qRgb(149, 0, 0), 0, 0, TraceOutcome::NotBright},
        {"red 150 at the click", 10, 16, 20, 13, qRgb(150, 0, 0), 0, 0, TraceOutcome::Traced},
        {"dark above", 10, 16, 20, 10, 0, 0, 0, TraceOutcome::NotBright},
        {"dark below", 10, 16, 20, 16, 0, 0, 0, TraceOutcome::NotBright},
        {"above 26 less red", 10, 16, 20, 13, 0, qRgb(194, 0, 0), 0, TraceOutcome::NotBright},
        {"below 25 less red", 10, 16, 20, 13, 0, 0, qRgb(195, 0, 0), TraceOutcome::Traced},
        {"click on row 0", 0, 16, 20, 0, 0, 0, 0, TraceOutcome::NotBright},
        {"click outside", 10, 16, 40, 13, 0, 0, 0, TraceOutcome::NotBright},
        {"click at -1", 10, 16, -1, 13, 0, 0, 0, TraceOutcome::NotBright},
        {"run reaching row 1", 1, 16, 20, 8, 0, 0, 0, TraceOutcome::RunFailed},
        {"run reaching row 2", 2, 16, 20, 8, 0, 0, 0, TraceOutcome::RunFailed},
        {"run starting at row 3", 3, 16, 20, 8, 0, 0, 0, TraceOutcome::Traced},
        {"run reaching the bottom row", 10, 29, 20, 13, 0, 0, 0, TraceOutcome::RunFailed},
        {"run ending above the bottom row", 10, 28, 20, 13, 0, 0, 0, TraceOutcome::Traced},
    };
    for (const Case& c : cases) {
        QImage picture = DarkPicture(40, 30);
        Band(picture, 0, 39, c.Top, c.Bottom);
        if (c.Click != 0)
            picture.setPixel(c.ClickX, c.ClickY, c.Click);
        if (c.Above != 0)
            picture.setPixel(c.ClickX, c.ClickY - 1, c.Above);
        if (c.Below != 0)
            picture.setPixel(c.ClickX, c.ClickY + 1, c.Below);
        BrightLineState state = SizedState(40);
        state.Centres[3][20] = 4.5;
        state.MinWidth = 77;
        const TraceOutcome outcome = TraceBrightLine(state, picture, 3, c.ClickX, c.ClickY);
        EXPECT_EQ(outcome, c.Expected) << c.What;
        if (outcome != TraceOutcome::Traced) {
            EXPECT_EQ(Traced(state, 3), (std::vector<std::pair<int, double>>{{20, 4.5}})) << c.What;
            EXPECT_EQ(state.MinWidth, 77) << c.What;
        }
    }
}

TEST(BrightLine, MeasuredRunHasItsCentreAndWidthAndFailsAtTheEdges) {
    QImage picture = DarkPicture(10, 30);
    Band(picture, 0, 0, 4, 9);   // even number of rows: centre ends in .5
    Band(picture, 1, 1, 3, 5);   // starts at row 3: still measured
    Band(picture, 2, 2, 1, 5);   // reaches row 1
    Band(picture, 3, 3, 20, 29); // reaches the bottom row
    struct Case {
        int X, Y, Threshold;
        BrightRun Expected;
    };
    const Case cases[] = {
        {0, 6, 200, {true, 6.5, 5}}, {1, 4, 200, {true, 4, 2}},   {2, 3, 200, {false, 0, 0}},
        {3, 25, 200, {false, 0, 0}}, {0, 20, 200, {true, 20, 0}}, // the pixel itself is not tested
        {4, 15, 0, {false, 0, 0}},   // everything bright: reaches row 1
        {12, 15, -5, {true, 15, 0}}, // outside the picture nothing is bright
        {0, 1, 200, {false, 0, 0}},  {0, 30, 200, {false, 0, 0}},
    };
    for (const Case& c : cases) {
        const BrightRun run = MeasureRun(picture, c.X, c.Y, c.Threshold);
        EXPECT_EQ(run.Found, c.Expected.Found) << c.X << "," << c.Y;
        if (run.Found) {
            EXPECT_EQ(run.Centre, c.Expected.Centre) << c.X << "," << c.Y;
            EXPECT_EQ(run.Width, c.Expected.Width) << c.X << "," << c.Y;
        }
    }
}

TEST(BrightLine, WidePictureIsTracedToItsLastColumns) {
    QImage picture = DarkPicture(3400, 20);
    Band(picture, 0, 3399, 8, 12);
    BrightLineState state; // never sized: the trace sizes it
    ASSERT_EQ(TraceBrightLine(state, picture, 5, 3300, 10), TraceOutcome::Traced);
    EXPECT_EQ(state.Centres[5].size(), 3400u);
    EXPECT_EQ(Traced(state, 5), Span(2, 3397, 10.0));
    EXPECT_EQ(state.Centres[1].size(), 3400u);
}

// The rule as written, on a picture read pixel by pixel: the reference for the tracer.
struct LiteralTracer {
    const QImage& Picture;
    std::vector<double>& C;
    int Threshold = 0, MinWidth = 0;
    double Centre = 0;
    int Width = 0;

    int Red(int x, int y) const { return qRed(Picture.pixel(x, y)); }
    bool Bright(int x, int y) const { return Picture.valid(x, y) && Red(x, y) >= Threshold; }
    bool Measure(int x, int y) {
        int r = y;
        do {
            r = r - 1;
            if (r < 2)
                return false;
        } while (Bright(x, r));
        const int top = r + 1;
        r = y;
        do {
            r = r + 1;
            if (r >= Picture.height())
                return false;
        } while (Bright(x, r));
        const int bottom = r - 1;
        Centre = (top + bottom) / 2.0;
        Width = bottom - top;
        return true;
    }
    static int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
    void Clear(int x) {
        if (x >= 0 && x < static_cast<int>(C.size()))
            C[x] = 0;
    }
    TraceOutcome Trace(int x0, int y0) {
        if (!Picture.valid(x0, y0))
            return TraceOutcome::NotBright;
        Threshold = Red(x0, y0) - 25;
        if (!(Red(x0, y0) >= 150 && Bright(x0, y0 - 1) && Bright(x0, y0 + 1))) {
            return TraceOutcome::NotBright;
        }
        if (!Measure(x0, y0))
            return TraceOutcome::RunFailed;
        MinWidth = Width - 4;
        C[x0] = Centre;
        const int last = Picture.width() - 1;
        int x = x0;
        bool go = true;
        while (go) {
            const int y = Round(C[x]);
            x = x - 1;
            go = x >= 0 && Measure(x, y) && Width >= MinWidth;
            if (go)
                C[x] = Centre;
        }
        Clear(x + 1);
        Clear(x + 2);
        x = x0;
        go = true;
        while (go) {
            const int y = Round(C[x]);
            x = x + 1;
            go = x <= last && Measure(x, y) && Width >= MinWidth;
            if (go)
                C[x] = Centre;
        }
        Clear(x - 1);
        Clear(x - 2);
        return TraceOutcome::Traced;
    }
};

// A dark picture with a few wavy bright bands of changing thickness, broken here and there.
QImage RandomBands(std::mt19937& random, QImage::Format format) {
    std::uniform_int_distribution<int> size(30, 90);
    const int width = size(random), height = size(random);
    QImage picture(width, height, QImage::Format_RGB32);
    std::uniform_int_distribution<int> dark(0, 140), bright(150, 255), any(0, 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, qRgb(dark(random), any(random), any(random)));
        }
    }
    const int bands = std::uniform_int_distribution<int>(1, 3)(random);
    for (int b = 0; b < bands; ++b) {
        int centre = std::uniform_int_distribution<int>(0, height - 1)(random);
        int thickness = std::uniform_int_distribution<int>(1, 12)(random);
        for (int x = 0; x < width; ++x) {
            centre = std::clamp(centre + std::uniform_int_distribution<int>(-2, 2)(random), 0,
                                height - 1);
            thickness =
                std::clamp(thickness + std::uniform_int_distribution<int>(-1, 1)(random), 1, 14);
            if (std::uniform_int_distribution<int>(0, 30)(random) == 0)
                continue; // a break
            for (int y = centre - thickness / 2; y <= centre + thickness / 2; ++y) {
                if (y >= 0 && y < height)
                    picture.setPixel(x, y, qRgb(bright(random), 0, 0));
            }
        }
    }
    return picture.convertToFormat(format);
}

TEST(BrightLine, TracerFollowsTheLiteralRuleOnRandomPictures) {
    std::mt19937 random(1107);
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_RGB888};
    int traced = 0, notBright = 0, failed = 0;
    for (int picture = 0; picture < 150; ++picture) {
        const QImage image = RandomBands(random, formats[picture % 3]);
        for (int click = 0; click < 12; ++click) {
            const int x = std::uniform_int_distribution<int>(-1, image.width())(random);
            const int y = std::uniform_int_distribution<int>(-1, image.height())(random);
            BrightLineState state = SizedState(image.width());
            std::uniform_real_distribution<double> old(0, 50);
            for (double& c : state.Centres[2])
                c = std::round(old(random) * 2) / 2;
            std::vector<double> expected = state.Centres[2];
            LiteralTracer literal{image, expected};
            const TraceOutcome want = literal.Trace(x, y);
            ASSERT_EQ(TraceBrightLine(state, image, 2, x, y), want)
                << picture << ": " << x << "," << y;
            ASSERT_EQ(state.Centres[2], expected) << picture << ": " << x << "," << y;
            if (want == TraceOutcome::Traced) {
                EXPECT_EQ(state.MinWidth, literal.MinWidth);
                EXPECT_EQ(state.LastCentre, literal.Centre);
            }
            (want == TraceOutcome::Traced      ? traced
             : want == TraceOutcome::NotBright ? notBright
                                               : failed)++;
        }
    }
    // The pictures reach every outcome often enough to mean something.
    EXPECT_GT(traced, 100);
    EXPECT_GT(notBright, 100);
    EXPECT_GT(failed, 10);
}

// The button's loop as described: find the first gap, bridge it, start again from column 1.
int LiteralBridge(std::vector<double>& c) {
    const int size = static_cast<int>(c.size());
    auto round = [&](int x) { return LiteralTracer::Round(c[x]); };
    int gaps = 0;
    for (;;) {
        int a0 = 1;
        while (a0 < size && round(a0) == 0)
            ++a0;
        if (a0 >= size)
            return gaps;
        int g = a0 + 1;
        while (g < size && round(g) != 0)
            ++g;
        if (g >= size)
            return gaps;
        const int a = g - 1, ya = round(a);
        int b = g + 1;
        while (b < size && round(b) == 0)
            ++b;
        if (b >= size)
            return gaps;
        const int yb = round(b);
        for (int x = a + 1; x < b; ++x)
            c[x] = double(x - a) * (yb - ya) / (b - a) + ya;
        ++gaps;
    }
}

BrightLineState LineOf(const std::vector<double>& centres) {
    BrightLineState state;
    state.Centres[4] = centres;
    return state;
}

TEST(BrightLine, BridgingFillsInteriorGapsOnly) {
    struct Case {
        std::vector<double> Before, After;
        int Gaps;
    };
    const Case cases[] = {
        {{0, 0, 5, 0, 0, 8, 8.5, 0, 10.5, 0, 0}, {0, 0, 5, 6, 7, 8, 8.5, 9, 10.5, 0, 0}, 2},
        // Column 0 never starts a line; halves round to even at the gap's ends.
        {{7, 0, 0, 4.5, 0, 0, 2.5}, {7, 0, 0, 4.5, 4 - 2.0 / 3, 4 - 4.0 / 3, 2.5}, 1},
        {{0, 3, 3, 3}, {0, 3, 3, 3}, 0},
        {{0, 0, 0, 0}, {0, 0, 0, 0}, 0},
        {{}, {}, 0},
        // A value that rounds to 0 is a gap.
        {{0, 10, 0.5, 0.4, 4}, {0, 10, 8, 6, 4}, 1},
    };
    for (const Case& c : cases) {
        BrightLineState state = LineOf(c.Before);
        EXPECT_EQ(BridgeGaps(state, 4), c.Gaps);
        EXPECT_EQ(state.Centres[4], c.After);
    }
}

TEST(BrightLine, BridgingMatchesTheRestartingLoopOnRandomLines) {
    std::mt19937 random(2026);
    for (int run = 0; run < 400; ++run) {
        std::vector<double> c(
            static_cast<std::size_t>(std::uniform_int_distribution<int>(1, 300)(random)));
        const int gapEvery = std::uniform_int_distribution<int>(2, 20)(random);
        std::uniform_int_distribution<int> pick(0, gapEvery);
        std::uniform_int_distribution<int> row(2, 4000);
        for (double& v : c)
            v = pick(random) == 0 ? 0 : row(random) / 2.0;
        std::vector<double> expected = c;
        const int gaps = LiteralBridge(expected);
        BrightLineState state = LineOf(c);
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
        {"a spike", {0, 10, 20, 10, 10, 0}, {0, 10, 10, 10, 10, 0}},
        {"just under 1 off stays", {0, 10, 10.99, 12, 12, 0}, {0, 10, 10.99, 12, 12, 0}},
        {"exactly 1 off goes", {0, 10, 12, 12, 12, 0}, {0, 10, 11, 12, 12, 0}},
        {"the changed value is the next one's neighbour",
         {0, 10, 20, 14, 14, 0},
         {0, 10, 12, 13, 14, 0}},
        {"an empty neighbour keeps it", {0, 10, 20, 0, 10, 20}, {0, 10, 20, 0, 10, 20}},
        {"columns 0, 1 and the last are never changed", {50, 10, 10, 10, 40}, {50, 10, 10, 25, 40}},
    };
    for (const Case& c : cases) {
        BrightLineState state = LineOf(c.Before);
        SmoothLine(state, 4);
        EXPECT_EQ(state.Centres[4], c.After) << c.What;
    }
}

TEST(BrightLine, DrawingSetsTheRoundedCentresInTheLinesColours) {
    BrightLineState state = SizedState(8);
    state.Centres[1][1] = 2.5; // row 2
    state.Centres[1][2] = 3.5; // row 4
    state.Centres[1][3] = 0.4; // row 0: not drawn
    state.Centres[1][4] = 10;  // below the picture
    state.Centres[2][5] = 5;
    state.Centres[2][9] = 5; // right of the picture
    std::array<TColor, kCurveCount + 1> colours{};
    colours[1] = 0x0000FF; // red in the low byte
    colours[2] = 0xFF0000;
    QImage working(8, 6, QImage::Format_RGB32);
    working.fill(Qt::white);
    DrawBrightLines(state, working, colours);
    std::vector<std::tuple<int, int, QRgb>> drawn;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (working.pixel(x, y) != qRgb(255, 255, 255))
                drawn.emplace_back(x, y, working.pixel(x, y));
        }
    }
    EXPECT_EQ(drawn,
              (std::vector<std::tuple<int, int, QRgb>>{
                  {1, 2, qRgb(255, 0, 0)}, {2, 4, qRgb(255, 0, 0)}, {5, 5, qRgb(0, 0, 255)}}));
}

TEST(BrightLine, TableTextsAndClearing) {
    BrightLineState state = SizedState(10);
    state.Centres[2][3] = 12.5;
    state.Centres[2][4] = 13;
    state.Centres[5][4] = 1E-7;
    EXPECT_EQ(BrightLineHeader(1), QStringLiteral("Line 1"));
    EXPECT_EQ(BrightLineHeader(5), QStringLiteral("Line 5"));
    struct Case {
        int Line, Column;
        char Separator;
        const char* Text;
    };
    const Case cases[] = {
        {2, 3, '.', "12.5"}, {2, 3, ',', "12,5"}, {2, 4, '.', "13"}, {2, 5, '.', "0"},
        {5, 4, '.', "1E-7"}, {2, 3001, '.', "0"}, {2, -1, '.', "0"},
    };
    for (const Case& c : cases) {
        const test::DecimalCharGuard separator{QLatin1Char(c.Separator)};
        EXPECT_EQ(BrightLineCell(state, c.Line, c.Column), QString::fromUtf8(c.Text));
    }
    ClearBrightLine(state, 2);
    EXPECT_TRUE(Traced(state, 2).empty());
    EXPECT_EQ(Traced(state, 5).size(), 1u);
    EXPECT_EQ(state.Centres[2].size(), 3001u);
    ClearAllBrightLines(state);
    EXPECT_TRUE(Traced(state, 5).empty());
}

} // namespace
} // namespace lineora
