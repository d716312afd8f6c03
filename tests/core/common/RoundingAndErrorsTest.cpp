#include "core/common/ErrorBoundary.h"
#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
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

TEST(ErrorBoundary, ErrorTextIsShownOnceAndTheEventStops) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw CalcError("Division by zero"); }, "Division by zero"},
        {[] { throw std::runtime_error("other"); }, "other"},
        {[] { throw 42; }, "Unexpected error"},
        {[] {}, nullptr}, // nothing thrown
    };
    for (const auto& [action, shown] : cases) {
        ScriptedHost host;
        bool after = false;
        const bool completed = Guarded(host, [&] {
            action();
            after = true;
        });
        const bool throws = shown != nullptr;
        EXPECT_EQ(std::pair(completed, after), std::pair(!throws, !throws)) << shown;
        EXPECT_EQ(host.Shown, throws ? QStringList{QString::fromUtf8(shown)} : QStringList{});
    }
}

} // namespace
} // namespace lineora::test
