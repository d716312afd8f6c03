#include "config/ConfigFile.h"

#include "common/Color.h"
#include "common/Errors.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace lineora {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class IniInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, DecimalOrHexOrNothing) {
    EXPECT_EQ(ParseIniInteger(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniInteger,
    ::testing::Values(IntegerCase{"12", 12}, IntegerCase{" 7 ", 7}, IntegerCase{"-5", -5},
                      IntegerCase{"+3", 3}, IntegerCase{"0x00FF00", 0x00FF00},
                      IntegerCase{"0X1f", 31}, IntegerCase{"$FF00", 0xFF00},
                      IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", INT32_MIN},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"0x100000000", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"12abc", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                      IntegerCase{"0xFG", std::nullopt}, IntegerCase{"--1", std::nullopt}));

struct BooleanCase {
    const char* text;
    std::optional<bool> value;
};

class IniBoolean : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(IniBoolean, IntegersAndWords) {
    EXPECT_EQ(ParseIniBoolean(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniBoolean,
                         ::testing::Values(BooleanCase{"1", true}, BooleanCase{"0", false},
                                           BooleanCase{"2", true}, BooleanCase{"-1", true},
                                           BooleanCase{"0x0", false}, BooleanCase{"TRUE", true},
                                           BooleanCase{"False", false},
                                           BooleanCase{"yes", std::nullopt},
                                           BooleanCase{"", std::nullopt}));

// One key of the file and exactly its own field: catches a key read into or written from a
// neighbour of the same type and default, which neither the defaults' text nor a round trip
// would show.
struct KeyCase {
    const char* section;
    const char* key;
    const char* text;
    std::function<void(ConfigValues&)> change;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << "[" << c.section << "] " << c.key << "=" << c.text;
}

ConfigValues Changed(const KeyCase& c) {
    ConfigValues values;
    c.change(values);
    return values;
}

void ExpectReadAsChanged(const KeyCase& c) {
    const IniFile ini =
        IniFile::Parse(QStringLiteral("[%1]\n%2=%3\n")
                           .arg(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                                QString::fromLatin1(c.text))
                           .toUtf8());
    ASSERT_NE(Changed(c), ConfigValues{}) << "the case should change something";
    EXPECT_EQ(ReadConfigValues(ini), Changed(c));
}

class OneKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(OneKey, IsReadIntoItsOwnField) {
    ExpectReadAsChanged(GetParam());
}

TEST_P(OneKey, IsWrittenFromItsOwnField) {
    const KeyCase& c = GetParam();
    const IniFile written = WriteConfigValues(Changed(c));
    EXPECT_EQ(written.Value(QString::fromLatin1(c.section), QString::fromLatin1(c.key)),
              QString::fromLatin1(c.text));
}

// Values as the Windows INI services and other writers leave them.
class ForeignText : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ForeignText, ReadsAsTheWindowsProgramWould) {
    ExpectReadAsChanged(GetParam());
}

using V = ConfigValues;
INSTANTIATE_TEST_SUITE_P(
    EveryKey, OneKey,
    ::testing::Values(
        KeyCase{"Rezim", "StepX", "1", [](V& v) { v.StepX = true; }},
        KeyCase{"Rezim", "AvtoCorrect", "1", [](V& v) { v.AvtoCorrect = true; }},
        KeyCase{"Path", "Path to Graf files", "/data/",
                [](V& v) { v.PathToGrafFiles = QStringLiteral("/data/"); }},
        KeyCase{"Color", "line1", "1", [](V& v) { v.Line1 = 1; }},
        KeyCase{"Color", "line2", "2", [](V& v) { v.Line2 = 2; }},
        KeyCase{"Color", "line3", "3", [](V& v) { v.Line3 = 3; }},
        KeyCase{"Color", "line4", "4", [](V& v) { v.Line4 = 4; }},
        KeyCase{"Color", "line5", "5", [](V& v) { v.Line5 = 5; }},
        KeyCase{"Color", "Axes", "6", [](V& v) { v.Axes = 6; }},
        KeyCase{"Color", "FindColor", "7", [](V& v) { v.FindColor = 7; }},
        KeyCase{"Setup", "FillMetka", "0", [](V& v) { v.FillMetka = false; }},
        KeyCase{"Setup", "DiamterOfPoint", "4", [](V& v) { v.DiamterOfPoint = 4; }},
        KeyCase{"Setup", "VidKoordinat", "0", [](V& v) { v.VidKoordinat = false; }},
        KeyCase{"Setup", "LineKoordWidth", "2", [](V& v) { v.LineKoordWidth = 2; }},
        KeyCase{"Setup", "LineKoordInvert", "0", [](V& v) { v.LineKoordInvert = false; }},
        KeyCase{"Axes", "Xmin", "a", [](V& v) { v.Xmin = QStringLiteral("a"); }},
        KeyCase{"Axes", "Xmax", "b", [](V& v) { v.Xmax = QStringLiteral("b"); }},
        KeyCase{"Axes", "Ymin", "c", [](V& v) { v.Ymin = QStringLiteral("c"); }},
        KeyCase{"Axes", "Ymax", "d", [](V& v) { v.Ymax = QStringLiteral("d"); }},
        KeyCase{"Axes", "PolarXmax", "e", [](V& v) { v.PolarXmax = QStringLiteral("e"); }},
        KeyCase{"Setup", "StandartNumerFormat", "0", [](V& v) { v.StandartNumerFormat = false; }},
        KeyCase{"Setup", "NumerRanger", "0", [](V& v) { v.NumerRanger = false; }},
        KeyCase{"Axes", "XScaleNormalX", "0", [](V& v) { v.XScaleNormalX = false; }},
        KeyCase{"Axes", "XScaleLogarifm10X", "1", [](V& v) { v.XScaleLogarifm10X = true; }},
        KeyCase{"Axes", "XScaleLogarifmNatX", "1", [](V& v) { v.XScaleLogarifmNatX = true; }},
        KeyCase{"Axes", "YScaleNormalX", "0", [](V& v) { v.YScaleNormalX = false; }},
        KeyCase{"Axes", "YScaleLogarifm10X", "1", [](V& v) { v.YScaleLogarifm10X = true; }},
        KeyCase{"Axes", "YScaleLogarifmNatX", "1", [](V& v) { v.YScaleLogarifmNatX = true; }},
        KeyCase{"Setup", "LanguageRussian", "0", [](V& v) { v.LanguageRussian = false; }},
        KeyCase{"Setup", "LanguageEnglish", "1", [](V& v) { v.LanguageEnglish = true; }},
        KeyCase{"Setup", "SaveConfig", "0", [](V& v) { v.SaveConfig = false; }},
        KeyCase{"Setup", "Pointer1", "1", [](V& v) { v.Pointer1 = true; }},
        KeyCase{"Setup", "Pointer2", "1", [](V& v) { v.Pointer2 = true; }},
        KeyCase{"Setup", "Pointer3", "1", [](V& v) { v.Pointer3 = true; }},
        KeyCase{"Setup", "MetkaX", "0", [](V& v) { v.MetkaX = false; }},
        KeyCase{"Forms", "MainLeft", "-1", [](V& v) { v.MainLeft = -1; }},
        KeyCase{"Forms", "MainTop", "-2", [](V& v) { v.MainTop = -2; }},
        KeyCase{"Forms", "MainWidth", "-3", [](V& v) { v.MainWidth = -3; }},
        KeyCase{"Forms", "MainHeight", "-4", [](V& v) { v.MainHeight = -4; }},
        KeyCase{"Forms", "ZoomLeft", "-5", [](V& v) { v.ZoomLeft = -5; }},
        KeyCase{"Forms", "ZoomTop", "-6", [](V& v) { v.ZoomTop = -6; }},
        KeyCase{"Forms", "ZoomStyle", "0", [](V& v) { v.ZoomStyle = false; }},
        KeyCase{"Forms", "InputLeft", "-7", [](V& v) { v.InputLeft = -7; }},
        KeyCase{"Forms", "InputTop", "-8", [](V& v) { v.InputTop = -8; }},
        KeyCase{"Forms", "InputStyle", "0", [](V& v) { v.InputStyle = false; }},
        KeyCase{"Forms", "TableLeft", "-9", [](V& v) { v.TableLeft = -9; }},
        KeyCase{"Forms", "TableTop", "-10", [](V& v) { v.TableTop = -10; }},
        KeyCase{"Forms", "TableWidth", "-11", [](V& v) { v.TableWidth = -11; }},
        KeyCase{"Forms", "TableHeight", "-12", [](V& v) { v.TableHeight = -12; }},
        KeyCase{"Forms", "TableStyle", "0", [](V& v) { v.TableStyle = false; }},
        KeyCase{"Forms", "SetupLeft", "-13", [](V& v) { v.SetupLeft = -13; }},
        KeyCase{"Forms", "SetupTop", "-14", [](V& v) { v.SetupTop = -14; }},
        KeyCase{"Forms", "OutTextLeft", "-15", [](V& v) { v.OutTextLeft = -15; }},
        KeyCase{"Forms", "OutTextTop", "-16", [](V& v) { v.OutTextTop = -16; }},
        KeyCase{"Forms", "OutTextStyle", "0", [](V& v) { v.OutTextStyle = false; }},
        KeyCase{"Setup", "CursorKind", "4", [](V& v) { v.CursorKind = 4; }},
        KeyCase{"StepByX", "BolStepX", "0", [](V& v) { v.BolStepX = false; }},
        KeyCase{"StepByX", "StepFromX", "f", [](V& v) { v.StepFromX = QStringLiteral("f"); }},
        KeyCase{"StepByX", "StepXDelta", "g", [](V& v) { v.StepXDelta = QStringLiteral("g"); }},
        KeyCase{"Find by color", "ColorOf Special2", "8", [](V& v) { v.ColorOfSpecial2 = 8; }},
        KeyCase{"Setup", "SaveScalaKoord", "0", [](V& v) { v.SaveScalaKoord = false; }},
        KeyCase{"Setup", "LoadScalaKoord", "0", [](V& v) { v.LoadScalaKoord = false; }},
        KeyCase{"Axes", "DirectionOfX", "-1", [](V& v) { v.DirectionOfX = -1; }},
        KeyCase{"Axes", "Ekran0_X", "31", [](V& v) { v.Ekran0_X = 31; }},
        KeyCase{"Axes", "Ekran0_Y", "32", [](V& v) { v.Ekran0_Y = 32; }},
        KeyCase{"Axes", "EkranXMax_X", "33", [](V& v) { v.EkranXMax_X = 33; }},
        KeyCase{"Axes", "EkranXMax_Y", "34", [](V& v) { v.EkranXMax_Y = 34; }},
        KeyCase{"Axes", "EkranYMax_X", "35", [](V& v) { v.EkranYMax_X = 35; }},
        KeyCase{"Axes", "EkranYMax_Y", "36", [](V& v) { v.EkranYMax_Y = 36; }},
        KeyCase{"Axes", "TypeOfCurve", "2", [](V& v) { v.TypeOfCurve = 2; }}));

INSTANTIATE_TEST_SUITE_P(
    Texts, ForeignText,
    ::testing::Values(
        KeyCase{"Color", "FindColor", "0x00FF00", [](V& v) { v.FindColor = MakeColor(0, 255, 0); }},
        KeyCase{"Color", "line1", "-16777201", [](V& v) { v.Line1 = 0xFF00000Fu; }},
        KeyCase{"Setup", "DiamterOfPoint", "9", [](V& v) { v.DiamterOfPoint = 5; }},
        KeyCase{"Setup", "DiamterOfPoint", "-3", [](V& v) { v.DiamterOfPoint = 1; }},
        KeyCase{"Setup", "LineKoordWidth", "0x10", [](V& v) { v.LineKoordWidth = 5; }},
        KeyCase{"Setup", "LineKoordInvert", "FALSE", [](V& v) { v.LineKoordInvert = false; }},
        KeyCase{"Axes", "Xmin", "", [](V& v) { v.Xmin.clear(); }},
        KeyCase{"AXES", "xmax", "1,5", [](V& v) { v.Xmax = QStringLiteral("1,5"); }},
        KeyCase{"find BY COLOR", "colorof special2", "$FF",
                [](V& v) { v.ColorOfSpecial2 = 255; }}));

TEST(ConfigRead, UnreadableValuesAndNearMissNamesKeepTheDefaults) {
    const IniFile ini = IniFile::Parse("[Color]\nFindColor=green\nline1=\n"
                                       "[Setup]\nDiamterOfPoint=three\nFillMetka=yes\n"
                                       "DiameterOfPoint=1\n"
                                       "[Find by color]\nColorOfSpecial2=0\n"
                                       "[Forms]\nMainLeft=12.5\n");
    EXPECT_EQ(ReadConfigValues(ini), ConfigValues{});
}

TEST(ConfigText, DamagedBytesAreRefusedWithTheirPlace) {
    const char raw[] = "[Setup]\nFillMetka=0\n\x00\x9c\xff\x01garbage";
    const QByteArray garbage(raw, sizeof raw - 1);
    try {
        ParseConfigText(garbage);
        FAIL() << "damaged text accepted";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("offset 20"), std::string::npos) << error.what();
    }
    EXPECT_THROW(ParseConfigText(QByteArray("\xFF\xFE[\x00", 5)), FileError);
}

TEST(ConfigText, WindowsLineEndsAndUtf16FilesRead) {
    const ConfigValues crlf =
        ReadConfigValues(ParseConfigText("[Setup]\r\nFillMetka=0\r\nCursorKind=2\r\n"));
    EXPECT_FALSE(crlf.FillMetka);
    EXPECT_EQ(crlf.CursorKind, 2);

    const QString text = QStringLiteral("[Path]\r\nPath to Graf files=/данные/\r\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
        utf16.append(static_cast<char>(c.unicode() >> 8));
    }
    EXPECT_EQ(ReadConfigValues(ParseConfigText(utf16)).PathToGrafFiles, QStringLiteral("/данные/"));
}

ConfigValues DefaultsWithPath() {
    ConfigValues values;
    values.PathToGrafFiles = QStringLiteral("/home/user/");
    return values;
}

TEST(ConfigWrite, DefaultsGiveThisFileByteForByte) {
    const QByteArray expected = "[Rezim]\n"
                                "StepX=0\n"
                                "AvtoCorrect=0\n"
                                "\n\n"
                                "[Path]\n"
                                "Path to Graf files=/home/user/\n"
                                "\n\n"
                                "[Color]\n"
                                "line1=255\nline2=255\nline3=255\nline4=255\nline5=255\n"
                                "Axes=255\n"
                                "FindColor=255\n"
                                "\n\n"
                                "[Setup]\n"
                                "FillMetka=1\nDiamterOfPoint=3\nVidKoordinat=1\nLineKoordWidth=1\n"
                                "LineKoordInvert=1\nStandartNumerFormat=1\nNumerRanger=1\n"
                                "SaveConfig=1\nCursorKind=1\nPointer1=0\nPointer2=0\nPointer3=0\n"
                                "MetkaX=1\nLanguageRussian=1\nLanguageEnglish=0\n"
                                "SaveScalaKoord=1\nLoadScalaKoord=1\n"
                                "\n\n"
                                "[Axes]\n"
                                "Xmin=0\nXmax=100\nYmin=0\nYmax=10\nPolarXmax=10\n"
                                "XScaleNormalX=1\nXScaleLogarifm10X=0\nXScaleLogarifmNatX=0\n"
                                "YScaleNormalX=1\nYScaleLogarifm10X=0\nYScaleLogarifmNatX=0\n"
                                "DirectionOfX=1\nTypeOfCurve=1\n"
                                "Ekran0_X=20\nEkran0_Y=100\nEkranXMax_X=200\nEkranXMax_Y=100\n"
                                "EkranYMax_X=20\nEkranYMax_Y=20\n"
                                "\n\n"
                                "[Forms]\n"
                                "MainLeft=20\nMainTop=20\nMainWidth=600\nMainHeight=420\n"
                                "ZoomLeft=400\nZoomTop=400\nZoomStyle=1\n"
                                "InputLeft=500\nInputTop=400\nInputStyle=1\n"
                                "TableLeft=10\nTableTop=10\nTableWidth=600\nTableHeight=400\n"
                                "TableStyle=1\n"
                                "SetupLeft=5\nSetupTop=5\n"
                                "OutTextLeft=300\nOutTextTop=300\nOutTextStyle=1\n"
                                "\n\n"
                                "[StepByX]\n"
                                "BolStepX=1\nStepXDelta=10\nStepFromX=0\n"
                                "\n\n"
                                "[Find by color]\n"
                                "ColorOf Special2=16777215\n";
    EXPECT_EQ(WriteConfigValues(DefaultsWithPath()).Serialize(), expected);
}

TEST(ConfigWrite, ExistingFileKeepsItsOtherKeysAndUnsavedReferencePoints) {
    IniFile ini = IniFile::Parse("; kept\n[axes]\nekran0_x=77\nXmin=9\n[Other]\nKey=kept\n");
    ConfigValues values = DefaultsWithPath();
    values.SaveScalaKoord = false;
    values.Ekran0_X = 5;
    WriteConfigValues(values, ini);

    EXPECT_EQ(ini.Value("Axes", "Ekran0_X"), "77");
    EXPECT_FALSE(ini.Has("Axes", "Ekran0_Y"));
    EXPECT_EQ(ini.Value("Other", "Key"), "kept");
    EXPECT_EQ(ini.Value("Axes", "Xmin"), "0");
    // The file's own spelling and order stay; our keys follow.
    EXPECT_EQ(ini.Keys("Axes").mid(0, 3), (QStringList{"ekran0_x", "Xmin", "Xmax"}));
    EXPECT_TRUE(ini.Serialize().startsWith("; kept\n"));
}

} // namespace
} // namespace lineora
