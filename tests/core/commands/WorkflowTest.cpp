// Whole pieces of work as a user meets them: a graph data file with its picture is opened and
// the text output window's text, which copy and save export, is compared byte for byte with a
// text made by hand. Each case is a folder under tests/workflows: work.gra, its picture, and
// the expected texts.

#include "core/commands/FakeViews.h"
#include "core/commands/GraCommands.h"
#include "core/commands/State.h"
#include "support/DecimalCharGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace lineora::test {
namespace {

struct WorkflowCase {
    const char* Folder;
    NumberFormat Format;
    SeparatorChoice Separator;
    char SystemSeparator;
    const char* Expected;
};

void PrintTo(const WorkflowCase& workflow, std::ostream* out) {
    *out << workflow.Folder << " -> " << workflow.Expected;
}

QString CaseFile(const char* folder, const char* name) {
    return QDir(QStringLiteral(LINEORA_WORKFLOWS))
        .filePath(QLatin1String(folder) + QLatin1Char('/') + QLatin1String(name));
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
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
    // What the text output window holds, and so what copy and save export.
    EXPECT_EQ(state->Output.MemoText.toUtf8(),
              ReadBytes(CaseFile(workflow.Folder, workflow.Expected)));
}

using F = NumberFormat;
using S = SeparatorChoice;

INSTANTIATE_TEST_SUITE_P(
    Cases, Workflow,
    ::testing::Values(
        WorkflowCase{"linear-standard-point", F::Standard, S::Point, '.', "expected.txt"},
        WorkflowCase{"log10x-scientific-comma", F::Scientific, S::Comma, '.', "expected.txt"},
        WorkflowCase{"comma-texts", F::Standard, S::System, ',', "expected-comma-system.txt"},
        // Opening sorts the current curve (1) by X; the other curves keep the file's order.
        WorkflowCase{"unsorted-current-curve", F::Scientific, S::Point, '.', "expected-window.txt"},
        WorkflowCase{"ln-lf-only", F::Standard, S::Point, '.', "expected.txt"}));

} // namespace
} // namespace lineora::test
