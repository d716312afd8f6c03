#include "ui/app/Startup.h"

#include "core/commands/State.h"
#include "core/common/NumberText.h"
#include "core/curves/GraFile.h"
#include "support/DecimalCharGuard.h"
#include "support/ScriptedHost.h"
#include "ui/app/PictureView.h"
#include "ui/app/Windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <utility>

namespace lineora::test {
namespace {

TEST(BuildDateTest, CompilerDateBecomesDayMonthYearWithTrailingBlank) {
    const std::pair<const char*, const char*> cases[] = {{"Oct 24 2001", "24/10/2001 "},
                                                         {"Jan  1 2025", "01/01/2025 "},
                                                         {"Foo 12 2020", "Foo 12 2020"},
                                                         {"garbage", "garbage"}};
    for (const auto& [compiler, shown] : cases) {
        EXPECT_EQ(BuildDateText(compiler), QString::fromLatin1(shown)) << compiler;
    }
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString WriteChart() {
        QImage chart(120, 80, QImage::Format_RGB32);
        chart.fill(Qt::white);
        const QString path = folder.filePath(QStringLiteral("chart.bmp"));
        EXPECT_TRUE(chart.save(path, "BMP"));
        return path;
    }

    void Start(const QString& file) {
        StartProgram(*state, host, windows, {QStringLiteral("lineora"), file},
                     StartupOptions{false});
    }

    DecimalCharGuard separator; // startup reads the host's
    QTemporaryDir folder;
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    Windows windows;
};

TEST_F(StartupTest, PictureOnTheCommandLineIsOpenedAndWorkStartsEmptyAtOneToOne) {
    const QString path = WriteChart();
    host.Separator = QLatin1Char(',');
    Start(path);

    EXPECT_EQ(host.Shown, QStringList());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("\"Lineora 3\""));
    EXPECT_EQ(windows.FormLineora->windowTitle(), QStringLiteral("Lineora3   ") + path);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
    EXPECT_EQ(state->Main.ScaleIndex, kScaleOneToOne);
    EXPECT_EQ(windows.FormLineora->imgGrafik->size(), QSize(120, 80));
    EXPECT_TRUE(windows.FormLineora->mastab5->isChecked());
    EXPECT_TRUE(windows.FormLineora->ButtonSetPoint->isChecked());
    EXPECT_EQ(DecimalChar(), QLatin1Char(','));
    EXPECT_EQ(windows.FormAbout->LabelDecimalPointer->text(), QStringLiteral(","));
}

TEST_F(StartupTest, GraphDataFileOnTheCommandLineIsOpenedLastSoItsPointsStay) {
    const QString chart = WriteChart();
    GraData work{"chart.bmp", "0", "10", "0", "10", 10, 70, 110, 70, 10, 10, 1, 1, {}};
    work.Curves[2] = {{20, 60}, {30, 50}};
    const QString path = folder.filePath(QStringLiteral("work.GRA"));
    SaveGraFile(path, WriteGraText(work));
    Start(path);

    EXPECT_EQ(host.Shown, QStringList());
    EXPECT_EQ(state->Store.LineNext[2], 3);
    EXPECT_EQ(state->Main.GraFileName, path);
    EXPECT_EQ(windows.FormLineora->windowTitle(), QStringLiteral("Lineora3   ") + chart);
}

TEST_F(StartupTest, AMissingFileOnTheCommandLineIsReportedAndStartupGoesOn) {
    for (const QString& path :
         {QStringLiteral("/nonexistent/chart.bmp"), QStringLiteral("/nonexistent/work.GRA")}) {
        auto fresh = std::make_unique<State>();
        ScriptedHost reporter;
        Windows started;
        StartProgram(*fresh, reporter, started, {QStringLiteral("lineora"), path},
                     StartupOptions{false});
        ASSERT_EQ(reporter.Shown.size(), 1) << path.toStdString();
        EXPECT_TRUE(reporter.Shown[0].contains(path)) << reporter.Shown[0].toStdString();
        EXPECT_EQ(fresh->Pics.PictureWidth, 0);
        EXPECT_EQ(fresh->Main.ToolMode, Tool::SetPoint);
    }
}

} // namespace
} // namespace lineora::test
