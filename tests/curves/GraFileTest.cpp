#include "curves/GraFile.h"

#include "common/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace lineora {
namespace {

// Curves of 0, 1 and 999 points, a negative coordinate, and the largest count a curve takes.
GraData SampleWork() {
    GraData data{"curve.bmp", "0", "10000", "0,5", "1", 52, 410, 600, 410, 52, 37, 1, 2, {}};
    data.Curves[2] = {{120, 388}};
    for (int i = 0; i < 999; ++i) {
        data.Curves[3].push_back({i, 1000 - i});
    }
    data.Curves[5] = {{-7, 0}, {2147483647, -2147483647 - 1}};
    return data;
}

// The same written by hand from the format: CR LF after every line, the last included.
QByteArray SampleWorkBytes() {
    QList<QByteArray> lines{"curve.bmp", "0",           "10000", "0,5",         "1",  "52",
                            "410",       "600",         "410",   "52",          "37", "1",
                            "2",         "Line \xB9 1", "1",     "Line \xB9 2", "2",  "120",
                            "388",       "Line \xB9 3", "1000"};
    for (int i = 0; i < 999; ++i) {
        lines << QByteArray::number(i) << QByteArray::number(1000 - i);
    }
    lines += {"Line \xB9 4", "1", "Line \xB9 5", "3", "-7", "0", "2147483647", "-2147483648"};
    return lines.join("\r\n") + "\r\n";
}

TEST(GraText, WritesTheFormatByteForByte) {
    const QByteArray written = WriteGraText(SampleWork());
    EXPECT_EQ(written, SampleWorkBytes());
    // The curve header is the single byte 0xB9 for the numero sign.
    EXPECT_TRUE(written.contains(QByteArray::fromHex("4C696E6520B920310D0A310D0A")));
}

TEST(GraText, ReadsBackEveryPositionAndText) {
    EXPECT_EQ(ReadGraText(SampleWorkBytes(), QStringLiteral("work.gra")), SampleWork());
}

TEST(GraText, ReadsLineFeedOnlyFilesAndAMissingLastLineEnd) {
    QByteArray lf = SampleWorkBytes();
    lf.replace("\r\n", "\n");
    EXPECT_EQ(ReadGraText(lf, QStringLiteral("lf.gra")), SampleWork());
    lf.chop(1);
    EXPECT_EQ(ReadGraText(lf, QStringLiteral("lf.gra")), SampleWork());
}

TEST(GraText, PictureNamesReadAsUtf8OrAsWindows1251) {
    GraData data = SampleWork();
    data.PictureName = QStringLiteral(u"кривая №2.bmp");
    EXPECT_EQ(ReadGraText(WriteGraText(data), QStringLiteral("utf8.gra")).PictureName,
              data.PictureName);

    QByteArray ansi = SampleWorkBytes();
    ansi.replace(0, 9, "\xEA\xF0\xE8\xE2\xE0\xFF \xB9\x32.bmp");
    EXPECT_EQ(ReadGraText(ansi, QStringLiteral("ansi.gra")).PictureName, data.PictureName);
}

TEST(GraText, CurveOfMoreThan999PointsIsNotWritten) {
    GraData data = SampleWork();
    data.Curves[4].assign(1000, PicturePoint{1, 1});
    EXPECT_THROW(WriteGraText(data), FileError);
}

struct Damage {
    std::string Name;
    std::function<void(QByteArrayList&)> Apply; // on the lines of SampleWorkBytes
    int Line;
    const char* Reason;
};

// Line numbers: 1 picture, 2-5 texts, 6-11 reference points, 12-13 scale codes, 14-15 curve 1,
// 16-19 curve 2 (one point), 20-21 header and count of curve 3, its points from 22 on.
class DamagedGraText : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedGraText, IsRefusedWithTheFileTheLineAndTheReason) {
    QByteArrayList lines = SampleWorkBytes().split('\n');
    lines.removeLast(); // the empty rest behind the last line end
    GetParam().Apply(lines);
    const QByteArray bytes = lines.isEmpty() ? QByteArray() : lines.join('\n') + '\n';
    try {
        ReadGraText(bytes, QStringLiteral("/data/work.gra"));
        FAIL() << "accepted";
    } catch (const FileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("/data/work.gra"), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(GetParam().Line) + ":"), std::string::npos)
            << message;
        EXPECT_NE(message.find(GetParam().Reason), std::string::npos) << message;
    }
}

void Set(QByteArrayList& lines, int line, const char* text) {
    lines[line - 1] = QByteArray(text) + '\r';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedGraText,
    ::testing::Values(
        Damage{"LetterInACoordinate", [](auto& l) { Set(l, 7, "41O"); }, 7, "not an integer"},
        Damage{"BeyondInt32", [](auto& l) { Set(l, 6, "2147483648"); }, 6, "not an integer"},
        Damage{"Count1001", [](auto& l) { Set(l, 15, "1001"); }, 15, "1001"},
        Damage{"CountZero", [](auto& l) { Set(l, 21, "0"); }, 21, "count line 0"},
        Damage{"ScaleCode4", [](auto& l) { Set(l, 12, "4"); }, 12, "scale code 4"},
        Damage{"ScaleCode0", [](auto& l) { Set(l, 13, "0"); }, 13, "scale code 0"},
        Damage{"EmptyFile", [](auto& l) { l.clear(); }, 1, "ends"},
        Damage{"EndsInsideAPoint", [](auto& l) { l = l.mid(0, 22); }, 23, "ends"},
        Damage{"LastCurveCut", [](auto& l) { l.removeLast(); }, 2027, "ends"}),
    [](const auto& info) { return info.param.Name; });

TEST(GraFiles, SaveAndLoadKeepTheBytesAndNameAnUnreadableFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("work.gra"));
    SaveGraFile(path, SampleWorkBytes());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), SampleWorkBytes());
    EXPECT_EQ(LoadGraFile(path), SampleWork());

    const QString missing = folder.filePath(QStringLiteral("none.gra"));
    try {
        LoadGraFile(missing);
        FAIL() << "read a missing file";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(missing.toStdString()), std::string::npos);
    }
}

} // namespace
} // namespace lineora
