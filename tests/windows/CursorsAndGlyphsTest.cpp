#include "app/Cursors.h"
#include "app/Glyphs.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

class DrawnCursorTest : public ::testing::TestWithParam<int> {};

TEST_P(DrawnCursorTest, IsThirtyTwoSquareWithBlackAndWhiteAndHotspotInside) {
    const int id = GetParam();
    const QImage image = CursorImage(id).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    const QPoint hot = CursorHotSpot(id);
    EXPECT_TRUE(image.rect().contains(hot));
    bool black = false;
    bool white = false;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            black = black || (qAlpha(pixel) == 255 && qGray(pixel) < 40);
            white = white || (qAlpha(pixel) == 255 && qGray(pixel) > 215);
        }
    }
    EXPECT_TRUE(black && white) << "cursor " << id;
}

INSTANTIATE_TEST_SUITE_P(AllDrawn, DrawnCursorTest,
                         ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16));

// The crosshairs act on the pixel under their hotspot, so the cross must run through it.
TEST(CrosshairCursorTest, UprightCrossesRunThroughTheHotspotRowAndColumn) {
    for (int id : {2, 4, 11, 12, 13}) {
        const QImage image = CursorImage(id).toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint hot = CursorHotSpot(id);
        EXPECT_LT(qGray(image.pixel(hot.x(), 2)), 40) << id;
        EXPECT_LT(qGray(image.pixel(2, hot.y())), 40) << id;
    }
}

TEST(SystemCursorTest, ZeroNineAndUnknownNumbersAreTheSystemArrow) {
    for (int id : {0, 9, 17, -1}) {
        EXPECT_TRUE(CursorImage(id).isNull()) << id;
        EXPECT_EQ(PictureCursor(id).shape(), Qt::ArrowCursor) << id;
    }
    EXPECT_EQ(PictureCursor(7).shape(), Qt::BitmapCursor);
}

TEST(GlyphTest, EveryGlyphIsDrawnAndNoTwoAreAlike) {
    QSet<QByteArray> seen;
    for (int g = 0; g <= static_cast<int>(Glyph::Program); ++g) {
        const QImage image = DrawGlyph(static_cast<Glyph>(g)).toImage();
        EXPECT_GT(OpaquePixels(image), 20) << g;
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                               static_cast<qsizetype>(image.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bytes)) << g;
        seen.insert(bytes);
    }
}

} // namespace
} // namespace lineora::test
