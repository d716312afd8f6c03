#include "app/Startup.h"

#include "app/PictureView.h"
#include "app/Windows.h"
#include "commands/State.h"
#include "common/NumberText.h"
#include "curves/GraFile.h"
#include "support/ScriptedHost.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

struct DateCase {
    const char* compiler;
    const char* shown;
};

class BuildDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(BuildDateTest, CompilerDateBecomesDayMonthYearWithTrailingBlank) {
    EXPECT_EQ(BuildDateText(GetParam().compiler), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(CompilerDates, BuildDateTest,
                         ::testing::Values(DateCase{"Oct 24 2001", "24/10/2001 "},
                                           DateCase{"Jan  1 2025", "01/01/2025 "},
                                           DateCase{"Dec 31 1999", "31/12/1999 "},
                                           DateCase{"Foo 12 2020", "Foo 12 2020"},
                                           DateCase{"garbage", "garbage"}));

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    Windows windows;
};

TEST_F(StartupTest, PictureOnTheCommandLineIsOpenedAndWorkStartsEmptyAtOneToOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("chart.bmp"));
    QImage chart(120, 80, QImage::Format_RGB32);
    chart.fill(Qt::white);
    ASSERT_TRUE(chart.save(path, "BMP"));
    host.Separator = QLatin1Char(',');

    StartProgram(*state, host, windows, {QStringLiteral("lineora"), path}, StartupOptions{false});

    EXPECT_TRUE(host.Shown.isEmpty()) << host.Shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("\"Lineora 3\""));
    EXPECT_EQ(state->Pics.PictureWidth, 120);
    EXPECT_EQ(state->Pics.PictureHeight, 80);
    EXPECT_EQ(windows.FormLineora->windowTitle(), QStringLiteral("Lineora3   ") + path);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
    EXPECT_EQ(state->Main.ScaleIndex, kScaleOneToOne);
    EXPECT_EQ(windows.FormLineora->imgGrafik->size(), QSize(120, 80));
    EXPECT_TRUE(windows.FormLineora->mastab5->isChecked());
    EXPECT_TRUE(windows.FormLineora->SpeedButtonLine1->isChecked());
    EXPECT_TRUE(windows.FormLineora->ButtonSetPoint->isChecked());
    EXPECT_EQ(state->Main.VersionText, QStringLiteral("v 2.10"));
    EXPECT_TRUE(state->Main.BuildDateText.endsWith(QLatin1Char(' ')));
    EXPECT_EQ(DecimalChar(), QLatin1Char(','));
    EXPECT_EQ(windows.FormAbout->LabelDecimalPointer->text(), QStringLiteral(","));
    SetDecimalChar(QLatin1Char('.'));
}

TEST_F(StartupTest, MissingCommandLinePictureIsReportedAndStartupGoesOn) {
    StartProgram(*state, host, windows,
                 {QStringLiteral("lineora"), QStringLiteral("/nonexistent/chart.bmp")},
                 StartupOptions{false});

    EXPECT_EQ(host.Shown.size(), 1);
    EXPECT_EQ(state->Pics.PictureWidth, 0);
    ASSERT_NE(windows.FormLineora, nullptr);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
}

TEST_F(StartupTest, GraphDataFileOnTheCommandLineIsOpenedLastSoItsPointsStay) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage chart(120, 80, QImage::Format_RGB32);
    chart.fill(Qt::white);
    ASSERT_TRUE(chart.save(folder.filePath(QStringLiteral("chart.bmp")), "BMP"));
    GraData work;
    work.PictureName = QStringLiteral("chart.bmp");
    work.MinX = work.MinY = QStringLiteral("0");
    work.MaxX = work.MaxY = QStringLiteral("10");
    work.ZeroPointX = 10;
    work.ZeroPointY = 70;
    work.XMaxPointX = 110;
    work.YMaxPointX = 10;
    work.XMaxPointY = 70;
    work.YMaxPointY = 10;
    work.Curves[2] = {{20, 60}, {30, 50}};
    const QString path = folder.filePath(QStringLiteral("work.GRA"));
    SaveGraFile(path, WriteGraText(work));

    StartProgram(*state, host, windows, {QStringLiteral("lineora"), path}, StartupOptions{false});

    EXPECT_TRUE(host.Shown.isEmpty()) << host.Shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(state->Store.LineNext[2], 3);
    EXPECT_EQ(state->Main.GraFileName, path);
    EXPECT_EQ(state->Pics.PictureWidth, 120);
    EXPECT_EQ(windows.FormLineora->windowTitle(),
              QStringLiteral("Lineora3   ") + folder.filePath(QStringLiteral("chart.bmp")));
}

TEST_F(StartupTest, MissingGraphDataFileOnTheCommandLineIsReported) {
    StartProgram(*state, host, windows,
                 {QStringLiteral("lineora"), QStringLiteral("/nonexistent/work.GRA")},
                 StartupOptions{false});

    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(host.Shown[0].contains(QStringLiteral("/nonexistent/work.GRA")));
    EXPECT_EQ(state->Pics.PictureWidth, 0);
}

} // namespace
} // namespace lineora::test
