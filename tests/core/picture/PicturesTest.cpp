#include "core/picture/Pictures.h"

#include "core/common/Errors.h"
#include "core/picture/Magnifier.h"
#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lineora {
namespace {

using test::ColorAt;
using test::PatternPicture;
using test::WhitePicture;

struct ScaleCase {
    int Index;
    Extended Scale;
    QSize SizeOf400x300;
};

class PictureViewScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PictureViewScale, CaptionGivesScaleAndRoundedPictureSize) {
    const ScaleCase& param = GetParam();
    const Extended scale = ViewScaleOf(QString::fromLatin1(kScaleCaptions[param.Index]));
    EXPECT_EQ(scale, param.Scale);
    EXPECT_EQ(ScaledPictureSize(400, 300, scale), param.SizeOf400x300);
}

INSTANTIATE_TEST_SUITE_P(Steps, PictureViewScale,
                         ::testing::Values(ScaleCase{1, 5, {2000, 1500}},
                                           ScaleCase{kScaleOneToOne, 1, {400, 300}},
                                           ScaleCase{6, 0.5L, {200, 150}},
                                           ScaleCase{7, 1.0L / 3, {133, 100}}));

TEST(PictureViewScaleCaption, RefusesWhatIsNotDigitColonDigit) {
    for (const char* caption : {"", "1:", "1:0", "0:1", "12:1", "1-2", "a:b", "1:2 "}) {
        EXPECT_THROW(ViewScaleOf(QString::fromLatin1(caption)), FormatError) << caption;
    }
}

TEST(PictureScreenToPicture, DividesByTheScaleAndRoundsHalfToEven) {
    EXPECT_EQ(ScreenToPicture(101, 51, 2), (PicturePoint{50, 26}));
    EXPECT_EQ(ScreenToPicture(103, 105, 2), (PicturePoint{52, 52}));
    EXPECT_EQ(ScreenToPicture(10, 11, 1.0L / 3), (PicturePoint{30, 33}));
    EXPECT_EQ(ScreenToPicture(-3, 0, 2), (PicturePoint{-2, 0}));
    EXPECT_THROW(ScreenToPicture(1, 1, 0), CalcError);
}

Pictures LoadedPattern(int width, int height) {
    Pictures pictures;
    LoadPicture(pictures, PatternPicture(width, height), QStringLiteral("/charts/p.bmp"));
    return pictures;
}

TEST(PictureRestore, CopiesIntoTheBufferTheWorkingImageAlreadyHasAndFollowsANewSize) {
    Pictures pictures = LoadedPattern(37, 23);
    pictures.Working = WhitePicture(37, 23);
    const uchar* buffer = pictures.Working.constBits();
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working.constBits(), buffer);
    EXPECT_EQ(pictures.Working, pictures.Clean);
    EXPECT_NE(pictures.Working.constBits(), pictures.Clean.constBits());

    pictures.Working = WhitePicture(400, 300);
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, pictures.Clean);
    pictures.Clean = QImage();
    RestorePicture(pictures);
    EXPECT_TRUE(pictures.Working.isNull());
}

// A clean copy around foreign memory pads its rows differently from the working buffer.
TEST(PictureRestore, CopiesThePixelsOfRowsPaddedDifferently) {
    const QImage pattern = PatternPicture(7, 10);
    std::vector<uchar> memory(10 * 36);
    QImage foreign(memory.data(), 7, 10, 36, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 7; ++x) {
            foreign.setPixel(x, y, pattern.pixel(x, y));
        }
    }
    Pictures pictures;
    pictures.Clean = foreign;
    pictures.Working = WhitePicture(7, 10);
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, pattern);
}

TEST(PictureRestore, NeverWritesThroughAnImageSharedWithTheWorkingOne) {
    Pictures pictures = LoadedPattern(20, 10);
    pictures.Working = WhitePicture(20, 10);
    const QImage heldElsewhere = pictures.Working;
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, pictures.Clean);
    EXPECT_EQ(heldElsewhere, WhitePicture(20, 10));

    pictures.Working = pictures.Clean; // shares the clean copy's pixels
    pictures.Working.setPixel(0, 0, qRgb(1, 2, 3));
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, pictures.Clean);
    EXPECT_EQ(pictures.Clean, PatternPicture(20, 10));
}

