#include "core/commands/UndoCommands.h"

#include "CommandTestSupport.h"
#include "core/commands/GraCommands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/TracingCommands.h"
#include "core/commands/WorkFileCommands.h"

namespace lineora::test {
namespace {

using Answer = Host::Answer;

// Everything a step must bring back: the work, the windows' picture after a redraw (a trace
// leaves the emptied curve's old marks until the next one), the values a refresh derives and
// the mode with the dialog switches it sets.
struct Exact {
    WorkSnapshot Work;
    std::vector<std::array<Extended, 2>> Values;
    std::tuple<int, int, bool> Mode;
    bool operator==(const Exact&) const = default;
    friend void PrintTo(const Exact& e, std::ostream* os) { PrintTo(e.Work, os); }
};

Exact ExactState(State& s) {
    FakeViews views;
    RedrawPicture(s, views);
    Exact e{
        Snapshot(s), {}, {s.Main.SpecialMode, s.Setup.TypeOfCurve, s.Photometry.ShowInputEnabled}};
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int row = kFirstRow; row < s.Store.LineNext[c]; ++row) {
            e.Values.push_back(
                {s.Store.PointValues[row][c].ValX, s.Store.PointValues[row][c].ValY});
        }
    }
    return e;
}

void MouseAt(State& s, int x, int y) {
    s.Cal.MousePicX = x;
    s.Cal.MousePicY = y;
}

class Undo : public CommandTest {
protected:
    void SetUp() override {
        FillBox(state->Pics.Clean, {200, 200, 60, 30});
        FillBox(state->Pics.Clean, {400, 100, 1, 1}); // a speck
        FillBox(state->Pics.Clean, {104, 300, 392, 1}, Qt::red);
        for (const int x : {150, 250, 350}) {
            AppendPoint(state->Store, 1, x, 200);
        }
        AppendPoint(state->Store, 2, 300, 150);
        RedrawPicture(*state, views);
        RefreshAll(*state, views);
        StartNewWork(*state);
    }

    // The way a window event runs a command.
    void Act(const std::function<void()>& action) { RunUserAction(*state, host, action); }
    void ClickAt(int x, int y) {
        Act([&] {
            MouseAt(*state, x, y);
            AddPointAtClick(*state, host, views, false);
        });
    }
    void UndoAct() {
        Act([&] { UndoWork(*state, views); });
    }
    void RedoAct() {
        Act([&] { RedoWork(*state, views); });
    }
};

struct StepCase {
    const char* What;
    QLatin1String Name;
    std::function<void(State&, ScriptedHost&, FakeViews&)> Action;
};

using H = ScriptedHost;
using V = FakeViews;
const StepCase kStepCases[] = {
    {"add point", MsgKey::StepAddPoint,
     [](State& s, H& h, V& v) { MouseAt(s, 320, 260), AddPointAtClick(s, h, v, false); }},
    {"erase", MsgKey::StepDeletePoint,
     [](State& s, H&, V& v) { MouseAt(s, 250, 200), EraseAtClick(s, v, 9, 2); }},
    {"nudge", MsgKey::StepMovePoint,
     [](State& s, H&, V& v) {
         GrabPoint(s.Store, 350, 200);
         NudgeSelectedPoint(s, v, 2, -1);
         FinishNudge(s, v);
     }},
    {"clear curve", MsgKey::StepClearCurve,
     [](State& s, H& h, V& v) { h.Answers = {Answer::Yes}, ClearDataOfLine(s, h, v); }},
    {"colour trace", MsgKey::StepColourTrace,
     [](State& s, H& h, V& v) {
         TraceFromFields(s, h, v, TraceFields{.FindColor = 0x0000FF, .PointsText = "300"});
     }},
    {"reference point", MsgKey::StepReferencePoints,
     [](State& s, H&, V& v) { MouseAt(s, 110, 390), SetReferencePoint(s, v, Tool::ZeroPoint); }},
    {"axis values", MsgKey::StepAxisValues,
     [](State& s, H&, V& v) { s.Texts.MaxX = QStringLiteral("25"), RefreshAll(s, v); }},
    {"scale kind", MsgKey::StepSetup,
     [](State& s, H&, V& v) {
         s.Texts.MinY = QStringLiteral("1");
         s.Setup.ScaleY = ScaleKind::Log10;
         RefreshAll(s, v);
     }},
    {"black and white", MsgKey::StepBlackAndWhite, [](State& s, H&, V& v) { BlackAndWhite(s, v); }},
    {"speck cleaning", MsgKey::StepSpecks,
     [](State& s, H& h, V& v) { h.Answers = {Answer::Yes}, CleanPictureSpecks(s, h, v); }},
    {"rotation", MsgKey::StepRotation,
     [](State& s, H& h, V& v) {
         s.Cal.XMaxPointY -= 20;
         RedrawPicture(s, v);
         h.Answers = {Answer::Yes, Answer::Yes};
         RotateToXAxis(s, h, v);
     }},
    {"light distribution mode", MsgKey::StepLightDistribution,
     [](State& s, H&, V& v) { EnterPolarMode(s, v); }},
};

