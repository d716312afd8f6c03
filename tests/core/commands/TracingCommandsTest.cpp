#include "core/commands/TracingCommands.h"

#include "CommandTestSupport.h"

#include <cmath>

namespace lineora::test {
namespace {

// A mark at (x, y): its centre black and its circle, somewhere in its box, in `colour`.
bool MarkedAt(const QImage& picture, int x, int y, TColor colour) {
    bool ring = false;
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            ring = ring || FromQRgb(picture.pixel(x + dx, y + dy)) == colour;
        }
    }
    return ring && FromQRgb(picture.pixel(x, y)) == 0;
}

class TracingCommands : public CommandTest {
protected:
    // The worked calibration: the band is x 104 .. 495, y 110 .. 396.
    void SetUp() override {
        state->Setup.LineColors[1] = 0x00FF00;
        state->Setup.FillMetka = false;
    }

    // Three stored points of curve 1 that a refused trace must leave alone.
    void StoreThreePoints() {
        for (const int x : {150, 250, 350}) {
            AppendPoint(state->Store, 1, x, 300);
        }
    }
};

TEST_F(TracingCommands, TraceReadsTheCleanCopyMarksItsPointsAndComputesTheirValues) {
    StoreThreePoints();
    FillBox(state->Pics.Clean, {104, 200, 392, 1}, Qt::red);
    RedrawPicture(*state, views);
    // Marks of another curve in the traced colour above the line, and a red stroke, on the
    // working picture only: neither is picture content.
    state->Setup.LineColors[2] = 0x0000FF;
    for (const int x : {104, 202, 300, 398}) {
        DrawCurveMark(*state, x, 150, 2);
    }
    FillBox(state->Pics.Working, {104, 120, 392, 1}, Qt::red);
    // Step 98: columns 104, 202, 300, 398.
    RunColorTrace(*state, views,
                  {.Criterion = TraceCriterion::Color, .FindColor = 0x0000FF, .Points = 4});

    ASSERT_EQ(Points(*state), 4);
    EXPECT_EQ(PointAt(*state, 4), (PicturePoint{398, 200}));
    EXPECT_NEAR(static_cast<double>(state->Store.PointValues[4][1].ValX), 7.45, 1e-12);
    EXPECT_TRUE(MarkedAt(state->Pics.Working, 202, 200, 0x00FF00));
}

TEST_F(TracingCommands, BadFieldsKeepTheCurveAndSayWhy) {
    StoreThreePoints();
    FillBox(state->Pics.Working, {100, 200, 400, 1});
    const WorkSnapshot before = Snapshot(*state);
    struct Case {
        TraceCriterion Criterion;
        const char *Points, *Neighbours, *Named;
    };
    for (const Case& c : {Case{TraceCriterion::Black, "0", "3", "0"},
                          Case{TraceCriterion::Black, "1001", "3", "1001"},
                          Case{TraceCriterion::Color2, "20", "9", "9"}}) {
        host.Shown.clear();
        const TraceFields fields{.Criterion = c.Criterion,
                                 .PointsText = QString::fromLatin1(c.Points),
                                 .NeighboursText = QString::fromLatin1(c.Neighbours)};
        EXPECT_FALSE(TraceFromFields(*state, host, views, fields)) << c.Points;
        EXPECT_EQ(Snapshot(*state), before);
        ASSERT_EQ(host.Shown.size(), 1);
        EXPECT_TRUE(Mentions(host.Shown.front(), QString::fromLatin1(c.Named)));
    }
}

// Automatic digitizing -----------------------------------------------------------------------

class AutoDigitizing : public TracingCommands {
protected:
    void SetUp() override {
        TracingCommands::SetUp();
        // Axes at column 60 and row 380, a two-pixel curve at rows 200 and 201.
        QImage& clean = state->Pics.Clean;
        FillBox(clean, {60, 20, 1, 361});
        FillBox(clean, {60, 380, 500, 1});
        FillBox(clean, {65, 200, 500, 2});
        RedrawPicture(*state, views);
        state->Store.CurrentLine = 2;
        AppendPoint(state->Store, 2, 10, 10);
    }
};

