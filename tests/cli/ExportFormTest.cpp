// --export and --help: the text of a graph data file's points on the output stream, in the
// format and separator the options, the configuration beside the program or the system give.

#include "FormRuns.h"

#include <string>
#include <utility>

namespace {

using namespace lineora::cli;

// The work.gra of a workflow case exported alone with the options, the system's separator and
// the configuration beside the program (none when empty); Err is what the error stream says.
struct ExportCase {
    const char *Name, *Options, *Folder, *Expected = "expected.txt";
    char System = '.';
    QByteArray Config{};
    const char* Err = "";
};

class Export : public FormTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(Export, PrintsTheText) {
    const ExportCase& c = GetParam();
    ASSERT_TRUE(QFile::copy(CaseFile(c.Folder, "work.gra"), Path("work.gra")));
    if (!c.Config.isEmpty()) {
        lineora::test::WriteBytes(Path("lineora3.Ini"), c.Config);
    }
    const Outcome run =
        Run(Words("--export") << Words(c.Options) << "@/work.gra", QLatin1Char(c.System));
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(*c.Err ? run.Err.contains(c.Err) : run.Err.isEmpty()) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ReadBytes(CaseFile(c.Folder, c.Expected)));
}

const char kDamaged[] = "[Setup]\nStandartNumerFormat=0\n\0\0\0";

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, Export, ::testing::Values(
    ExportCase{"EqualsAndCapitals", "--separator=comma --format=Scientific",
               "log10x-scientific-comma"},
    ExportCase{"SystemSeparator", "--separator system", "comma-texts",
               "expected-comma-system.txt", ','},
    ExportCase{"DefaultsFromTheConfiguration", "", "log10x-scientific-comma", "expected.txt", '.',
               "[Setup]\r\nStandartNumerFormat=0\r\nPointer1=1\r\n"},
    // Of several separator buttons on, the last one read wins; names compare without case.
    ExportCase{"LastSeparatorOfTheConfigurationWins", "", "linear-standard-point",
               "expected.txt", ',', "[setup]\nstandartnumerformat=1\nPointer1=1\nPointer2=1\n"},
    ExportCase{"SystemSeparatorOfTheConfigurationWins", "", "comma-texts",
               "expected-comma-system.txt", ',', "[Setup]\nPointer2=1\nPointer3=1\n"},
    ExportCase{"OptionsOverrideTheConfiguration", "--format standard --separator point",
               "linear-standard-point", "expected.txt", '.', "[Setup]\nStandartNumerFormat=0\nPointer1=1\n"},
    // Without options and with the damaged configuration ignored: standard, the text as the
    // system formats it.
    ExportCase{"DamagedConfigurationIsReported", "", "comma-texts", "expected.txt", '.',
               QByteArray(kDamaged, sizeof kDamaged - 1), "lineora3.Ini\" is ignored"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

using ExportForm = FormTest;

TEST_F(ExportForm, AnOutputThatCannotTakeTheTextIsReported) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    const Outcome run = Run({"--export", CaseFile("linear-standard-point", "work.gra")}, '.', full);
    std::fclose(full);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains("cannot write the export text")) << run.Err.toStdString();
}

TEST_F(ExportForm, CsvHoldsThePointsWithAHeader) {
    const Outcome csv = Run({"--export", "--csv", CaseFile("linear-standard-point", "work.gra")});
    EXPECT_EQ(std::pair(csv.Status, csv.Err), std::pair(0, QByteArray()));
    EXPECT_EQ(csv.Out,
              "curve,x,y\r\n1,1,1\r\n1,2.5,1.5\r\n1,7,2.8\r\n3,0,0\r\n3,10,3\r\n5,0.5,0.15\r\n");
}

TEST_F(ExportForm, HelpListsEveryForm) {
    for (const char* arguments : {"--help", "-h", "--export --help"}) {
        const Outcome run = Run(Words(arguments));
        EXPECT_EQ(std::pair(run.Status, run.Err), std::pair(0, QByteArray())) << arguments;
        EXPECT_TRUE(run.Out.contains("--clean-specks")) << arguments;
    }
}

} // namespace
