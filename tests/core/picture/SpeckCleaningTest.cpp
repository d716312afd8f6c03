#include "core/picture/SpeckCleaning.h"

#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lineora {
namespace {

using test::DrawInk;
using test::WhitePicture;

// Dust of colours on both sides of the limits in every component.
QImage DustPicture(int width, int height, int inkPercent, unsigned seed) {
    std::mt19937 random(seed);
    QImage picture = WhitePicture(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (static_cast<int>(random() % 100) < inkPercent) {
                const auto part = [&] { return static_cast<int>(120 + random() % 100); };
                row[x] = qRgb(part(), part(), part());
            }
        }
    }
    return picture;
}

// The scan as written: column by column, in place, every neighbour read from the picture.
void ReferenceClean(QImage& p, const InkLimits& ink) {
    const auto isInk = [&](int x, int y) {
        const QRgb c = reinterpret_cast<const QRgb*>(p.constScanLine(y))[x];
        return qRed(c) <= ink.Red && qGreen(c) <= ink.Green && qBlue(c) <= ink.Blue;
    };
    for (int x = 2; x <= p.width() - 2; ++x) {
        for (int y = 2; y <= p.height() - 2; ++y) {
            if (!isInk(x, y)) {
                continue;
            }
            const int n = isInk(x - 1, y) + isInk(x + 1, y) + isInk(x, y - 1) + isInk(x, y + 1) +
                          isInk(x - 1, y - 1) + isInk(x - 1, y + 1) + isInk(x + 1, y - 1) +
                          isInk(x + 1, y + 1);
            if (n < 2) {
                reinterpret_cast<QRgb*>(p.scanLine(y))[x] = 0xFFFFFFFF;
            }
        }
    }
}

struct DustCase {
    int W, H, InkPercent;
    InkLimits Ink;
};

class SpeckCleaningDust : public ::testing::TestWithParam<DustCase> {};

TEST_P(SpeckCleaningDust, MatchesTheInPlaceColumnScan) {
    const DustCase& c = GetParam();
    QImage expected = DustPicture(c.W, c.H, c.InkPercent, static_cast<unsigned>(c.W * c.H));
    QImage cleaned = expected.copy();
    ReferenceClean(expected, c.Ink);
    CleanSpecks(cleaned, c.Ink);
    EXPECT_EQ(cleaned, expected);
}

INSTANTIATE_TEST_SUITE_P(Densities, SpeckCleaningDust,
                         ::testing::Values(DustCase{37, 29, 5, {}}, DustCase{130, 70, 30, {}},
                                           DustCase{70, 130, 60, {}},
                                           DustCase{150, 90, 45, {150, 180, 210}},
                                           DustCase{4, 4, 80, {}}, DustCase{5, 3, 90, {}}));

struct FigureCase {
    std::string Name;
    std::vector<std::vector<QPoint>> Strokes; // one point: a single pixel
    bool Survives;
};

class SpeckCleaningFigures : public ::testing::TestWithParam<FigureCase> {};

TEST_P(SpeckCleaningFigures, VanishOrStayWhole) {
    const FigureCase& c = GetParam();
    QImage picture = WhitePicture(40, 30);
    for (const std::vector<QPoint>& stroke : c.Strokes) {
        if (stroke.size() == 1) {
            reinterpret_cast<QRgb*>(picture.scanLine(stroke[0].y()))[stroke[0].x()] = 0xFF000000;
        } else {
            DrawInk(picture, stroke);
        }
    }
    const QImage before = picture.copy();
    ASSERT_NE(before, WhitePicture(40, 30));
    CleanSpecks(picture, InkLimits{});
    EXPECT_EQ(picture, c.Survives ? before : WhitePicture(40, 30)) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SpeckCleaningFigures,
    ::testing::Values(FigureCase{"speck", {{{20, 15}}}, false},
                      FigureCase{"speck with one neighbour", {{{20, 15}, {21, 16}}}, false},
                      FigureCase{"one pixel line", {{{3, 10}, {36, 10}}}, false},
                      FigureCase{
                          "two pixel line", {{{4, 10}, {35, 10}}, {{4, 11}, {35, 11}}}, true}));

// A lone pixel vanishes only when it is ink.
TEST(SpeckCleaningLimits, InkIsAtMostTheLimitInEveryComponent) {
    QImage picture = WhitePicture(20, 20);
    picture.setPixel(5, 5, qRgb(200, 200, 200));
    picture.setPixel(10, 10, qRgb(0, 0, 201));
    CleanSpecks(picture, InkLimits{});
    EXPECT_EQ(test::ColorAt(picture, 5, 5), 0xFFFFFFU);
    EXPECT_EQ(test::ColorAt(picture, 10, 10), 0xC90000U);
}

} // namespace
} // namespace lineora
