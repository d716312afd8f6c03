// The built program run as a script runs it, with no display: the forms answer on its real
// streams with its exit status, and none of them reaches for a window.

#include "FormRuns.h"

namespace {

using lineora::cli::Outcome;
using lineora::cli::RunProgram;

TEST(Program, HelpGoesToTheOutputStream) {
    const Outcome run = RunProgram({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Out.startsWith("Usage: lineora")) << run.Out.toStdString();
    EXPECT_EQ(run.Err, QByteArray());
}

// The separator of the machine's locale reaches the text.
TEST(Program, ExportsWithTheSeparatorOfTheLocale) {
    const Outcome run = RunProgram({"--export", "--separator", "system", "--format", "standard",
                                    lineora::cli::CaseFile("comma-texts", "work.gra")},
                                   "de_DE.UTF-8");
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, lineora::cli::ReadBytes(
                           lineora::cli::CaseFile("comma-texts", "expected-comma-system.txt")));
}

TEST(Program, PictureFormWritesItsFileWithoutADisplay) {
    QTemporaryDir folder;
    ASSERT_TRUE(lineora::cli::White(20, 10).save(folder.filePath("in.png")));
    const Outcome run =
        RunProgram({"--rotate", "-5", folder.filePath("in.png"), folder.filePath("out.bmp")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, QByteArray());
    EXPECT_FALSE(QImage(folder.filePath("out.bmp")).isNull());
}

// Only a name that does not start with "-" is a file to open in the window.
TEST(Program, MistypedOptionIsRefusedWithoutOpeningTheWindow) {
    const Outcome run = RunProgram({"-x.png"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("unknown option \"-x.png\"")) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QByteArray());
}

} // namespace
