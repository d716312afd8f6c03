#include "core/picture/Straightening.h"

#include "core/common/Errors.h"
#include "core/picture/PixelAccess.h"
#include "core/picture/StraightenGuide.h"
#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <utility>

namespace lineora {
namespace {

Calibration Axis(std::int32_t x0, std::int32_t y0, std::int32_t yTop, Extended theta = 0) {
    Calibration cal;
    cal.ZeroPointX = x0;
    cal.ZeroPointY = y0;
    cal.YMaxPointX = x0;
    cal.YMaxPointY = yTop;
    cal.AxisAngleX = theta;
    return cal;
}

// Expected: the three strips' tops and bottoms, the one centre x, the three centre ys and the
// one radius.
struct StripCase {
    std::string Name;
    Calibration Cal;
    std::int32_t Gap, Radius;
    std::array<std::int32_t, 6> Ends; // top and bottom of strips 1, 2, 3
    std::int32_t CentreX;
    std::array<std::int32_t, 3> CentreY;
    std::int32_t ArcRadius;
};

class StripGeometryTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripGeometryTest, StripsCentresAndRadius) {
    const StripCase& c = GetParam();
    const StripGeometry strips = ComputeStrips(c.Cal, c.Gap, c.Radius);
    for (int n = 1; n <= 3; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const Strip expected{c.Ends[2 * i], c.Ends[2 * i + 1], c.CentreX, c.CentreY[i]};
        EXPECT_EQ(strips.Strips[n], expected) << "strip " << n;
    }
    EXPECT_EQ(strips.ArcRadius, c.ArcRadius);
    EXPECT_EQ(strips.EndX, c.Cal.ZeroPointX);
}

StripCase Case(std::string name, Calibration cal, std::int32_t gap, std::int32_t radius,
               std::array<std::int32_t, 6> ends, std::int32_t centreX,
               std::array<std::int32_t, 3> centreY, std::int32_t arcRadius) {
    return {std::move(name), cal, gap, radius, ends, centreX, centreY, arcRadius};
}

// Level: Y0 - Ytop = 352 with g 26 gives strips of 100, the middle one from Ytop + 126 to
// Y0 - 126; the one radius is the middle strip's, sqrt(560^2 + 50^2). TooShortForTheGaps:
// (44 - 52) / 3 = -2.67 truncates to -2 and the strips invert. AbovePictureTop: middles -72.5
// and -1.5 truncate toward zero.
INSTANTIATE_TEST_SUITE_P(
    Cases, StripGeometryTest,
    ::testing::Values(Case("Level", Axis(100, 400, 48), 26, 560, {48, 148, 174, 274, 300, 400}, 660,
                           {98, 224, 350}, 562),
                      Case("TiltedDown", Axis(100, 400, 48, -0.1L), 26, 560,
                           {48, 148, 174, 274, 300, 400}, 657, {153, 279, 405}, 566),
                      Case("TooShortForTheGaps", Axis(100, 400, 356), 26, 100,
                           {356, 354, 380, 376, 402, 400}, 200, {355, 378, 401}, 100),
                      Case("AbovePictureTop", Axis(100, 100, -103), 10, 50,
                           {-103, -42, -32, 29, 39, 100}, 150, {-72, -1, 69}, 58)),
    [](const auto& info) { return info.param.Name; });

// The rule written out pixel by pixel: the picture widened by the centre shift plus 2, the
// clean picture at the left; then strips 1, 2, 3, each row of a band whitened and every clean
// pixel moved right by its shift plus 2 (off-picture sources white, off-picture targets lost).
QImage ReferenceStraightened(const QImage& clean, const StripGeometry& strips) {
    const Strip& bottom = strips.Strips[3];
    const std::int64_t r = strips.ArcRadius;
    std::map<std::int64_t, std::int64_t> shift;
    for (std::int64_t i = 0; i <= bottom.CentreY - bottom.Top + strips.Gap; ++i) {
        std::int64_t s = strips.EndX - bottom.CentreX +
                         static_cast<std::int64_t>(std::trunc(std::sqrt(double(r * r - i * i))));
        if (s > 1) {
            s -= 1;
        }
        shift[i] = shift[-i] = s;
    }
    const auto shiftAt = [&](std::int64_t offset) {
        const auto found = shift.find(offset);
        return found == shift.end() ? 0 : found->second;
    };
    const int width = clean.width() + static_cast<int>(shiftAt(0)) + 2;
    QImage out = test::WhitePicture(width, clean.height());
    for (int y = 0; y < clean.height(); ++y) {
        for (int x = 0; x < std::min(width, clean.width()); ++x) {
            out.setPixel(x, y, clean.pixel(x, y));
        }
    }
    for (int n = 1; n <= 3; ++n) {
        const Strip& strip = strips.Strips[n];
        for (int y = strip.Top - strips.Gap / 2; y <= strip.Bottom + strips.Gap / 2; ++y) {
            if (y < 0 || y >= clean.height()) {
                continue;
            }
            for (int x = 0; x < width; ++x) {
                out.setPixel(x, y, qRgb(255, 255, 255));
            }
            for (std::int64_t x = 0; x <= width; ++x) {
                const std::int64_t target = x + shiftAt(y - strip.CentreY) + 2;
                if (target >= 0 && target < width) {
                    out.setPixel(static_cast<int>(target), y, pixels::RgbAt(clean, x, y));
                }
            }
        }
    }
    return out;
}

QImage RandomPicture(std::mt19937& random, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
        }
    }
    return picture;
}

