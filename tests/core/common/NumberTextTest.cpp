#include "core/common/NumberText.h"
#include "core/common/Errors.h"
#include "core/common/NumericKeyFilter.h"
#include "support/DecimalCharGuard.h"
#include "support/Files.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace lineora {
namespace {

const QChar kPoint = QLatin1Char('.');
const QChar kComma = QLatin1Char(',');
constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

class NumberTextTest : public ::testing::Test {
protected:
    test::DecimalCharGuard separator_;
};

struct GeneralCase {
    Extended value;
    QChar separator;
    const char* expected;
};

TEST_F(NumberTextTest, GeneralFormTable) {
    // The plain/exponent boundaries are compared with a reference below; these are the rest.
    const GeneralCase cases[] = {
        {-0.0L, kPoint, "0"},
        {-2.0L / 3, kComma, "-0,666666666666667"},
        {9.999999999999999e-6L, kPoint, "0.00001"}, // carries into plain range
        {999999999999999.9L, kPoint, "1E15"},
        {1e4000L, kPoint, "1E4000"},
        // 18 digits first: ...0049999 becomes ...00500 and then rounds up at 15 digits.
        {1.000000000000004999L, kPoint, "1.00000000000001"},
        {kNaN, kPoint, "NAN"},
        {-kInf, kPoint, "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value, c.separator), QString::fromLatin1(c.expected))
            << c.expected;
    }
}

struct PaddedCase {
    bool scientific;
    Extended value;
    int width;
    int digits;
    QChar separator;
    const char* expected;
};

TEST_F(NumberTextTest, FixedAndScientificFormTable) {
    const PaddedCase cases[] = {
        {false, 2.5L, 8, 4, kComma, "  2,5000"},
        {false, -9.99995L, 8, 4, kPoint, "-10.0000"},
        {false, -0.00005L, 8, 4, kPoint, " -0.0001"},
        {false, 123456789.123456L, 8, 4, kPoint, "123456789.1235"},
        {false, 1e20L, 8, 4, kPoint, "    1E20"},
        {false, 2.5L, 0, 0, kPoint, "3"},
        {false, 1.0L / 3, 0, 20, kPoint, "0.333333333333333333"},
        {true, -0.00012L, 15, 4, kComma, "    -1,200E-004"},
        {true, 9.9995L, 15, 4, kPoint, "     1.000E+001"},
        {true, -1e4000L, 15, 4, kPoint, "   -1.000E+4000"},
        {true, 1.5L, 0, 0, kPoint, "2E+000"},
        {true, kInf, 15, 4, kPoint, "            INF"},
    };
    for (const auto& c : cases) {
        const QString text = c.scientific
                                 ? FormatScientific(c.value, c.width, c.digits, c.separator)
                                 : FormatFixed(c.value, c.width, c.digits, c.separator);
        EXPECT_EQ(text, QString::fromLatin1(c.expected)) << c.expected;
    }
}

TEST_F(NumberTextTest, PatternTable) {
    const std::pair<QString, const char*> cases[] = {
        {FormatPattern(" (%f, %f)", {1.5L, -2}, kComma), " (1,50, -2,00)"},
        {FormatPattern(" (%3.6f)", {-12.3456789L}, kPoint), " (-12.345679)"},
        {FormatPattern("%e", {1234.5L}, kPoint), "1.23450000000000E+003"},
        {FormatPattern("%10.3E", {0.5L}, kPoint), " 5.00E-001"},
        {FormatPattern("100%% of %f", {7}, kPoint), "100% of 7.00"},
        {FormatPattern("%f", {1, 2}, kPoint), "1.00"},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, QString::fromLatin1(expected));
    }
}

TEST_F(NumberTextTest, ParseAccepts) {
    struct Case {
        const char* text;
        QChar separator;
        Extended expected;
    };
    const Case cases[] = {
        {"\t-2.5  ", kPoint, -2.5L}, {"+3", kPoint, 3},           {"1,5", kComma, 1.5L},
        {"1.5E-3", kPoint, 1.5e-3L}, {"-.5", kPoint, -0.5L},      {"5.", kPoint, 5},
        {"1e-5000", kPoint, 0},      {"1e4000", kPoint, 1e4000L},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text, c.separator), c.expected) << c.text;
    }
}

TEST_F(NumberTextTest, ParseRefuses) {
    for (const char* text :
         {"", "-", "1.2.3", "1,5", "1e", "e5", "1 000", "0x10", "inf", "nan", "1e5000"}) {
        EXPECT_THROW(ParseNumber(text, kPoint), FormatError) << text;
    }
    EXPECT_THROW(ParseNumber("1.5", kComma), FormatError);
    EXPECT_EQ(test::ErrorOf<FormatError>([] { ParseNumber("abc", kPoint); }),
              "\"abc\" is not a valid number");
}

