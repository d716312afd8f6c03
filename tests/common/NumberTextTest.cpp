#include "common/NumberText.h"
#include "common/Errors.h"
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

// Restores the process-wide separator whatever a test set.
class NumberTextTest : public ::testing::Test {
protected:
    void TearDown() override { SetDecimalChar(kPoint); }
};

struct GeneralCase {
    Extended value;
    QChar separator;
    const char* expected;
};

TEST_F(NumberTextTest, GeneralFormTable) {
    const GeneralCase cases[] = {
        {0.0L, kPoint, "0"},
        {-0.0L, kPoint, "0"},
        {1.0L, kPoint, "1"},
        {-1.0L, kPoint, "-1"},
        {1.5L, kPoint, "1.5"},
        {1.5L, kComma, "1,5"},
        {-1234.5L, kPoint, "-1234.5"},
        {0.1L + 0.2L, kPoint, "0.3"},
        {1.0L / 3, kPoint, "0.333333333333333"},
        {-2.0L / 3, kComma, "-0,666666666666667"},
        {1.23456789012345678L, kPoint, "1.23456789012346"},
        {0.00001L, kPoint, "0.00001"},
        {0.00001L, kComma, "0,00001"},
        {-0.000012345L, kPoint, "-0.000012345"},
        {0.000009L, kPoint, "9E-6"},
        {9.999999999999999e-6L, kPoint, "0.00001"}, // carries into plain range
        {1.5e-7L, kPoint, "1.5E-7"},
        {1.5e-7L, kComma, "1,5E-7"},
        {123456789012345.0L, kPoint, "123456789012345"},
        {999999999999999.0L, kPoint, "999999999999999"},
        {1e15L, kPoint, "1E15"},
        {999999999999999.9L, kPoint, "1E15"},
        {-2.5e15L, kPoint, "-2.5E15"},
        {1234560000000.0L, kPoint, "1234560000000"},
        {1e20L, kPoint, "1E20"},
        {1e300L, kPoint, "1E300"},
        {-1.25e-300L, kPoint, "-1.25E-300"},
        {1.5e-40L, kPoint, "1.5E-40"},
        {1e4000L, kPoint, "1E4000"},
        // 18 digits first: ...0049999 becomes ...00500 and then rounds up at 15 digits.
        {1.000000000000004999L, kPoint, "1.00000000000001"},
        {kNaN, kPoint, "NAN"},
        {kInf, kPoint, "INF"},
        {-kInf, kPoint, "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value, c.separator), QString::fromLatin1(c.expected))
            << c.expected;
    }
}

struct PaddedCase {
    Extended value;
    int width;
    int digits;
    QChar separator;
    const char* expected;
};

TEST_F(NumberTextTest, FixedFormTable) {
    const PaddedCase cases[] = {
        {12.5L, 8, 4, kPoint, " 12.5000"},
        {-0.25L, 8, 4, kPoint, " -0.2500"},
        {2.5L, 8, 4, kComma, "  2,5000"},
        {9.99995L, 8, 4, kPoint, " 10.0000"},
        {-9.99995L, 8, 4, kPoint, "-10.0000"},
        {0.0L, 8, 4, kPoint, "  0.0000"},
        {-0.0L, 8, 4, kPoint, "  0.0000"},
        {-0.00004L, 8, 4, kPoint, "  0.0000"},
        {-0.00005L, 8, 4, kPoint, " -0.0001"},
        {0.00049L, 8, 4, kPoint, "  0.0005"},
        {123456789.123456L, 8, 4, kPoint, "123456789.1235"},
        {123456789012345678.0L, 0, 2, kPoint, "123456789012345678.00"},
        {1e20L, 8, 4, kPoint, "    1E20"},
        {0.5L, 0, 0, kPoint, "1"},
        {2.5L, 0, 0, kPoint, "3"},
        {-2.5L, 0, 0, kPoint, "-3"},
        {45.0L, 3, 3, kPoint, "45.000"},
        {1.0L / 3, 0, 20, kPoint, "0.333333333333333333"},
        {kNaN, 8, 4, kPoint, "     NAN"},
        {-kInf, 8, 4, kPoint, "    -INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.value, c.width, c.digits, c.separator),
                  QString::fromLatin1(c.expected))
            << c.expected;
    }
}

TEST_F(NumberTextTest, ScientificFormTable) {
    const PaddedCase cases[] = {
        {1234.5678L, 15, 4, kPoint, "     1.235E+003"},
        {1234.5678L, 15, 4, kComma, "     1,235E+003"},
        {0.0L, 15, 4, kPoint, "     0.000E+000"},
        {-0.0L, 15, 4, kPoint, "     0.000E+000"},
        {-0.00012L, 15, 4, kPoint, "    -1.200E-004"},
        {100000.0L, 15, 4, kPoint, "     1.000E+005"},
        {9.9995L, 15, 4, kPoint, "     1.000E+001"},
        {1e-300L, 15, 4, kPoint, "     1.000E-300"},
        {-1e4000L, 15, 4, kPoint, "   -1.000E+4000"},
        {1.5L, 0, 1, kPoint, "2E+000"},
        {1.5L, 0, 0, kPoint, "2E+000"},
        {kInf, 15, 4, kPoint, "            INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatScientific(c.value, c.width, c.digits, c.separator),
                  QString::fromLatin1(c.expected))
            << c.expected;
    }
}

TEST_F(NumberTextTest, ExportFormsAndDefaultSeparator) {
    EXPECT_EQ(FormatExport(2.5L, NumberFormat::Standard, kPoint), "  2.5000");
    EXPECT_EQ(FormatExport(100000.0L, NumberFormat::Scientific, kPoint), "     1.000E+005");
    SetDecimalChar(kComma);
    EXPECT_EQ(FormatExport(2.5L, NumberFormat::Standard), "  2,5000");
    EXPECT_EQ(FormatGeneral(1.5L), "1,5");
    EXPECT_EQ(FormatPattern("%f", {1}), "1,00");
}

TEST_F(NumberTextTest, PatternTable) {
    const std::pair<QString, const char*> cases[] = {
        {FormatPattern(" (%f, %f)", {1.5L, -2}, kPoint), " (1.50, -2.00)"},
        {FormatPattern(" (%f, %f)", {1.5L, -2}, kComma), " (1,50, -2,00)"},
        {FormatPattern(" (%3.3f)", {45}, kPoint), " (45.000)"},
        {FormatPattern(" (%3.6f)", {-12.3456789L}, kPoint), " (-12.345679)"},
        {FormatPattern("%8.2f|%6.2f", {3.14159L, 2.71828L}, kPoint), "    3.14|  2.72"},
        {FormatPattern("%e", {1234.5L}, kPoint), "1.23450000000000E+003"},
        {FormatPattern("%10.3E", {0.5L}, kPoint), " 5.00E-001"},
        {FormatPattern("%.1F", {0.25L}, kPoint), "0.3"},
        {FormatPattern("100%% of %f", {7}, kPoint), "100% of 7.00"},
        {FormatPattern("no numbers", {}, kPoint), "no numbers"},
        {FormatPattern("%f", {1, 2}, kPoint), "1.00"},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, QString::fromLatin1(expected));
    }
}