TEST(PictureLoad, SetsSizesNamesAndTrueColourFormat) {
    Pictures pictures;
    QImage indexed = PatternPicture(40, 30).convertToFormat(QImage::Format_Indexed8);
    LoadPicture(pictures, indexed, QStringLiteral("/data/scans/chart.v2.bmp"));
    EXPECT_EQ(pictures.PictureWidth, 40);
    EXPECT_EQ(pictures.PictureHeight, 30);
    EXPECT_EQ(pictures.Clean.format(), QImage::Format_RGB32);
    EXPECT_EQ(pictures.Clean, indexed.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictures.PictureFileName, QStringLiteral("/data/scans/chart.v2.bmp"));
    EXPECT_EQ(pictures.PictureDir, QStringLiteral("/data/scans/"));
    EXPECT_EQ(pictures.PictureBaseName, QStringLiteral("chart"));
    EXPECT_EQ(pictures.PixelFormatNow, 6);

    LoadPicture(pictures, WhitePicture(5, 6), QString::fromLatin1(kClipboardPicture));
    EXPECT_EQ(pictures.PictureFileName, QStringLiteral("clipboard"));
    EXPECT_EQ(pictures.PictureDir, QStringLiteral("/data/scans/"));
    EXPECT_EQ(pictures.PictureBaseName, QStringLiteral("chart"));
    EXPECT_EQ(pictures.PictureWidth, 5);
}

TEST(PictureLoad, TransparentPartsBecomeWhitePaper) {
    QImage withAlpha(2, 1, QImage::Format_ARGB32);
    withAlpha.setPixel(0, 0, qRgba(0, 0, 0, 0));
    withAlpha.setPixel(1, 0, qRgba(10, 20, 30, 255));
    Pictures pictures;
    LoadPicture(pictures, withAlpha, QStringLiteral("/a/b.png"));
    EXPECT_EQ(ColorAt(pictures.Clean, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(ColorAt(pictures.Clean, 1, 0), 0x001E140Au);
}

TEST(PictureLoad, AnEmptyPictureChangesNothing) {
    Pictures pictures = LoadedPattern(8, 8);
    EXPECT_THROW(LoadPicture(pictures, QImage(), QStringLiteral("/x/empty.bmp")), FileError);
    EXPECT_EQ(pictures.PictureFileName, QStringLiteral("/charts/p.bmp"));
    EXPECT_EQ(pictures.PictureWidth, 8);
}

// Each picture pixel of the 31 around the mouse becomes a block of three or four; beyond the
// picture the magnifier shows white.
TEST(PictureMagnifier, ReplicatesThePixelsAroundTheMouse) {
    const QImage picture = PatternPicture(100, 80);
    QImage target;
    DrawMagnifier(picture, 50, 40, target);
    ASSERT_EQ(target.size(), QSize(kMagnifierSize, kMagnifierSize));
    EXPECT_EQ(target.pixel(0, 0), picture.pixel(35, 25));
    EXPECT_EQ(target.pixel(119, 3), picture.pixel(65, 25)); // 119 * 31 / 120 is 30
    EXPECT_EQ(target.pixel(59, 59), picture.pixel(50, 40));
    DrawMagnifier(picture, 5, 5, target);
    EXPECT_EQ(target.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(PictureBlackAndWhite, ThresholdsAtMidGreyWithoutDithering) {
    // Greys just below and at the middle, then colours dark and light by their brightness.
    const std::vector<std::pair<QRgb, TColor>> cases = {{qRgb(127, 127, 127), 0x000000},
                                                        {qRgb(128, 128, 128), 0xFFFFFF},
                                                        {qRgb(255, 0, 0), 0x000000},
                                                        {qRgb(255, 255, 0), 0xFFFFFF}};
    QImage picture(static_cast<int>(cases.size()), 2, QImage::Format_RGB32);
    for (int x = 0; x < picture.width(); ++x) {
        picture.setPixel(x, 0, cases[x].first);
        picture.setPixel(x, 1, cases[x].first); // a flat area: dithering would speckle it
    }
    Pictures pictures;
    LoadPicture(pictures, picture, QStringLiteral("/p.bmp"));
    ConvertToBlackAndWhite(pictures);
    EXPECT_EQ(pictures.PixelFormatNow, 1);
    EXPECT_EQ(pictures.Clean.format(), QImage::Format_RGB32);
    for (int x = 0; x < picture.width(); ++x) {
        EXPECT_EQ(ColorAt(pictures.Clean, x, 0), cases[x].second) << "column " << x;
        EXPECT_EQ(ColorAt(pictures.Clean, x, 1), cases[x].second) << "column " << x;
    }
}

TEST(PictureReadPixelColor, RedInTheLowByteAndWhiteOffThePicture) {
    Pictures pictures;
    QImage picture = WhitePicture(4, 3);
    picture.setPixel(3, 2, qRgb(10, 20, 30));
    LoadPicture(pictures, picture, QStringLiteral("/p.bmp"));
    EXPECT_EQ(ReadPixelColor(pictures, 3, 2), 0x001E140Au);
    for (const PicturePoint& off :
         {PicturePoint{-1, 0}, PicturePoint{4, 0}, PicturePoint{0, 3}, PicturePoint{0, -1}}) {
        EXPECT_EQ(ReadPixelColor(pictures, off.X, off.Y), 0x00FFFFFFu);
    }
    EXPECT_EQ(ReadPixelColor(Pictures{}, 0, 0), 0x00FFFFFFu);
}

} // namespace
} // namespace lineora
