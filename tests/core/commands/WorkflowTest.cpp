// Whole pieces of work as a user meets them: each folder under tests/workflows holds a work.gra,
// its picture and the text the text output window must show once the file is opened.

#include "core/commands/FakeViews.h"
#include "core/commands/GraCommands.h"
#include "core/commands/State.h"
#include "support/DecimalCharGuard.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace lineora::test {
namespace {

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
        WorkflowCase{"linear-standard-point", F::Standard, S::Point, '.', "expected.txt"},
        WorkflowCase{"log10x-scientific-comma", F::Scientific, S::Comma, '.', "expected.txt"},
        WorkflowCase{"comma-texts", F::Standard, S::System, ',', "expected-comma-system.txt"},
        // Opening sorts the current curve (1) by X; the other curves keep the file's order.
        WorkflowCase{"unsorted-current-curve", F::Scientific, S::Point, '.', "expected-window.txt"},
        WorkflowCase{"ln-lf-only", F::Standard, S::Point, '.', "expected.txt"}));

} // namespace
} // namespace lineora::test