TEST_F(NumberTextTest, PatternRefusesMalformedSpecifiersAndMissingValues) {
    for (const char* pattern : {"%d", "%", "abc %", "%5", "%.f", "%-5f", "%s", "%1000f"}) {
        EXPECT_THROW(FormatPattern(pattern, {1}), FormatError) << pattern;
    }
    EXPECT_THROW(FormatPattern("%f %f", {1}), FormatError);
    EXPECT_THROW(FormatPattern("%e", {}), FormatError);
}

TEST_F(NumberTextTest, PadLeftTable) {
    struct Case {
        qint64 value;
        int width;
        QChar fill;
        const char* expected;
    };
    const Case cases[] = {
        {42, 4, QLatin1Char('0'), "0042"},
        {317, 4, QLatin1Char('0'), "0317"},
        {12345, 4, QLatin1Char('0'), "12345"},
        {0, 9, QLatin1Char('0'), "000000000"},
        {255, 3, QLatin1Char('0'), "255"},
        {7, 3, QLatin1Char(' '), "  7"},
        {-42, 4, QLatin1Char('0'), "-042"},
        {-42, 5, QLatin1Char(' '), "  -42"},
        {16777215, 9, QLatin1Char('0'), "016777215"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.value, c.width, c.fill), QString::fromLatin1(c.expected));
    }
}

