// The built program's --export and --help, run as a script would run them: no display, the
// text on standard output, errors on standard error with an exit status.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

QString CaseFile(const QString& folder, const QString& name) {
    return QDir(QStringLiteral(LINEORA_WORKFLOWS)).filePath(folder + QLatin1Char('/') + name);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

struct Outcome {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// No display of any kind: a program that reached for one would fail to start.
QProcessEnvironment Headless(const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

Outcome RunProgram(const QString& program, const QStringList& arguments,
                   const QString& locale = QStringLiteral("C")) {
    QProcess process;
    process.setProcessEnvironment(Headless(locale));
    process.start(program, arguments);
    Outcome run;
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "the program did not finish: " << process.errorString().toStdString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput();
    run.Err = process.readAllStandardError();
    return run;
}

QString Program() {
    return QStringLiteral(LINEORA_PROGRAM);
}

struct ExportCase {
    const char* Folder;
    QStringList Options;
    const char* Locale;
    const char* Expected;
};

void PrintTo(const ExportCase& c, std::ostream* out) {
    *out << c.Folder << " " << c.Options.join(QLatin1Char(' ')).toStdString() << " " << c.Locale;
}

class ExportOptions : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportOptions, PrintTheExpectedTextByteForByte) {
    const ExportCase& c = GetParam();
    const Outcome run =
        RunProgram(Program(),
                   QStringList{QStringLiteral("--export")} + c.Options +
                       QStringList{CaseFile(QLatin1String(c.Folder), QStringLiteral("work.gra"))},
                   QLatin1String(c.Locale));
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Err, QByteArray());
    EXPECT_EQ(run.Out, ReadBytes(CaseFile(QLatin1String(c.Folder), QLatin1String(c.Expected))));
}

QStringList Options(const char* format, const char* separator) {
    return {QStringLiteral("--format"), QLatin1String(format), QStringLiteral("--separator"),
            QLatin1String(separator)};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportOptions,
    ::testing::Values(
        ExportCase{"linear-standard-point", Options("standard", "point"), "C", "expected.txt"},
        ExportCase{"linear-standard-point", Options("standard", "point"), "de_DE.UTF-8",
                   "expected.txt"},
        ExportCase{"log10x-scientific-comma", Options("scientific", "comma"), "C", "expected.txt"},
        ExportCase{"log10x-scientific-comma",
                   {QStringLiteral("--separator=comma"), QStringLiteral("--format=Scientific")},
                   "C",
                   "expected.txt"},
        ExportCase{"comma-texts", Options("standard", "system"), "C", "expected.txt"},
        ExportCase{"comma-texts", Options("standard", "system"), "de_DE.UTF-8",
                   "expected-comma-system.txt"},
        ExportCase{"empty", Options("scientific", "comma"), "C", "expected.txt"},
        // The points in the order the file keeps them: nothing is sorted.
        ExportCase{"unsorted-current-curve", Options("scientific", "point"), "C", "expected.txt"},
        ExportCase{"ln-lf-only", Options("standard", "point"), "C", "expected.txt"}));

// A copy of the program in a folder of its own, so that a configuration can lie beside it.
class ExportDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        program = folder.filePath(QStringLiteral("lineora"));
        ASSERT_TRUE(QFile::copy(Program(), program));
    }

    void Configure(const QByteArray& text) {
        QFile file(folder.filePath(QStringLiteral("lineora3.Ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    Outcome Export(const char* folderName, const QStringList& options = {},
                   const char* locale = "C") {
        return RunProgram(
            program,
            QStringList{QStringLiteral("--export")} + options +
                QStringList{CaseFile(QLatin1String(folderName), QStringLiteral("work.gra"))},
            QLatin1String(locale));
    }

    QTemporaryDir folder;
    QString program;
};

TEST_F(ExportDefaults, WithoutConfigurationStandardAsTheSystemWritesIt) {
    EXPECT_EQ(Export("comma-texts").Out, ReadBytes(CaseFile("comma-texts", "expected.txt")));
    EXPECT_EQ(Export("comma-texts", {}, "de_DE.UTF-8").Out,
              ReadBytes(CaseFile("comma-texts", "expected-comma-system.txt")));
}

TEST_F(ExportDefaults, ComeFromTheConfigurationBesideTheProgram) {
    Configure("[Setup]\r\nStandartNumerFormat=0\r\nPointer1=1\r\n");
    EXPECT_EQ(Export("log10x-scientific-comma").Out,
              ReadBytes(CaseFile("log10x-scientific-comma", "expected.txt")));
    // Of several separator buttons on, the last one read wins; names compare without case.
    Configure("[setup]\nstandartnumerformat=1\nPointer1=1\nPointer2=1\n");
    EXPECT_EQ(Export("linear-standard-point", {}, "de_DE.UTF-8").Out,
              ReadBytes(CaseFile("linear-standard-point", "expected.txt")));
}

TEST_F(ExportDefaults, OptionsOverrideTheConfiguration) {
    Configure("[Setup]\nStandartNumerFormat=0\nPointer1=1\n");
    EXPECT_EQ(Export("linear-standard-point", Options("standard", "point")).Out,
              ReadBytes(CaseFile("linear-standard-point", "expected.txt")));
}

TEST_F(ExportDefaults, DamagedConfigurationIsReportedAndTheDefaultsApply) {
    static const char kDamaged[] = "[Setup]\nStandartNumerFormat=0\n\0\0\0";
    Configure(QByteArray(kDamaged, sizeof kDamaged - 1));
    const Outcome run = Export("comma-texts");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, ReadBytes(CaseFile("comma-texts", "expected.txt")));
    EXPECT_TRUE(run.Err.contains("lineora3.Ini")) << run.Err.toStdString();
}

struct Failure {
    std::string Name;
    QStringList Arguments; // "@" stands for a damaged file written by the test
    QByteArray Damaged;
    int Status;
    const char* Says;
};

class ExportFailures : public ::testing::TestWithParam<Failure> {};

TEST_P(ExportFailures, GoToStandardErrorWithAStatus) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString damaged = folder.filePath(QStringLiteral("damaged.gra"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().Damaged);
    file.close();
    QStringList arguments = GetParam().Arguments;
    arguments.replaceInStrings(QStringLiteral("@"), damaged);

    const Outcome run = RunProgram(Program(), arguments);
    EXPECT_EQ(run.Status, GetParam().Status) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QByteArray());
    EXPECT_TRUE(run.Err.contains(GetParam().Says)) << run.Err.toStdString();
}

