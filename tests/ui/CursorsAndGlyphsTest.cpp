#include "ui/app/Cursors.h"
#include "ui/app/Glyphs.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

// Remembers the image's pixels; false when an image with the same pixels was seen before.
bool IsNew(const QImage& image, QSet<QByteArray>& seen) {
    const auto before = seen.size();
    seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    return seen.size() > before;
}

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

TEST(CursorTest, DrawnOnesAreDistinctAndTheRestTheSystemArrow) {
    QSet<QByteArray> seen;
    for (int id = -1; id <= kCursorCount; ++id) {
        if (id <= 0 || id == 9 || id == kCursorCount) {
            EXPECT_TRUE(CursorImage(id).isNull()) << id;
            EXPECT_EQ(PictureCursor(static_cast<CursorId>(id)).shape(), Qt::ArrowCursor) << id;
            continue;
        }
        const QPoint hot = CursorHotSpot(id);
        const CursorId cursor = static_cast<CursorId>(id);
        EXPECT_EQ(PictureCursor(cursor).hotSpot(), hot) << id; // a bitmap cursor: none is at (0, 0)
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(hot)) << id;
        for (const int ratio : {1, 2}) {
            const QImage image = CursorImage(id, ratio).toImage();
            ASSERT_EQ(image.size(), QSize(32, 32) * ratio) << id;
            EXPECT_GT(OpaquePixels(image), 0) << id;
            EXPECT_TRUE(IsNew(image, seen)) << id;
            // Upright crosshairs cross through the pixel a click acts on, at either ratio.
            if (id == 2 || id == 4 || (id >= 11 && id <= 13)) {
                EXPECT_LT(qGray(image.pixel(hot.x() * ratio, 2 * ratio)), 40) << id;
                EXPECT_LT(qGray(image.pixel(2 * ratio, hot.y() * ratio)), 40) << id;
            }
        }
    }
}

TEST(GlyphTest, EveryGlyphIsDrawnAtItsSizeAndNoTwoAreAlike) {
    QSet<QByteArray> seen;
    for (int g = 0; g <= static_cast<int>(Glyph::Program); ++g) {
        const auto glyph = static_cast<Glyph>(g);
        const QImage image = DrawGlyph(glyph).toImage();
        EXPECT_EQ(image.size(), glyph == Glyph::NoTool ? QSize(7, 20) : QSize(22, 22)) << g;
        EXPECT_GT(OpaquePixels(image), 20) << g;
        EXPECT_TRUE(IsNew(image, seen)) << g;
        EXPECT_EQ(GlyphIcon(glyph).pixmap(image.size(), 2.0).size(), image.size() * 2) << g;
    }
}

} // namespace
} // namespace lineora::test