TEST_F(NumberTextTest, ParseAccepts) {
    struct Case {
        const char* text;
        QChar separator;
        Extended expected;
    };
    const Case cases[] = {
        {"1.5", kPoint, 1.5L},  {"  -2.5  ", kPoint, -2.5L}, {"+3", kPoint, 3},
        {"1,5", kComma, 1.5L},  {"1e3", kPoint, 1000},       {"1.5E-3", kPoint, 1.5e-3L},
        {"-.5", kPoint, -0.5L}, {"5.", kPoint, 5},           {"1e+2", kPoint, 100},
        {"007", kPoint, 7},     {"\t42\t", kPoint, 42},      {"0.1", kPoint, 0.1L},
        {"1e-5000", kPoint, 0}, {"-0", kPoint, 0},           {"1e4000", kPoint, 1e4000L},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text, c.separator), c.expected) << c.text;
    }
}

TEST_F(NumberTextTest, ParseRefuses) {
    struct Case {
        const char* text;
        QChar separator;
    };
    const Case cases[] = {
        {"", kPoint},      {"   ", kPoint}, {"-", kPoint},      {"+", kPoint},
        {"1.2.3", kPoint}, {"abc", kPoint}, {"1,5", kPoint},    {"1.5", kComma},
        {"1e", kPoint},    {"1e+", kPoint}, {"e5", kPoint},     {"1 000", kPoint},
        {"0x10", kPoint},  {"inf", kPoint}, {"nan", kPoint},    {"1.5x", kPoint},
        {"--1", kPoint},   {".", kPoint},   {"1e5000", kPoint}, {"-1e5000", kPoint},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(ParseNumber(c.text, c.separator), FormatError) << c.text;
    }
    try {
        ParseNumber("abc", kPoint);
        FAIL();
    } catch (const FormatError& error) {
        EXPECT_STREQ(error.what(), "\"abc\" is not a valid number");
    }
}

TEST_F(NumberTextTest, SeparatorAdaptation) {
    SetDecimalChar(kComma);
    EXPECT_EQ(AdaptDecimalSeparator("1.5"), "1,5");
    EXPECT_EQ(AdaptDecimalSeparator("1.5.3"), "1,5.3");
    EXPECT_EQ(AdaptDecimalSeparator("1,5"), "1,5");
    EXPECT_EQ(AdaptDecimalSeparator(""), "");
    SetDecimalChar(kPoint);
    EXPECT_EQ(AdaptDecimalSeparator("1,5,3"), "1.5,3");
    EXPECT_EQ(AdaptDecimalSeparator("1.5"), "1.5");
    // DotDecimal ignores the system separator.
    SetDecimalChar(kComma);
    EXPECT_EQ(DotDecimal("1,5,3"), "1.5,3");
    EXPECT_EQ(DotDecimal("2.5"), "2.5");
}

TEST_F(NumberTextTest, SystemSeparatorIsReadFromHost) {
    test::ScriptedHost host;
    host.Separator = kComma;
    ReadSystemDecimalChar(host);
    EXPECT_EQ(DecimalChar(), kComma);
    host.Separator = QChar();
    ReadSystemDecimalChar(host);
    EXPECT_EQ(DecimalChar(), kPoint);
}

// ---------------------------------------------------------------------------------------------
// Properties over many values.

std::string ToChars(Extended value, std::chars_format format, int precision) {
    std::array<char, 128> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return std::string(buffer.data(), end);
}

// Splits "d.ddde+XX" into the digits without the point and the exponent.
void SplitScientific(const std::string& text, std::string& digits, int& exponent) {
    const auto e = text.find('e');
    digits = text.substr(0, e);
    if (digits.size() > 1) {
        digits.erase(1, 1);
    }
    exponent = std::stoi(text.substr(e + 1));
}

// The general form built another way: 18 digits as an integer, rounded by integer division.
std::string ReferenceGeneral(Extended value) {
    if (value == 0) {
        return "0";
    }
    std::string digits18;
    int exponent = 0;
    SplitScientific(ToChars(std::fabs(value), std::chars_format::scientific, 17), digits18,
                    exponent);
    unsigned long long kept = std::stoull(digits18) / 1000;
    if (std::stoull(digits18) % 1000 >= 500) {
        ++kept;
    }
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

// "+005", "-012", "+4000".
std::string ExponentText(int exponent) {
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return (exponent < 0 ? "-" : "+") + digits;
}

std::vector<Extended> RandomValues(int count, Extended lowPower, Extended highPower,
                                   unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> power(static_cast<double>(lowPower),
                                                 static_cast<double>(highPower));
    std::vector<Extended> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Extended magnitude = std::pow(10.0L, static_cast<Extended>(power(random)));
        values.push_back((random() & 1U) != 0 ? -magnitude : magnitude);
    }
    return values;
}

