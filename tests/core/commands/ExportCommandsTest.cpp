#include "CommandTestSupport.h"
#include "core/commands/GraCommands.h"

namespace lineora::test {
namespace {

class ExportCommands : public CommandTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        state->Setup.Separator = SeparatorChoice::Point;
        state->Setup.ExportFormat = NumberFormat::Standard;
        // Two points on curve 1 at X 5 and 7.5, one on curve 2, picked on the worked example.
        AppendPoint(state->Store, 1, 300, 250);
        AppendPoint(state->Store, 1, 400, 100);
        AppendPoint(state->Store, 2, 140, 300);
        RefreshAll(*state, views);
    }

    QByteArray FileBytes(const QString& name) const { return ReadBytes(folder.filePath(name)); }

    QTemporaryDir folder;
};

const QString kTwoCurvesText = QStringLiteral("  5.0000\t  1.5000\r\n"
                                              "  7.5000\t  3.0000\r\n"
                                              "  1.0000\t\t  1.0000\r\n");

TEST_F(ExportCommands, RefreshAllRebuildsTheTextOutputButNotInASpecialMode) {
    EXPECT_EQ(std::pair(state->Output.MemoText, state->Output.ExportText),
              std::pair(kTwoCurvesText, kTwoCurvesText));

    // A special mode writes its own table into the text output, never the export text.
    state->Main.SpecialMode = 3;
    state->Texts.PolarMaxX = QStringLiteral("100");
    state->Output.MemoText.clear();
    state->Output.ExportText.clear();
    RefreshAll(*state, views);
    EXPECT_TRUE(state->Output.MemoText.startsWith(QStringLiteral("ILLUM Data Base")));
    EXPECT_TRUE(state->Output.ExportText.isEmpty());
    EXPECT_EQ(views.TableChanges, 2); // the table follows both refreshes
}

// A cancelled or failed save writes nothing and leaves an old file whole; a save writes the text
// and one CR LF.
TEST_F(ExportCommands, SaveWritesTheTextAndOneCrLfAndAFailedOneNothing) {
    const QString old = folder.filePath(QStringLiteral("old.txt"));
    WriteBytes(old, "old contents");
    SaveTextOutput(*state, host); // cancelled
    host.FileNames = {folder.filePath(QStringLiteral("no/such/folder/x.txt")), old};
    EXPECT_THROW(SaveExportText(*state, host, QStringLiteral("new")), FileError);
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(SaveExportText(*state, host, QString(1000, QLatin1Char('x'))), FileError);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    EXPECT_EQ(ReadBytes(old), QByteArray("old contents"));

    host.FileNames = {folder.filePath(QStringLiteral("out.txt")),
                      folder.filePath(QStringLiteral("bare"))};
    SaveTextOutput(*state, host);
    EXPECT_EQ(FileBytes(QStringLiteral("out.txt")), (kTwoCurvesText + "\r\n").toUtf8());
    SaveExportText(*state, host, QString());
    EXPECT_EQ(FileBytes(QStringLiteral("bare.txt")), QByteArray("\r\n"));
}

TEST_F(ExportCommands, PasteWithoutAPictureChangesNothingAndAPictureReplacesTheWork) {
    SetScaleIndex(*state, views, 4); // 2:1
    const WorkSnapshot before = Snapshot(*state);
    const QString noPicture = LoadMessage(state->Messages, QStringLiteral("msgMessaga14"));
    EXPECT_FALSE(ClipboardPreview(*state, host).has_value());
    PastePicture(*state, host, views, QImage());
    EXPECT_EQ(host.Shown, (QStringList{noPicture, noPicture}));
    EXPECT_EQ(Snapshot(*state), before);

    host.Shown.clear();
    host.Clipboard = WhitePicture(30, 20);
    PastePicture(*state, host, views, ClipboardPreview(*state, host).value());
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_EQ(
        std::tuple(state->Pics.PictureFileName, state->Pics.PictureWidth, state->Main.ScaleIndex),
        std::tuple(QStringLiteral("clipboard"), 30, kScaleOneToOne));
    EXPECT_EQ(Points(*state, 1) + Points(*state, 2), 0);
}

// Whole pieces of work: each folder under tests/workflows holds a work.gra, its picture and
// the text the text output window must show once the file is opened.

struct WorkflowCase {
    const char* Folder;
    NumberFormat Format;
    SeparatorChoice Separator;
    char SystemSeparator;
    const char* Expected;
};

QString CaseFile(const char* folder, const char* name) {
    return QDir(QStringLiteral(LINEORA_WORKFLOWS))
        .filePath(QLatin1String(folder) + QLatin1Char('/') + QLatin1String(name));
}

using Workflow = ::testing::TestWithParam<WorkflowCase>;

TEST_P(Workflow, OpeningTheWorkGivesTheExpectedExportText) {
    const WorkflowCase& workflow = GetParam();
    const DecimalCharGuard separator(QLatin1Char(workflow.SystemSeparator));
    QTemporaryDir appDir; // an empty program folder: the picture lies beside the file
    ASSERT_TRUE(appDir.isValid());
    auto state = std::make_unique<State>();
    state->Main.AppDir = appDir.path();
    state->Setup.XDirection = 1;
    state->Setup.ExportFormat = workflow.Format;
    state->Setup.Separator = workflow.Separator;
    FakeViews views;

    OpenGraPath(*state, views, CaseFile(workflow.Folder, "work.gra"));
    const QByteArray expected = ReadBytes(CaseFile(workflow.Folder, workflow.Expected));
    ASSERT_FALSE(expected.isEmpty()) << workflow.Folder;
    EXPECT_EQ(state->Output.MemoText.toUtf8(), expected);
}

using F = NumberFormat;
using S = SeparatorChoice;

INSTANTIATE_TEST_SUITE_P(
    Cases, Workflow,
    ::testing::Values(
        // Opening sorts the current curve (1) by X; the other curves keep the file's order.
        WorkflowCase{"unsorted-current-curve", F::Scientific, S::Point, '.', "expected-window.txt"},
        WorkflowCase{"ln-lf-only", F::Standard, S::Point, '.', "expected.txt"}));

} // namespace
} // namespace lineora::test
