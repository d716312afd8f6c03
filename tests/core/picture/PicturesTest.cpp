#include "core/picture/Pictures.h"

#include "core/common/Errors.h"
#include "core/picture/Magnifier.h"
#include "core/picture/Overlay.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace lineora {
namespace {

using test::ColorAt;
using test::PatternPicture;
using test::WhitePicture;

TEST(PictureViewScale, CaptionGivesScaleAndRoundedSizes) {
    const struct {
        int Index;
        Extended Scale;
        QSize SizeOf400x300;
    } cases[] = {{1, 5, {2000, 1500}}, {kScaleOneToOne, 1, {400, 300}}, {7, 1.0L / 3, {133, 100}}};
    for (const auto& c : cases) {
        const Extended scale = ViewScaleOf(QString::fromLatin1(kScaleCaptions[c.Index]));
        EXPECT_EQ(scale, c.Scale);
        EXPECT_EQ(ScaledPictureSize(400, 300, scale), c.SizeOf400x300);
    }
    // Screen to picture: divided by the scale, rounded half to even.
    EXPECT_EQ(ScreenToPicture(101, 51, 2), (PicturePoint{50, 26}));
    EXPECT_EQ(ScreenToPicture(10, 11, 1.0L / 3), (PicturePoint{30, 33}));
    EXPECT_EQ(ScreenToPicture(-3, 0, 2), (PicturePoint{-2, 0}));
    EXPECT_THROW(ScreenToPicture(1, 1, 0), CalcError);
}

TEST(PictureRestore, ReusesTheWorkingBufferUnlessOfAnotherSizeOrPadding) {
    Pictures pictures;
    LoadPicture(pictures, PatternPicture(20, 10), QStringLiteral("/charts/p.bmp"));
    pictures.Working = WhitePicture(20, 10);
    const uchar* buffer = pictures.Working.constBits();
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working.constBits(), buffer);
    EXPECT_EQ(pictures.Working, pictures.Clean);

    pictures.Working = WhitePicture(400, 300);
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, pictures.Clean);
    pictures.Clean = QImage();
    RestorePicture(pictures);
    EXPECT_TRUE(pictures.Working.isNull());

    // A clean copy around foreign memory pads its rows differently from the working buffer.
    std::vector<uchar> memory(10 * 36);
    pictures.Clean = QImage(memory.data(), 7, 10, 36, QImage::Format_RGB32);
    QPainter(&pictures.Clean).drawImage(0, 0, PatternPicture(7, 10));
    pictures.Working = WhitePicture(7, 10);
    RestorePicture(pictures);
    EXPECT_EQ(pictures.Working, PatternPicture(7, 10));
}

