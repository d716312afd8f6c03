#include "core/tracing/AutoDigitize.h"

#include "core/picture/DrawnPictures.h"

#include <gtest/gtest.h>

#include <optional>

namespace lineora::test {
namespace {

constexpr int kAxisRow = 400;
constexpr int kAxisColumn = 60;

void FillBox(QImage& picture, int x, int y, int width, int height, QColor colour = Qt::black) {
    QPainter painter(&picture);
    painter.fillRect(x, y, width, height, colour);
}

// A plain chart: the vertical axis at column 60 and the horizontal axis at row 400, each
// `axisThickness` pixels (growing right and down), on a 600 x 500 sheet.
QImage Chart(int axisThickness) {
    QImage picture = WhitePicture(600, 500);
    FillBox(picture, kAxisColumn, 20, axisThickness, kAxisRow + axisThickness - 20);
    FillBox(picture, kAxisColumn, kAxisRow, 520, axisThickness);
    return picture;
}

// Of a two-pixel axis the upper row and the left column win the tie.
TEST(AxisLines, AreTheDarkestRowAndColumnWithTiesToTheSmallerOne) {
    for (const int thickness : {1, 2}) {
        const AxisLines axes = FindAxisLines(Chart(thickness));
        EXPECT_EQ(axes.Row, kAxisRow) << thickness;
        EXPECT_EQ(axes.Column, kAxisColumn) << thickness;
    }
}

TEST(AxisLines, OnlyTheirWindowsCountAndDarkMeansBelow100) {
    QImage picture = WhitePicture(600, 1200);
    FillBox(picture, 0, 149, 600, 1);                       // above the rows searched
    FillBox(picture, 0, 1001, 600, 1);                      // below them
    FillBox(picture, 201, 0, 1, 1200);                      // right of the columns searched
    FillBox(picture, 19, 0, 1, 1200);                       // left of them
    FillBox(picture, 20, 300, 181, 1, QColor(99, 99, 100)); // not dark: blue is 100
    FillBox(picture, 20, 301, 30, 1, QColor(99, 99, 99));   // dark, 30 pixels
    FillBox(picture, 150, 20, 1, 20, QColor(99, 99, 99));
    const AxisLines axes = FindAxisLines(picture);
    EXPECT_EQ(axes.Row, 301);
    EXPECT_EQ(axes.Column, 150);
}

// A picture smaller than the windows is read only where it is; a blank one gives zero.
TEST(AxisLines, OnSmallAndBlankPictures) {
    QImage small = WhitePicture(100, 170);
    FillBox(small, 0, 160, 100, 1);
    FillBox(small, 30, 0, 1, 170);
    EXPECT_EQ(FindAxisLines(small).Row, 160);
    EXPECT_EQ(FindAxisLines(small).Column, 30);
    EXPECT_EQ(FindAxisLines(WhitePicture(100, 170)).Row, 0);
    EXPECT_EQ(FindAxisLines(WhitePicture(100, 170)).Column, 0);
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
    FillBox(picture, kAxisColumn + 5, c.curveTop, 540, 2);
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
        SampleCase{"ThresholdZeroTakesTheFirstDarkPixel", 1, 0, 200, kAxisRow},
        SampleCase{"ThresholdSevenNeverTakes", 2, 7, 200, std::nullopt},
        SampleCase{"CurveReachingRow56IsFound", 1, 3, 55, 56},
        SampleCase{"CurveAboveRow56IsNot", 1, 3, 54, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SampleCurve, AnAxisAboveRow56ExaminesOnlyItsOwnRow) {
    QImage picture = WhitePicture(600, 200);
    FillBox(picture, 0, 40, 600, 2); // the axis row 40, two pixels
    FillBox(picture, 0, 30, 600, 2); // a curve above it
    EXPECT_EQ(SampleCurve(picture, {40, 10}, 3).size(), 30u);
    EXPECT_TRUE(SampleCurve(picture, {43, 10}, 0).empty()); // row 43 is white: nothing more
}

} // namespace
} // namespace lineora::test
