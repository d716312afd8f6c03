// The built program's --export and --help, run as a script would run them: no display, the
// text on standard output, errors on standard error with an exit status.

#include "cli/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using namespace lineora::cli;

// "--export" followed by these arguments; "@" stands for the graph data file.
QStringList ExportArguments(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("--export")};
    for (const char* argument : arguments) {
        list << QString::fromLatin1(argument);
    }
    return list;
}

QStringList Options(const char* format, const char* separator) {
    return ExportArguments({"--format", format, "--separator", separator, "@"});
}

// A graph data file of the worked example with the given scale code.
QByteArray Work(const char* scaleX) {
    return QByteArray(
               "chart.bmp\r\n0\r\n10\r\n0\r\n3\r\n100\r\n400\r\n500\r\n400\r\n100\r\n100\r\n") +
           scaleX +
           "\r\n1\r\nLine \xB9 1\r\n2\r\n140\r\n300\r\nLine \xB9 2\r\n1\r\nLine \xB9 3\r\n1\r\n"
           "Line \xB9 4\r\n1\r\nLine \xB9 5\r\n1\r\n";
}

struct ExportCase {
    const char* Name;
    QStringList Arguments;
    const char* Folder = nullptr; // the case folder of the graph data file and expected text
    const char* Expected = "expected.txt";
    const char* Locale = "C";
    QByteArray Config{}; // lineora3.Ini beside the program; none when empty
    QByteArray Work{};   // the graph data file's bytes when no case folder gives it
    bool Alone = false;  // the case folder's graph data file copied away from its picture
    int Status = 0;
    const char* Err = nullptr; // what standard error says; nothing at all when null
};

// Each case runs a copy of the program in a folder of its own, so that a configuration can lie
// beside it.
class Export : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Export, PrintsTheExpectedTextOrFailsWithAStatus) {
    const ExportCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("lineora"));
    ASSERT_TRUE(QFile::copy(Program(), program));
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    if (!c.Config.isEmpty()) {
        put(QStringLiteral("lineora3.Ini"), c.Config);
    }
    QString work = folder.filePath(QStringLiteral("work.gra"));
    if (c.Folder == nullptr) {
        put(QStringLiteral("work.gra"), c.Work);
    } else if (c.Alone) {
        ASSERT_TRUE(
            QFile::copy(CaseFile(QLatin1String(c.Folder), QStringLiteral("work.gra")), work));
    } else {
        work = CaseFile(QLatin1String(c.Folder), QStringLiteral("work.gra"));
    }
    QStringList arguments = c.Arguments;
    arguments.replaceInStrings(QStringLiteral("@"), work);

    const Outcome run = RunProgram(program, arguments, QLatin1String(c.Locale));
    EXPECT_EQ(run.Status, c.Status) << run.Err.toStdString();
    if (c.Err == nullptr) {
        EXPECT_EQ(run.Err, QByteArray());
    } else {
        EXPECT_TRUE(run.Err.contains(c.Err)) << run.Err.toStdString();
    }
    EXPECT_EQ(run.Out, c.Status != 0 ? QByteArray()
                                     : ReadBytes(CaseFile(QLatin1String(c.Folder),
                                                          QLatin1String(c.Expected))));
}

const char* const kDe = "de_DE.UTF-8";
const char kDamaged[] = "[Setup]\nStandartNumerFormat=0\n\0\0\0";

INSTANTIATE_TEST_SUITE_P(
    Options, Export,
    ::testing::Values(
        ExportCase{"StandardPoint", Options("standard", "point"), "linear-standard-point"},
        ExportCase{"StandardPointInAGermanLocale", Options("standard", "point"),
                   "linear-standard-point", "expected.txt", kDe},
        ExportCase{"ScientificComma", Options("scientific", "comma"), "log10x-scientific-comma"},
        ExportCase{"OptionsWithEqualsAndCapitals",
                   ExportArguments({"--separator=comma", "--format=Scientific", "@"}),
                   "log10x-scientific-comma"},
        ExportCase{"SystemSeparatorInAGermanLocale", Options("standard", "system"), "comma-texts",
                   "expected-comma-system.txt", kDe},
        ExportCase{"NoPoints", Options("scientific", "comma"), "empty"},
        // The points in the order the file keeps them: nothing is sorted.
        ExportCase{"Unsorted", Options("scientific", "point"), "unsorted-current-curve"},
        ExportCase{"WithoutThePicture",
                   Options("standard", "point"),
                   "linear-standard-point",
                   "expected.txt",
                   "C",
                   {},
                   {},
                   true}),
    [](const auto& info) { return std::string(info.param.Name); });

