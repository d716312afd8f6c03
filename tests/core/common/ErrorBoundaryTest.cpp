#include "core/common/ErrorBoundary.h"

#include "core/common/Errors.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace lineora::test {
namespace {

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
