#include "core/commands/UndoCommands.h"

#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/commands/GraCommands.h"
#include "core/commands/KeyFilter.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/TracingCommands.h"
#include "core/commands/WorkFileCommands.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace lineora::test {
namespace {

using Answer = Host::Answer;

// Everything a step must bring back: the test's snapshot of the work and the windows' picture,
// and the values a refresh derives (which no snapshot stores).
struct Exact {
    WorkSnapshot Work;
    std::vector<std::array<Extended, 2>> Values;
    bool operator==(const Exact&) const = default;
    friend void PrintTo(const Exact& e, std::ostream* os) { PrintTo(e.Work, os); }
};

// After a redraw: a trace leaves the emptied curve's old marks on the screen until the next one.
Exact ExactState(State& s) {
    FakeViews views;
    RedrawPicture(s, views);
    Exact e{Snapshot(s), {}};
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int row = kFirstRow; row < s.Store.LineNext[c]; ++row) {
            const ValueEntry& value = s.Store.PointValues[row][c];
            e.Values.push_back({value.ValX, value.ValY});
        }
    }
    return e;
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
        state->Cal.MousePicX = x;
        state->Cal.MousePicY = y;
        AddPointAtClick(*state, host, views, false);
    }

    QString Name(QLatin1String key) const { return LoadMessage(state->Messages, key); }
};

struct StepCase {
    const char* What;
    QLatin1String Name;
    std::function<void(State&, ScriptedHost&, FakeViews&)> Action;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.What; }
};

void MoveZeroPoint(State& s, ScriptedHost&, FakeViews& v) {
    s.Cal.MousePicX = 110;
    s.Cal.MousePicY = 390;
    SetReferencePoint(s, v, Tool::ZeroPoint);
}

const StepCase kStepCases[] = {
    {"add point", MsgKey::StepAddPoint,
     [](State& s, ScriptedHost& h, FakeViews& v) {
         s.Cal.MousePicX = 320;
         s.Cal.MousePicY = 260;
         AddPointAtClick(s, h, v, false);
     }},
    {"erase", MsgKey::StepDeletePoint,
     [](State& s, ScriptedHost&, FakeViews& v) {
         s.Cal.MousePicX = 250;
         s.Cal.MousePicY = 200;
         EraseAtClick(s, v, 9, 2);
     }},
    {"nudge", MsgKey::StepMovePoint,
     [](State& s, ScriptedHost&, FakeViews& v) {
         GrabPoint(s.Store, 350, 200);
         NudgeSelectedPoint(s, v, 2, -1);
         FinishNudge(s, v);
     }},
    {"clear curve", MsgKey::StepClearCurve,
     [](State& s, ScriptedHost& h, FakeViews& v) {
         h.Answers = {Answer::Yes};
         ClearDataOfLine(s, h, v);
     }},
    {"colour trace", MsgKey::StepColourTrace,
     [](State& s, ScriptedHost& h, FakeViews& v) {
         TraceFromFields(s, h, v, TraceFields{.FindColor = 0x0000FF, .PointsText = "300"});
     }},
    {"reference point", MsgKey::StepReferencePoints, MoveZeroPoint},
    {"axis values", MsgKey::StepAxisValues,
     [](State& s, ScriptedHost&, FakeViews& v) {
         s.Texts.MaxX = QStringLiteral("25");
         RefreshAll(s, v);
     }},
    {"scale kind", MsgKey::StepSetup,
     [](State& s, ScriptedHost&, FakeViews& v) {
         s.Texts.MinY = QStringLiteral("1");
         s.Setup.ScaleY = ScaleKind::Log10;
         RefreshAll(s, v);
     }},
    {"black and white", MsgKey::StepBlackAndWhite,
     [](State& s, ScriptedHost&, FakeViews& v) { BlackAndWhite(s, v); }},
    {"speck cleaning", MsgKey::StepSpecks,
     [](State& s, ScriptedHost& h, FakeViews& v) {
         h.Answers = {Answer::Yes};
         CleanPictureSpecks(s, h, v);
     }},
    {"rotation", MsgKey::StepRotation,
     [](State& s, ScriptedHost& h, FakeViews& v) {
         s.Cal.XMaxPointY -= 20;
         RedrawPicture(s, v);
         h.Answers = {Answer::Yes, Answer::Yes};
         RotateToXAxis(s, h, v);
     }},
};

