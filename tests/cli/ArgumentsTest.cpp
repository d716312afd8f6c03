// The one argument parser of the windowless forms.

#include "FormRuns.h"

#include "cli/CommandLineArgs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using lineora::ParseArguments;
using lineora::UsageError;

struct ArgumentsCase {
    const char* Name;
    const char* Arguments;
    std::map<QString, QString> Options{};
    const char* Files = "";
    bool Help = false;
    const char* Error = nullptr; // the usage error's text, when the arguments are refused
};

class Arguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, SplitIntoOptionsAndFiles) {
    const ArgumentsCase& c = GetParam();
    try {
        const lineora::ParsedArguments parsed = ParseArguments(
            lineora::cli::Words(c.Arguments), {QStringLiteral("--format"), QStringLiteral("-o")});
        ASSERT_EQ(c.Error, nullptr) << "accepted";
        EXPECT_EQ(parsed.Options.toStdMap(), c.Options);
        EXPECT_EQ(parsed.Files, lineora::cli::Words(c.Files));
        EXPECT_EQ(parsed.Help, c.Help);
    } catch (const UsageError& error) {
        ASSERT_NE(c.Error, nullptr) << error.what();
        EXPECT_STREQ(error.what(), c.Error);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, Arguments, ::testing::Values(
    ArgumentsCase{"ValueAfterTheName", "--format x a", {{"--format", "x"}}, "a"},
    ArgumentsCase{"ValueAfterEquals", "a --format=x=y -o=b", {{"--format", "x=y"}, {"-o", "b"}},
                  "a"},
    ArgumentsCase{"EmptyValueAfterEquals", "--format=", {{"--format", ""}}},
    ArgumentsCase{"ValueThatLooksLikeAnOption", "-o --format", {{"-o", "--format"}}},
    ArgumentsCase{"NegativeNumbersAreFiles", "-3 -1.5e2 - -.5", {}, "-3 -1.5e2 - -.5"},
    ArgumentsCase{"DoubleDashEndsTheOptions", "-o a -- --format -- -h", {{"-o", "a"}},
                  "--format -- -h"},
    ArgumentsCase{"Help", "a -h --help", {}, "a", true},
    ArgumentsCase{"UnknownOption", "--colour red", {}, "", false, "unknown option \"--colour\""},
    ArgumentsCase{"UnknownOptionWithItsValue", "--colour=red", {}, "", false,
                  "unknown option \"--colour=red\""},
    ArgumentsCase{"NotANumber", "-3x", {}, "", false, "unknown option \"-3x\""},
    ArgumentsCase{"MissingValue", "a --format", {}, "", false, "--format needs a value"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

} // namespace
