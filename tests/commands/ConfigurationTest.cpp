#include "commands/Configuration.h"

#include "FakeViews.h"
#include "commands/Commands.h"
#include "common/Errors.h"
#include "common/NumberText.h"
#include "config/Messages.h"
#include "support/ScriptedHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <sys/resource.h>

namespace lineora::test {
namespace {

// Counts what the configuration asks of the windows; the windows stand at `Where`.
class ConfigViews : public FakeViews {
public:
    State* state = nullptr;
    FormPlacements Where;
    int Placed = 0;
    int Captured = 0;
    int Shown = 0;

    void ApplyWindowPlacements() override { ++Placed; }
    void CaptureWindowPlacements() override {
        ++Captured;
        state->Setup.Forms = Where;
    }
    void ControlsChanged() override { ++Shown; }
};

class Configuration : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    ConfigViews views;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetDecimalChar(QLatin1Char('.'));
        state->Main.AppDir = folder.path();
        views.state = state.get();
    }
    void TearDown() override { SetDecimalChar(QLatin1Char('.')); }

    QString Path() const { return folder.filePath(QStringLiteral("lineora3.Ini")); }
    void PutFile(const QByteArray& bytes) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray FileBytes() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Load() { LoadConfig(*state, views, host, folder.path()); }
    QString CloseQuestion() const {
        return LoadMessage(state->Messages, QStringLiteral("msgMessaga20"));
    }
};

PicturePoint Zero(const State& s) {
    return {s.Cal.ZeroPointX, s.Cal.ZeroPointY};
}
PicturePoint XMax(const State& s) {
    return {s.Cal.XMaxPointX, s.Cal.XMaxPointY};
}
PicturePoint YMax(const State& s) {
    return {s.Cal.YMaxPointX, s.Cal.YMaxPointY};
}

TEST_F(Configuration, FirstRunWithoutFileStartsFromTheDefaults) {
    Load();

    EXPECT_TRUE(host.Shown.isEmpty()) << host.Shown.join(QLatin1Char('|')).toStdString();
    const Settings& setup = state->Setup;
    EXPECT_TRUE(setup.LanguageRussian);
    EXPECT_FALSE(setup.LanguageEnglish);
    for (int line = 1; line <= kCurveCount; ++line) {
        EXPECT_EQ(setup.LineColors[static_cast<std::size_t>(line)], 255u) << line;
    }
    EXPECT_EQ(setup.AxesColor, 255u);
    EXPECT_EQ(state->Store.MarkRadius, 3);
    EXPECT_EQ(setup.Separator, SeparatorChoice::None);
    EXPECT_EQ(setup.ScaleX, ScaleKind::Linear);
    EXPECT_EQ(setup.ScaleY, ScaleKind::Linear);
    EXPECT_EQ(setup.XDirection, 1);
    EXPECT_EQ(setup.TypeOfCurve, 1);
    EXPECT_FALSE(setup.NewAxesLook);
    EXPECT_EQ(setup.ExportFormat, NumberFormat::Standard);
    EXPECT_EQ(Zero(*state), (PicturePoint{20, 100}));
    EXPECT_EQ(XMax(*state), (PicturePoint{200, 100}));
    EXPECT_EQ(YMax(*state), (PicturePoint{20, 20}));
    EXPECT_EQ(state->Texts.MaxX, "100");
    EXPECT_EQ(state->Texts.MaxY, "10");
    // "BolStepX" defaults to on and is read last.
    EXPECT_TRUE(state->Main.StepXOn);
    EXPECT_EQ(setup.StepX, 10);
    EXPECT_EQ(state->Main.StepFromX, 0);
    EXPECT_TRUE(state->Main.ShowTable && state->Main.ShowText && state->Main.ShowZoom &&
                state->Main.ShowInput);
    EXPECT_EQ(state->Pics.PictureDir, QDir::homePath() + QLatin1Char('/'));
    EXPECT_EQ(views.Placed, 1);
    EXPECT_GE(views.Shown, 1);
    EXPECT_FALSE(QFile::exists(Path()));
}

