// The strip-sampling mode's commands: the input dialog's refusals, the start of the mode, the
// two click tools, the searches without the overlay, the grid-clearing question and the close.

#include "core/commands/StripModeCommands.h"

#include "CommandTestSupport.h"
#include "core/common/ErrorBoundary.h"

namespace lineora::test {
namespace {

// The worked calibration (zero point (100, 400), X-max (500, 400), Y-max (100, 100)) with the
// default gap of 26: strip 1 is rows 100..182, strip 2 208..292, strip 3 318..400. With the
// dialog's defaults the 21 search lines stand 20 pixels apart from column 100 to 500.
class StripModeCommands : public CommandTest {
protected:
    void SetUp() override { state->Main.AppDir = folder.path(); }

    void Start(const StripInputTexts& texts = {}) {
        BeginStripMode(*state, views);
        AcceptStripInput(*state, texts);
        StartStripMode(*state, host, views);
    }

    void MoveAndClick(int x, int y, std::uint32_t shift = Shift::Left) {
        PictureMouseMove(*state, host, views, 0, x, y);
        Click({x, y}, shift);
    }

    std::vector<PicturePoint> Samples(int trace) const { return Positions(state->Store, trace); }

    QTemporaryDir folder;
};

TEST_F(StripModeCommands, RefusedInputIsReportedAndChangesNothing) {
    // clang-format off
    const StripInputTexts refused[] = {
        {"", "20", "3"}, {"1", "", "3"}, {"1", "20", " "}, {"1", "0", "3"}, {"1.5", "20", "3"},
        {"50", "20", "3"},           // one line too many
        {"1000000", "1000000", "3"}, // the product is beyond 32 bits
        {"0", "20", "3"},            // no seconds: equal X axis values cannot lay the lines
    };
    // clang-format on
    // What the input dialog's OK may change.
    const auto inputState = [&] {
        return std::tuple(Snapshot(*state), state->Setup.StepX, state->Main.StepFromX,
                          state->Setup.StepXText, state->StripSampling.SearchLineCount);
    };
    const auto before = inputState();
    for (const StripInputTexts& texts : refused) {
        SCOPED_TRACE(
            (texts.Seconds + "/" + texts.PointsPerSecond + "/" + texts.StartSecond).toStdString());
        host.Shown.clear();
        EXPECT_FALSE(Guarded(host, [&] { AcceptStripInput(*state, texts); }));
        ASSERT_EQ(host.Shown.size(), 1);
        EXPECT_FALSE(host.Shown.front().isEmpty());
        EXPECT_EQ(inputState(), before);
    }
}

TEST_F(StripModeCommands, InputSetsTheTimeAxisTheStepAndTheFields) {
    struct Case {
        StripInputTexts texts;
        double minX, maxX;
        Extended step;
        std::int32_t lines;
        QStringList fields; // MinX, MaxX, MinY, MaxY
    };
    const Case cases[] = {
        {{}, 3, 4, 0.05L, 21, {"3", "4", "0", "40"}},
        {{"37", "27", "0"}, 0, 37, 1.0L / 27, 1000, {"0", "37", "0", "40"}},
        {{"999", "1", "12"}, 12, 1011, 1, 1000, {"12", "1011", "0", "40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.Seconds.toStdString());
        AcceptStripInput(*state, c.texts);
        EXPECT_EQ(std::tuple(state->Cal.AxisXMin, state->Cal.AxisXMax, state->Setup.StepX,
                             state->Main.StepFromX, state->StripSampling.SearchLineCount),
                  std::tuple(c.minX, c.maxX, c.step, Extended{c.minX}, c.lines));
        EXPECT_EQ(Snapshot(*state).Texts.mid(0, 4), c.fields);
    }
}

TEST_F(StripModeCommands, StartLaysEverySampleOnItsLineAtItsStripBottom) {
    state->Setup.ScaleY = ScaleKind::Log10;
    state->Main.AvtoCorrectOn = true;
    state->Store.CurrentLine = 4;
    Start();
    EXPECT_EQ(std::tuple(state->Main.ToolMode, state->Main.CurrentCursor, state->Main.StepXOn,
                         state->Main.AvtoCorrectOn, state->Setup.ScaleY),
              std::tuple(Tool::None, CursorId::Strela, true, false, ScaleKind::Linear));
    const int bottoms[] = {0, 182, 292, 400};
    for (int trace = 1; trace <= 3; ++trace) {
        const std::vector<PicturePoint> samples = Samples(trace);
        ASSERT_EQ(samples.size(), 21U);
        for (std::size_t k = 0; k < samples.size(); ++k) {
            EXPECT_EQ(samples[k], (PicturePoint{100 + 20 * static_cast<int>(k), bottoms[trace]}));
        }
    }
    EXPECT_EQ(Points(*state, 4), 0);
}

TEST_F(StripModeCommands, TheOverlayDrawnTwiceLeavesThePictureAsItWas) {
    const QImage before = PatternPicture(600, 500);
    QImage picture = before;
    const std::vector<std::int32_t> columns{0, 100, 120, 140};
    const StripGeometry strips = CurrentStrips(*state);
    DrawStripOverlay(picture, strips, 100, 500, columns, true, true);
    EXPECT_NE(picture, before);
    DrawStripOverlay(picture, strips, 100, 500, columns, true, true);
    EXPECT_EQ(picture, before);

    QImage white = WhitePicture(600, 500);
    DrawStripOverlay(white, strips, 100, 500, columns, true, true);
    EXPECT_EQ(ColorAt(white, 120, 50), 0x00FFFFU);  // yellow search line
    EXPECT_EQ(ColorAt(white, 300, 100), 0x008000U); // green strip frame
}

// A sample click takes the search line of the step point under it, and corrects that sample of
// the armed trace only.
TEST_F(StripModeCommands, ASampleClickCorrectsTheTraceAtTheStepPointOnly) {
    const struct {
        int x;
        std::int32_t k;
    } lines[] = {{100, 1}, {120, 2}, {140, 3}, {480, 20}, {500, 21}, {80, 0}, {520, 22}};
    AcceptStripInput(*state, {});
    for (const auto& c : lines) {
        EXPECT_EQ(StripSampleIndex(state->Cal, c.x, state->Setup.StepX), c.k) << c.x;
    }
    Start();
    ArmStripSample(*state, views, 3, true);
    EXPECT_TRUE(StepCrosshairLive(*state));
    MoveAndClick(100, 390); // the first line
    EXPECT_EQ(Samples(3)[0], (PicturePoint{100, 390}));
    ArmStripSample(*state, views, 2, true);
    // The crosshair snaps 123 to the line at 120 and keeps the mouse's row.
    const std::vector<PicturePoint> trace1 = Samples(1);
    MoveAndClick(123, 250);
    EXPECT_EQ(Samples(2)[1], (PicturePoint{120, 250}));
    EXPECT_EQ(Samples(1), trace1);
    // Beyond the last line, and with Ctrl held: nothing.
    const std::vector<PicturePoint> trace2 = Samples(2);
    MoveAndClick(545, 260);
    MoveAndClick(140, 260, Shift::Ctrl | Shift::Left);
    EXPECT_EQ(Samples(2), trace2);
    EXPECT_EQ(state->StripSampling.ColorTrace, 0);
}

TEST_F(StripModeCommands, ColourClicksFillTheThreeShadesThenReleaseTheButton) {
    Start();
    const TColor picked[] = {0x0000FF, 0x0000EE, 0x1111DD, 0x00FF00};
    for (int i = 0; i < 4; ++i) {
        state->Pics.Clean.setPixel(300 + i, 50, ToQRgb(picked[i]));
    }
    ArmStripColour(*state, views, 2, true);
    EXPECT_EQ(state->Main.ToolMode, Tool::StripColor);
    for (int i = 0; i < 4; ++i) {
        MoveAndClick(300 + i, 50, i == 1 ? Shift::Ctrl | Shift::Left : Shift::Left);
        EXPECT_EQ(state->StripSampling.ColorTrace, i < 2 ? 2 : 0) << i;
    }
    const auto& colours = state->StripSampling.SpecLineColors;
    EXPECT_EQ((std::array{colours[4], colours[5], colours[6]}),
              (std::array{picked[0], picked[1], picked[2]}));
    for (const std::size_t other : {1U, 2U, 3U, 7U, 8U, 9U}) {
        EXPECT_EQ(colours[other], 0U) << other;
    }
}

TEST_F(StripModeCommands, TheColourSearchSeesThePictureAsScannedEveryTime) {
    // A trace three rows thick: with every neighbour required, a search line, the Y axis or
    // the mark of an earlier search drawn over it would hide it.
    FillRows(state->Pics.Clean, 149, 151, Qt::red);
    Start();
    state->StripSampling.SpecLineColors[1] = 0x0000FF;
    state->StripSampling.LineDensity = 9;
    for (int run = 1; run <= 2; ++run) {
        FindStripsByColour(*state, host, views);
        const std::vector<PicturePoint> samples = Samples(1);
        for (std::size_t k = 0; k < samples.size(); ++k) {
            EXPECT_EQ(samples[k].Y, 150) << "run " << run << ", line " << k + 1;
        }
    }
    EXPECT_EQ(std::tuple(state->StripSampling.ShowStrips, state->StripSampling.ShowSearchLines,
                         host.ProgressOpen),
              std::tuple(true, true, false));
}

TEST_F(StripModeCommands, GridClearingKeepsThePictureOnlyOnYes) {
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        state = CalibratedState();
        state->Main.AppDir = folder.path();
        FillRows(state->Pics.Clean, 150, 150, QColor(128, 128, 128));
        Start();
        host.Answers = {keep ? Host::Answer::Yes : Host::Answer::No};
        ClearStripGrid(*state, host, views);
        EXPECT_EQ(host.Shown.last(), Message(MsgKey::KeepCleanedPicture));
        EXPECT_EQ(ColorAt(state->Pics.Clean, 300, 150), keep ? 0xFFFFFFU : 0x808080U);
        EXPECT_TRUE(state->StripSampling.ShowSearchLines);
    }
}

// The settings file is read at the start, a damaged one reported with its defaults taken, and
// written at the close, which ends the mode even when the write fails.
TEST_F(StripModeCommands, TheStartReadsTheSettingsAndTheCloseWritesThem) {
    WriteBytes(SpecialIniPath(*state), "[Special]\r\nPlotnost linii=twelve\r\n");
    state->StripSampling.LineDensity = 7;
    Start();
    EXPECT_EQ(state->StripSampling.LineDensity, 3);
    EXPECT_EQ(host.Shown.size(), 1);
    state->StripSampling.SpecLineColors[9] = 0x123456;
    state->StripSampling.LineDensity = 5;
    CloseStripMode(*state, host, views);
    const auto ended = std::pair(false, Tool::None);
    EXPECT_EQ(std::pair(state->StripSampling.ArcFlag, state->Main.ToolMode), ended);
    state->StripSampling = {};
    Start();
    EXPECT_EQ(std::pair(state->StripSampling.SpecLineColors[9], state->StripSampling.LineDensity),
              std::pair(0x123456U, 5));
    EXPECT_EQ(host.Shown.size(), 1);
    QFile::remove(SpecialIniPath(*state)); // a folder in its place: the write fails
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Special1.Ini")));
    CloseStripMode(*state, host, views);
    EXPECT_EQ(host.Shown.size(), 2);
    EXPECT_EQ(std::pair(state->StripSampling.ArcFlag, state->Main.ToolMode), ended);
}

TEST_F(StripModeCommands, DensityStaysWithinOneToNine) {
    const struct {
        std::int32_t from;
        int delta;
        std::int32_t to;
    } cases[] = {{3, 1, 4}, {9, 1, 9}, {1, -1, 1}, {2, -1, 1}};
    for (const auto& c : cases) {
        state->StripSampling.LineDensity = c.from;
        StepLineDensity(*state, c.delta);
        EXPECT_EQ(state->StripSampling.LineDensity, c.to) << c.from << " " << c.delta;
    }
}

TEST_F(StripModeCommands, TheTableGoesToTheChosenFile) {
    Start();
    const QString path = folder.filePath(QStringLiteral("strips.txt"));
    host.FileNames = {path};
    SaveStripTable(*state, host);
    const QByteArray text = ReadBytes(path);
    EXPECT_TRUE(text.startsWith("3\t0\t0\t0\r\n")) << text.left(40).toStdString();
    EXPECT_EQ(text.count("\r\n"), 22);
}

} // namespace
} // namespace lineora::test
