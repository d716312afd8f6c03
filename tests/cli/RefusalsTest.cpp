// Every windowless form refuses what it cannot do with a message and an exit status (2 wrong
// arguments, 1 a file that cannot be read or written or gives no values) and writes nothing.

#include "FormRuns.h"

#include <string>

namespace {

using namespace lineora::cli;

struct Refusal {
    const char* Name;
    const char* Arguments; // "@" stands for the folder, which holds the picture in.png
    int Status;
    const char* Err;
    QByteArray Work{}; // @/w.gra, when given
};

class Refusals : public FormTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ReportAndWriteNothing) {
    const Refusal& c = GetParam();
    Save(White(30, 30), "in.png");
    if (!c.Work.isEmpty()) {
        Put("w.gra", c.Work);
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

// The worked example's graph data file with the given scale code of X.
QByteArray Work(const char* scaleX) {
    return QByteArray("chart.bmp\r\n0\r\n10\r\n0\r\n3\r\n100\r\n400\r\n500\r\n400\r\n100\r\n"
                      "100\r\n") +
           scaleX +
           "\r\n1\r\nL1\r\n2\r\n140\r\n300\r\nL2\r\n1\r\nL3\r\n1\r\nL4\r\n1\r\n"
           "L5\r\n1\r\n";
}

// clang-format off
// Only a file name opens the window: anything else starting with "-" is a usage error, which
// without a display must not reach for one.
INSTANTIATE_TEST_SUITE_P(FirstArgument, Refusals, ::testing::Values(
    Refusal{"Unknown", "--bogus", 2, "unknown option \"--bogus\"\nUsage:"},
    Refusal{"Capitals", "--EXPORT", 2, "unknown option"},
    Refusal{"Dash", "-", 2, "unknown option"},
    Refusal{"WithEquals", "--export=x.gra", 2, "unknown option"},
    Refusal{"DashedFileName", "-x.png", 2, "unknown option \"-x.png\""}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(Export, Refusals, ::testing::Values(
    Refusal{"NoFile", "--export", 2, "--export needs the graph data file"},
    Refusal{"TwoFiles", "--export @/w.gra @/x.gra", 2, "x.gra\" is one too many", Work("1")},
    Refusal{"UnknownFormat", "--export --format fancy @/w.gra", 2,
            "unknown format \"fancy\"", Work("1")},
    Refusal{"UnknownSeparator", "--export --separator=dot @/w.gra", 2,
            "unknown separator \"dot\"", Work("1")},
    Refusal{"UnknownOption", "--export --colour @/w.gra", 2,
            "unknown option \"--colour\"", Work("1")},
    Refusal{"MissingFile", "--export @/none.gra", 1, "none.gra"},
    Refusal{"ScaleCode4", "--export @/w.gra", 1, "line 12: the scale code 4", Work("4")},
    // Devices and pipes are not read (/dev/zero would never end); /dev/null stands for them,
    // as reading it is harmless should the check ever be lost.
    Refusal{"Device", "--export /dev/null", 1, "\"/dev/null\": it is not a regular file"}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(PictureForms, Refusals, ::testing::Values(
    Refusal{"CleanOneFile", "--clean-specks @/in.png", 2, "IN OUT.bmp, got 1"},
    Refusal{"CleanThreeFiles", "--clean-specks @/in.png @/a @/b", 2, "got 3"},
    Refusal{"CleanMissing", "--clean-specks @/none.png @/out.bmp", 1, "none.png"},
    Refusal{"RotateNoNumber", "--rotate abc @/in.png @/out.bmp", 2, "\"abc\""},
    Refusal{"RotateUpright", "--rotate 90 @/in.png @/out.bmp", 2, "\"90\""},
    Refusal{"RotateUprightDown", "--rotate -- -90 @/in.png @/out.bmp", 2,
            "between -90 and 90, not \"-90\""},
    Refusal{"RotateNaN", "--rotate nan @/in.png @/out.bmp", 2, "\"nan\""},
    Refusal{"RotateComma", "--rotate 1,5 @/in.png @/out.bmp", 2, "\"1,5\""},
    Refusal{"RotateMissing", "--rotate 5 @/none.png @/out.bmp", 1, "none.png"},
    Refusal{"RotateIntoAFolder", "--rotate 5 @/in.png @", 1, "is not a regular file"},
    Refusal{"AutoNoOutput", "--auto @/in.png", 2, "--auto needs -o"},
    Refusal{"AutoThreshold9", "--auto --threshold 9 @/in.png -o @/out.gra", 2,
            "--threshold takes a whole number from 0 to 8, not \"9\""},
    Refusal{"AutoThresholdBelow0", "--auto --threshold=-1 @/in.png -o @/out.gra", 2, "\"-1\""},
    Refusal{"AutoMissing", "--auto @/none.png -o @/out.gra", 1, "none.png"},
    Refusal{"TraceNoCriterion", "--trace-color --points 5 @/w.gra -o @/out.gra", 2,
            "needs --criterion"},
    Refusal{"TraceCriterion", "--trace-color --criterion green --points 5 @/w.gra -o @/out.gra", 2,
            "unknown criterion \"green\""},
    Refusal{"TraceNoPoints", "--trace-color --criterion black @/w.gra -o @/out.gra", 2,
            "needs --points N"},
    Refusal{"TracePoints0", "--trace-color --criterion black --points 0 @/w.gra -o @/out.gra", 2,
            "1 to 1000"},
    Refusal{"TracePoints1001",
            "--trace-color --criterion black --points 1001 @/w.gra -o @/out.gra", 2, "\"1001\""},
    Refusal{"TraceNeighbours9",
            "--trace-color --criterion color2 --points 5 --neighbours 9 @/w.gra -o @/out.gra", 2,
            "--neighbours takes a whole number from 0 to 8"},
    Refusal{"TraceColourTooBig",
            "--trace-color --criterion color --points 5 --color 0x1000000 @/w.gra -o @/out.gra", 2,
            "--color takes a colour 0xBBGGRR, not \"0x1000000\""},
    Refusal{"TraceColour2NoNumber",
            "--trace-color --criterion color2 --points 5 --color2 red @/w.gra -o @/out.gra", 2,
            "--color2 takes a colour"},
    Refusal{"TraceNoOutput", "--trace-color --criterion black --points 5 @/w.gra", 2,
            "--trace-color needs -o"},
    Refusal{"TraceMissingWork",
            "--trace-color --criterion black --points 5 @/w.gra -o @/out.gra", 1, "w.gra"},
    Refusal{"TraceMissingPicture",
            "--trace-color --criterion black --points 5 @/w.gra -o @/out.gra", 1,
            "chart.bmp", Work("1")}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

} // namespace
