#include "core/config/ConfigFile.h"
#include "core/config/Language.h"

#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "core/common/IniFile.h"
#include "core/common/Messages.h"
#include "support/Files.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace lineora {
namespace {

TEST(IniValues, IntegersAreDecimalOrHexBooleansIntegersOrWords) {
    const std::pair<const char*, std::optional<std::int32_t>> integers[] = {
        {" 7 ", 7},
        {"-5", -5},
        {"0X1f", 31},
        {"$FF00", 0xFF00},
        {"$FFFFFFFF", -1},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"", std::nullopt},
        {"$", std::nullopt},
        {"12abc", std::nullopt}};
    for (const auto& [text, value] : integers) {
        EXPECT_EQ(ParseIniInteger(QString::fromLatin1(text)), value) << text;
    }
    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {"0", false},   {"2", true},      {"0x0", false},
        {"TRUE", true}, {"False", false}, {"yes", std::nullopt}};
    for (const auto& [text, value] : booleans) {
        EXPECT_EQ(ParseIniBoolean(QString::fromLatin1(text)), value) << text;
    }
}

// Values as the Windows INI services and other writers leave them.
TEST(ConfigRead, ForeignTextsReadAsTheWindowsProgramWould) {
    using V = ConfigValues;
    const std::tuple<const char*, std::function<void(V&)>> cases[] = {
        {"[Color]\nline1=-16777201", [](V& v) { v.Line1 = 0xFF00000Fu; }},
        {"[Setup]\nDiamterOfPoint=9", [](V& v) { v.DiamterOfPoint = 5; }},
        {"[Setup]\nDiamterOfPoint=-3", [](V& v) { v.DiamterOfPoint = 1; }},
        {"[Axes]\nXmin=", [](V& v) { v.Xmin.clear(); }},
        {"[AXES]\nxmax=1,5", [](V& v) { v.Xmax = QStringLiteral("1,5"); }},
        {"[find BY COLOR]\ncolorof special2=$FF", [](V& v) { v.ColorOfSpecial2 = 255; }},
    };
    for (const auto& [text, change] : cases) {
        ConfigValues expected;
        change(expected);
        ASSERT_NE(expected, ConfigValues{}) << "the case should change something";
        EXPECT_EQ(ReadConfigValues(IniFile::Parse(text)), expected) << text;
    }
}

TEST(ConfigRead, UnreadableValuesAndNearMissNamesKeepTheDefaults) {
    const IniFile ini = IniFile::Parse("[Color]\nFindColor=green\nline1=\n"
                                       "[Setup]\nDiamterOfPoint=three\nFillMetka=yes\n"
                                       "DiameterOfPoint=1\n"
                                       "[Find by color]\nColorOfSpecial2=0\n"
                                       "[Forms]\nMainLeft=12.5\n");
    std::vector<ConfigProblem> problems;
    EXPECT_EQ(ReadConfigValues(ini, &problems), ConfigValues{});
    QStringList named;
    for (const ConfigProblem& problem : problems) {
        named << problem.Section + QLatin1Char('/') + problem.Key + QLatin1Char('=') + problem.Text;
    }
    EXPECT_EQ(named, (QStringList{"Color/line1=", "Color/FindColor=green", "Setup/FillMetka=yes",
                                  "Setup/DiamterOfPoint=three", "Forms/MainLeft=12.5"}));
}

// The message names the file and the key, keeps the reason and quotes a short, printable part
// of the value.
TEST(ConfigRead, ProblemsAreDescribedByKeyAndFileWithTheValueShortened) {
    const QString path = QStringLiteral("/opt/lineora/lineora3.Ini");
    std::vector<ConfigProblem> problems;
    // Blanks around a value are not part of it; a tab inside is.
    const QString text = QStringLiteral("[Color]\nline2=blue\n[Forms]\nMainTop=7\t%1x\n");
    ReadConfigValues(IniFile::Parse(text.arg(QString(99, QLatin1Char('7'))).toUtf8()), &problems);
    const QString message = DescribeConfigProblems(path, problems);
    EXPECT_TRUE(message.contains(QLatin1Char('"') + path + QLatin1Char('"')));
    EXPECT_TRUE(test::Mentions(message, "key \"line2\" of section [Color] is \"blue\": it is not a "
                                        "colour number, so the key keeps its default 16711680"));
    EXPECT_TRUE(
        test::Mentions(message, QStringLiteral("is \"7\\x09%1...\": it is not a whole number")
                                    .arg(QString(38, QLatin1Char('7')))));
    EXPECT_FALSE(test::Mentions(message, QString(39, QLatin1Char('7'))));
}