struct LoadCase {
    const char* what;
    const char* file;
    std::function<void(State&)> before;
    std::function<void(const State&)> check;
    char separator = '.';
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.what;
}

class LoadedFile : public Configuration, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadedFile, AppliesAsTheButtonsWould) {
    const LoadCase& c = GetParam();
    SetDecimalChar(QLatin1Char(c.separator));
    PutFile(c.file);
    if (c.before) {
        c.before(*state);
    }
    Load();
    EXPECT_TRUE(host.Shown.isEmpty());
    c.check(*state);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoadedFile,
    ::testing::Values(
        LoadCase{"fixed reference points when they are not loaded",
                 "[Setup]\nLoadScalaKoord=0\n[Axes]\nEkran0_X=7\nEkran0_Y=8\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(Zero(s), (PicturePoint{50, 100}));
                     EXPECT_EQ(XMax(s), (PicturePoint{100, 100}));
                     EXPECT_EQ(YMax(s), (PicturePoint{50, 50}));
                 }},
        LoadCase{"saved reference points", "[Axes]\nEkran0_X=7\nEkranYMax_Y=-3\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(Zero(s), (PicturePoint{7, 100}));
                     EXPECT_EQ(YMax(s), (PicturePoint{20, -3}));
                 }},
        LoadCase{"direction 0 leaves the buttons", "[Axes]\nDirectionOfX=0\n",
                 [](State& s) { s.Setup.XDirection = -1; },
                 [](const State& s) { EXPECT_EQ(s.Setup.XDirection, -1); }},
        LoadCase{"direction -1 runs its handler", "[Axes]\nDirectionOfX=-1\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(s.Setup.XDirection, -1);
                     EXPECT_EQ(YMax(s), (PicturePoint{20, 20})); // the saved points win
                 }},
        LoadCase{"no language", "[Setup]\nLanguageRussian=0\nLanguageEnglish=0\n", nullptr,
                 [](const State& s) {
                     EXPECT_FALSE(s.Setup.LanguageRussian);
                     EXPECT_FALSE(s.Setup.LanguageEnglish);
                 }},
        LoadCase{"English unchecks Russian", "[Setup]\nLanguageEnglish=1\n", nullptr,
                 [](const State& s) {
                     EXPECT_FALSE(s.Setup.LanguageRussian);
                     EXPECT_TRUE(s.Setup.LanguageEnglish);
                 }},
        LoadCase{"mark size clamped", "[Setup]\nDiamterOfPoint=9\nLineKoordWidth=0\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(s.Store.MarkRadius, 5);
                     EXPECT_EQ(s.Setup.AxesWidth, 1);
                 }},
        LoadCase{"comma texts with a point in use",
                 "[Axes]\nXmin=1,5\n[StepByX]\nStepXDelta=0,5\nStepFromX=1,25\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(s.Texts.MinX, "1.5");
                     EXPECT_EQ(s.Setup.StepXText, "0.5");
                     EXPECT_EQ(s.Setup.StepX, 0.5L);
                     EXPECT_EQ(s.Main.StepFromX, 1.25L);
                 }},
        LoadCase{"point texts with a comma in use", "[Axes]\nYmax=2.5\n[StepByX]\nStepXDelta=4.5\n",
                 nullptr,
                 [](const State& s) {
                     EXPECT_EQ(s.Texts.MaxY, "2,5");
                     EXPECT_EQ(s.Setup.StepX, 4.5L);
                 },
                 ','},
        LoadCase{"a step that is no number keeps the step", "[StepByX]\nStepXDelta=abc\n",
                 [](State& s) { s.Setup.StepX = 3; },
                 [](const State& s) {
                     EXPECT_EQ(s.Setup.StepXText, "abc");
                     EXPECT_EQ(s.Setup.StepX, 3);
                 }},
        LoadCase{"last scale wins, none when all are off",
                 "[Axes]\nXScaleLogarifm10X=1\nXScaleLogarifmNatX=1\nYScaleNormalX=0\n", nullptr,
                 [](const State& s) {
                     EXPECT_EQ(s.Setup.ScaleX, ScaleKind::Ln);
                     EXPECT_EQ(s.Setup.ScaleY, ScaleKind::None);
                 }},
        LoadCase{"a later separator button wins", "[Setup]\nPointer2=1\nPointer3=1\n", nullptr,
                 [](const State& s) { EXPECT_EQ(s.Setup.Separator, SeparatorChoice::System); }},
        LoadCase{"the step switch of the second section wins",
                 "[Rezim]\nStepX=1\nAvtoCorrect=1\n[StepByX]\nBolStepX=0\n", nullptr,
                 [](const State& s) {
                     EXPECT_FALSE(s.Main.StepXOn);
                     EXPECT_TRUE(s.Main.AvtoCorrectOn);
                 }},
        LoadCase{"polar chart", "[Axes]\nTypeOfCurve=2\n", nullptr,
                 [](const State& s) { EXPECT_TRUE(s.Setup.Polar()); }},
        LoadCase{"an unknown chart kind checks neither button", "[Axes]\nTypeOfCurve=5\n",
                 [](State& s) { s.Setup.TypeOfCurve = 2; },
                 [](const State& s) { EXPECT_EQ(s.Setup.TypeOfCurve, 2); }},
        LoadCase{"look, format and sorting off",
                 "[Setup]\nVidKoordinat=0\nStandartNumerFormat=0\nNumerRanger=0\n", nullptr,
                 [](const State& s) {
                     EXPECT_TRUE(s.Setup.NewAxesLook);
                     EXPECT_EQ(s.Setup.ExportFormat, NumberFormat::Scientific);
                     EXPECT_FALSE(s.Setup.MakeSort);
                 }},
        LoadCase{"names in other letter cases",
                 "[SETUP]\nlanguageenglish=TRUE\n[forms]\nTABLESTYLE=0\nmainleft=123\n", nullptr,
                 [](const State& s) {
                     EXPECT_TRUE(s.Setup.LanguageEnglish);
                     EXPECT_FALSE(s.Main.ShowTable);
                     EXPECT_TRUE(s.Main.ShowZoom);
                     EXPECT_EQ(s.Setup.Forms.MainLeft, 123);
                 }},
        LoadCase{"flags and folder",
                 "[Setup]\nSaveConfig=0\nSaveScalaKoord=0\nMetkaX=0\nFillMetka=0\n"
                 "[Path]\nPath to Graf files=/srv/charts/\n",
                 nullptr,
                 [](const State& s) {
                     EXPECT_FALSE(s.Setup.AutoSave);
                     EXPECT_FALSE(s.Setup.SaveScalaKoord);
                     EXPECT_TRUE(s.Setup.LoadScalaKoord);
                     EXPECT_FALSE(s.Setup.MetkaX);
                     EXPECT_FALSE(s.Setup.FillMetka);
                     EXPECT_EQ(s.Pics.PictureDir, "/srv/charts/");
                 }}),
    [](const ::testing::TestParamInfo<LoadCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST_F(Configuration, DamagedFileIsReportedUsesTheDefaultsAndStaysAsItWas) {
    const char raw[] = "[Setup]\nLanguageEnglish=1\n\x00\xff\x13\x80garbage\x01";
    const QByteArray damaged(raw, sizeof raw - 1);
    PutFile(damaged);
    Load();

    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(host.Shown[0].contains(Path())) << host.Shown[0].toStdString();
    EXPECT_TRUE(host.Shown[0].contains(QStringLiteral("not a text file")));
    EXPECT_TRUE(state->Setup.LanguageRussian);
    EXPECT_EQ(Zero(*state), (PicturePoint{20, 100}));
    EXPECT_EQ(FileBytes(), damaged);
}

TEST_F(Configuration, FolderInPlaceOfTheFileIsReportedOnLoad) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lineora3.Ini")));
    Load();
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(host.Shown[0].contains(Path()));
    EXPECT_EQ(state->Store.MarkRadius, 3);
}