// No changes nothing; Yes moves the reference points onto the axes and samples the curve.
TEST_F(AutoDigitizing, TheQuestionNamesTheCurveAndYesSamplesIt) {
    const WorkSnapshot before = Snapshot(*state);
    host.Answers = {Host::Answer::No, Host::Answer::Yes};
    EXPECT_FALSE(AutoDigitizeAfterQuestion(*state, host, views, 3));
    EXPECT_EQ(host.Shown, QStringList{LoadMessage(state->Messages, "msgMessaga10") + "2\n" +
                                      LoadMessage(state->Messages, "msgMessaga11")});
    EXPECT_EQ(Snapshot(*state), before);
    ASSERT_TRUE(AutoDigitizeAfterQuestion(*state, host, views, 3));
    // X-max keeps its x, Y-max its y.
    EXPECT_EQ(Ref(state->Cal), (RefPoints{{{60, 380}, {500, 380}, {60, 100}}}));
    ASSERT_EQ(Points(*state, 2), 30);
    EXPECT_EQ(PointAt(*state, 1, 2), (PicturePoint{95, 201}));
    EXPECT_TRUE(MarkedAt(state->Pics.Working, 95, 201, state->Setup.LineColors[2]));
    // Every new point has its chart values on the new axes, whichever control started it.
    const ValueEntry& first = state->Store.PointValues[1][2];
    EXPECT_NEAR(static_cast<double>(first.ValX), 35.0 / 440 * 10, 1e-12);
    EXPECT_NEAR(static_cast<double>(first.ValY), 179.0 / 280 * 3, 1e-12);
}

// Only the old and new places of the axes and the curve are drawn again, yet the picture is
// byte for byte what a whole redraw gives; slanted axes and many earlier points take the whole
// redraw.
TEST_F(AutoDigitizing, RedrawnPlacesGiveWhatAWholeRedrawGives) {
    const auto earlier = [](int count) {
        return [count](State& s) {
            for (int i = 0; i < count; ++i) {
                AppendPoint(s.Store, 2, 70 + i % 400, 150 + i / 400 * 60 + i % 7);
            }
            AppendPoint(s.Store, 1, 95, 201); // under a new mark, on another curve
        };
    };
    const struct {
        const char* Name;
        std::function<void(State&)> Adjust;
        bool Whole;
    } cases[] = {
        {"inverting axes", [](State&) {}, false},
        {"old look in a wide copy pen",
         [](State& s) {
             s.Setup.NewAxesLook = false;
             s.Setup.AxesInvert = false;
             s.Setup.AxesWidth = 5;
         },
         false},
        {"letter X, filled marks",
         [](State& s) {
             s.Setup.MetkaX = !s.Setup.MetkaX;
             s.Setup.FillMetka = true;
         },
         false},
        {"earlier points", earlier(40), false},
        {"many earlier points", earlier(600), true},
        {"slanted axes", [](State& s) { s.Cal.XMaxPointY -= 30; }, true},
    };
    const State start = *state;
    for (const auto& c : cases) {
        *state = start;
        c.Adjust(*state);
        RedrawPicture(*state, views);
        const int repaints = views.PictureRepaints;
        RunAutoDigitize(*state, views, 3);
        ASSERT_EQ(Points(*state, 2), 30) << c.Name;
        State whole = *state;
        RedrawPicture(whole, views);
        EXPECT_EQ(state->Pics.Working, whole.Pics.Working) << c.Name;
        EXPECT_EQ(views.PictureRepaints - repaints, c.Whole ? 2 : 1) << c.Name;
    }
}

// Calibrated on the axis ends ----------------------------------------------------------------

