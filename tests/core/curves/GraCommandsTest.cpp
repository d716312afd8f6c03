#include "core/commands/GraCommands.h"

#include "core/commands/CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Errors.h"
#include "core/common/Messages.h"
#include "core/curves/GraFile.h"
#include "core/picture/Pictures.h"
#include "support/DrawnPictures.h"
#include "support/WorkedExample.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace lineora::test {
namespace {

class ProposalHost : public ScriptedHost {
public:
    QStringList Proposals;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& proposal) override {
        Proposals << proposal;
        return ScriptedHost::InputBox(caption, prompt, proposal);
    }
};

// The worked example's calibration (X 0..10 over 400 px, Y 0..3 over 300 px) as a file.
GraData CalibratedWork(const QString& pictureName) {
    GraData data{pictureName, "0", "10", "0", "3", 100, 400, 500, 400, 100, 100, 1, 1, {}};
    data.Curves[1] = {{140, 300}, {300, 200}};
    data.Curves[4] = {{500, 100}};
    return data;
}

class GraCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(appDir.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        state->Main.AppDir = appDir.path();
        state->Pics.Clean = PatternPicture(40, 30);
        state->Pics.Working = state->Pics.Clean.copy();
        state->Pics.PictureFileName = QStringLiteral("/pictures/chart.bmp");
    }

    QString DataFile(const QString& name) const {
        return QDir(appDir.path()).filePath(QStringLiteral("Data/") + name);
    }
    QString PictureFile(const QString& name) const {
        return QDir(appDir.path()).filePath(QStringLiteral("Data/Grafiks/") + name);
    }

    QTemporaryDir appDir;
    QTemporaryDir elsewhere;
    std::unique_ptr<State> state = CalibratedState();
    ProposalHost host;
    FakeViews views;
};

TEST_F(GraCommands, PastedPictureIsSavedAsCurveLosslesslyWithMarksKeptOnScreen) {
    state->Pics.PictureFileName = QString::fromLatin1(kClipboardPicture);
    AppendPoint(state->Store, 1, 10, 12);
    RedrawPicture(*state, views);
    const QImage screen = state->Pics.Working.copy();

    SaveGraWithPicture(*state, host, views); // both boxes cancelled: the proposals stand

    EXPECT_EQ(host.Proposals, QStringList({QStringLiteral("curve"), QStringLiteral("curve")}));
    EXPECT_TRUE(ReadBytes(DataFile(QStringLiteral("curve.gra"))).startsWith("curve.bmp\r\n"));
    EXPECT_EQ(ReadPictureFile(PictureFile(QStringLiteral("curve.bmp"))), state->Pics.Clean);
    EXPECT_EQ(state->Main.GraFileName, DataFile(QStringLiteral("curve.gra")));
    EXPECT_EQ(state->Pics.PictureFileName, QString::fromLatin1(kClipboardPicture));
    EXPECT_EQ(state->Pics.Working, screen);
    EXPECT_EQ(host.Shown.mid(2), QStringList{DataFile("curve.gra") + QLatin1Char('\n') +
                                             LoadMessage(state->Messages, "msgMessaga19")});
}

TEST_F(GraCommands, SecondSaveProposesTheDataNameOfTheFirst) {
    host.Inputs = {std::nullopt, QStringLiteral("  my work "), std::nullopt, std::nullopt};
    SaveGraWithPicture(*state, host, views);
    SaveGraWithPicture(*state, host, views);

    EXPECT_EQ(host.Proposals, QStringList({QStringLiteral("chart"), QStringLiteral("chart"),
                                           QStringLiteral("chart"), QStringLiteral("my work")}));
    EXPECT_TRUE(QFileInfo::exists(DataFile(QStringLiteral("my work.gra"))));
    EXPECT_FALSE(QFileInfo::exists(DataFile(QStringLiteral("chart.gra"))));
}

TEST_F(GraCommands, NothingIsWrittenForWorkTheFileCannotHold) {
    host.Inputs = {QStringLiteral("a/b")};
    EXPECT_THROW(SaveGraWithPicture(*state, host, views), FileError);

    ASSERT_TRUE(AppendPoint(state->Store, 2, 1000001, 5)); // beyond what a file keeps
    EXPECT_THROW(SaveGraWithPicture(*state, host, views), FileError);

    state->Pics.Clean = QImage();
    EXPECT_THROW(SaveGraWithPicture(*state, host, views), FileError);
    EXPECT_FALSE(QFileInfo::exists(DataFile(QString())));
    EXPECT_TRUE(state->Main.GraFileName.isEmpty());
}

// The picture is written first; a graph data file that cannot be written takes it back: a
// picture that was there is as it was, one that was not is gone again.
TEST_F(GraCommands, FailedSaveLeavesEveryFileAsItWas) {
    const QDir folder(elsewhere.path());
    ASSERT_TRUE(folder.mkdir(QStringLiteral("folder.gra")));
    // A link into a missing folder passes the check and fails only when written.
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("missing/x.gra")),
                            folder.filePath(QStringLiteral("late.gra"))));
    WriteBytes(folder.filePath(QStringLiteral("late.bmp")), "old picture");
    for (const char* name : {"folder", "late"}) {
        EXPECT_THROW(SaveGraBeside(*state, folder.filePath(QString::fromLatin1(name) + ".gra")),
                     FileError);
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("folder.bmp"))));
    EXPECT_EQ(ReadBytes(folder.filePath(QStringLiteral("late.bmp"))), "old picture");
    QFile::remove(folder.filePath(QStringLiteral("late.bmp")));
    EXPECT_THROW(SaveGraBeside(*state, folder.filePath(QStringLiteral("late.gra"))), FileError);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("late.bmp"))));

    ASSERT_TRUE(QDir().mkpath(DataFile(QStringLiteral("chart.gra"))));
    EXPECT_THROW(SaveGraWithPicture(*state, host, views), FileError);
    EXPECT_FALSE(QFileInfo::exists(PictureFile(QString()))); // not even the folder
    EXPECT_TRUE(state->Main.GraFileName.isEmpty());
}

