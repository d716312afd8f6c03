#include "core/commands/Configuration.h"

#include "CommandTestSupport.h"
#include "core/commands/SetupCommands.h"

#include <sys/stat.h>

namespace lineora::test {
namespace {

// The windows stand at `Where` when the configuration asks where they are.
class ConfigViews : public FakeViews {
public:
    State* state = nullptr;
    FormPlacements Where;

    void CaptureWindowPlacements() override { state->Setup.Forms = Where; }
};

class Configuration : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    ConfigViews views;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        state->Main.AppDir = folder.path();
        views.state = state.get();
    }

    QString Path() const { return folder.filePath(QStringLiteral("lineora3.Ini")); }
    void Load() { LoadConfig(*state, views, host, folder.path()); }
};

struct LoadCase {
    const char* name;
    const char* file;
    std::function<void(State&)> before;
    std::function<void(const State&)> check;
    QStringList reported{}; // the keys one message names
};

class LoadedFile : public Configuration, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadedFile, AppliesAsTheButtonsWould) {
    const LoadCase& c = GetParam();
    const DecimalCharGuard separator(QLatin1Char('.'));
    WriteBytes(Path(), c.file);
    if (c.before) {
        c.before(*state);
    }
    Load();
    c.check(*state);
    if (c.reported.isEmpty()) {
        EXPECT_EQ(host.Shown, QStringList());
        return;
    }
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(Mentions(host.Shown[0], Path()));
    for (const QString& key : c.reported) {
        EXPECT_TRUE(Mentions(host.Shown[0], QLatin1Char('"') + key + QLatin1Char('"')));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoadedFile,
    ::testing::Values(
        LoadCase{"FixedReferencePointsWhenNotLoaded",
                 "[Setup]\nLoadScalaKoord=0\n[Axes]\nEkran0_X=7\nEkran0_Y=8\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(Ref(s.Cal), (RefPoints{{{50, 100}, {100, 100}, {50, 50}}}));
                 }},
        // Direction -1 runs its handler, and then the saved points win.
        LoadCase{"SavedReferencePoints", "[Axes]\nEkran0_X=7\nEkranYMax_Y=-3\nDirectionOfX=-1\n",
                 nullptr,
                 [](const State& s) {
                     EXPECT_EQ(std::pair(Ref(s.Cal), s.Setup.XDirection),
                               std::pair(RefPoints{{{7, 100}, {200, 100}, {20, -3}}}, -1));
                 }},
        // Direction 0, an unknown chart kind and a step that is no number check no button.
        LoadCase{"ValuesThatCheckNoButtonLeaveTheState",
                 "[Axes]\nDirectionOfX=0\nTypeOfCurve=5\n[StepByX]\nStepXDelta=abc\n",
                 [](State& s) {
                     s.Setup.XDirection = -1;
                     s.Setup.TypeOfCurve = 2;
                     s.Setup.StepX = 3;
                 },
                 [](const State& s) {
                     EXPECT_EQ(std::tuple(s.Setup.XDirection, s.Setup.TypeOfCurve, s.Setup.StepX),
                               std::tuple(-1, 2, 3.0L));
                     EXPECT_EQ(s.Setup.StepXText, "abc");
                 },
                 {"StepXDelta"}},
        // What the auto-save leaves after a field was emptied: the start goes on with the
        // other fields, the language and the window toggles, whatever the keys' letter case.
        LoadCase{"AxisTextsThatAreNoNumbersKeepTheTextAndTheRestApplies",
                 "[Axes]\nXmin=\nXmax=-\nYmax=2.5\nPolarXmax=7\n[SETUP]\nlanguageenglish=TRUE\n"
                 "[forms]\nTABLESTYLE=0\nmainleft=123\n",
                 [](State& s) { s.Cal.AxisXMax = 4; },
                 [](const State& s) {
                     EXPECT_EQ(s.Texts.MaxX, "-");
                     EXPECT_EQ(std::tuple(s.Cal.AxisXMax, s.Cal.AxisYMax, s.Cal.AxisPolarMax),
                               std::tuple(4.0, 2.5, 7.0L));
                     EXPECT_EQ(std::tuple(s.Setup.LanguageEnglish, s.Setup.LanguageRussian,
                                          s.Main.ShowTable, s.Setup.Forms.MainLeft),
                               std::tuple(true, false, false, 123));
                 },
                 {"Xmin", "Xmax"}},
        // Comma texts with a point in use; of radio buttons read in turn the last one checked
        // wins, none when all are off; the step switch of the second section wins. The rest of
        // the keys are applied in the round trip of a written state below.
        LoadCase{
            "CommaTextsLaterButtonsAndTheSecondStepSwitchWin",
            "[Rezim]\nStepX=1\nAvtoCorrect=1\n[Setup]\nPointer2=1\nPointer3=1\n[Axes]\nXmin=1,5\n"
            "XScaleLogarifm10X=1\nXScaleLogarifmNatX=1\nYScaleNormalX=0\n"
            "[StepByX]\nStepXDelta=0,5\nStepFromX=1,25\nBolStepX=0\n",
            nullptr,
            [](const State& s) {
                EXPECT_EQ(s.Texts.MinX, "1.5");
                EXPECT_EQ(std::pair(s.Setup.StepX, s.Main.StepFromX), std::pair(0.5L, 1.25L));
                EXPECT_EQ(std::tuple(s.Setup.Separator, s.Setup.ScaleX, s.Setup.ScaleY),
                          std::tuple(SeparatorChoice::System, ScaleKind::Ln, ScaleKind::None));
                EXPECT_EQ(std::pair(s.Main.StepXOn, s.Main.AvtoCorrectOn), std::pair(false, true));
            }}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// A damaged file, a folder, or a pipe (which would make startup wait for a writer) in place of
// the file: reported by its path, the defaults used, the file left as it was. Without a file the
// defaults are used silently.
TEST_F(Configuration, UnreadableFileIsReportedAndTheDefaultsUsed) {
    Load(); // the first run, without a file: the defaults, and nothing said or written
    ConfigValues defaults;
    defaults.StepX = true; // "BolStepX" defaults to on and is read last
    EXPECT_EQ(CollectConfigValues(*state), defaults);
    EXPECT_EQ(state->Pics.PictureDir, QDir::homePath() + QLatin1Char('/'));
    EXPECT_EQ(host.Shown, QStringList());
    EXPECT_FALSE(QFile::exists(Path()));

    const char raw[] = "[Setup]\nLanguageEnglish=1\n\x00\xff\x13\x80garbage\x01";
    const QByteArray damaged(raw, sizeof raw - 1);
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { WriteBytes(Path(), damaged); }, "not a text file"},
        {[&] { ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lineora3.Ini"))); }, ""},
        {[&] { ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0); },
         "not a regular file"}};
    for (const auto& [make, reason] : cases) {
        QFile::remove(Path());
        QDir(folder.path()).rmdir(QStringLiteral("lineora3.Ini"));
        make();
        host.Shown.clear();
        state->Store.MarkRadius = 5;
        Load();
        ASSERT_EQ(host.Shown.size(), 1) << reason;
        EXPECT_TRUE(Mentions(host.Shown[0], Path()));
        EXPECT_TRUE(Mentions(host.Shown[0], QString::fromLatin1(reason)));
        EXPECT_EQ(std::pair(state->Store.MarkRadius, state->Setup.LanguageRussian),
                  std::pair(3, true));
    }
    QFile::remove(Path());
    WriteBytes(Path(), damaged);
    Load();
    EXPECT_EQ(ReadBytes(Path()), damaged);
}

// A state far from the defaults: every group of the file changed.
void ChangeEverything(State& s) {
    s.Main.StepXOn = false;
    s.Main.AvtoCorrectOn = true;
    s.Setup.AutoSave = false;
    s.Pics.PictureDir = QStringLiteral("/srv/графики/");
    s.Setup.LineColors = {0, 1, 2, 3, 4, 5};
    s.Setup.AxesColor = 6;
    s.Setup.FindColor = 7;
    s.Setup.FillMetka = false;
    s.Store.MarkRadius = 4;
    s.Setup.NewAxesLook = true;
    s.Setup.AxesWidth = 2;
    s.Setup.AxesInvert = false;
    s.Texts = AxisTexts{"1.5", "2E3", "-1", "7", "90"};
    s.Setup.ExportFormat = NumberFormat::Scientific;
    s.Setup.MakeSort = false;
    s.Setup.ScaleX = ScaleKind::Log10;
    s.Setup.ScaleY = ScaleKind::None;
    s.Setup.LanguageRussian = false;
    s.Setup.LanguageEnglish = true;
    s.Setup.Separator = SeparatorChoice::Point;
    s.Setup.MetkaX = false;
    s.Main.ShowTable = false;
    s.Main.ShowZoom = false;
    s.Main.CursorKind = 5;
    s.Setup.StepFromXText = QStringLiteral("2.5");
    s.Setup.StepXText = QStringLiteral("0.25");
    s.Setup.Special2Color = 0;
    s.Setup.XDirection = -1;
    PlaceReferences(s.Cal, {{{11, 12}, {13, 14}, {15, 16}}});
    s.Setup.TypeOfCurve = 2;
}

TEST_F(Configuration, WrittenStateLoadsBackTheSame) {
    ChangeEverything(*state);
    views.Where = FormPlacements{1, 2, 300, 400, 5, 6, 7, 8, 9, 10, 110, 120, 13, 14, 15, 16};
    WriteConfig(*state, views);
    const ConfigValues written = CollectConfigValues(*state);
    EXPECT_EQ(written.TableHeight, 120); // captured before it was written

    auto loaded = std::make_unique<State>();
    LoadConfig(*loaded, views, host, folder.path());
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_EQ(CollectConfigValues(*loaded), written);
    EXPECT_EQ(std::pair(loaded->Setup.StepX, loaded->Main.StepFromX), std::pair(0.25L, 2.5L));
}

TEST_F(Configuration, FailedWritesLeaveTheFileAndWritesKeepItsForeignKeys) {
    const QByteArray old = "[Other]\nKey=kept\n";
    WriteBytes(Path(), old);
    {
        FileSizeLimit full(64);
        EXPECT_THROW(WriteConfig(*state, views), FileError);
    }
    EXPECT_EQ(ReadBytes(Path()), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"lineora3.Ini"});