// Each kind of step in turn, then all undone and redone: every state comes back exactly and
// every step bears its name both ways.
TEST_F(Undo, EachKindOfStepGoesBackAndForthExactly) {
    std::vector<Exact> states{ExactState(*state)};
    for (const StepCase& step : kStepCases) {
        Act([&] { step.Action(*state, host, views); });
        states.push_back(ExactState(*state));
        ASSERT_NE(states.back(), states[states.size() - 2]) << step.What << " changed nothing";
        EXPECT_EQ(state->Undo.UndoName(), Message(step.Name)) << step.What;
        EXPECT_TRUE(WorkUnsaved(*state));
    }
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        UndoAct();
        ASSERT_EQ(ExactState(*state), states[i - 1]) << kStepCases[i - 1].What << " undone";
        EXPECT_EQ(state->Undo.RedoName(), Message(kStepCases[i - 1].Name));
    }
    EXPECT_FALSE(WorkUnsaved(*state)); // back where the work was opened
    for (std::size_t i = 1; i < states.size(); ++i) {
        RedoAct();
        ASSERT_EQ(ExactState(*state), states[i]) << kStepCases[i - 1].What << " redone";
    }
    EXPECT_EQ(state->Undo.UndoSteps(), std::size(kStepCases));
    EXPECT_FALSE(state->Undo.CanRedo());
}

// Point steps are undone by drawing only the marks' places again and converting only the
// changed rows: picture, values, record and text must be what a whole redraw and refresh give,
// with marks over the inverting axes, a reference point and each other.
TEST_F(Undo, PointStepsComeBackAsAWholeRedrawAndRefreshWouldShowThem) {
    state->Setup.AxesInvert = true;
    state->Setup.FillMetka = true;
    RedrawPicture(*state, views);
    StartNewWork(*state);
    const auto expectWhole = [&](const char* what) {
        State whole = *state;
        whole.StoreValues = {};
        whole.Output.Pieces = {};
        FakeViews v;
        RedrawPicture(whole, v);
        RefreshAll(whole, v);
        EXPECT_EQ(state->Pics.Working, whole.Pics.Working) << what;
        EXPECT_EQ(state->Store.PointValues, whole.Store.PointValues) << what;
        EXPECT_EQ(state->Output.ExportText, whole.Output.ExportText) << what;
        EXPECT_EQ(std::pair(state->Cal.FrameX, state->Cal.PointAngle),
                  std::pair(whole.Cal.FrameX, whole.Cal.PointAngle))
            << what;
    };
    const std::function<void()> steps[] = {
        [&] { ClickAt(300, 401); }, // across the X axis
        [&] { ClickAt(252, 203); }, // over a mark of the same curve
        [&] { ClickAt(498, 399); }, // over the X-max point
        [&] { state->Store.CurrentLine = 2, ClickAt(151, 198); },
        [&] {
            state->Store.CurrentLine = 1;
            Act([&] { MouseAt(*state, 250, 200), EraseAtClick(*state, views, 9, 2); });
        },
    };
    for (const auto& step : steps) {
        step();
    }
    const int repaints = views.PictureRepaints;
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        UndoAct();
        expectWhole("undo");
    }
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        RedoAct();
        expectWhole("redo");
    }
    EXPECT_EQ(views.PictureRepaints, repaints) << "a point step redrew the whole picture";
}