TEST_F(NumberTextTest, EighteenDigitsMatchExactConversion) {
    // Random mantissas over the whole exponent range, plus exact ties at the 18th digit.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> shift(-16440, 16380);
    std::uniform_int_distribution<int> nearShift(-200, 200);
    std::vector<Extended> values = {123456789012345678.5L,
                                    123456789012345677.5L,
                                    999999999999999999.5L,
                                    1e17L,
                                    1e18L,
                                    0.1L,
                                    5e-324L};
    for (int i = 0; i < 100000; ++i) {
        const auto mantissa = static_cast<Extended>(random() | (1ULL << 63));
        const int power = (i % 4 == 0) ? shift(random) : nearShift(random);
        values.push_back(std::ldexp(mantissa, power - 63));
    }
    for (const Extended value : values) {
        if (!std::isfinite(value) || value == 0) {
            continue;
        }
        std::string digits;
        int exponent = 0;
        SplitScientific(ToChars(value, std::chars_format::scientific, 17), digits, exponent);
        const std::string expected =
            digits.substr(0, 1) + "." + digits.substr(1) + "E" + ExponentText(exponent);
        ASSERT_EQ(FormatScientific(value, 0, 18, kPoint).toStdString(), expected);
    }
}

TEST_F(NumberTextTest, GeneralFormMatchesReference) {
    auto values = RandomValues(50000, -30, 30, 11);
    for (const Extended boundary : {1e-5L, 1e15L, 1e-6L, 1e14L}) {
        for (int step = -3; step <= 3; ++step) {
            values.push_back(boundary * (1 + step * 1e-16L));
        }
    }
    std::mt19937_64 random(3);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(static_cast<Extended>(random() % 10'000'000'000'000'000ULL));
    }
    for (const Extended value : values) {
        ASSERT_EQ(FormatGeneral(value, kPoint).toStdString(), ReferenceGeneral(value));
    }
}

TEST_F(NumberTextTest, GeneralFormReadsBackWithinFifteenDigits) {
    int n = 0;
    for (const Extended value : RandomValues(20000, -30, 30, 5)) {
        const QChar separator = (++n % 2 == 0) ? kComma : kPoint;
        const QString text = FormatGeneral(value, separator);
        const Extended back = ParseNumber(text, separator);
        ASSERT_LE(std::fabs(back - value), 5.1e-15L * std::fabs(value)) << text.toStdString();
        ASSERT_EQ(FormatGeneral(back, separator), text);
    }
}

// Direct rounding of the exact value agrees with rounding 18 digits first unless those 18
// digits end in a 5 followed by zeros where the shorter form cuts.
bool AmbiguousAfter(const std::string& digits18, std::size_t kept) {
    if (kept >= digits18.size() || digits18[kept] != '5') {
        return false;
    }
    return digits18.find_first_not_of('0', kept + 1) == std::string::npos;
}

std::string PadTo(std::string text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

TEST_F(NumberTextTest, FixedAndScientificMatchExactConversionAwayFromTies) {
    for (const Extended value : RandomValues(20000, -6, 12, 9)) {
        std::string digits18;
        int exponent = 0;
        SplitScientific(ToChars(std::fabs(value), std::chars_format::scientific, 17), digits18,
                        exponent);
        for (const int decimals : {0, 2, 4, 6}) {
            const int kept = exponent + 1 + decimals;
            if (kept < 0 || kept > 18 || AmbiguousAfter(digits18, static_cast<std::size_t>(kept))) {
                continue;
            }
            std::string expected = ToChars(value, std::chars_format::fixed, decimals);
            if (expected.find_first_not_of("-0.") == std::string::npos && expected[0] == '-') {
                expected.erase(0, 1); // zero has no sign
            }
            ASSERT_EQ(FormatFixed(value, 10, decimals, kPoint).toStdString(), PadTo(expected, 10));
        }
        for (const int precision : {1, 4, 8}) {
            if (AmbiguousAfter(digits18, static_cast<std::size_t>(precision))) {
                continue;
            }
            const std::string reference =
                ToChars(value, std::chars_format::scientific, precision - 1);
            const auto e = reference.find('e');
            const std::string mantissa = reference.substr(0, e);
            const int power = std::stoi(reference.substr(e + 1));
            ASSERT_EQ(FormatScientific(value, 15, precision, kPoint).toStdString(),
                      PadTo(mantissa + "E" + ExponentText(power), 15));
        }
    }
}

} // namespace
} // namespace lineora
