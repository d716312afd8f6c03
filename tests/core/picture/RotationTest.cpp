#include "core/picture/Rotation.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <thread>
#include <vector>

namespace lineora {
namespace {

constexpr double kPi = std::numbers::pi;

QImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = 0xFF000000 | (random() & 0xFFFFFF);
        }
    }
    return picture;
}

// The rule as written: polar radius and angle of every target pixel, each branch on its own.
QImage ReferenceRotation(const QImage& source, double theta, const RotatedFrame& f) {
    QImage target(f.Width, f.Height, QImage::Format_RGB32);
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            double r = 0;
            double alpha = 0;
            if (theta < 0) {
                r = std::sqrt(static_cast<double>(x * x + (f.A + y) * (f.A + y)));
                alpha = std::atan2(f.A + y, x);
            } else {
                r = std::sqrt(static_cast<double>((f.B + x) * (f.B + x) + y * y));
                alpha = std::atan2(y, f.B + x);
            }
            const int sx = RoundHalfEven(r * std::cos(alpha - theta));
            const int sy = RoundHalfEven(r * std::sin(alpha - theta));
            const bool inside = sx >= 0 && sy >= 0 && sx < source.width() && sy < source.height();
            reinterpret_cast<QRgb*>(target.scanLine(y))[x] =
                inside ? reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx] : 0xFFFFFFFF;
        }
    }
    return target;
}

QImage Rotated(const QImage& source, double theta) {
    const RotatedFrame frame = RotatedFrameOf(source.width(), source.height(), theta);
    QImage target(frame.Width, frame.Height, QImage::Format_RGB32);
    RotatePicture(source, theta, frame, target);
    return target;
}

struct FrameCase {
    int W, H;
    double Theta;
    RotatedFrame Expected;
};

class RotationFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(RotationFrame, IsTheBoundingBoxOfTheTurnedPicture) {
    const FrameCase& c = GetParam();
    const RotatedFrame f = RotatedFrameOf(c.W, c.H, c.Theta);
    EXPECT_EQ(f.Width, c.Expected.Width);
    EXPECT_EQ(f.Height, c.Expected.Height);
    EXPECT_EQ(f.A, c.Expected.A);
    EXPECT_EQ(f.B, c.Expected.B);
}

// 30 degrees either way: W' = Round(W cos) + Round(H sin) = 87 + 25, H' = 93.
INSTANTIATE_TEST_SUITE_P(Angles, RotationFrame,
                         ::testing::Values(FrameCase{100, 50, kPi / 6, {112, 93, 0, -25}},
                                           FrameCase{100, 50, -kPi / 6, {112, 93, -50, 0}},
                                           FrameCase{100, 50, -kPi / 2, {50, 100, -100, 0}}));

TEST(RotationFrameLimits, RefusesALeftPointingAxisAndAnEmptyPicture) {
    EXPECT_THROW(RotatedFrameOf(100, 50, 1.6), CalcError);
    EXPECT_THROW(RotatedFrameOf(100, 50, -3.0), CalcError);
    EXPECT_THROW(RotatedFrameOf(0, 50, 0.1), CalcError);
}

struct TurnCase {
    int W, H;
    double Theta;
    unsigned Seed;
};

class RotationPixels : public ::testing::TestWithParam<TurnCase> {};

TEST_P(RotationPixels, MatchThePolarRuleEverywhere) {
    const TurnCase& c = GetParam();
    const QImage source = RandomPicture(c.W, c.H, c.Seed);
    const QImage expected = ReferenceRotation(source, c.Theta, RotatedFrameOf(c.W, c.H, c.Theta));
    EXPECT_EQ(Rotated(source, c.Theta), expected);
}

// Sixths and quarters of a half turn put many values on or next to a half.
INSTANTIATE_TEST_SUITE_P(
    RandomPictures, RotationPixels,
    ::testing::Values(TurnCase{37, 23, 0.05236, 1}, TurnCase{37, 23, -0.05236, 2},
                      TurnCase{203, 161, 0.7, 3}, TurnCase{161, 203, -1.2, 4},
                      TurnCase{120, 150, kPi / 6, 5}, TurnCase{150, 120, -kPi / 6, 6},
                      TurnCase{99, 140, kPi / 4, 7}, TurnCase{140, 99, -kPi / 3, 8},
                      TurnCase{64, 130, kPi / 2, 9}, TurnCase{130, 64, -kPi / 2, 10},
                      TurnCase{1, 1, 0.3, 11}, TurnCase{300, 200, 1e-4, 12}));

TEST(RotationProgress, ComesFromTheCallingThreadUpToTheLastRow) {
    const QImage source = RandomPicture(90, 400, 13);
    const RotatedFrame frame = RotatedFrameOf(90, 400, -0.2);
    QImage target(frame.Width, frame.Height, QImage::Format_RGB32);
    std::vector<int> rows;
    const auto caller = std::this_thread::get_id();
    RotatePicture(source, -0.2, frame, target, [&](int row) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        rows.push_back(row);
    });
    ASSERT_GE(rows.size(), 2U);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    EXPECT_EQ(rows.back(), frame.Height);
}

} // namespace
} // namespace lineora