class UndoSteps : public Undo, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UndoSteps, UndoRestoresTheExactStateBeforeAndRedoTheExactStateAfter) {
    const StepCase& step = GetParam();
    const Exact before = ExactState(*state);
    Act([&] { step.Action(*state, host, views); });
    const Exact after = ExactState(*state);
    ASSERT_NE(after, before) << "the action changed nothing";
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.UndoName(), Name(step.Name));
    EXPECT_TRUE(WorkUnsaved(*state));

    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(ExactState(*state), before);
    EXPECT_FALSE(WorkUnsaved(*state)); // back where the work was opened
    EXPECT_EQ(state->Undo.RedoName(), Name(step.Name));

    Act([&] { RedoWork(*state, views); });
    EXPECT_EQ(ExactState(*state), after);
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.RedoSteps(), 0U);
}

INSTANTIATE_TEST_SUITE_P(EachKind, UndoSteps, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) {
                             std::string name = info.param.What;
                             std::erase(name, ' ');
                             return name;
                         });

TEST_F(Undo, AChainOfMixedStepsGoesBackAndForthExactly) {
    std::vector<Exact> states{ExactState(*state)};
    for (const StepCase& step : kStepCases) {
        Act([&] { step.Action(*state, host, views); });
        states.push_back(ExactState(*state));
    }
    ASSERT_EQ(state->Undo.UndoSteps(), std::size(kStepCases));
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        Act([&] { UndoWork(*state, views); });
        ASSERT_EQ(ExactState(*state), states[i - 1]) << kStepCases[i - 1].What << " undone";
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        Act([&] { RedoWork(*state, views); });
        ASSERT_EQ(ExactState(*state), states[i]) << kStepCases[i - 1].What << " redone";
    }
}

TEST_F(Undo, OneStepPerActionWhateverItDoesInside) {
    Act([&] {
        for (int x = 110; x < 490; x += 3) {
            ClickAt(x, 250);
        }
    });
    const int added = Points(*state) - 3;
    EXPECT_EQ(added, 127);
    Act([] {});                          // nothing changed: no step
    Act([&] { SelectLine(*state, 3); }); // the current curve is no work of its own
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.UndoName(), Name(MsgKey::StepAddPoints));
    SelectLine(*state, 1);

    // A press opens a step that its drag and release join; a release with nothing to add
    // leaves the step as the press made it.
    RunUserAction(
        *state, host,
        [&] {
            state->Cal.MousePicX = 150;
            state->Cal.MousePicY = 200;
            EraseAtClick(*state, views, 9, 1);
        },
        StepJoin::OpenForDrag);
    state->Cal.MousePicX = 250; // the drag erases outside any action
    EraseAtClick(*state, views, 9, 1);
    RunUserAction(
        *state, host, [] {}, StepJoin::JoinDrag);
    EXPECT_EQ(state->Undo.UndoSteps(), 2U);
    EXPECT_EQ(Points(*state), 1 + added);
    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(Points(*state), 3 + added);
}

TEST_F(Undo, ANewStepDropsTheRedoStepsAndNewWorkDropsAll) {
    Act([&] { ClickAt(320, 260); });
    Act([&] { ClickAt(330, 260); });
    Act([&] { UndoWork(*state, views); });
    ASSERT_TRUE(state->Undo.CanRedo());
    Act([&] { ClickAt(340, 260); });
    EXPECT_FALSE(state->Undo.CanRedo());
    EXPECT_EQ(state->Undo.UndoSteps(), 2U);
    EXPECT_EQ(PointAt(*state, 4), (PicturePoint{340, 260})); // sorted by X

    StartNewWork(*state);
    EXPECT_FALSE(state->Undo.CanUndo());
    EXPECT_FALSE(WorkUnsaved(*state));
    Act([&] { UndoWork(*state, views); }); // nothing to undo: nothing changes
    EXPECT_EQ(Points(*state), 5);
}

