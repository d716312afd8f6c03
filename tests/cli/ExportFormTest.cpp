// --export and --help: the text of a graph data file's points on the output stream, in the
// format and separator the options, the configuration beside the program or the system give.

#include "FormRuns.h"

#include <string>

namespace {

using namespace lineora::cli;

struct ExportCase {
    const char* Name;
    const char* Options; // before the graph data file
    const char* Folder;  // the case whose work.gra is exported (alone, without its picture)
    const char* Expected = "expected.txt";
    char System = '.';    // the separator of the system
    QByteArray Config{};  // lineora3.Ini beside the program; none when empty
    const char* Err = ""; // what the error stream says; nothing at all when empty
};

class Export : public FormTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(Export, PrintsTheText) {
    const ExportCase& c = GetParam();
    ASSERT_TRUE(QFile::copy(CaseFile(c.Folder, "work.gra"), Path("work.gra")));
    if (!c.Config.isEmpty()) {
        Put("lineora3.Ini", c.Config);
    }
    const Outcome run =
        Run(Words("--export") << Words(c.Options) << "@/work.gra", QLatin1Char(c.System));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err.isEmpty(), *c.Err == '\0') << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(c.Err)) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ReadBytes(CaseFile(c.Folder, c.Expected)));
}

const char kStandardPoint[] = "--format standard --separator point";
const char kDamaged[] = "[Setup]\nStandartNumerFormat=0\n\0\0\0";

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, Export, ::testing::Values(
    ExportCase{"StandardPoint", kStandardPoint, "linear-standard-point"},
    ExportCase{"PointWhereTheSystemWritesComma", kStandardPoint, "linear-standard-point",
               "expected.txt", ','},
    ExportCase{"EqualsAndCapitals", "--separator=comma --format=Scientific",
               "log10x-scientific-comma"},
    ExportCase{"SystemSeparator", "--separator system", "comma-texts",
               "expected-comma-system.txt", ','},
    ExportCase{"NoPoints", "", "empty"},
    // The points in the order the file keeps them: nothing is sorted.
    ExportCase{"Unsorted", "--format scientific --separator point", "unsorted-current-curve"},
    // Without options: standard, the text as the system formats it.
    ExportCase{"Defaults", "", "comma-texts"},
    ExportCase{"DefaultsFromTheConfiguration", "", "log10x-scientific-comma", "expected.txt", '.',
               "[Setup]\r\nStandartNumerFormat=0\r\nPointer1=1\r\n"},
    // Of several separator buttons on, the last one read wins; names compare without case.
    ExportCase{"LastSeparatorOfTheConfigurationWins", "", "linear-standard-point",
               "expected.txt", ',', "[setup]\nstandartnumerformat=1\nPointer1=1\nPointer2=1\n"},
    ExportCase{"SystemSeparatorOfTheConfigurationWins", "", "comma-texts",
               "expected-comma-system.txt", ',', "[Setup]\nPointer2=1\nPointer3=1\n"},
    ExportCase{"OptionsOverrideTheConfiguration", kStandardPoint, "linear-standard-point",
               "expected.txt", '.', "[Setup]\nStandartNumerFormat=0\nPointer1=1\n"},
    ExportCase{"DamagedConfigurationIsReported", "", "comma-texts", "expected.txt", '.',
               QByteArray(kDamaged, sizeof kDamaged - 1), "lineora3.Ini\" is ignored"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

using ExportForm = FormTest;

TEST_F(ExportForm, AnOutputThatCannotTakeTheTextIsReported) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    MemoryStream err;
    lineora::ConsoleHost console(full, err.File);
    const lineora::test::DecimalCharGuard guard;
    EXPECT_EQ(
        lineora::RunCommandLineForm({"--export", CaseFile("linear-standard-point", "work.gra")},
                                    Path("none"), console),
        1);
    std::fclose(full);
    EXPECT_TRUE(err.Bytes().contains("cannot write the export text")) << err.Bytes().toStdString();
}

TEST_F(ExportForm, HelpListsEveryForm) {
    for (const char* arguments : {"--help", "-h", "--export --help"}) {
        const Outcome run = Run(Words(arguments));
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, QByteArray());
        for (const QString& text : Words("--export standard|scientific comma|point|system "
                                         "--clean-specks --rotate --auto --trace-color --help")) {
            EXPECT_TRUE(run.Out.contains(text.toUtf8())) << arguments << ": " << text.toStdString();
        }
    }
}

} // namespace