TEST_F(GraCommands, SavedWorkOpensAgainAsItWas) {
    state->Texts.MinY = QStringLiteral("1.5");
    state->Setup.ScaleX = ScaleKind::Log10;
    state->Setup.ScaleY = ScaleKind::Ln;
    AppendPoint(state->Store, 1, 140, 300);
    AppendPoint(state->Store, 3, -5, 700);
    SaveGraWithPicture(*state, host, views);

    auto opened = CalibratedState();
    opened->Main.AppDir = appDir.path();
    opened->Main.ToolMode = Tool::Eraser;
    FakeViews openedViews;
    OpenGraPath(*opened, openedViews, DataFile(QStringLiteral("chart.gra")));

    EXPECT_EQ(Positions(opened->Store, 1), Positions(state->Store, 1));
    EXPECT_EQ(Positions(opened->Store, 3), Positions(state->Store, 3));
    EXPECT_EQ(std::tuple(opened->Texts.MinY, opened->Setup.ScaleX, opened->Setup.ScaleY),
              std::tuple(QStringLiteral("1.5"), ScaleKind::Log10, ScaleKind::Ln));
    EXPECT_EQ(opened->Pics.Clean, state->Pics.Clean);
    EXPECT_EQ(std::tuple(opened->Main.GraFileName, opened->Main.ToolMode, opened->Main.ScaleIndex),
              std::tuple(DataFile("chart.gra"), Tool::SetPoint, kScaleOneToOne));
}

struct DamagedWork {
    std::string Name;
    int Line; // replaced by Text unless 0
    QByteArray Text;
    QString PictureName;  // the picture written beside the file
    const char* Expected; // besides the file name
};

class DamagedWorkIsRefused : public GraCommands,
                             public ::testing::WithParamInterface<DamagedWork> {};

TEST_P(DamagedWorkIsRefused, AndTheCurrentWorkStaysUntouched) {
    AppendPoint(state->Store, 2, 200, 250);
    state->Main.ToolMode = Tool::Eraser;
    state->Main.GraFileName = QStringLiteral("/old/work.gra");
    state->Setup.ScaleY = ScaleKind::Log10;
    state->Texts.MinX = QStringLiteral("0.25");
    RefreshAll(*state, views);
    RedrawPicture(*state, views);
    const WorkSnapshot before = Snapshot(*state);
    const FakeViews viewsBefore = views;

    const DamagedWork& damage = GetParam();
    QByteArrayList lines = WriteGraText(CalibratedWork(QStringLiteral("chart.bmp"))).split('\n');
    if (damage.Line != 0) {
        lines[damage.Line - 1] = damage.Text + '\r';
    }
    ASSERT_TRUE(PatternPicture(7, 7).save(elsewhere.filePath(damage.PictureName), "BMP"));
    const QString path = elsewhere.filePath(QStringLiteral("damaged.gra"));
    WriteBytes(path, lines.join('\n'));

    const std::string message = ErrorOf<FileError>([&] { OpenGraPath(*state, views, path); });
    EXPECT_TRUE(Mentions(message, path.toStdString()));
    EXPECT_TRUE(Mentions(message, damage.Expected));
    EXPECT_EQ(Snapshot(*state), before);
    EXPECT_EQ(views.Caption, viewsBefore.Caption);
    EXPECT_EQ(views.TableChanges, viewsBefore.TableChanges);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedWorkIsRefused,
    ::testing::Values(
        DamagedWork{"NotAnInteger", 7, "4OO", "chart.bmp", "line 7: \"4OO\" is not an integer"},
        DamagedWork{"MissingPicture", 0, {}, "x.bmp", "chart.bmp"},
        DamagedWork{"PictureNotAPicture", 1, "damaged.gra", "chart.bmp", "damaged.gra"},
        DamagedWork{"AxesOfNoLength", 8, "100", "chart.bmp", "no chart values"}), // X-max on zero
    [](const auto& info) { return info.param.Name; });
// clang-format on

TEST_F(GraCommands, PictureIsFoundInDataGrafiksThenBesideTheFile) {
    const QString gra = elsewhere.filePath(QStringLiteral("work.gra"));
    const QString name = QStringLiteral("chart.bmp");
    const QString inData = PictureFile(name);
    const QString inGrafiks = elsewhere.filePath(QStringLiteral("Grafiks/chart.bmp"));
    const QString beside = elsewhere.filePath(name);
    EXPECT_THROW(FindGraPicture(appDir.path(), gra, name), FileError);
    for (const QString& path : {beside, inGrafiks, inData}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        WriteBytes(path, "x");
        EXPECT_EQ(FindGraPicture(appDir.path(), gra, name), path);
    }
}

} // namespace
} // namespace lineora::test
