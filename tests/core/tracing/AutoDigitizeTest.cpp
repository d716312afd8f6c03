#include "core/tracing/AutoDigitize.h"

#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>

namespace lineora::test {
namespace {

constexpr int kAxisRow = 400;
constexpr int kAxisColumn = 60;

// A plain chart: the vertical axis at column 60 and the horizontal axis at row 400, each
// `axisThickness` pixels (growing right and down), on a 600 x 500 sheet.
QImage Chart(int axisThickness) {
    QImage picture = WhitePicture(600, 500);
    FillBox(picture, {kAxisColumn, 20, axisThickness, kAxisRow + axisThickness - 20});
    FillBox(picture, {kAxisColumn, kAxisRow, 520, axisThickness});
    return picture;
}

// Of a two-pixel axis the upper row and the left column win the tie; only the rows and
// columns of the search windows count, and dark means every component below 100. A picture
// smaller than the windows is read only where it is; a blank one gives zero.
TEST(AxisLines, AreTheDarkestRowAndColumnOfTheirWindows) {
    QImage windows = WhitePicture(600, 1200);
    FillBox(windows, {0, 149, 600, 1});                       // above the rows searched
    FillBox(windows, {0, 1001, 600, 1});                      // below them
    FillBox(windows, {201, 0, 1, 1200});                      // right of the columns searched
    FillBox(windows, {19, 0, 1, 1200});                       // left of them
    FillBox(windows, {20, 300, 181, 1}, QColor(99, 99, 100)); // not dark: blue is 100
    FillBox(windows, {20, 301, 30, 1}, QColor(99, 99, 99));   // dark, 30 pixels
    FillBox(windows, {150, 20, 1, 20}, QColor(99, 99, 99));
    QImage small = WhitePicture(100, 170);
    FillBox(small, {0, 160, 100, 1});
    FillBox(small, {30, 0, 1, 170});
    const std::tuple<QImage, int, int> cases[] = {{Chart(1), kAxisRow, kAxisColumn},
                                                  {Chart(2), kAxisRow, kAxisColumn},
                                                  {windows, 301, 150},
                                                  {small, 160, 30},
                                                  {WhitePicture(100, 170), 0, 0}};
    for (const auto& [picture, row, column] : cases) {
        const AxisLines axes = FindAxisLines(picture);
        EXPECT_EQ((std::pair{axes.Row, axes.Column}), (std::pair{row, column})) << row;
    }
}

struct SampleCase {
    const char* name;
    int axisThickness;
    int threshold;
    int curveTop; // a two-pixel curve at rows curveTop and curveTop + 1 over every column
    std::optional<int> found; // the row every column gives, or none
};

class SampleTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleTest, FindsTheFirstQualifyingDarkPixelWalkingUp) {
    const SampleCase& c = GetParam();
    QImage picture = Chart(c.axisThickness);
    FillBox(picture, {kAxisColumn + 5, c.curveTop, 540, 2});
    const std::vector<PicturePoint> points =
        SampleCurve(picture, {kAxisRow, kAxisColumn}, c.threshold);
    std::vector<PicturePoint> expected;
    for (int k = 1; c.found && k <= 30; ++k) {
        expected.push_back({kAxisColumn + 20 + 15 * k, *c.found});
    }
    EXPECT_EQ(points, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SampleTest,
    ::testing::Values(
        // Four dark side neighbours on a two-pixel axis: the axis is the curve.
        SampleCase{"TwoPixelAxisTakenAtThreshold3", 2, 3, 200, kAxisRow},
        // Two on a one-pixel axis: walked over, the curve's lower row is met first.
        SampleCase{"OnePixelAxisWalkedOver", 1, 3, 200, 201},
        SampleCase{"OnePixelAxisTakenAtExactlyThreshold2", 1, 2, 200, kAxisRow},
        SampleCase{"ThresholdZeroTakesTheFirstDarkPixel", 1, 0, 200, kAxisRow},
        SampleCase{"ThresholdSevenNeverTakes", 2, 7, 200, std::nullopt},
        SampleCase{"CurveReachingRow56IsFound", 1, 3, 55, 56},
        SampleCase{"CurveAboveRow56IsNot", 1, 3, 54, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SampleCurve, AnAxisAboveRow56ExaminesOnlyItsOwnRow) {
    QImage picture = WhitePicture(600, 200);
    FillBox(picture, {0, 40, 600, 2}); // the axis row 40, two pixels
    FillBox(picture, {0, 30, 600, 2}); // a curve above it
    EXPECT_EQ(SampleCurve(picture, {40, 10}, 3).size(), 30u);
    EXPECT_TRUE(SampleCurve(picture, {43, 10}, 0).empty()); // row 43 is white: nothing more
}

} // namespace
} // namespace lineora::test