    WriteConfig(*state, views);
    EXPECT_EQ(IniFile::Parse(ReadBytes(Path())).Value("Other", "Key"), "kept");
    state->Main.AppDir.clear(); // the program folder unknown
    EXPECT_THROW(WriteConfig(*state, views), FileError);
}

TEST(StepXText, KeepsTheTextAndTakesOnlyANumber) {
    struct Case {
        const char* text;
        char separator;
        double stepAfter; // StepX starts at 10; 0 when the text is refused
    };
    // clang-format off
    const Case cases[] = {{"2,5", ',', 2.5}, {"", '.', 10}, {"-", '.', 0}, {",", ',', 0}, {"2,5", '.', 0}};
    // clang-format on
    for (const Case& c : cases) {
        const DecimalCharGuard separator(QLatin1Char(c.separator));
        Settings settings;
        settings.StepX = 10;
        const QString text = QString::fromLatin1(c.text);
        if (c.stepAfter == 0) {
            EXPECT_THROW(SetStepXText(settings, text), FormatError) << c.text;
        } else {
            SetStepXText(settings, text);
        }
        EXPECT_EQ(settings.StepXText, text);
        EXPECT_EQ(settings.StepX, c.stepAfter == 0 ? 10 : c.stepAfter) << c.text;
    }
}

using SetupEffects = CommandTest;

TEST_F(SetupEffects, LeavingRereadsTheAxisFieldsAndRedrawsInTheNewColours) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 300, 200));
    state->Setup.LineColors[1] = 0x00FF00;
    state->Texts.MinX = QStringLiteral("-");
    EXPECT_THROW(LeaveSetup(*state, views), FormatError);
    EXPECT_EQ(views.PictureRepaints, 0); // a bad field redraws nothing

    state->Texts.MinX = QStringLiteral("0");
    state->Texts.MaxX = QStringLiteral("20");
    LeaveSetup(*state, views);
    EXPECT_EQ(state->Cal.AxisXMax, 20.0);
    EXPECT_EQ(state->Pics.Working.pixel(301, 200), ToQRgb(0x00FF00));
}

} // namespace
} // namespace lineora::test