// Axes from (60, 400) to (60, 40) and (600, 400) with ticks, one-pixel breaks and a label two
// pixels past each end; the curve 2 pixels high at the rounded row of f.
struct DrawnChart {
    ScaleKind ScaleY;
    AxisRanges Ranges;
    double (*F)(double);
};

double AxisT(double v, ScaleKind scale) {
    return scale == ScaleKind::Log10 ? std::log10(v) : v;
}

QImage DrawChart(const DrawnChart& chart) {
    QImage picture = WhitePicture(640, 480);
    for (const QRect ink :
         {QRect(60, 37, 1, 1), QRect(60, 40, 1, 160), QRect(60, 201, 1, 200),
          QRect(60, 400, 240, 1), QRect(301, 400, 300, 1), QRect(603, 400, 4, 1)}) {
        FillBox(picture, ink);
    }
    for (int t = 0; t < 9; ++t) {
        FillBox(picture, {72 + 60 * t, 401, 1, 5});
        FillBox(picture, {55, 380 - 40 * t, 5, 1});
    }
    const AxisRanges& r = chart.Ranges;
    const double lowY = AxisT(r.MinY, chart.ScaleY), highY = AxisT(r.MaxY, chart.ScaleY);
    for (int x = 60; x <= 600; ++x) {
        const double y = chart.F(r.MinX + (x - 60) * (r.MaxX - r.MinX) / 540);
        const double row = 400 - (AxisT(y, chart.ScaleY) - lowY) * 360 / (highY - lowY);
        FillBox(picture, {x, static_cast<int>(std::lround(row)) - 1, 1, 2});
    }
    return picture;
}

TEST_F(TracingCommands, CalibratedAutoDigitizingGivesTheDrawnValues) {
    const DrawnChart charts[] = {
        {ScaleKind::Linear, {-2, 8, 0, 50}, [](double x) { return 10 + 3 * x + 0.2 * x * x; }},
        {ScaleKind::Log10, {0, 10, 1, 1000}, [](double x) { return std::pow(10, 0.3 + x / 4); }}};
    for (const DrawnChart& chart : charts) {
        state->Setup.ScaleY = chart.ScaleY;
        state->Pics.Clean = DrawChart(chart);
        RunAutoDigitize(*state, views, kDefaultAutoThreshold, chart.Ranges);
        ASSERT_EQ(Points(*state), 30);
        const double halfPixelY =
            (AxisT(chart.Ranges.MaxY, chart.ScaleY) - AxisT(chart.Ranges.MinY, chart.ScaleY)) / 720;
        for (int row = 1; row <= 30; ++row) {
            const ValueEntry& v = state->Store.PointValues[row][1];
            const double x = static_cast<double>(v.ValX), y = static_cast<double>(v.ValY);
            EXPECT_NEAR(AxisT(y, chart.ScaleY), AxisT(chart.F(x), chart.ScaleY), halfPixelY) << x;
        }
    }
    state->Pics.Clean = WhitePicture(600, 400); // no axis ends: the work stays
    const WorkSnapshot before = Snapshot(*state);
    EXPECT_THROW(RunAutoDigitize(*state, views, 3, AxisRanges{0, 1, 0, 1}), CalcError);
    EXPECT_EQ(Snapshot(*state), before);
}

TEST_F(AutoDigitizing, ARangeFieldWithoutNumberChangesNothing) {
    const WorkSnapshot before = Snapshot(*state);
    for (const QString& text : {QStringLiteral("1x"), QStringLiteral("1e309")}) {
        host.Shown.clear();
        EXPECT_FALSE(
            AutoDigitizeFromFields(*state, host, views, {.FindAxisEnds = true, .MaxX = text}));
        EXPECT_EQ(Snapshot(*state), before);
        EXPECT_EQ(host.Shown, QStringList{LoadMessage(state->Messages, "msgAxisRangeNumber") +
                                          " (\"" + text + "\")"});
    }
}

} // namespace
} // namespace lineora::test