TEST(ConfigText, DamagedBytesAreRefusedWithTheirPlace) {
    const char raw[] = "[Setup]\nFillMetka=0\n\x00\x9c\xff\x01garbage";
    const QByteArray garbage(raw, sizeof raw - 1);
    EXPECT_TRUE(
        test::Mentions(test::ErrorOf<FileError>([&] { ParseConfigText(garbage); }), "offset 20"));
    EXPECT_THROW(ParseConfigText(QByteArray("\xFF\xFE[\x00", 5)), FileError);
}

TEST(ConfigText, WindowsLineEndsAndUtf16FilesRead) {
    EXPECT_EQ(ReadConfigValues(ParseConfigText("[Setup]\r\nCursorKind=2\r\n")).CursorKind, 2);

    const QString text = QStringLiteral("[Path]\r\nPath to Graf files=/данные/\r\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
        utf16.append(static_cast<char>(c.unicode() >> 8));
    }
    EXPECT_EQ(ReadConfigValues(ParseConfigText(utf16)).PathToGrafFiles, QStringLiteral("/данные/"));
}

// Every field off its default (but SaveScalaKoord, which the reference points need) and every
// number and text unlike the others, so that a key wired to a neighbour's field shows.
// clang-format off
const ConfigValues kDistinct{
    .StepX = true, .AvtoCorrect = true, .PathToGrafFiles = "/p/", .Line1 = 11, .Line2 = 12,
    .Line3 = 13, .Line4 = 14, .Line5 = 15, .Axes = 16, .FindColor = 17, .FillMetka = false,
    .DiamterOfPoint = 4, .VidKoordinat = false, .LineKoordWidth = 5, .LineKoordInvert = false,
    .Xmin = "a", .Xmax = "b", .Ymin = "c", .Ymax = "d", .PolarXmax = "e",
    .StandartNumerFormat = false, .NumerRanger = false, .XScaleNormalX = false,
    .XScaleLogarifm10X = true, .XScaleLogarifmNatX = true, .YScaleNormalX = false,
    .YScaleLogarifm10X = true, .YScaleLogarifmNatX = true, .LanguageRussian = false,
    .LanguageEnglish = true, .SaveConfig = false, .Pointer1 = true, .Pointer2 = true,
    .Pointer3 = true, .MetkaX = false, .MainLeft = -101, .MainTop = -102, .MainWidth = -103,
    .MainHeight = -104, .ZoomLeft = -105, .ZoomTop = -106, .ZoomStyle = false, .InputLeft = -107,
    .InputTop = -108, .InputStyle = false, .TableLeft = -109, .TableTop = -110, .TableWidth = -111,
    .TableHeight = -112, .TableStyle = false, .SetupLeft = -113, .SetupTop = -114,
    .OutTextLeft = -115, .OutTextTop = -116, .OutTextStyle = false, .CursorKind = 9,
    .BolStepX = false, .StepFromX = "f", .StepXDelta = "g", .ColorOfSpecial2 = 18,
    .SaveScalaKoord = true, .LoadScalaKoord = false, .DirectionOfX = -1, .Ekran0_X = 31,
    .Ekran0_Y = 32, .EkranXMax_X = 33, .EkranXMax_Y = 34, .EkranYMax_X = 35, .EkranYMax_Y = 36,
    .TypeOfCurve = 2};
// clang-format on