// A press opens a step that its drag and release join; a release with nothing to add leaves
// the step as the press made it.
TEST_F(Undo, OneStepPerActionWhateverItDoesInside) {
    Act([&] {
        for (int x = 110; x < 490; x += 3) {
            MouseAt(*state, x, 250);
            AddPointAtClick(*state, host, views, false);
        }
    });
    const int added = Points(*state) - 3;
    Act([] {});                          // nothing changed: no step
    Act([&] { SelectLine(*state, 3); }); // the current curve is no work of its own
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.UndoName(), Message(MsgKey::StepAddPoints));
    SelectLine(*state, 1);
    RunUserAction(
        *state, host, [&] { MouseAt(*state, 150, 200), EraseAtClick(*state, views, 9, 1); },
        StepJoin::OpenForDrag);
    state->Cal.MousePicX = 250; // the drag erases outside any action
    EraseAtClick(*state, views, 9, 1);
    RunUserAction(
        *state, host, [] {}, StepJoin::JoinDrag);
    EXPECT_EQ(state->Undo.UndoSteps(), 2U);
    UndoAct();
    EXPECT_EQ(Points(*state), 3 + added);
}

TEST_F(Undo, ANewStepDropsTheRedoStepsAndNewWorkDropsAll) {
    EXPECT_EQ(UndoMenuText(*state), QStringLiteral("Undo"));
    ClickAt(320, 260);
    ClickAt(330, 260);
    UndoAct();
    EXPECT_EQ(RedoMenuText(*state), QStringLiteral("Redo Add point"));
    ClickAt(340, 260);
    EXPECT_FALSE(state->Undo.CanRedo());
    EXPECT_EQ(state->Undo.UndoSteps(), 2U);
    state->Texts.MaxY = QStringLiteral("7"); // typed but not applied: the step undone first
    UndoAct();
    EXPECT_EQ(std::pair(state->Texts.MaxY, Points(*state)), std::pair(QStringLiteral("3"), 5));
    EXPECT_EQ(state->Undo.RedoName(), Message(MsgKey::StepAxisValues));

    StartNewWork(*state);
    EXPECT_FALSE(state->Undo.CanUndo());
    EXPECT_FALSE(WorkUnsaved(*state));
    UndoAct(); // nothing to undo: nothing changes
    EXPECT_EQ(Points(*state), 5);
}

TEST_F(Undo, TheBoundDropsTheOldestStepsAndSaysSo) {
    for (int i = 0; i < 105; ++i) {
        ClickAt(110 + 3 * i, 250);
    }
    EXPECT_EQ(state->Undo.UndoSteps(), UndoHistory::kMaxSteps);
    EXPECT_TRUE(UndoMenuText(*state).startsWith(QStringLiteral("Undo ")));
    EXPECT_TRUE(UndoMenuText(*state).endsWith(Message(MsgKey::OlderStepsDropped)));

    // Six picture steps keep four pictures besides the current one; the steps before them go.
    std::vector<QImage> pictures{state->Pics.Clean};
    for (int i = 0; i < 6; ++i) {
        Act([&] {
            state->Pics.Clean.setPixel(10 + i, 10, qRgb(0, 0, 0));
            RedrawPicture(*state, views);
        });
        pictures.push_back(state->Pics.Clean);
    }
    ASSERT_EQ(state->Undo.UndoSteps(), UndoHistory::kMaxPictures);
    for (std::size_t i = 5; i >= 2; --i) {
        UndoAct();
        EXPECT_EQ(state->Pics.Clean, pictures[i]);
    }
    EXPECT_FALSE(state->Undo.CanUndo());
}

TEST_F(Undo, StepsSharePicturesInsteadOfCopyingThem) {
    ClickAt(320, 260);
    // A write access that changes no pixel detaches the picture; the copy is let go again.
    Act([&] { state->Pics.Clean.bits(); });
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.Current().Picture.Clean.constBits(), state->Pics.Clean.constBits());

    // Undoing a picture step puts the kept picture back without copying it.
    Act([&] { BlackAndWhite(*state, views); });
    UndoAct();
    const uchar* before = state->Pics.Clean.constBits();
    RedoAct();
    UndoAct();
    EXPECT_EQ(state->Pics.Clean.constBits(), before);
}

// The question before unsaved work goes: each answer, and a save that fails.
class UnsavedWork : public Undo {
protected:
    void SetUp() override {
        Undo::SetUp();
        state->Main.AppDir = dir.path();
        ClickAt(320, 260);
        ASSERT_TRUE(WhitePicture(50, 40).save(picture));
    }
    QString GraPath() const { return dir.filePath(QStringLiteral("Data/work.gra")); }
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("other.png"));
};

struct QuestionCase {
    const char* What;
    Answer Reply;
    bool DataFolderBlocked; // a file where the Data folder goes: the save fails
    bool GoesOn, Saved;
};

