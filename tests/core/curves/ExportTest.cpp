#include "core/curves/Export.h"

#include "FilledStore.h"
#include "support/DecimalCharGuard.h"

#include <gtest/gtest.h>

namespace lineora {
namespace {

TEST(ExportText, CurvesFollowEachOtherWithTheirYInAColumnOfTheirOwn) {
    // CR LF after the last line too.
    EXPECT_EQ(BuildExportText(test::TwoCurves(), NumberFormat::Standard, SeparatorChoice::Point),
              QStringLiteral("  1.5000\t -2.0000\r\n"
                             "  2.5000\t  0.2500\r\n"
                             " 12.5000\t\t100000.0000\r\n"
                             " 13.0000\t\t  0.0000\r\n"
                             " 14.0000\t\t    1E20\r\n"));
}

// The values are taken as they stand, whatever else the row holds: a refresh leaves them
// current and the export does not look at Valid.
TEST(ExportText, UsesEveryStoredRowUpToLineNext) {
    PointStore store;
    test::PutPoint(store, 5, 1, 2);
    store.PointValues[1][5].Valid = 0;
    EXPECT_EQ(BuildExportText(store, NumberFormat::Standard, SeparatorChoice::Point),
              QStringLiteral("  1.0000\t\t\t\t\t  2.0000\r\n"));
}

struct SeparatorCase {
    char system;
    SeparatorChoice choice;
    NumberFormat format;
    Extended value;
    const char* expected; // the X column of the line
};

class ExportSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(ExportSeparator, ForcedOrKeptAsTheSettingSays) {
    const SeparatorCase& c = GetParam();
    const test::DecimalCharGuard system(QLatin1Char(c.system));
    PointStore store;
    test::PutPoint(store, 1, c.value, c.value);
    const QString text = BuildExportText(store, c.format, c.choice);
    const QString expected = QLatin1String(c.expected);
    EXPECT_EQ(text, expected + QLatin1Char('\t') + expected + QStringLiteral("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    BothSystems, ExportSeparator,
    ::testing::Values(
        SeparatorCase{'.', SeparatorChoice::Comma, NumberFormat::Standard, 2.5L, "  2,5000"},
        SeparatorCase{',', SeparatorChoice::Point, NumberFormat::Standard, 2.5L, "  2.5000"},
        SeparatorCase{',', SeparatorChoice::None, NumberFormat::Standard, -0.25L, " -0,2500"},
        SeparatorCase{',', SeparatorChoice::Point, NumberFormat::Scientific, 100000,
                      "     1.000E+005"}));

} // namespace
} // namespace lineora
