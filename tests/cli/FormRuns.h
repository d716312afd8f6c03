#pragma once
// Runs the command-line forms in this process with their streams kept in memory, or as the
// built program does for a script.

#include "cli/CommandLine.h"
#include "cli/ConsoleHost.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace lineora::cli {

inline QString CaseFile(const char* folder, const char* name) {
    return QStringLiteral(LINEORA_WORKFLOWS "/%1/%2")
        .arg(QLatin1String(folder), QLatin1String(name));
}

using test::ReadBytes;
using test::WhitePicture;
// "a b c" as {"a", "b", "c"}: the tables' arguments on one line.
inline QStringList Words(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Outcome {
    int Status = -1;
    QByteArray Out, Err;
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

// The console of a test, with the system separator the test chooses.
struct TestConsole : ConsoleHost {
    using ConsoleHost::ConsoleHost;
    QChar Separator;
    QChar SystemDecimalSeparator() override { return Separator; }
};

// A form run in a folder of its own, which stands for the program's folder (a configuration
// may lie there); "@" in an argument stands for the folder.
class FormTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return folder_.filePath(QLatin1String(name)); }
    QStringList Entries() const {
        return QDir(folder_.path())
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    }
    QString Save(const QImage& picture, const char* name) const {
        EXPECT_TRUE(picture.save(Path(name)));
        return Path(name);
    }
    // Run with `output` given writes the output there instead of keeping it.
    Outcome Run(QStringList arguments, QChar systemSeparator = QLatin1Char('.'),
                std::FILE* output = nullptr) const {
        arguments.replaceInStrings(QStringLiteral("@"), folder_.path());
        const test::DecimalCharGuard guard;
        MemoryStream out, err;
        TestConsole console(output != nullptr ? output : out.File, err.File);
        console.Separator = systemSeparator;
        const int status = RunCommandLineForm(arguments, folder_.path(), console);
        return {status, out.Bytes(), err.Bytes()};
    }

private:
    QTemporaryDir folder_;
};

} // namespace lineora::cli