TEST_F(Undo, TheBoundDropsTheOldestStepsAndSaysSo) {
    for (int i = 0; i < 105; ++i) {
        Act([&] { ClickAt(110 + 3 * i, 250); });
    }
    EXPECT_EQ(state->Undo.UndoSteps(), UndoHistory::kMaxSteps);
    EXPECT_TRUE(state->Undo.OlderStepsDropped());
    EXPECT_TRUE(UndoMenuText(*state).endsWith(Name(MsgKey::OlderStepsDropped)));
    EXPECT_EQ(UndoMenuText(*state).left(5), QStringLiteral("Undo "));

    // Six picture steps keep four pictures besides the current one; the steps before them go.
    std::vector<QImage> pictures{state->Pics.Clean};
    for (int i = 0; i < 6; ++i) {
        Act([&] {
            state->Pics.Clean.setPixel(10 + i, 10, qRgb(0, 0, 0));
            RedrawPicture(*state, views);
        });
        pictures.push_back(state->Pics.Clean);
    }
    EXPECT_EQ(state->Undo.PicturesHeld(), UndoHistory::kMaxPictures);
    ASSERT_EQ(state->Undo.UndoSteps(), UndoHistory::kMaxPictures);
    for (int i = 5; i >= 2; --i) {
        Act([&] { UndoWork(*state, views); });
        EXPECT_EQ(state->Pics.Clean, pictures[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(state->Undo.CanUndo());
}

TEST_F(Undo, StepsSharePicturesInsteadOfCopyingThem) {
    Act([&] { ClickAt(320, 260); });
    EXPECT_EQ(state->Undo.Current().Picture.Clean.constBits(), state->Pics.Clean.constBits());
    // A write access that changes no pixel detaches the picture; the copy is let go again.
    Act([&] { state->Pics.Clean.bits(); });
    EXPECT_EQ(state->Undo.UndoSteps(), 1U);
    EXPECT_EQ(state->Undo.Current().Picture.Clean.constBits(), state->Pics.Clean.constBits());

    // Undoing a picture step puts the kept picture back without copying it.
    Act([&] { BlackAndWhite(*state, views); });
    const uchar* before = nullptr;
    Act([&] {
        UndoWork(*state, views);
        before = state->Pics.Clean.constBits();
    });
    Act([&] { RedoWork(*state, views); });
    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(state->Pics.Clean.constBits(), before);
}

TEST_F(Undo, KeysUndoAndRedo) {
    Act([&] { ClickAt(320, 260); });
    MainWindowKeyDown(*state, host, views, Key::Undo);
    EXPECT_EQ(Points(*state), 3);
    MainWindowKeyDown(*state, host, views, Key::Redo);
    EXPECT_EQ(Points(*state), 4);
}

TEST_F(Undo, AFieldTypedButNotAppliedIsTheStepUndoneFirst) {
    Act([&] { ClickAt(320, 260); });
    state->Texts.MaxY = QStringLiteral("7"); // typed into the axis value window
    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(state->Texts.MaxY, QStringLiteral("3"));
    EXPECT_EQ(Points(*state), 4);
    EXPECT_EQ(state->Undo.RedoName(), Name(MsgKey::StepAxisValues));
}

TEST_F(Undo, UndoingTheEntryIntoALightDistributionModeLeavesIt) {
    Act([&] { EnterPolarMode(*state, views); });
    ASSERT_EQ(state->Main.SpecialMode, 3);
    EXPECT_EQ(state->Undo.UndoName(), Name(MsgKey::StepLightDistribution));
    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(state->Main.SpecialMode, 0);
    EXPECT_EQ(state->Setup.TypeOfCurve, 1);
    EXPECT_TRUE(state->Photometry.ShowInputEnabled);
    EXPECT_EQ(Points(*state, 1), 3);
    Act([&] { RedoWork(*state, views); });
    EXPECT_EQ(state->Main.SpecialMode, 3);
    EXPECT_EQ(state->Setup.TypeOfCurve, 2);
    EXPECT_FALSE(state->Photometry.ShowInputEnabled);
}

TEST_F(Undo, MenuTextsNameTheStepOrStandAlone) {
    EXPECT_EQ(UndoMenuText(*state), QStringLiteral("Undo"));
    EXPECT_EQ(RedoMenuText(*state), QStringLiteral("Redo"));
    Act([&] { ClickAt(320, 260); });
    EXPECT_EQ(UndoMenuText(*state), QStringLiteral("Undo Add point"));
    Act([&] { UndoWork(*state, views); });
    EXPECT_EQ(RedoMenuText(*state), QStringLiteral("Redo Add point"));
}

// The question before unsaved work goes: each answer, and a save that fails.
class UnsavedWork : public Undo {
protected:
    void SetUp() override {
        Undo::SetUp();
        state->Main.AppDir = dir.path();
        Act([&] { ClickAt(320, 260); });
    }
    QString GraPath() const { return dir.filePath(QStringLiteral("Data/work.gra")); }
    QTemporaryDir dir;
};

struct QuestionCase {
    const char* What;
    Answer Reply;
    bool DataFolderBlocked; // a file where the Data folder goes: the save fails
    bool GoesOn;
    bool Saved;
};

class Questions : public UnsavedWork, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(Questions, OpeningAPictureAsksFirst) {
    const QuestionCase& c = GetParam();
    if (c.DataFolderBlocked) {
        QFile blocker(dir.filePath(QStringLiteral("Data")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const QString picture = dir.filePath(QStringLiteral("other.png"));
    ASSERT_TRUE(WhitePicture(50, 40).save(picture));
    host.Answers = {c.Reply};
    host.Inputs = {QStringLiteral("pic"), QStringLiteral("work")};
    host.FileNames = {picture};
    const Exact before = ExactState(*state);

    const bool ran = RunUserAction(*state, host, [&] { OpenPicture(*state, host, views); });

    EXPECT_EQ(host.Shown.value(0), Name(MsgKey::SaveChanges));
    EXPECT_EQ(ran, !c.DataFolderBlocked);
    EXPECT_EQ(QFile::exists(GraPath()), c.Saved);
    EXPECT_EQ(state->Pics.PictureWidth, c.GoesOn ? 50 : 600);
    if (!c.GoesOn) {
        EXPECT_EQ(ExactState(*state), before);
        EXPECT_EQ(host.FileNames.size(), 1U) << "no file dialog after the question";
        EXPECT_TRUE(WorkUnsaved(*state));
    } else {
        EXPECT_FALSE(WorkUnsaved(*state)); // new work
        EXPECT_FALSE(state->Undo.CanUndo());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachAnswer, Questions,
    ::testing::Values(QuestionCase{"Save", Answer::Yes, false, true, true},
                      QuestionCase{"Discard", Answer::No, false, true, false},
                      QuestionCase{"Cancel", Answer::Cancel, false, false, false},
                      QuestionCase{"SaveFails", Answer::Yes, true, false, false}),
    [](const auto& info) { return std::string(info.param.What); });

TEST_F(UnsavedWork, ADroppedOrRecentFileAsksFirstAndARefusedOneAsksNothing) {
    const QString picture = dir.filePath(QStringLiteral("other.png"));
    ASSERT_TRUE(WhitePicture(50, 40).save(picture));
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    WriteBytes(text, "x");
    const Exact before = ExactState(*state);

    EXPECT_THROW(OpenWorkFile(*state, host, views, text), FileError);
    EXPECT_EQ(host.Shown, QStringList());
    host.Answers = {Answer::Cancel};
    OpenWorkFile(*state, host, views, picture);

    EXPECT_EQ(host.Shown, QStringList({Name(MsgKey::SaveChanges)}));
    EXPECT_EQ(ExactState(*state), before);
}

TEST_F(UnsavedWork, SavedWorkAsksNothingAndUndoingPastTheSaveMakesItUnsavedAgain) {
    host.Inputs = {QStringLiteral("pic"), QStringLiteral("work")};
    SaveGraWithPicture(*state, host, views);
    EXPECT_FALSE(WorkUnsaved(*state));
    const auto shown = host.Shown.size();
    EXPECT_TRUE(ConfirmUnsavedWork(*state, host, views));
    EXPECT_EQ(host.Shown.size(), shown);

    Act([&] { UndoWork(*state, views); });
    EXPECT_TRUE(WorkUnsaved(*state));
    Act([&] { RedoWork(*state, views); });
    EXPECT_FALSE(WorkUnsaved(*state));
}

TEST_F(UnsavedWork, ClosingAsksOnceAboutUnsavedWorkElseThePlainQuestion) {
    state->Setup.AutoSave = false;
    host.Answers = {Answer::No};
    EXPECT_TRUE(CloseQuery(*state, host, views)); // discarded: no second question
    EXPECT_EQ(host.Shown, QStringList{Name(MsgKey::SaveChanges)});

    host.Shown.clear();
    host.Answers = {Answer::Cancel};
    EXPECT_FALSE(CloseQuery(*state, host, views));

    host.Shown.clear();
    Act([&] { UndoWork(*state, views); });
    host.Answers = {Answer::Yes};
    EXPECT_TRUE(CloseQuery(*state, host, views));
    EXPECT_EQ(host.Shown, QStringList{Name(MsgKey::CloseWindow)});
}

TEST_F(UnsavedWork, OpeningGraphDataAsksAndCancelKeepsTheDialogShut) {
    host.Answers = {Answer::Cancel};
    host.FileNames = {GraPath()};
    OpenGraFile(*state, host, views);
    EXPECT_EQ(host.FileNames.size(), 1U);
    EXPECT_EQ(host.Shown, QStringList{Name(MsgKey::SaveChanges)});
}

} // namespace
} // namespace lineora::test
