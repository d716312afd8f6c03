#pragma once
// Runs the built program as a script would: no display, its output and exit status kept.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace lineora::cli {

inline QString CaseFile(const QString& folder, const QString& name) {
    return QDir(QStringLiteral(LINEORA_WORKFLOWS)).filePath(folder + QLatin1Char('/') + name);
}

inline QByteArray ReadBytes(const QString& path) {
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
inline QProcessEnvironment Headless(const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    return environment;
}

inline Outcome RunProgram(const QString& program, const QStringList& arguments,
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

inline QString Program() {
    return QStringLiteral(LINEORA_PROGRAM);
}

} // namespace lineora::cli
