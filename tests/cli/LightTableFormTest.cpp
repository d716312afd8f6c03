// --light-table: the table of a saved work as the mode shows it, written with CR LF. One run
// per chart; the layout itself is pinned by the generators' tests.

#include "FormRuns.h"

#include "core/curves/GraFile.h"

#include <string>

namespace {

using namespace lineora::cli;

// The rows the work gives (the heads and marks are the generators'), and CR LF closing every
// line of the file.
std::string DataRows(const QByteArray& file) {
    std::string rows;
    for (const QByteArray& line : file.split('\n')) {
        EXPECT_TRUE(line.isEmpty() || line.endsWith('\r'));
        if (line.startsWith(' ')) {
            rows += line.chopped(1).toStdString() + "\n";
        }
    }
    return rows;
}

class LightTableForm : public FormTest {
protected:
    // Saves the work with a blank picture, runs the form on it and returns the table's rows.
    std::string Rows(const lineora::GraData& work, const char* arguments, char system = '.') {
        Save(WhitePicture(220, 220), work.PictureName.toUtf8().constData());
        lineora::SaveGraFile(Path("work.gra"), lineora::WriteGraText(work));
        const Outcome run =
            Run(Words("--light-table") << Words(arguments) << Words("@/work.gra -o @/table.txt"),
                QLatin1Char(system));
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err + run.Out, QByteArray());
        return DataRows(ReadBytes(Path("table.txt")));
    }
};

// Zero point (100, 100), outer circle 100 pixels away: at the polar maximum of 200 the
// configuration gives (typed there with a comma) a radius in pixels is half the intensity.
// 53.13 degrees below the axis, 45 above, 0: the halves are folded and sorted by angle.
TEST_F(LightTableForm, PolarTwoCurvesWithTheConfigurationsMaximum) {
    lineora::test::WriteBytes(Path("lineora3.Ini"), "[Axes]\r\nPolarXmax=200,0\r\n");
    const lineora::GraData work{.PictureName = "polar.bmp",
                                .MinX = "0",
                                .MaxX = "100",
                                .MinY = "0",
                                .MaxY = "10",
                                .Points = {100, 100, 200, 100, 100, 0},
                                .Curves = {{{}, {{130, 140}, {150, 50}, {180, 100}}}}};
    EXPECT_EQ(Rows(work,
                   "polar --chart=two --cross-symmetric --angles different --upper 60 "
                   "--right 70.5 --left 80 --i0 150",
                   ','),
              "      0.00        |      150.00        ||      0.00        |        150.00\n"
              "      0.00        |      160.00        ||      0.00        |        160.00\n"
              "     45.00        |      142.00        ||     45.00        |        142.00\n"
              "     53.13        |      100.00        ||     53.13        |        100.00\n"
              "     60.00        |        0.00        ||     60.00        |          0.00\n"
              "      0.00        |      150.00        ||      0.00        |        150.00\n"
              "     80.00        |        0.00        ||     70.50        |          0.00\n");
}

// Angle = x - 100 from -90 to 90, intensity = 110 - y from 0 to 100; the second pair's axis
// at 30 degrees and 60 against the first pair's 120.
TEST_F(LightTableForm, CartesianShift) {
    const lineora::GraData work{
        .PictureName = "cartesian.bmp",
        .MinX = "-90",
        .MaxX = "90",
        .MinY = "0",
        .MaxY = "100",
        .Points = {10, 110, 190, 110, 10, 10},
        .Curves = {
            {{}, {{110, 30}, {120, 50}}, {}, {{140, 30}}, {{120, 50}}, {{100, -10}, {130, 50}}}}};
    EXPECT_EQ(Rows(work, "CARTESIAN --chart shift --no-long-symmetric"),
              "      0.00        |      120.00        ||      0.00        |        120.00\n"
              "     10.00        |       80.00        ||     10.00        |         80.00\n"
              "     20.00        |       60.00        ||     20.00        |         60.00\n"
              "      0.00        |      120.00        ||      0.00        |        120.00\n"
              "     10.00        |      120.00        ||     10.00        |        160.00\n");
}

} // namespace