class Questions : public UnsavedWork, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(Questions, OpeningAPictureAsksFirst) {
    const QuestionCase& c = GetParam();
    if (c.DataFolderBlocked) {
        WriteBytes(dir.filePath(QStringLiteral("Data")), "");
    }
    host.Answers = {c.Reply};
    host.Inputs = {QStringLiteral("pic"), QStringLiteral("work")};
    host.FileNames = {picture};
    const Exact before = ExactState(*state);

    const bool ran = RunUserAction(*state, host, [&] { OpenPicture(*state, host, views); });

    EXPECT_EQ(host.Shown.value(0), Message(MsgKey::SaveChanges));
    EXPECT_EQ(ran, !c.DataFolderBlocked);
    EXPECT_EQ(QFile::exists(GraPath()), c.Saved);
    EXPECT_EQ(WorkUnsaved(*state), !c.GoesOn);
    if (c.GoesOn) {
        EXPECT_EQ(state->Pics.PictureWidth, 50);
        EXPECT_FALSE(state->Undo.CanUndo()); // new work
    } else {
        EXPECT_EQ(ExactState(*state), before);
        EXPECT_EQ(host.FileNames.size(), 1U) << "no file dialog after the question";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachAnswer, Questions,
    ::testing::Values(QuestionCase{"Save", Answer::Yes, false, true, true},
                      QuestionCase{"Discard", Answer::No, false, true, false},
                      QuestionCase{"Cancel", Answer::Cancel, false, false, false},
                      QuestionCase{"SaveFails", Answer::Yes, true, false, false}),
    [](const auto& info) { return std::string(info.param.What); });

// Each way in that replaces the work asks first; Cancel keeps the work and the file dialog shut.
TEST_F(UnsavedWork, ADroppedOrRecentFileAsksFirstAndARefusedOneAsksNothing) {
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    WriteBytes(text, "x");
    const Exact before = ExactState(*state);

    EXPECT_THROW(OpenWorkFile(*state, host, views, text), FileError);
    EXPECT_EQ(host.Shown, QStringList());
    host.Answers = {Answer::Cancel, Answer::Cancel};
    OpenWorkFile(*state, host, views, picture);
    host.FileNames = {GraPath()};
    OpenGraFile(*state, host, views);

    EXPECT_EQ(host.Shown, QStringList(2, Message(MsgKey::SaveChanges)));
    EXPECT_EQ(host.FileNames.size(), 1U);
    EXPECT_EQ(ExactState(*state), before);
}

TEST_F(UnsavedWork, SavedWorkAsksNothingAndUndoingPastTheSaveMakesItUnsavedAgain) {
    host.Inputs = {QStringLiteral("pic"), QStringLiteral("work")};
    SaveGraWithPicture(*state, host, views);
    const auto shown = host.Shown.size();
    EXPECT_TRUE(ConfirmUnsavedWork(*state, host, views));
    EXPECT_EQ(host.Shown.size(), shown);
    UndoAct();
    EXPECT_TRUE(WorkUnsaved(*state));
    RedoAct();
    EXPECT_FALSE(WorkUnsaved(*state));
}

// Closing writes the settings first when they are kept, even when the user stays, and a failed
// write still lets the user leave.
TEST_F(UnsavedWork, ClosingAsksOnceAboutUnsavedWorkElseThePlainQuestion) {
    const QString ini = dir.filePath(QStringLiteral("lineora3.Ini"));
    state->Setup.AutoSave = false;
    host.Answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(CloseQuery(*state, host, views));
    EXPECT_TRUE(CloseQuery(*state, host, views)); // discarded: no second question
    EXPECT_EQ(host.Shown, QStringList(2, Message(MsgKey::SaveChanges)));
    EXPECT_FALSE(QFile::exists(ini));

    host.Shown.clear();
    UndoAct();
    state->Setup.AutoSave = true;
    host.Answers = {Answer::No};
    EXPECT_FALSE(CloseQuery(*state, host, views));
    EXPECT_EQ(host.Shown, QStringList{Message(MsgKey::CloseWindow)});
    EXPECT_TRUE(ReadBytes(ini).startsWith("[Rezim]\nStepX="));

    QFile::remove(ini);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lineora3.Ini")));
    host.Shown.clear();
    host.Answers = {Answer::Yes};
    EXPECT_TRUE(CloseQuery(*state, host, views));
    ASSERT_EQ(host.Shown.size(), 2);
    EXPECT_TRUE(Mentions(host.Shown[0], ini));
}

} // namespace
} // namespace lineora::test
