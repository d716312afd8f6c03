// Special1.Ini: what a written file reads back as, and what damaged keys and files give.

#include "core/common/Errors.h"
#include "core/common/IniFile.h"
#include "core/photometry/StripSampling.h"
#include "support/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace lineora {
namespace {

using test::Mentions;

// A state far from the defaults, so that a field left at its default shows.
StripSamplingState Picked() {
    StripSamplingState state;
    for (int entry = 1; entry <= 9; ++entry) {
        state.SpecLineColors[entry] = 0x010203u * static_cast<TColor>(entry) + 0xA00000u;
    }
    state.LineDensity = 6;
    state.ClearKoef = 0.26; // written as 3 tenths
    return state;
}

bool IsDefault(const StripSamplingState& state) {
    StripSamplingState defaults = Picked();
    SetSpecialIniDefaults(defaults);
    return state.SpecLineColors == defaults.SpecLineColors && state.LineDensity == 3 &&
           state.ClearKoef == 0.7;
}

TEST(SpecialIni, RoundTripKeepsEveryValueAndForeignKeys) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Special1.Ini"));
    test::WriteBytes(path, "[Special]\r\nOther=kept\r\n[Mine]\r\nA=1\r\n");
    WriteSpecialIni(Picked(), path);
    const IniFile written = IniFile::Load(path);
    EXPECT_EQ(written.Value(QStringLiteral("Special"), QStringLiteral("Other")), "kept");
    EXPECT_EQ(written.Value(QStringLiteral("Mine"), QStringLiteral("A")), "1");

    StripSamplingState read;
    EXPECT_EQ(ReadSpecialIni(read, path), QString());
    EXPECT_EQ(read.SpecLineColors, Picked().SpecLineColors);
    EXPECT_EQ(read.LineDensity, 6);
    EXPECT_DOUBLE_EQ(read.ClearKoef, 0.3);
    // A missing file gives the defaults without a message.
    EXPECT_EQ(ReadSpecialIni(read, folder.filePath(QStringLiteral("none.ini"))), QString());
    EXPECT_TRUE(IsDefault(read));
}

// One key's text, and the value the state takes from it (nullopt: the key's default, with a
// message naming the key).
struct KeyCase {
    const char* Name;
    const char* Section;
    const char* Key;
    const char* Text;
    std::optional<double> Value;
};

class SpecialIniKeys : public ::testing::TestWithParam<KeyCase> {};

double ValueOf(const StripSamplingState& state, const std::string& key) {
    const QString name = QString::fromStdString(key);
    if (name.compare(QStringLiteral("Plotnost linii"), Qt::CaseInsensitive) == 0) {
        return state.LineDensity;
    }
    if (name.compare(QStringLiteral("specKoefClear"), Qt::CaseInsensitive) == 0) {
        return state.ClearKoef;
    }
    return state.SpecLineColors[static_cast<std::size_t>(3 * (key[4] - '1') + (key[6] - '0'))];
}

TEST_P(SpecialIniKeys, TakeValuesInRangeAndReplaceTheRest) {
    const KeyCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Special1.Ini"));
    test::WriteBytes(path, QByteArray("[ColorFind]\r\nLine1_2=4660\r\n[") + c.Section + "]\r\n" +
                               c.Key + "=" + c.Text + "\r\n");
    StripSamplingState state = Picked();
    const QString message = ReadSpecialIni(state, path);
    if (c.Value) {
        EXPECT_EQ(message, QString());
        EXPECT_DOUBLE_EQ(ValueOf(state, c.Key), *c.Value);
    } else {
        EXPECT_TRUE(Mentions(message.toStdString(), c.Key));
        StripSamplingState defaults;
        SetSpecialIniDefaults(defaults);
        EXPECT_DOUBLE_EQ(ValueOf(state, c.Key), ValueOf(defaults, c.Key));
    }
    EXPECT_EQ(state.SpecLineColors[2], 4660u); // the good key beside it is still read
}

INSTANTIATE_TEST_SUITE_P(
    SpecialIni, SpecialIniKeys,
    ::testing::Values(KeyCase{"DensityHighest", "Special", "Plotnost linii", " 9 ", 9},
                      KeyCase{"DensityZero", "Special", "Plotnost linii", "0", {}},
                      KeyCase{"DensityTen", "Special", "Plotnost linii", "10", {}},
                      KeyCase{"ClearNone", "Special", "specKoefClear", "0", 0.0},
                      KeyCase{"ClearAll", "Special", "specKoefClear", "10", 1.0},
                      KeyCase{"ClearTooMuch", "Special", "specKoefClear", "11", {}},
                      KeyCase{"ClearNegative", "Special", "specKoefClear", "-1", {}},
                      KeyCase{"Colour", "ColorFind", "Line3_1", "16777215", 16777215.0},
                      KeyCase{"ColourTooBig", "ColorFind", "Line3_1", "16777216", {}},
                      KeyCase{"ColourNegative", "ColorFind", "Line2_3", "-5", {}},
                      KeyCase{"KeyCaseIgnored", "special", "PLOTNOST LINII", "1", 1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SpecialIni, UnreadableFileGivesTheDefaultsAndSaysSo) {
    QTemporaryDir folder;
    const QString garbage = folder.filePath(QStringLiteral("garbage.ini"));
    static constexpr char kGarbage[] = "[Special]\r\nPlotnost linii=5\r\n\0\x01\x02";
    test::WriteBytes(garbage, QByteArray(kGarbage, sizeof kGarbage - 1));
    for (const QString& path : {garbage, folder.path()}) {
        StripSamplingState state = Picked();
        EXPECT_TRUE(Mentions(ReadSpecialIni(state, path), QStringLiteral("cannot be read")));
        EXPECT_TRUE(IsDefault(state));
    }
}

TEST(SpecialIni, FailedWriteLeavesTheOldFile) {
    QTemporaryDir folder;
    // A folder in the file's place is never replaced.
    const QString path = folder.filePath(QStringLiteral("Special1.Ini"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Special1.Ini")));
    EXPECT_THROW(WriteSpecialIni(Picked(), path), FileError);
    EXPECT_TRUE(QFileInfo(path).isDir());
    // A damaged old file is replaced whole rather than kept in part.
    const QString damaged = folder.filePath(QStringLiteral("damaged.ini"));
    static constexpr char kDamaged[] = "[Mine]\r\nA=1\r\n\0";
    test::WriteBytes(damaged, QByteArray(kDamaged, sizeof kDamaged - 1));
    WriteSpecialIni(Picked(), damaged);
    EXPECT_FALSE(IniFile::Load(damaged).Has(QStringLiteral("Mine"), QStringLiteral("A")));
}

} // namespace
} // namespace lineora