// A state far from the defaults: every group of the file changed.
void ChangeEverything(State& s) {
    s.Main.StepXOn = false;
    s.Main.AvtoCorrectOn = true;
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
    s.Cal.ZeroPointX = 11;
    s.Cal.ZeroPointY = 12;
    s.Cal.XMaxPointX = 13;
    s.Cal.XMaxPointY = 14;
    s.Cal.YMaxPointX = 15;
    s.Cal.YMaxPointY = 16;
    s.Setup.TypeOfCurve = 2;
}

TEST_F(Configuration, WrittenStateLoadsBackTheSame) {
    ChangeEverything(*state);
    views.Where = FormPlacements{1, 2, 300, 400, 5, 6, 7, 8, 9, 10, 110, 120, 13, 14, 15, 16};
    WriteConfig(*state, views);
    EXPECT_EQ(views.Captured, 1);
    const ConfigValues written = CollectConfigValues(*state);
    EXPECT_EQ(written.TableHeight, 120); // captured before it was written

    auto loaded = std::make_unique<State>();
    ConfigViews otherViews;
    LoadConfig(*loaded, otherViews, host, folder.path());
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_EQ(CollectConfigValues(*loaded), written);
    EXPECT_EQ(loaded->Setup.StepX, 0.25L);
    EXPECT_EQ(loaded->Main.StepFromX, 2.5L);
}

