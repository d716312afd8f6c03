// --light-table: the table of a saved work as the mode shows it, written with CR LF.

#include "FormRuns.h"

#include "core/curves/GraFile.h"

#include <ostream>
#include <string>

namespace {

using namespace lineora::cli;
using lineora::GraData;
using lineora::PicturePoint;

// Polar: zero point (100, 100), outer circle 100 pixels away, so that at the polar maximum 100
// a radius in pixels is the intensity. Cartesian: angle = x - 100 from -90 to 90, intensity =
// 110 - y from 0 to 100.
GraData PolarWork() {
    // 53.13 degrees below the axis, 45 above, 0: the halves are folded and sorted by angle.
    return {"polar.bmp", "0",  "100",
            "0",         "10", {100, 100, 200, 100, 100, 0},
            1,           1,    {{{}, {{130, 140}, {150, 50}, {180, 100}}}}};
}
GraData CartesianWork(std::int32_t secondAxisY) {
    return {"cartesian.bmp",
            "-90",
            "90",
            "0",
            "100",
            {10, 110, 190, 110, 10, 10},
            1,
            1,
            {{{},
              {{110, 30}, {120, 50}},
              {},
              {{140, 30}},
              {{120, 50}},
              {{100, -10}, {130, secondAxisY}}}}};
}

// The heads and marks are the generators' (their tests pin them); here the rows the work gives,
// and CR LF closing every line of the file.
std::string DataRows(const QByteArray& file) {
    EXPECT_TRUE(file.endsWith("End of File ----" + QByteArray(58, '-') + "\r\n"));
    std::string rows;
    for (const QByteArray& line : file.split('\n')) {
        EXPECT_TRUE(line.isEmpty() || line.endsWith('\r'));
        if (line.startsWith(' ')) {
            rows += line.chopped(1).toStdString() + "\n";
        }
    }
    return rows;
}

struct LightCase {
    const char* Name;
    const char* Arguments; // before the work and -o
    bool Polar;
    std::string Expected;
    const char* Config = "";
    char System = '.';
};

void PrintTo(const LightCase& c, std::ostream* out) {
    *out << c.Name;
}

class LightTableForm : public FormTest, public ::testing::WithParamInterface<LightCase> {};

TEST_P(LightTableForm, WritesTheTable) {
    const LightCase& c = GetParam();
    const GraData work = c.Polar ? PolarWork() : CartesianWork(50);
    Save(WhitePicture(220, 220), c.Polar ? "polar.bmp" : "cartesian.bmp");
    lineora::SaveGraFile(Path("work.gra"), lineora::WriteGraText(work));
    if (*c.Config) {
        lineora::test::WriteBytes(Path("lineora3.Ini"), c.Config);
    }
    const Outcome run = Run(Words("--light-table") << Words(c.Arguments) << "@/work.gra"
                                                   << "-o"
                                                   << "@/table.txt",
                            QLatin1Char(c.System));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, QByteArray());
    EXPECT_EQ(run.Out, QByteArray());
    EXPECT_EQ(DataRows(ReadBytes(Path("table.txt"))), c.Expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, LightTableForm, ::testing::Values(
    LightCase{"PolarOneCurve", "polar --intensity-max 100", true,
        "             0.00      |     100.00\n"
        "             0.00      |      80.00\n"
        "            45.00      |      71.00\n"
        "            53.13      |      50.00\n"
        "            90.00      |       0.00\n" },
    // The outer circle's intensity from the configuration, typed there with a comma.
    LightCase{"PolarTwoCurvesSymmetricCross", "polar --chart=two --cross-symmetric --angles "
        "different --upper 60 --right 70.5 --left 80 --i0 150", true,
        "      0.00        |      150.00        ||      0.00        |        150.00\n"
        "      0.00        |      160.00        ||      0.00        |        160.00\n"
        "     45.00        |      142.00        ||     45.00        |        142.00\n"
        "     53.13        |      100.00        ||     53.13        |        100.00\n"
        "     60.00        |        0.00        ||     60.00        |          0.00\n"
        "      0.00        |      150.00        ||      0.00        |        150.00\n"
        "     80.00        |        0.00        ||     70.50        |          0.00\n",
        "[Axes]\r\nPolarXmax=200,0\r\n", ','},
    LightCase{"CartesianOneCurve", "CARTESIAN", false,
        "             0.00      |     120.00\n"
        "            10.00      |      80.00\n"
        "            20.00      |      60.00\n" },
    LightCase{"CartesianShift", "cartesian --chart shift --no-long-symmetric", false,
        "      0.00        |      120.00        ||      0.00        |        120.00\n"
        "     10.00        |       80.00        ||     10.00        |         80.00\n"
        "     20.00        |       60.00        ||     20.00        |         60.00\n"
        "      0.00        |      120.00        ||      0.00        |        120.00\n"
        "     10.00        |      120.00        ||     10.00        |        160.00\n" }),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

using LightTableRefusal = FormTest;

TEST_F(LightTableRefusal, ShiftOntoAZeroAxialIntensityKeepsTheOldTable) {
    Save(WhitePicture(220, 220), "cartesian.bmp");
    lineora::SaveGraFile(Path("work.gra"), lineora::WriteGraText(CartesianWork(110)));
    lineora::test::WriteBytes(Path("table.txt"), "old");
    const Outcome run =
        Run(Words("--light-table cartesian --chart shift @/work.gra -o") << "@/table.txt");
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains("axial intensity of the second curve pair is 0"))
        << run.Err.toStdString();
    EXPECT_EQ(ReadBytes(Path("table.txt")), QByteArray("old"));
}

} // namespace