// Without options: standard, with the separator the configuration beside the program or else
// the system gives.
INSTANTIATE_TEST_SUITE_P(
    Defaults, Export,
    ::testing::Values(
        ExportCase{"None", ExportArguments({"@"}), "comma-texts"},
        ExportCase{"FromTheConfiguration", ExportArguments({"@"}), "log10x-scientific-comma",
                   "expected.txt", "C", "[Setup]\r\nStandartNumerFormat=0\r\nPointer1=1\r\n"},
        // Of several separator buttons on, the last one read wins; names compare without case.
        ExportCase{"LastSeparatorOfTheConfigurationWins", ExportArguments({"@"}),
                   "linear-standard-point", "expected.txt", kDe,
                   "[setup]\nstandartnumerformat=1\nPointer1=1\nPointer2=1\n"},
        ExportCase{"OptionsOverrideTheConfiguration", Options("standard", "point"),
                   "linear-standard-point", "expected.txt", "C",
                   "[Setup]\nStandartNumerFormat=0\nPointer1=1\n"},
        ExportCase{"DamagedConfigurationIsReported",
                   ExportArguments({"@"}),
                   "comma-texts",
                   "expected.txt",
                   "C",
                   QByteArray(kDamaged, sizeof kDamaged - 1),
                   {},
                   false,
                   0,
                   "lineora3.Ini"}),
    [](const auto& info) { return std::string(info.param.Name); });

ExportCase Fails(const char* name, QStringList arguments, QByteArray work, int status,
                 const char* err) {
    return {.Name = name, .Arguments = arguments, .Work = work, .Status = status, .Err = err};
}

// Usage errors give status 2, unreadable files 1; nothing goes to standard output.
INSTANTIATE_TEST_SUITE_P(
    Failures, Export,
    ::testing::Values(Fails("NoFile", ExportArguments({}), {}, 2, "needs the graph data file"),
                      Fails("TwoFiles", ExportArguments({"@", "@"}), Work("1"), 2, "one file only"),
                      Fails("UnknownFormat", ExportArguments({"--format", "fancy", "@"}), Work("1"),
                            2, "unknown format \"fancy\""),
                      Fails("UnknownOption", ExportArguments({"--colour", "@"}), Work("1"), 2,
                            "unknown option \"--colour\""),
                      Fails("MissingFile", ExportArguments({"/nonexistent/work.gra"}), {}, 1,
                            "/nonexistent/work.gra"),
                      Fails("ScaleCode4", ExportArguments({"@"}), Work("4"), 1,
                            "line 12: the scale code 4"),
                      // Devices and pipes are not read (/dev/zero would never end); /dev/null
                      // stands for them, as reading it is harmless should the check ever be lost.
                      Fails("Device", ExportArguments({"/dev/null"}), {}, 1,
                            "\"/dev/null\": it is not a regular file"),
                      Fails("NulInALine", ExportArguments({"@"}),
                            Work("1").replace("\r\n400\r\n", QByteArray("\r\n4\0\x07\r\n", 7)), 1,
                            "line 7: \"4\\x00\\x07\" is not an integer (the zero point's y"),
                      Fails("OldMacLineEnds", ExportArguments({"@"}),
                            Work("4").replace("\r\n", "\r"), 1, "line 12: the scale code 4")),
    [](const auto& info) { return std::string(info.param.Name); });

// Only a file name opens the window: anything else starting with "-" is a usage error, which
// without a display must not reach for one.
TEST(ExportCommandLine, UnknownFirstArgumentsAreUsageErrors) {
    for (const char* first : {"--bogus", "--EXPORT", "-", "--export=x.gra", "-x.png"}) {
        const Outcome run = RunProgram(Program(), {QLatin1String(first)});
        EXPECT_EQ(run.Status, 2) << first << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains("unknown option")) << first;
        EXPECT_TRUE(run.Err.contains("Usage: lineora")) << first;
        EXPECT_EQ(run.Out, QByteArray()) << first;
    }
}

TEST(ExportCommandLine, HelpListsTheOptions) {
    for (const char* help : {"--help", "-h"}) {
        const Outcome run = RunProgram(Program(), {QLatin1String(help)});
        EXPECT_EQ(run.Status, 0);
        for (const char* option : {"--export", "--format", "--separator", "standard|scientific",
                                   "comma|point|system", "--help"}) {
            EXPECT_TRUE(run.Out.contains(option)) << option;
        }
    }
}

} // namespace