QByteArray Work(const char* scaleX, const char* minX = "0") {
    return QByteArray("chart.bmp\r\n") + minX +
           "\r\n10\r\n0\r\n3\r\n100\r\n400\r\n500\r\n400\r\n100\r\n100\r\n" + scaleX +
           "\r\n1\r\nLine \xB9 1\r\n2\r\n140\r\n300\r\nLine \xB9 2\r\n1\r\nLine \xB9 3\r\n1\r\n"
           "Line \xB9 4\r\n1\r\nLine \xB9 5\r\n1\r\n";
}

// "--export" followed by these arguments.
QStringList ExportArguments(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("--export")};
    for (const char* argument : arguments) {
        list << QString::fromLatin1(argument);
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportFailures,
    ::testing::Values(
        Failure{"NoFile", ExportArguments({}), {}, 2, "needs the graph data file"},
        Failure{"TwoFiles", ExportArguments({"@", "@"}), Work("1"), 2, "one file only"},
        Failure{"UnknownFormat", ExportArguments({"--format", "fancy", "@"}), Work("1"), 2,
                "unknown format \"fancy\""},
        Failure{"UnknownOption", ExportArguments({"--colour", "@"}), Work("1"), 2,
                "unknown option \"--colour\""},
        Failure{"MissingFile",
                ExportArguments({"/nonexistent/work.gra"}),
                {},
                1,
                "/nonexistent/work.gra"},
        Failure{"ScaleCode4", ExportArguments({"@"}), Work("4"), 1, "line 12: the scale code 4"},
        Failure{"AxisTextNoNumber", ExportArguments({"@"}), Work("1", "zero"), 1, "line 2:"},
        Failure{"ShortFile", ExportArguments({"@"}), Work("1").left(40), 1, "ends"}),
    [](const auto& info) { return info.param.Name; });

TEST(ExportCommandLine, WorksWithoutThePicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("alone.gra"));
    ASSERT_TRUE(QFile::copy(
        CaseFile(QStringLiteral("linear-standard-point"), QStringLiteral("work.gra")), path));
    const Outcome run = RunProgram(
        Program(), ExportArguments({"--format", "standard", "--separator", "point"}) << path);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ReadBytes(CaseFile(QStringLiteral("linear-standard-point"),
                                          QStringLiteral("expected.txt"))));
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