// The host's separator becomes the process default of every form and of the adaptation.
TEST_F(NumberTextTest, SystemSeparatorIsReadFromHostAndIsTheDefault) {
    test::ScriptedHost host;
    host.Separator = kComma;
    ReadSystemDecimalChar(host);
    EXPECT_EQ(FormatGeneral(1.5L), "1,5");
    EXPECT_EQ(AdaptDecimalSeparator("1.5.3"), "1,5.3");
    EXPECT_EQ(DotDecimal("1,5,3"), "1.5,3"); // whatever the system's separator
    host.Separator = QChar();
    ReadSystemDecimalChar(host);
    EXPECT_EQ(DecimalChar(), kPoint);
    EXPECT_EQ(AdaptDecimalSeparator("1,5,3"), "1.5,3");
}

// The general form built another way: the exact value's first 18 digits as an integer,
// rounded to 15 by integer division.
std::string ReferenceGeneral(Extended value) {
    if (value == 0) {
        return "0";
    }
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 17)
                         .ptr;
    const std::string text(buffer.data(), end); // d.ddddddddddddddddde+XX
    const unsigned long long digits18 = std::stoull(text.substr(0, 1) + text.substr(2, 17));
    int exponent = std::stoi(text.substr(text.find('e') + 1));
    unsigned long long kept = digits18 / 1000 + (digits18 % 1000 >= 500 ? 1 : 0);
    if (kept == 1'000'000'000'000'000ULL) {
        kept /= 10;
        ++exponent;
    }
    while (kept % 10 == 0) {
        kept /= 10;
    }
    const std::string d = std::to_string(kept);
    std::string body;
    if (exponent < -5 || exponent >= 15) {
        body = d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") + "E" +
               std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        body = d.size() > whole ? d.substr(0, whole) + "." + d.substr(whole)
                                : d + std::string(whole - d.size(), '0');
    } else {
        body = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + d;
    }
    return (value < 0 ? "-" : "") + body;
}

TEST_F(NumberTextTest, GeneralFormMatchesReference) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> power(-30, 30);
    std::vector<Extended> values;
    for (int i = 0; i < 50000; ++i) {
        const Extended magnitude = std::pow(10.0L, static_cast<Extended>(power(random)));
        values.push_back((random() & 1U) != 0 ? -magnitude : magnitude);
    }
    for (const Extended boundary : {1e-5L, 1e15L, 1e-6L, 1e14L}) {
        for (int step = -3; step <= 3; ++step) {
            values.push_back(boundary * (1 + step * 1e-16L));
        }
    }
    random.seed(3);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(static_cast<Extended>(random() % 10'000'000'000'000'000ULL));
    }
    for (const Extended value : values) {
        ASSERT_EQ(FormatGeneral(value, kPoint).toStdString(), ReferenceGeneral(value));
    }
}

using Verdict = NumericKey::Verdict;

struct KeyCase {
    const char* text; // the field's text without the selection being replaced
    char16_t typed;
    char separator;
    MinusRule minus;
    Verdict verdict;
    char16_t inserted; // what goes into the field when the verdict is Insert
};

class NumericKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeys, TypeOnlyWhatCanBecomeANumber) {
    const KeyCase& c = GetParam();
    const NumericKey key = FilterNumericKey(QString::fromLatin1(c.text), QChar(c.typed), c.minus,
                                            QLatin1Char(c.separator));
    EXPECT_EQ(key.verdict, c.verdict) << c.text << " + " << static_cast<int>(c.typed);
    if (c.verdict == Verdict::Insert) {
        EXPECT_EQ(key.character, QChar(c.inserted));
    }
}

constexpr auto kEmpty = MinusRule::WhileEmpty;

INSTANTIATE_TEST_SUITE_P(
    Keys, NumericKeys,
    ::testing::Values(
        // Either key types the system's separator, on both kinds of system.
        KeyCase{"1", u',', '.', kEmpty, Verdict::Insert, u'.'},
        KeyCase{"", u'.', ',', kEmpty, Verdict::Insert, u','},
        // A second separator is refused, whichever key and whichever one the text holds.
        KeyCase{"1,5", u'.', ',', kEmpty, Verdict::Refuse, 0},
        KeyCase{"1.5", u',', ',', kEmpty, Verdict::Refuse, 0},
        KeyCase{"", u'-', '.', kEmpty, Verdict::Insert, u'-'},
        KeyCase{"5", u'-', '.', kEmpty, Verdict::Refuse, 0},
        KeyCase{"", u'-', '.', MinusRule::Refused, Verdict::Refuse, 0},
        KeyCase{"5", u'-', '.', MinusRule::Anywhere, Verdict::Insert, u'-'},
        KeyCase{"12", u'9', '.', kEmpty, Verdict::Insert, u'9'},
        KeyCase{"12", u'0', '.', kEmpty, Verdict::Insert, u'0'},
        KeyCase{"12", 8, '.', kEmpty, Verdict::Erase, 0},
        KeyCase{"12", 13, '.', kEmpty, Verdict::Enter, 0},
        KeyCase{"12", u'/', '.', kEmpty, Verdict::Refuse, 0},      // just below '0'
        KeyCase{"12", u'\u0661', '.', kEmpty, Verdict::Refuse, 0}, // Arabic 1
        KeyCase{"12", 22, '.', kEmpty, Verdict::Refuse, 0}));      // Ctrl+V

} // namespace
} // namespace lineora
