// The built program run as a script runs it, with no display: the forms answer on its real
// streams with its exit status, and none of them reaches for a window.

#include "FormRuns.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

using namespace lineora::cli;

// The built program with no display of any kind: one that reached for a display would fail to
// start.
inline Outcome RunProgram(const QStringList& arguments, const char* locale = "C") {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QLatin1String(locale));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LINEORA_PROGRAM), arguments);
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "the program did not finish: " << process.errorString().toStdString();
        return {}; // the process is killed with its object
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// The separator of the machine's locale reaches the text.
TEST(Program, ExportsWithTheSeparatorOfTheLocale) {
    const Outcome run = RunProgram({"--export", "--separator", "system", "--format", "standard",
                                    CaseFile("comma-texts", "work.gra")},
                                   "de_DE.UTF-8");
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ReadBytes(CaseFile("comma-texts", "expected-comma-system.txt")));
}

// Only a name that does not start with "-" is a file to open in the window.
TEST(Program, MistypedOptionIsRefusedWithoutOpeningTheWindow) {
    const Outcome run = RunProgram({"-x.png"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("unknown option \"-x.png\"")) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QByteArray());
}

} // namespace