TEST_F(Configuration, UnsavedReferencePointsAndForeignKeysStayInTheFile) {
    PutFile("[Axes]\nEkran0_X=77\n[Other]\nKey=kept\n");
    state->Setup.SaveScalaKoord = false;
    state->Cal.ZeroPointX = 5;
    WriteConfig(*state, views);

    const IniFile written = IniFile::Parse(FileBytes());
    EXPECT_EQ(written.Value("Axes", "Ekran0_X"), "77");
    EXPECT_EQ(written.Value("Other", "Key"), "kept");
    EXPECT_EQ(written.Value("Setup", "SaveScalaKoord"), "0");
}

TEST_F(Configuration, FolderInPlaceOfTheFileFailsTheWrite) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("lineora3.Ini/inside")));
    try {
        WriteConfig(*state, views);
        FAIL() << "the write did not fail";
    } catch (const FileError& error) {
        EXPECT_NE(QString::fromUtf8(error.what()).indexOf(Path()), -1) << error.what();
    }
    EXPECT_TRUE(QDir(Path() + QStringLiteral("/inside")).exists());
}

TEST_F(Configuration, ProgramFolderUnknownFailsTheWrite) {
    state->Main.AppDir.clear();
    EXPECT_THROW(WriteConfig(*state, views), FileError);
}

// A full disk, as every user (root included) meets it: the file size limit of the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(Configuration, FailedWriteLeavesTheOldFileWhole) {
    const QByteArray old = "[Setup]\nCursorKind=3\n";
    PutFile(old);
    {
        FileSizeLimit full(64);
        EXPECT_THROW(WriteConfig(*state, views), FileError);
    }
    EXPECT_EQ(FileBytes(), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"lineora3.Ini"});
}

TEST_F(Configuration, CloseWritesFirstEvenWhenTheUserStays) {
    host.Answers.push_back(Host::Answer::No);
    EXPECT_FALSE(CloseQuery(*state, host, views));
    EXPECT_EQ(host.Shown, QStringList{CloseQuestion()});
    EXPECT_TRUE(FileBytes().startsWith("[Rezim]\nStepX="));
}

TEST_F(Configuration, CloseWithoutAutoSaveOnlyAsks) {
    state->Setup.AutoSave = false;
    host.Answers.push_back(Host::Answer::Yes);
    EXPECT_TRUE(CloseQuery(*state, host, views));
    EXPECT_EQ(host.Shown, QStringList{CloseQuestion()});
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(Configuration, FailedWriteAtCloseIsReportedAndTheUserMayStillLeave) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("lineora3.Ini")));
    host.Answers.push_back(Host::Answer::Yes);
    EXPECT_TRUE(CloseQuery(*state, host, views));
    ASSERT_EQ(host.Shown.size(), 2);
    EXPECT_TRUE(host.Shown[0].contains(Path())) << host.Shown[0].toStdString();
    EXPECT_EQ(host.Shown[1], CloseQuestion());
}

} // namespace
} // namespace lineora::test