TEST(StraightenRows, MatchesTheRuleOnRandomPicturesAndLayouts) {
    std::mt19937 random(20240517);
    const auto in = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    int straightened = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int width = in(5, 60);
        const int height = in(5, 120);
        const Extended theta = in(0, 4) == 0 ? in(-314, 314) / 100.0L : in(-30, 30) / 100.0L;
        const Calibration cal =
            Axis(in(-10, width + 10), in(0, height + 20), in(-20, height), theta);
        const StripGeometry strips = ComputeStrips(cal, in(-6, 20), in(1, 300));
        const QImage clean = RandomPicture(random, width, height);
        SCOPED_TRACE("trial " + std::to_string(trial));
        RowShiftTable shifts;
        try {
            shifts = BuildRowShift(strips, height);
        } catch (const CalcError&) {
            const Strip& bottom = strips.Strips[3];
            EXPECT_GT(bottom.CentreY - bottom.Top + strips.Gap, strips.ArcRadius);
            continue;
        }
        if (StraightenedWidth(width, shifts) < 1) {
            continue;
        }
        QImage result = test::WhitePicture(3, 3); // a buffer of the wrong size is replaced
        StraightenRows(clean, strips, shifts, result);
        ASSERT_EQ(result, ReferenceStraightened(clean, strips));
        ++straightened;
    }
    EXPECT_GT(straightened, 150);
}

// With K 100 on the level example the centres lie 100 right of the axis, radius 111.
TEST(StraightenGuide, ArcsBulgeLeftOfTheAxisInPureBlueAndASecondDrawingRemovesThem) {
    const StripGeometry strips = ComputeStrips(Axis(100, 400, 48), 26, 100);
    QImage picture = test::WhitePicture(300, 450);
    DrawStraightenGuide(picture, strips);
    for (const QPoint& p : test::ChangedPixels(test::WhitePicture(300, 450), picture)) {
        EXPECT_LE(p.x(), 101) << p.x() << "," << p.y();
        EXPECT_EQ(picture.pixel(p), qRgb(0, 0, 255));
    }
    for (int n = 1; n <= 3; ++n) { // each arc's leftmost pixel, 11 left of the axis, and ends
        const Strip& strip = strips.Strips[n];
        EXPECT_EQ(picture.pixel(89, strip.CentreY), qRgb(0, 0, 255)) << n;
        for (const int end : {strip.Top, strip.Bottom}) {
            const QImage corner = picture.copy(99, end - 1, 3, 3);
            EXPECT_NE(corner, test::WhitePicture(3, 3)) << n << " at " << end;
        }
    }
    // Strips of no height: both ends in one direction close the circle.
    const StripGeometry flat = ComputeStrips(Axis(100, 400, 348), 26, 100);
    ASSERT_EQ(flat.Strips[2].Top, flat.Strips[2].Bottom);
    QImage circles = test::WhitePicture(400, 450);
    DrawStraightenGuide(circles, flat);
    EXPECT_EQ(circles.pixel(flat.Strips[2].CentreX + flat.ArcRadius, flat.Strips[2].CentreY),
              qRgb(0, 0, 255));

    QImage pattern = test::PatternPicture(300, 450);
    DrawStraightenGuide(pattern, strips);
    EXPECT_NE(pattern, test::PatternPicture(300, 450));
    DrawStraightenGuide(pattern, strips);
    EXPECT_EQ(pattern, test::PatternPicture(300, 450));
}

} // namespace
} // namespace lineora
