#include "core/picture/Pictures.h"

#include "core/common/Errors.h"
#include "core/picture/Overlay.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace lineora {
namespace {

using test::PatternPicture;

class PictureFiles : public ::testing::Test {
public:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    void WriteBytes(const QString& name, const QByteArray& bytes) const {
        test::WriteBytes(PathOf(name), bytes);
    }
    QByteArray ReadBytes(const QString& name) const { return test::ReadBytes(PathOf(name)); }

private:
    QTemporaryDir dir_;
};

TEST_F(PictureFiles, ReadsLosslessFormatsPixelForPixelAsTrueColourWhateverTheExtension) {
    const QImage picture = PatternPicture(31, 17);
    // The last is a PNG under a BMP name: files are read by their content.
    const std::pair<const char*, const char*> files[] = {
        {"png", "chart.png"}, {"bmp", "chart.bmp"}, {"png", "really-a-png.bmp"}};
    for (const auto& [format, name] : files) {
        const QString path = PathOf(QLatin1String(name));
        ASSERT_TRUE(picture.save(path, format));
        const QImage read = ReadPictureFile(path);
        EXPECT_EQ(read.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(read, picture) << name;
    }
}

// The header of a 24-bit BMP announcing a picture of the given size, without its pixels.
QByteArray BmpHeader(qint32 width, qint32 height, int bits = 24, int compression = 0,
                     int colours = 0) {
    QByteArray header(54, '\0');
    auto put32 = [&](int at, qint32 value) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(10, 54 + 4 * colours);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    header[26] = 1;
    header[28] = static_cast<char>(bits);
    header[30] = static_cast<char>(compression);
    put32(46, colours);
    return header;
}

// An OS/2 BMP: its shorter header gives the size in 16-bit fields; 24-bit grey rows.
QByteArray Os2Bmp(int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    QByteArray file = QByteArray("BM") + QByteArray(8, '\0') + QByteArray::fromHex("1a000000") +
                      QByteArray::fromHex("0c000000");
    for (const int value : {width, height, 1, 24}) {
        file += static_cast<char>(value & 0xFF) + QByteArray(1, static_cast<char>(value >> 8));
    }
    for (int i = 0; i < rowBytes * height; ++i) {
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
    QByteArray file = BmpHeader(4, 2, fourBits ? 4 : 8, fourBits ? 2 : 1, 4);
    file += QByteArray::fromHex("0000ff00"
                                "00ff0000"
                                "ff000000"
                                "80808000");
    const char* pixels[] = {"0412"
                            "0000"
                            "00043012"
                            "0000"
                            "0001",
                            "0401"
                            "0000"
                            "000402030203"
                            "0000"
                            "0001",
                            "000301020000"
                            "0103"
                            "0000"
                            "0401"
                            "0001"};
    return file + QByteArray::fromHex(pixels[static_cast<int>(kind)]);
}

// Qt writes no GIF either: a grey one whose pixels are all plain codes, with a clear code
// every 250 of them so that every code stays 9 bits wide, after a frame-timing extension.
QByteArray GreyGif(int width, int height) {
    QByteArray file("GIF89a");
    auto put16 = [&](int value) { file += char(value & 0xFF) + QByteArray(1, char(value >> 8)); };
    put16(width);
    put16(height);
    file += QByteArray::fromHex("f70000");
    for (int grey = 0; grey < 256; ++grey) {
        file += QByteArray(3, static_cast<char>(grey));
    }
    file += QByteArray::fromHex("21f904000a000000") + ',';
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    file += QByteArray::fromHex("0008"); // no colour table of its own; 8-bit codes
    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    auto putCode = [&](int code) {
        bits |= quint32(code) << bitCount;
        for (bitCount += 9; bitCount >= 8; bitCount -= 8, bits >>= 8) {
            codes += static_cast<char>(bits & 0xFF);
        }
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 250 == 0) {
            putCode(256);
        }
        putCode((i * 7) & 0xFF);
    }
    putCode(257);
    codes += static_cast<char>(bits & 0xFF);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        file += static_cast<char>(block.size()) + block;
    }
    return file + QByteArray::fromHex("003b");
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

// The CRC-32 every PNG block ends with, over its type and data.
quint32 PngCrc(const char* bytes, qsizetype size) {
    quint32 crc = 0xFFFFFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= static_cast<quint8>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

QByteArray PngChunk(const char* type, const QByteArray& data, quint32 declared) {
    QByteArray chunk(4, '\0');
    qToBigEndian(declared, chunk.data());
    chunk += QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(PngCrc(chunk.constData() + 4, chunk.size() - 4), crc.data());
    return chunk + crc;
}

// A PNG with a header announcing the size, and an extra block declaring `declared` bytes of
// which `data` is what the file holds.
QByteArray PngWith(int width, int height, const char* type, const QByteArray& data,
                   quint32 declared) {
    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = 8; // 8-bit RGB
    header[9] = 2;
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

TEST_F(PictureFiles, RefusesDamagedFilesNamingTheFileAndTheReason) {
    ASSERT_TRUE(PatternPicture(40, 30).save(PathOf(QStringLiteral("whole.bmp"))));
    const QByteArray bmp = ReadBytes(QStringLiteral("whole.bmp"));
    const QImage photo = PatternPicture(64, 48);
    const QByteArray jpeg = Encoded(photo, "jpg");
    // Entropy data cut in the middle, the end-of-image mark put back: libjpeg only warns.
    const QByteArray jpegHole = jpeg.left(jpeg.size() / 2) + QByteArray::fromHex("ffd9");
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
        {QStringLiteral("text-2gb.png"),
         PngWith(10, 10, "tEXt", QByteArray(8000, 'x'), 1u << 31),
         "16 MB",
         {}},
        {QStringLiteral("text-17mb.png"), PngWith(10, 10, "iCCP", "x", 17 << 20), "16 MB", {}},
        // A pixel block longer than the rest of the file.
        {QStringLiteral("idat-past-end.png"), PngWith(10, 10, "IDAT", "x", 1000), "cut short", {}},
    };
    AddCuts(files, QStringLiteral("gif"), GreyGif(40, 30));
    AddCuts(files, QStringLiteral("rle8"), RunLengthBmp(Rle::EightBits));
    AddCuts(files, QStringLiteral("rle8-odd"), RunLengthBmp(Rle::EightBitsOddRun));
    AddCuts(files, QStringLiteral("os2"), Os2Bmp(13, 9));
    AddCuts(files, QStringLiteral("rle4"), RunLengthBmp(Rle::FourBits));
    AddCuts(files, QStringLiteral("jpeg"), jpeg);
    AddCuts(files, QStringLiteral("progressive"), Encoded(photo, "jpg", true));
    AddCuts(files, QStringLiteral("png"), Encoded(photo, "png"));
    AddCuts(files, QStringLiteral("bmp"), bmp);

    int opened = 0;
    for (const DamagedFile& file : files) {
        const QString path = PathOf(file.name);
        WriteBytes(file.name, file.bytes);
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
}

TEST_F(PictureFiles, RefusesWhatIsNotAFileAndReadsWholeHandMadeFiles) {
    ASSERT_TRUE(QDir().mkdir(PathOf(QStringLiteral("folder.bmp"))));
    for (const char* name : {"missing.bmp", "folder.bmp"}) {
        EXPECT_THROW(ReadPictureFile(PathOf(QLatin1String(name))), FileError) << name;
    }
    // The whole hand-made files the cuts above come from read as they were drawn.
    WriteBytes(QStringLiteral("rle4.bmp"), RunLengthBmp(Rle::FourBits));
    const QImage rle = ReadPictureFile(PathOf(QStringLiteral("rle4.bmp")));
    EXPECT_EQ(rle.pixel(0, 1), qRgb(0, 255, 0)); // the bottom row comes first
    EXPECT_EQ(rle.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(rle.pixel(0, 0), qRgb(128, 128, 128));
    // Stray bytes before a later scan make libjpeg warn, but no pixel is missing.
    const QByteArray jpeg = Encoded(PatternPicture(64, 48), "jpg", true);
    const qsizetype lastScan = jpeg.lastIndexOf("\xFF\xDA");
    WriteBytes(QStringLiteral("stray.jpg"),
               jpeg.left(lastScan) + QByteArray(3, '\0') + jpeg.mid(lastScan));
    QImage whole;
    ASSERT_TRUE(whole.loadFromData(jpeg));
    EXPECT_EQ(ReadPictureFile(PathOf(QStringLiteral("stray.jpg"))), AsTrueColor(whole));
    WriteBytes(QStringLiteral("grey.gif"), GreyGif(40, 30));
    EXPECT_EQ(ReadPictureFile(PathOf(QStringLiteral("grey.gif"))).pixel(1, 1),
              qRgb(31, 31, 31)); // code 41 * 7 % 256
}

TEST_F(PictureFiles, DecoderWarningsAreCaughtOnlyWhileReadingAndTheHandlerIsRestored) {
    static QStringList seen;
    seen.clear();
    const QtMessageHandler mine = [](QtMsgType, const QMessageLogContext&, const QString& text) {
        seen << text;
    };
    const QtMessageHandler before = qInstallMessageHandler(mine);
    const QByteArray jpeg = Encoded(PatternPicture(64, 48), "jpg");
    WriteBytes(QStringLiteral("hole.jpg"),
               jpeg.left(jpeg.size() / 2) + QByteArray::fromHex("ffd9"));
    EXPECT_THROW(ReadPictureFile(PathOf(QStringLiteral("hole.jpg"))), FileError);
    qWarning("after");
    EXPECT_EQ(qInstallMessageHandler(before), mine);
    EXPECT_EQ(seen, QStringList{QStringLiteral("after")});
}

TEST_F(PictureFiles, SavesTheCleanCopyAs24BitBmpWithoutTheOverlay) {
    Pictures pictures;
    LoadPicture(pictures, PatternPicture(40, 30), PathOf(QStringLiteral("chart.bmp")));
    RestorePicture(pictures);
    DrawMark(pictures.Working, 10, 10, 3, 255, true);
    DrawZoneCircle(pictures.Working, 20, 15);

    SavePictureFile(pictures, PathOf(QStringLiteral("saved.bmp")));
    const QByteArray bytes = ReadBytes(QStringLiteral("saved.bmp"));
    ASSERT_GT(bytes.size(), 28);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(bytes[28]), 24);
    EXPECT_EQ(ReadPictureFile(PathOf(QStringLiteral("saved.bmp"))), pictures.Clean);
    EXPECT_NE(pictures.Working, pictures.Clean); // the marks stay on screen
}

TEST_F(PictureFiles, AFailedSaveLeavesTheOldFileWhole) {
    WriteBytes(QStringLiteral("old.bmp"), QByteArray("old contents"));
    EXPECT_THROW(SavePictureFile(Pictures{}, PathOf(QStringLiteral("old.bmp"))), FileError);
    EXPECT_EQ(ReadBytes(QStringLiteral("old.bmp")), QByteArray("old contents"));

    Pictures pictures;
    LoadPicture(pictures, PatternPicture(4, 4), PathOf(QStringLiteral("p.bmp")));
    EXPECT_THROW(SavePictureFile(pictures, PathOf(QStringLiteral("no/such/folder/p.bmp"))),
                 FileError);
}

} // namespace
} // namespace lineora
