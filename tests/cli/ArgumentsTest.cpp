// The one argument parser, and every form's refusals: a message, exit status 2 for wrong
// arguments and 1 for a file that cannot be read or written, and nothing written.

#include "FormRuns.h"

#include "cli/CommandLineArgs.h"

#include <map>
#include <string>

namespace {

using namespace lineora::cli;
using lineora::ParseArguments;
using lineora::UsageError;

struct ArgumentsCase {
    const char* Name;
    const char* Arguments;
    std::map<QString, QString> Options{};
    const char* Files = "";
    bool Help = false;
    const char* Error = nullptr; // the usage error's text, when the arguments are refused
    const char* Flags = "";
};

class Arguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, SplitIntoOptionsAndFiles) {
    const ArgumentsCase& c = GetParam();
    try {
        const lineora::ParsedArguments parsed =
            ParseArguments(Words(c.Arguments), {QStringLiteral("--format"), QStringLiteral("-o")},
                           {QStringLiteral("--on")});
        ASSERT_EQ(c.Error, nullptr) << "accepted";
        EXPECT_EQ(parsed.Options.toStdMap(), c.Options);
        EXPECT_EQ(parsed.Files, Words(c.Files));
        EXPECT_EQ(parsed.Flags, Words(c.Flags));
        EXPECT_EQ(parsed.Help, c.Help);
    } catch (const UsageError& error) {
        ASSERT_NE(c.Error, nullptr) << error.what();
        EXPECT_STREQ(error.what(), c.Error);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, Arguments, ::testing::Values(
    ArgumentsCase{"ValueAfterTheName", "--format x a", {{"--format", "x"}}, "a"},
    ArgumentsCase{"ValueAfterEquals", "a --format=x=y -o=b", {{"--format", "x=y"}, {"-o", "b"}}, "a"},
    ArgumentsCase{"EmptyValueAfterEquals", "--format=", {{"--format", ""}}},
    ArgumentsCase{"ValueThatLooksLikeAnOption", "-o --format", {{"-o", "--format"}}},
    ArgumentsCase{"NegativeNumbersAreFiles", "-3 -1.5e2 - -.5", {}, "-3 -1.5e2 - -.5"},
    ArgumentsCase{"DoubleDashEndsTheOptions", "-o a -- --format -- -h", {{"-o", "a"}}, "--format -- -h"},
    ArgumentsCase{"Help", "a -h --help", {}, "a", true},
    ArgumentsCase{"UnknownOption", "--colour red", {}, "", false, "unknown option \"--colour\""},
    ArgumentsCase{"NotANumber", "-3x", {}, "", false, "unknown option \"-3x\""},
    ArgumentsCase{"MissingValue", "a --format", {}, "", false, "--format needs a value"},
    ArgumentsCase{"Switch", "--on a --on -o --on", {{"-o", "--on"}}, "a", false, nullptr, "--on"},
    ArgumentsCase{"SwitchWithAValue", "--on=1", {}, "", false, "--on takes no value"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

struct Refusal {
    const char* Name;
    const char* Arguments; // "@" stands for the folder, which holds the picture in.png
    int Status;
    const char* Err;
    const char* Config = nullptr; // lineora3.Ini beside the program
};

class Refusals : public FormTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ReportAndWriteNothing) {
    const Refusal& c = GetParam();
    Save(WhitePicture(30, 30), "in.png");
    if (c.Config != nullptr) {
        lineora::test::WriteBytes(Path("lineora3.Ini"), c.Config);
    }
    const QStringList before = Entries();
    const Outcome run = Run(Words(c.Arguments));
    EXPECT_EQ(run.Status, c.Status);
    EXPECT_TRUE(run.Err.startsWith("lineora: ")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(c.Err)) << run.Err.toStdString();
    // Only a usage error points to the help.
    EXPECT_EQ(run.Err.contains("lineora --help"), c.Status == 2) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QByteArray());
    EXPECT_EQ(Entries(), before);
}

// clang-format off
// Only a file name opens the window: anything else starting with "-" is a usage error, which
// without a display must not reach for one.
INSTANTIATE_TEST_SUITE_P(FirstArgumentAndExport, Refusals, ::testing::Values(
    Refusal{"Unknown", "--bogus", 2, "unknown option \"--bogus\"\nUsage:"},
    Refusal{"NoFile", "--export", 2, "--export needs the graph data file"},
    Refusal{"TwoFiles", "--export @/w.gra @/x.gra", 2, "x.gra\" is one too many"},
    Refusal{"UnknownFormat", "--export --format fancy @/w.gra", 2, "unknown format \"fancy\""},
    Refusal{"UnknownSeparator", "--export --separator=dot @/w.gra", 2, "unknown separator \"dot\""},
    Refusal{"MissingFile", "--export @/none.gra", 1, "none.gra"}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(PictureForms, Refusals, ::testing::Values(
    Refusal{"CleanOneFile", "--clean-specks @/in.png", 2, "IN OUT.bmp, got 1"},
    Refusal{"CleanMissing", "--clean-specks @/none.png @/out.bmp", 1, "none.png"},
    Refusal{"RotateUpright", "--rotate -- -90 @/in.png @/out.bmp", 2, "between -90 and 90, not \"-90\""},
    Refusal{"RotateNaN", "--rotate nan @/in.png @/out.bmp", 2, "\"nan\""},
    Refusal{"RotateComma", "--rotate 1,5 @/in.png @/out.bmp", 2, "\"1,5\""},
    Refusal{"RectifyCorner", "--rectify 0,0 9,0 9;9 0,9 @/in.png @/out.bmp", 2, "\"9;9\""},
    Refusal{"RectifyThreeCorners", "--rectify 0,0 9,0 9,9 @/in.png @/out.bmp", 2, "got 5"},
    Refusal{"RectifyConcave", "--rectify 0,0 20,0 10,20 10,5 @/in.png @/out.bmp", 2, "inside"},
    Refusal{"RectifyHuge", "--rectify 0,0 9e9,0 9e9,9 0,9 @/in.png @/out.bmp", 2, "1 to 1000000"},
    Refusal{"AutoNoOutput", "--auto @/in.png", 2, "--auto needs -o"},
    Refusal{"AutoThresholdBelow0", "--auto --threshold=-1 @/in.png -o @/o", 2, "\"-1\""},
    Refusal{"AutoOneRange", "--auto --y-range 0:1 @/in.png -o @/o", 2, "--x-range and --y-range go"},
    Refusal{"AutoRangeNoNumber", "--auto --x-range 0:1x --y-range 0:1 @/in.png -o @/o", 2, "\"0:1x\""},
    Refusal{"AutoRangeOneBound", "--auto --x-range=-3 --y-range 0:1 @/in.png -o @/o", 2, "\"-3\""},
    Refusal{"AutoRangeEqual", "--auto --x-range 0:1 --y-range 2e0:2 @/in.png -o @/o", 2, "two different"},
    Refusal{"AutoRangeLog", "--auto --x-range 0:1 --y-range 0:1 @/in.png -o @/o", 2, "above zero",
            "[Axes]\nXScaleLogarifmNatX=1\n"},
    Refusal{"AutoNoAxisEnds", "--auto --x-range -1.5e3:2 --y-range 0:1 @/in.png -o @/o", 1,
            "ends of the axis lines were not found"},
    Refusal{"ExportCsvFormat", "--export --csv --format standard @/w.gra", 2, "--csv takes neither"},
    Refusal{"TraceNoCriterion", "--trace-color --points 5 @/w -o @/o", 2, "needs --criterion"},
    Refusal{"TraceCriterion", "--trace-color --criterion green --points 5 @/w -o @/o", 2, "\"green\""},
    Refusal{"TraceNoPoints", "--trace-color --criterion black @/w -o @/o", 2, "needs --points N"},
    Refusal{"TracePoints", "--trace-color --criterion black --points 1001 @/w -o @/o", 2, "1 to 1000"},
    Refusal{"TraceNeighbours9", "--trace-color --criterion color2 --points 5 --neighbours 9 @/w "
            "-o @/o", 2, "--neighbours takes a whole number from 0 to 8"},
    Refusal{"TraceColourTooBig", "--trace-color --criterion color --points 5 --color 0x1000000 "
            "@/w -o @/o", 2, "--color takes a colour 0xBBGGRR, not \"0x1000000\""}),
    [](const auto& info) { return std::string(info.param.Name); });

// Options the chosen setting of the mode's dialog disables are refused too.
INSTANTIATE_TEST_SUITE_P(LightTable, Refusals, ::testing::Values(
    Refusal{"NoOutput", "--light-table polar @/w", 2, "--light-table needs -o"},
    Refusal{"UnknownChartType", "--light-table polar --chart three @/w -o @/t", 2, "(one, two, shift)"},
    Refusal{"AngleBeyond180", "--light-table polar --angles different --upper 180.5 @/w -o @/t", 2,
            "--upper takes degrees from 0 to 180, not \"180.5\""},
    Refusal{"ShiftOfPolar", "--light-table polar --chart shift @/w -o @/t", 2,
            "--chart shift fits the cartesian chart only"},
    Refusal{"LimitOfFixedAngles", "--light-table polar --upper 30 @/w -o @/t", 2,
            "--upper fits --angles different only"},
    Refusal{"RightOfOneCurve", "--light-table polar --angles different --right 30 @/w -o @/t", 2,
            "--right fits --chart two only"},
    Refusal{"LowerOfSymmetricPlane", "--light-table polar --chart two --cross-symmetric --angles different "
            "--lower 30 @/w -o @/t", 2, "--lower does not fit a symmetric"},
    Refusal{"Contradiction", "--light-table polar --chart two --long-symmetric --no-long-symmetric @/w -o @/t",
            2, "contradict"},
    Refusal{"MissingWork", "--light-table polar @/w.gra -o @/t", 1, "w.gra"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

} // namespace
