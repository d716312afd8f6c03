#pragma once
// Runs the command-line forms in this process with their streams kept in memory, or as the
// built program does for a script.

#include "cli/CommandLine.h"
#include "cli/ConsoleHost.h"
#include "support/DecimalCharGuard.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace lineora::cli {

inline QString CaseFile(const char* folder, const char* name) {
    return QStringLiteral(LINEORA_WORKFLOWS "/%1/%2")
        .arg(QLatin1String(folder), QLatin1String(name));
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline QImage White(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// "a b c" as {"a", "b", "c"}: the tables' arguments on one line.
inline QStringList Words(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Outcome {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// A stream whose bytes stay in memory.
struct MemoryStream {
    char* Data = nullptr;
    std::size_t Size = 0;
    std::FILE* File = open_memstream(&Data, &Size);

    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    ~MemoryStream() {
        std::fclose(File);
        std::free(Data);
    }
    QByteArray Bytes() const {
        std::fflush(File);
        return QByteArray(Data, static_cast<qsizetype>(Size));
    }
};

// The console of a test: streams in memory and the system separator the test chooses.
struct TestStreams {
    MemoryStream Out, Err;
};
class TestConsole : public TestStreams, public ConsoleHost {
    QChar separator_;

public:
    explicit TestConsole(QChar separator)
        : ConsoleHost(Out.File, Err.File), separator_(separator) {}
    QChar SystemDecimalSeparator() override { return separator_; }
};

// A form run in a folder of its own, which stands for the program's folder (a configuration
// may lie there); "@" in an argument stands for the folder.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString Path(const char* name) const { return folder_.filePath(QLatin1String(name)); }
    QStringList Entries() const {
        return QDir(folder_.path())
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    }
    void Put(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Save(const QImage& picture, const char* name) const {
        EXPECT_TRUE(picture.save(Path(name)));
        return Path(name);
    }
    Outcome Run(QStringList arguments, QChar systemSeparator = QLatin1Char('.')) const {
        arguments.replaceInStrings(QStringLiteral("@"), folder_.path());
        const test::DecimalCharGuard guard;
        TestConsole console(systemSeparator);
        const int status = RunCommandLineForm(arguments, folder_.path(), console);
        return {status, console.Out.Bytes(), console.Err.Bytes()};
    }

private:
    QTemporaryDir folder_;
};

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
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace lineora::cli
