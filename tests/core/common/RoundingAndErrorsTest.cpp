#include "core/common/Color.h"
#include "core/common/ErrorBoundary.h"
#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

namespace lineora::test {
namespace {

TEST(Rounding, RoundsTiesToEvenAndTruncatesTowardZero) {
    const std::tuple<Extended, std::int32_t, std::int32_t> cases[] = {
        {2.5L, 2, 2},
        {3.5L, 4, 3},
        {-3.5L, -4, -3},
        {2.5000001L, 3, 2},
        {-0.6L, -1, 0},
        {2147483647.4L, 2147483647, 2147483647},
        {-2147483648.5L, -2147483648, -2147483648}};
    for (const auto& [value, halfEven, trunc] : cases) {
        EXPECT_EQ(std::pair(RoundHalfEven(value), TruncToInt32(value)), std::pair(halfEven, trunc))
            << static_cast<double>(value);
    }
}

TEST(Rounding, RefusesWhatIsNoInt32) {
    const Extended refused[] = {std::numeric_limits<Extended>::quiet_NaN(),
                                -std::numeric_limits<Extended>::infinity(), 2147483647.5L,
                                -2147483649.0L};
    for (const Extended value : refused) {
        EXPECT_THROW(RoundHalfEven(value), CalcError) << static_cast<double>(value);
    }
    EXPECT_THROW(TruncToInt32(std::numeric_limits<Extended>::quiet_NaN()), CalcError);
    EXPECT_THROW(TruncToInt32(2147483648.0L), CalcError);
    EXPECT_EQ(TruncToInt32(2147483647.9L), 2147483647);
}

TEST(Color, ComponentsAndQtConversionAgree) {
    const TColor c = 0x00A1B2C3; // blue A1, green B2, red C3
    EXPECT_EQ(ColorRed(c), 0xC3);
    EXPECT_EQ(ColorGreen(c), 0xB2);
    EXPECT_EQ(ColorBlue(c), 0xA1);
    EXPECT_EQ(FromQRgb(ToQRgb(c)), c);
    EXPECT_EQ(FromQRgb(qRgba(1, 2, 3, 4)), MakeColor(1, 2, 3)); // alpha never leaks in
}

struct ThrowCase {
    const char* name;
    std::function<void()> action;
    const char* shown; // null when nothing is thrown
};

class ErrorBoundaryTest : public ::testing::TestWithParam<ThrowCase> {};

TEST_P(ErrorBoundaryTest, ErrorTextIsShownOnceAndTheEventStops) {
    ScriptedHost host;
    bool after = false;
    const bool completed = Guarded(host, [&] {
        GetParam().action();
        after = true;
    });
    const bool throws = GetParam().shown != nullptr;
    EXPECT_EQ(completed, !throws);
    EXPECT_EQ(after, !throws);
    EXPECT_EQ(host.Shown,
              throws ? QStringList{QString::fromUtf8(GetParam().shown)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorBoundaryTest,
    ::testing::Values(ThrowCase{"CalcError", [] { throw CalcError("Division by zero"); },
                                "Division by zero"},
                      ThrowCase{"StdException", [] { throw std::runtime_error("other"); }, "other"},
                      ThrowCase{"AnythingElse", [] { throw 42; }, "Unexpected error"},
                      ThrowCase{"Nothing", [] {}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lineora::test
