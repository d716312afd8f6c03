#include "core/commands/BrightLineCommands.h"

#include "CommandTestSupport.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/picture/Pictures.h"

namespace lineora::test {
namespace {

class BrightLineMode : public CommandTest {
protected:
    // A black picture with a white band 7 pixels tall (rows 200..206) from column 100 to 400,
    // and a short band touching the top edge (rows 0..6, columns 450..500).
    void SetUp() override {
        QImage picture(600, 500, QImage::Format_RGB32);
        picture.fill(Qt::black);
        FillBox(picture, QRect(100, 200, 301, 7), Qt::white);
        FillBox(picture, QRect(450, 0, 51, 7), Qt::white);
        LoadPicture(state->Pics, picture, QStringLiteral("beam.png"));
        SetScaleIndex(*state, views, 3);
        EnterBrightLineMode(*state, host, views);
    }
    std::vector<double>& Line(int line) { return state->BrightLines.Centres[line]; }
    // The columns of a line that hold a centre.
    int Traced(int line) {
        return static_cast<int>(
            std::count_if(Line(line).begin(), Line(line).end(), [](double c) { return c != 0; }));
    }
};

TEST_F(BrightLineMode, ALightDistributionModeStillOnIsClosedFirstWithItsQuestion) {
    CloseBrightLineMode(*state, views);
    state->Texts.PolarMaxX = QStringLiteral("400");
    EnterPolarMode(*state, views);
    host.Answers = {Host::Answer::No};
    EnterBrightLineMode(*state, host, views);
    EXPECT_EQ(state->Main.SpecialMode, 3);
    EXPECT_EQ(host.Shown, QStringList{Message(MsgKey::CloseWindow)});
    host.Answers = {Host::Answer::Yes};
    EnterBrightLineMode(*state, host, views);
    EXPECT_EQ(std::pair(state->Main.SpecialMode, state->Photometry.ShowInputEnabled),
              std::pair(2, true));
}

TEST_F(BrightLineMode, UndoingATraceKeepsTheModeAndRedrawsWithoutTheLine) {
    CloseBrightLineMode(*state, views);
    StartNewWork(*state);
    RunUserAction(*state, host, [&] { EnterBrightLineMode(*state, host, views); });
    EXPECT_FALSE(state->Undo.CanUndo()) << "entering the tool is no change of the work";
    RunUserAction(*state, host, [&] { Click({250, 203}); });
    ASSERT_GT(Traced(1), 0);
    EXPECT_EQ(state->Pics.Working.pixel(250, 203), ToQRgb(state->Setup.LineColors[1]));

    UndoWork(*state, views);
    EXPECT_EQ(Traced(1), 0);
    EXPECT_EQ(state->Main.SpecialMode, kBrightLineMode);
    EXPECT_EQ(state->Pics.Working.pixel(250, 203), qRgb(255, 255, 255));
    RedoWork(*state, views);
    EXPECT_EQ(state->Pics.Working.pixel(250, 203), ToQRgb(state->Setup.LineColors[1]));
}

struct ClickCase {
    const char* name;
    PicturePoint at;
    std::uint32_t shift;
    QLatin1String message; // empty: traced without a word
};

TEST_F(BrightLineMode, AClickTracesTheCurrentLineOrSaysWhyNot) {
    const ClickCase cases[] = {
        {"on the dark", {50, 50}, Shift::Left, MsgKey::NoBrightLine},
        {"beside the picture", {700, 203}, Shift::Left, MsgKey::NoBrightLine},
        {"on a band at the top", {470, 3}, Shift::Left, MsgKey::LineAtEdge},
        {"with Ctrl", {250, 203}, Shift::Ctrl | Shift::Left, QLatin1String()},
        {"on the band", {250, 203}, Shift::Left, QLatin1String()},
    };
    SelectLine(*state, 3);
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetBrightLines(*state, views);
        host.Shown.clear();
        const bool traces = c.shift == Shift::Left && c.message.size() == 0;
        const QImage before = state->Pics.Working.copy();
        Click(c.at, c.shift);
        EXPECT_EQ(host.Shown,
                  c.message.size() == 0 ? QStringList() : QStringList{Message(c.message)});
        EXPECT_EQ(Traced(3) > 0, traces);
        EXPECT_EQ(state->Pics.Working == before, !traces);
    }
    // The last click traced line 3 alone and drew it in its colour over the clean picture.
    EXPECT_EQ(Line(3)[250], 203);
    EXPECT_EQ(Traced(1) + Traced(2) + Traced(4) + Traced(5), 0);
    EXPECT_EQ(ColorAt(state->Pics.Working, 250, 203), state->Setup.LineColors[3]);
    EXPECT_EQ(ColorAt(state->Pics.Working, 250, 201), ColorAt(state->Pics.Clean, 250, 201));
}

TEST_F(BrightLineMode, TheButtonsWorkOnTheCurrentLineAndTheResetOnAll) {
    for (int line : {1, 2}) {
        Line(line)[10] = 100;
        Line(line)[13] = 103;
    }
    SelectLine(*state, 2);
    BridgeBrightLine(*state, views);
    EXPECT_EQ(std::pair(Line(1)[11], Line(2)[11]), std::pair(0.0, 101.0));
    EXPECT_EQ(ColorAt(state->Pics.Working, 11, 101), state->Setup.LineColors[2]);
    Line(2)[12] = 150;
    SmoothBrightLine(*state, views);
    EXPECT_EQ(std::pair(Line(1)[12], Line(2)[11]), std::pair(0.0, 125.0));

    ResetBrightLines(*state, views);
    EXPECT_EQ(Traced(1) + Traced(2), 0);
    EXPECT_EQ(ColorAt(state->Pics.Working, 11, 101), ColorAt(state->Pics.Clean, 11, 101));
}

TEST_F(BrightLineMode, EnteringAtOneToOneClearsOnlyTheCurrentLineAndClosingEndsTheMode) {
    const auto mode = [&] {
        return std::tuple(state->Main.ToolMode, state->Main.SpecialMode, state->Main.ScaleIndex,
                          state->StripSampling.ArcFlag);
    };
    EXPECT_EQ(mode(), std::tuple(Tool::BrightLine, 2, kScaleOneToOne, false));
    Line(1)[20] = Line(2)[20] = 50;
    EnterBrightLineMode(*state, host, views); // pressed again while on: the work stays
    EXPECT_EQ(Line(1)[20], 50);
    state->StripSampling.ArcFlag = true;
    CloseBrightLineMode(*state, views);
    EXPECT_EQ(mode(), std::tuple(Tool::None, 0, kScaleOneToOne, false));
    EnterBrightLineMode(*state, host, views);
    EXPECT_EQ(std::pair(Line(1)[20], Line(2)[20]), std::pair(0.0, 50.0));
}

} // namespace
} // namespace lineora::test