TEST(PictureLoad, SetsSizesNamesAndTrueColourTransparencyOnWhite) {
    Pictures pictures;
    QImage indexed = PatternPicture(40, 30).convertToFormat(QImage::Format_Indexed8);
    LoadPicture(pictures, indexed, QStringLiteral("/data/scans/chart.v2.bmp"));
    EXPECT_EQ(QSize(pictures.PictureWidth, pictures.PictureHeight), QSize(40, 30));
    EXPECT_EQ(pictures.Clean, indexed.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pictures.PictureDir + pictures.PictureBaseName, QStringLiteral("/data/scans/chart"));
    EXPECT_EQ(pictures.PixelFormatNow, 6);

    QImage withAlpha(2, 1, QImage::Format_ARGB32);
    withAlpha.setPixel(0, 0, qRgba(0, 0, 0, 0));
    withAlpha.setPixel(1, 0, qRgba(10, 20, 30, 255));
    LoadPicture(pictures, withAlpha, QString::fromLatin1(kClipboardPicture));
    EXPECT_EQ(pictures.PictureFileName, QStringLiteral("clipboard"));
    EXPECT_EQ(pictures.PictureDir + pictures.PictureBaseName, QStringLiteral("/data/scans/chart"));
    EXPECT_EQ(ColorAt(pictures.Clean, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(ColorAt(pictures.Clean, 1, 0), 0x001E140Au);

    EXPECT_THROW(LoadPicture(pictures, QImage(), QStringLiteral("/x/empty.bmp")), FileError);
    EXPECT_EQ(pictures.PictureWidth, 2);
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
    // Columns of greys just below and at the middle, then colours dark and light by their
    // brightness: black, white, black, white. Dithering would speckle the flat columns.
    const QRgb in[] = {qRgb(127, 127, 127), qRgb(128, 128, 128), qRgb(255, 0, 0),
                       qRgb(255, 255, 0)};
    QImage picture(4, 2, QImage::Format_RGB32);
    QImage expected = picture;
    for (int i = 0; i < 8; ++i) {
        picture.setPixel(i % 4, i / 4, in[i % 4]);
        expected.setPixel(i % 4, i / 4, i % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    Pictures pictures;
    LoadPicture(pictures, picture, QStringLiteral("/p.bmp"));
    ConvertToBlackAndWhite(pictures);
    EXPECT_EQ(pictures.PixelFormatNow, 1);
    EXPECT_EQ(pictures.Clean, expected);
}

// The colour's byte order is the status bar's to show.
TEST(PictureReadPixelColor, TheCleanPictureAndWhiteOffIt) {
    Pictures pictures;
    LoadPicture(pictures, PatternPicture(4, 3), QStringLiteral("/p.bmp"));
    EXPECT_EQ(ReadPixelColor(pictures, 3, 2), ColorAt(pictures.Clean, 3, 2));
    for (const auto& [x, y] : {std::pair{-1, 0}, {4, 0}, {0, 3}, {0, -1}}) {
        EXPECT_EQ(ReadPixelColor(pictures, x, y), 0x00FFFFFFu);
    }
    EXPECT_EQ(ReadPixelColor(Pictures{}, 0, 0), 0x00FFFFFFu);
}

class PictureFiles : public ::testing::Test {
public:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    QString Written(const QString& name, const QByteArray& bytes) const {
        test::WriteBytes(PathOf(name), bytes);
        return PathOf(name);
    }

private:
    QTemporaryDir dir_;
};

// The header of a BMP announcing a picture of the given size, without its pixels.
QByteArray BmpHeader(qint32 width, qint32 height, int bits = 24, int compression = 0,
                     int colours = 0) {
    QByteArray header = QByteArray("BM") + QByteArray(52, '\0');
    const qint32 fields[][2] = {{10, 54 + 4 * colours}, {14, 40},     {18, width},
                                {22, height},           {26, 1},      {28, bits},
                                {30, compression},      {46, colours}};
    for (const auto& [at, value] : fields) {
        qToLittleEndian(value, header.data() + at);
    }
    return header;
}

// An OS/2 BMP: its shorter header gives the size in 16-bit fields; 24-bit grey rows.
QByteArray Os2Bmp(int width, int height) {
    QByteArray file =
        QByteArray("BM") + QByteArray(8, '\0') + QByteArray::fromHex("1a0000000c000000");
    for (const int value : {width, height, 1, 24}) {
        file += static_cast<char>(value & 0xFF) + QByteArray(1, static_cast<char>(value >> 8));
    }
    for (int i = 0; i < (width * 3 + 3) / 4 * 4 * height; ++i) {
        file += static_cast<char>(i * 5);
    }
    return file;
}

// Qt writes no run-length BMP: a 4 x 2 one with four colours, written by hand. The last
// row ends with an end-of-row mark and the picture with its end mark. The odd one's literal
// run of three pixels, ending in colour 0, takes a padding byte.
enum class Rle { FourBits, EightBits, EightBitsOddRun };
QByteArray RunLengthBmp(Rle kind) {
    const bool fourBits = kind == Rle::FourBits;
    const char* pixels[] = {"041200000004301200000001", "0401000000040203020300000001",
                            "0003010200000103000004010001"};
    return BmpHeader(4, 2, fourBits ? 4 : 8, fourBits ? 2 : 1, 4) +
           QByteArray::fromHex("0000ff0000ff0000ff00000080808000") +
           QByteArray::fromHex(pixels[static_cast<int>(kind)]);
}

// Qt writes no GIF either: a grey 10 x 5 one after a frame-timing extension, whose pixels
// are all plain codes, few enough for every code to stay 9 bits wide.
QByteArray GreyGif() {
    QByteArray file = QByteArray("GIF89a") + QByteArray::fromHex("0a000500f70000");
    for (int grey = 0; grey < 256; ++grey) {
        file += QByteArray(3, static_cast<char>(grey));
    }
    // No colour table of its own; 8-bit codes.
    file += QByteArray::fromHex("21f904000a0000002c000000000a0005000008");
    QByteArray codes;
    quint32 bits = 0;
    for (int i = -1, count = 0; i <= 50; ++i) { // a clear code, the pixels, the end code
        bits |= quint32(i < 0 ? 256 : i == 50 ? 257 : (i * 7) & 0xFF) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8) {
            codes += static_cast<char>(bits & 0xFF);
        }
    }
    codes += static_cast<char>(bits & 0xFF);
    return file + static_cast<char>(codes.size()) + codes + QByteArray::fromHex("003b");
}

QByteArray Encoded(const QImage& picture, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << format;
    return bytes;
}

QByteArray BigEndian32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A block of a PNG: declared length, type, data, and the CRC-32 over type and data.
QByteArray PngChunk(const char* type, const QByteArray& data, quint32 declared) {
    const QByteArray typed = QByteArray(type) + data;
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : typed) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return BigEndian32(declared) + typed + BigEndian32(~crc);
}

// An 8-bit RGB PNG with a header announcing the size, and an extra block declaring
// `declared` bytes of which `data` is what the file holds.
QByteArray PngWith(int width, int height, const char* type, const QByteArray& data,
                   quint32 declared) {
    const QByteArray header =
        BigEndian32(width) + BigEndian32(height) + QByteArray("\x08\x02", 2) + QByteArray(3, '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header, 13) +
           PngChunk(type, data, declared) + PngChunk("IEND", {}, 0);
}

struct DamagedFile {
    QString name;
    QByteArray bytes;
    const char* reason; // a part of the message; empty when any reason will do
    // For a cut: the picture the whole file gives. The cut may open only as that picture,
    // having lost nothing the decoder needs.
    QImage whole;
};

// Cuts of a whole picture file at about 40 lengths, and each length for small files.
void AddCuts(std::vector<DamagedFile>& files, const QString& kind, const QByteArray& bytes) {
    QImage whole;
    ASSERT_TRUE(whole.loadFromData(bytes)) << kind.toStdString();
    const qsizetype step = std::max<qsizetype>(1, bytes.size() / 40);
    for (qsizetype length = 1; length < bytes.size(); length += step) {
        files.push_back({QStringLiteral("%1-cut-%2").arg(kind).arg(length), bytes.left(length), "",
                         AsTrueColor(whole)});
    }
}

// Decoder warnings are caught only while reading, and the handler is put back.
TEST_F(PictureFiles, RefusesDamagedFilesNamingTheFileAndTheReason) {
    ASSERT_TRUE(PatternPicture(40, 30).save(PathOf(QStringLiteral("whole.bmp"))));
    const QByteArray bmp = test::ReadBytes(PathOf(QStringLiteral("whole.bmp")));
    const QImage photo = PatternPicture(64, 48);
    const QByteArray jpeg = Encoded(photo, "jpg");
    // Entropy data cut in the middle, the end-of-image mark put back: libjpeg only warns.
    const QByteArray jpegHole = jpeg.left(jpeg.size() / 2) + QByteArray::fromHex("ffd9");
    // Stray bytes before a later scan make libjpeg warn, but no pixel is missing.
    const QByteArray progressive = Encoded(photo, "jpg", true);
    const qsizetype lastScan = progressive.lastIndexOf("\xFF\xDA");
    // clang-format off
    std::vector<DamagedFile> files = {
        {QStringLiteral("empty.bmp"), "", "empty", {}},
        {QStringLiteral("garbage.bmp"), QByteArray(300, '\x5A'), "", {}},
        {QStringLiteral("pixelless.bmp"), BmpHeader(64, 64), "cut short", {}},
        {QStringLiteral("huge.bmp"), BmpHeader(40000, 30000), "", {}},
        {QStringLiteral("half.bmp"), bmp.chopped(1800), "cut short", {}},
        {QStringLiteral("jpeg-hole.jpg"), jpegHole, "damaged", {}},
        // 12000 x 12000 pixels take 549 MB; the file is a few bytes.
        {QStringLiteral("huge.png"), PngWith(12000, 12000, "IDAT", "", 0), "512 MB", {}},
        // Blocks besides the pixels that declare more than the 16 MB the program reads.
        {QStringLiteral("text-2gb.png"), PngWith(10, 10, "tEXt", QByteArray(8000, 'x'), 1u << 31), "16 MB", {}},
        {QStringLiteral("text-17mb.png"), PngWith(10, 10, "iCCP", "x", 17 << 20), "16 MB", {}},
        // A pixel block longer than the rest of the file.
        {QStringLiteral("idat-past-end.png"), PngWith(10, 10, "IDAT", "x", 1000), "cut short", {}},
    };
    // clang-format on
    const std::pair<const char*, QByteArray> wholes[] = {
        {"gif", GreyGif()},
        {"rle8", RunLengthBmp(Rle::EightBits)},
        {"rle8-odd", RunLengthBmp(Rle::EightBitsOddRun)},
        {"os2", Os2Bmp(13, 9)},
        {"rle4", RunLengthBmp(Rle::FourBits)},
        {"jpeg", jpeg},
        {"progressive", progressive},
        {"stray", progressive.left(lastScan) + QByteArray(3, '\0') + progressive.mid(lastScan)},
        {"png", Encoded(photo, "png")},
        {"bmp", bmp}};
    for (const auto& [kind, bytes] : wholes) {
        AddCuts(files, QLatin1String(kind), bytes);
        // The whole file, named without an extension, reads as Qt's decoder draws it.
        QImage expected;
        ASSERT_TRUE(expected.loadFromData(bytes));
        const QImage read = ReadPictureFile(Written(QLatin1String(kind), bytes));
        EXPECT_EQ(read.format(), QImage::Format_RGB32) << kind;
        EXPECT_EQ(read, AsTrueColor(expected)) << kind;
    }

    static QStringList seen;
    const QtMessageHandler mine = [](QtMsgType, const QMessageLogContext&, const QString& text) {
        seen << text;
    };
    const QtMessageHandler before = qInstallMessageHandler(mine);
    int opened = 0;
    for (const DamagedFile& file : files) {
        const QString path = Written(file.name, file.bytes);
        try {
            const QImage read = ReadPictureFile(path);
            ++opened;
            EXPECT_FALSE(file.whole.isNull()) << file.name.toStdString() << " was read";
            EXPECT_EQ(read, file.whole) << file.name.toStdString() << " has made-up pixels";
        } catch (const FileError& error) {
            EXPECT_TRUE(test::Mentions(error.what(), path.toStdString()));
            EXPECT_TRUE(test::Mentions(error.what(), file.reason));
        }
    }
    EXPECT_LT(opened, 10); // only cuts of end marks the decoders never need
    qWarning("after");
    EXPECT_EQ(qInstallMessageHandler(before), mine);
    EXPECT_EQ(seen, QStringList{QStringLiteral("after")});
}

TEST_F(PictureFiles, RefusesWhatIsNotAFile) {
    ASSERT_TRUE(QDir().mkdir(PathOf(QStringLiteral("folder.bmp"))));
    for (const char* name : {"missing.bmp", "folder.bmp"}) {
        EXPECT_THROW(ReadPictureFile(PathOf(QLatin1String(name))), FileError) << name;
    }
}

TEST_F(PictureFiles, SavesTheCleanCopyAs24BitBmpWithoutTheOverlayOrLeavesTheOldFileWhole) {
    const QString old = Written(QStringLiteral("old.bmp"), QByteArray("old contents"));
    EXPECT_THROW(SavePictureFile(Pictures{}, old), FileError);
    EXPECT_EQ(test::ReadBytes(old), QByteArray("old contents"));

    Pictures pictures;
    LoadPicture(pictures, PatternPicture(40, 30), PathOf(QStringLiteral("chart.bmp")));
    RestorePicture(pictures);
    DrawMark(pictures.Working, 10, 10, 3, 255, true);
    EXPECT_THROW(SavePictureFile(pictures, PathOf(QStringLiteral("no/such/folder/p.bmp"))),
                 FileError);
    SavePictureFile(pictures, PathOf(QStringLiteral("saved.bmp")));
    const QByteArray bytes = test::ReadBytes(PathOf(QStringLiteral("saved.bmp")));
    EXPECT_EQ(bytes.left(2) + bytes.mid(28, 1), QByteArray("BM\x18"));
    EXPECT_EQ(ReadPictureFile(PathOf(QStringLiteral("saved.bmp"))), pictures.Clean);
}

} // namespace
} // namespace lineora