TEST(ConfigWrite, EveryKeyInItsPlaceByteForByteAndReadBack) {
    const QByteArray expected =
        "[Rezim]\nStepX=1\nAvtoCorrect=1\n\n\n"
        "[Path]\nPath to Graf files=/p/\n\n\n"
        "[Color]\nline1=11\nline2=12\nline3=13\nline4=14\nline5=15\nAxes=16\nFindColor=17\n\n\n"
        "[Setup]\nFillMetka=0\nDiamterOfPoint=4\nVidKoordinat=0\nLineKoordWidth=5\n"
        "LineKoordInvert=0\nStandartNumerFormat=0\nNumerRanger=0\nSaveConfig=0\nCursorKind=9\n"
        "Pointer1=1\nPointer2=1\nPointer3=1\nMetkaX=0\nLanguageRussian=0\nLanguageEnglish=1\n"
        "SaveScalaKoord=1\nLoadScalaKoord=0\n\n\n"
        "[Axes]\nXmin=a\nXmax=b\nYmin=c\nYmax=d\nPolarXmax=e\nXScaleNormalX=0\n"
        "XScaleLogarifm10X=1\nXScaleLogarifmNatX=1\nYScaleNormalX=0\nYScaleLogarifm10X=1\n"
        "YScaleLogarifmNatX=1\nDirectionOfX=-1\nTypeOfCurve=2\nEkran0_X=31\nEkran0_Y=32\n"
        "EkranXMax_X=33\nEkranXMax_Y=34\nEkranYMax_X=35\nEkranYMax_Y=36\n\n\n"
        "[Forms]\nMainLeft=-101\nMainTop=-102\nMainWidth=-103\nMainHeight=-104\nZoomLeft=-105\n"
        "ZoomTop=-106\nZoomStyle=0\nInputLeft=-107\nInputTop=-108\nInputStyle=0\nTableLeft=-109\n"
        "TableTop=-110\nTableWidth=-111\nTableHeight=-112\nTableStyle=0\nSetupLeft=-113\n"
        "SetupTop=-114\nOutTextLeft=-115\nOutTextTop=-116\nOutTextStyle=0\n\n\n"
        "[StepByX]\nBolStepX=0\nStepXDelta=g\nStepFromX=f\n\n\n"
        "[Find by color]\nColorOf Special2=18\n";
    EXPECT_EQ(WriteConfigValues(kDistinct).Serialize(), expected);
    EXPECT_EQ(ReadConfigValues(IniFile::Parse(expected)), kDistinct);
}

// Found by the INI fuzzer: a value starting with U+FEFF and blanks came back without them,
// one ending in a blank and a broken UTF-8 sequence without its blank.
TEST(ConfigWrite, WhatWasReadComesBackAfterWritingIt) {
    for (const char* text :
         {"[Path]\nPath to Graf files=\xEF\xBB\xBF  ne+=255\n",
          "[Axes]\nXmin=\xEF\xBB\xBF\xEF\xBB\xBF 1\n", "[Axes]\nYmax=1 \xEF\n"}) {
        const ConfigValues read = ReadConfigValues(ParseConfigText(text));
        ASSERT_NE(read, ConfigValues{}) << text;
        EXPECT_EQ(ReadConfigValues(ParseConfigText(WriteConfigValues(read).Serialize())), read)
            << text;
    }
}

TEST(ConfigWrite, ExistingFileKeepsItsOtherKeysAndUnsavedReferencePoints) {
    IniFile ini = IniFile::Parse("; kept\n[axes]\nekran0_x=77\nXmin=9\n[Other]\nKey=kept\n");
    ConfigValues values;
    values.SaveScalaKoord = false;
    values.Ekran0_X = 5;
    WriteConfigValues(values, ini);

    EXPECT_EQ(std::tuple(ini.Value("Axes", "Ekran0_X"), ini.Has("Axes", "Ekran0_Y"),
                         ini.Value("Other", "Key")),
              std::tuple(QStringLiteral("77"), false, QStringLiteral("kept")));
    // The file's own spelling and order stay; our keys follow.
    EXPECT_EQ(ini.Keys("Axes").mid(0, 3), (QStringList{"ekran0_x", "Xmin", "Xmax"}));
    EXPECT_TRUE(ini.Serialize().startsWith("; kept\n"));
}

TEST(Messages, LineBreaksAndGapsInTheLanguageFile) {
    MessageCatalog catalog;
    const QString builtIn = LoadMessage(catalog, "msgMessaga7");
    ASSERT_FALSE(builtIn.isEmpty());
    const IniFile ini = IniFile::Parse("[Misc]\nmsgMessaga1=First*|*Second\nmsgMessaga8=\n");
    ApplyMessages(ini, catalog);
    EXPECT_EQ(LoadMessage(catalog, "msgMessaga1"), "First\nSecond");
    EXPECT_EQ(LoadMessage(catalog, "msgMessaga7"), builtIn);     // absent: the text stays
    EXPECT_FALSE(LoadMessage(catalog, "msgMessaga8").isEmpty()); // empty: the text stays
}

// A missing file is none; the pipe and device refusals are those of the graph data files.
TEST(Language, LanguageFilesOfMoreThan4MegabytesAreRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(OpenLanguageFile(dir.path(), "English.ini").has_value());
    QFile big(dir.filePath("English.ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxIniFileBytes + 1));
    big.close();
    EXPECT_TRUE(test::Mentions(
        test::ErrorOf<FileError>([&] { OpenLanguageFile(dir.path(), "English.ini"); }),
        "too large: more than 4 MB"));
}

} // namespace
} // namespace lineora
