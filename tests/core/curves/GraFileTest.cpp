#include "core/curves/GraFile.h"

#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace lineora {
namespace {

// Curves of 0, 1 and 1000 points (the most a curve takes), a negative coordinate, and the
// outermost positions a file keeps.
GraData SampleWork() {
    GraData data{"curve.bmp", "0", "10000", "0,5", "1", 52, 410, 600, 410, 52, 37, 1, 2, {}};
    data.Curves[2] = {{120, 388}};
    for (int i = 0; i < 1000; ++i) {
        data.Curves[3].push_back({i, 1000 - i});
    }
    data.Curves[5] = {{-7, 0}, {1000000, -1000000}};
    return data;
}

// The same written by hand from the format: CR LF after every line, the last included.
QByteArray SampleWorkBytes() {
    QList<QByteArray> lines{"curve.bmp", "0",           "10000", "0,5",         "1",  "52",
                            "410",       "600",         "410",   "52",          "37", "1",
                            "2",         "Line \xB9 1", "1",     "Line \xB9 2", "2",  "120",
                            "388",       "Line \xB9 3", "1001"};
    for (int i = 0; i < 1000; ++i) {
        lines << QByteArray::number(i) << QByteArray::number(1000 - i);
    }
    lines += {"Line \xB9 4", "1", "Line \xB9 5", "3", "-7", "0", "1000000", "-1000000"};
    return lines.join("\r\n") + "\r\n";
}

// The curve header's numero sign is the single byte 0xB9.
TEST(GraText, WritesTheFormatByteForByteAndReadsItBack) {
    EXPECT_EQ(WriteGraText(SampleWork()), SampleWorkBytes());
    EXPECT_EQ(ReadGraText(SampleWorkBytes(), QStringLiteral("work.gra")), SampleWork());
    // An old Mac file, lone CRs ending its lines and the last one missing.
    QByteArray cr = SampleWorkBytes();
    cr.replace("\r\n", "\r");
    cr.chop(1);
    EXPECT_EQ(ReadGraText(cr, QStringLiteral("cr.gra")), SampleWork());
}

// Texts go in the header line's code page when they fit it, else as UTF-8, and read back
// either way.
TEST(GraText, TextsAreWrittenInWindows1251WhenTheyFitElseInUtf8) {
    const struct {
        const char16_t* Name;
        QByteArray Bytes;
        QByteArray Lead = {}; // before the name, on the file's first line only
    } cases[] = {
        {u"кривая №2.bmp", "\xEA\xF0\xE8\xE2\xE0\xFF \xB9\x32.bmp"},
        // Its code-page bytes DF B9 are valid UTF-8 of another letter, so it goes as UTF-8.
        {u"Я№", "\xD0\xAF\xE2\x84\x96"},
        // Names whose first bytes read as a byte order mark keep them behind a real one.
        {u"п»їЏ.bmp", "\xEF\xBB\xBF\x8F.bmp", "\xEF\xBB\xBF"},
        {u"\uFEFF.bmp", "\xEF\xBB\xBF.bmp", "\xEF\xBB\xBF"},
    };
    for (const auto& c : cases) {
        GraData data = SampleWork();
        data.PictureName = QStringView(c.Name).toString(); // keeps a leading U+FEFF
        data.MaxY = data.PictureName;
        const QByteArray written = WriteGraText(data);
        EXPECT_TRUE(written.startsWith(c.Lead + c.Bytes + "\r\n"))
            << written.left(20).toHex().data();
        EXPECT_EQ(written.count(c.Bytes + "\r\n"), 2);
        EXPECT_EQ(ReadGraText(written, QStringLiteral("t.gra")), data);
    }
}

TEST(GraText, WorkTheFileCannotHoldIsNotWritten) {
    GraData data = SampleWork();
    data.Curves[kCurveCount].assign(1001, PicturePoint{1, 1});
    EXPECT_THROW(WriteGraText(data), FileError);
    data = SampleWork();
    data.Points.YMaxPointY = -1000001;
    EXPECT_THROW(WriteGraText(data), FileError);
}

// Line numbers: 1 picture, 2-5 texts, 6-11 reference points, 12-13 scale codes, 14-15 curve 1,
// 16-19 curve 2 (one point), 20-21 header and count of curve 3, its points from 22 on, curve 5's
// points from 2026 on.
TEST(GraText, DamagedFilesAreRefusedWithTheFileTheLineAndTheReason) {
    const struct {
        const char* Name;
        int Line; // the line replaced by Text, or with Cut the first line missing
        QByteArray Text;
        const char* Reason;
        bool Cut = false;
    } cases[] = {
        // clang-format off
        {"Count1002", 15, "1002", "1002"},
        {"PointAtInt32Max", 2028, "2147483647", "2147483647, outside -1000000 to 1000000"},
        // A quoted line stops at 40 characters; a NUL or control character is shown escaped
        // and the reason still follows.
        {"NulInANumber", 7, QByteArray("4\0\x1b" "1", 4), "\"4\\x00\\x1b1\" is not an integer"},
        {"LongLine", 8, QByteArray(3 << 20, '7') + 'x', "\"7777777777777777777777777777777777777777...\" is not an integer"},
        {"CountZero", 21, "0", "count line 0"},
        {"ScaleCode4", 12, "4", "scale code 4"},
        {"ScaleCode0", 13, "0", "scale code 0"},
        {"EmptyFile", 1, {}, "ends", true},
        {"LastCurveCut", 2029, {}, "ends", true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QByteArrayList lines = SampleWorkBytes().split('\n');
        lines.removeLast(); // the empty rest behind the last line end
        if (c.Cut) {
            lines = lines.mid(0, c.Line - 1);
        } else {
            lines[c.Line - 1] = c.Text + '\r';
        }
        const QByteArray bytes = lines.isEmpty() ? QByteArray() : lines.join('\n') + '\n';
        const std::string message =
            test::ErrorOf<FileError>([&] { ReadGraText(bytes, QStringLiteral("/data/work.gra")); });
        EXPECT_TRUE(test::Mentions(message, "/data/work.gra"));
        EXPECT_TRUE(test::Mentions(message, "line " + std::to_string(c.Line) + ":"));
        EXPECT_TRUE(test::Mentions(message, c.Reason));
        EXPECT_LT(message.size(), 200U);
    }
}

// The pipe and folder refusals are those of the configuration file, read by the same function.
TEST(GraFiles, OnlyRegularFilesOfAtMost16MegabytesAreRead) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile big(folder.filePath(QStringLiteral("big.gra")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxGraFileBytes + 1));
    big.close();
    // A device like /dev/zero would never end; /dev/null is harmless to read if it were.
    const std::pair<QString, const char*> cases[] = {
        {QStringLiteral("/dev/null"), "not a regular file"},
        {big.fileName(), "too large: more than 16 MB"}};
    for (const auto& [path, reason] : cases) {
        EXPECT_TRUE(test::Mentions(test::ErrorOf<FileError>([&] { LoadGraFile(path); }), reason));
    }
}

} // namespace
} // namespace lineora
