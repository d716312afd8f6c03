#include "picture/Pictures.h"

#include "DrawnPictures.h"
#include "common/Errors.h"
#include "picture/Overlay.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lineora {
namespace {

using test::PatternPicture;

class PictureFiles : public ::testing::Test {
public:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    void WriteBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadBytes(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
QByteArray BmpHeader(qint32 width, qint32 height) {
    QByteArray header(54, '\0');
    auto put32 = [&](int at, qint32 value) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    header[26] = 1;
    header[28] = 24;
    return header;
}

TEST_F(PictureFiles, RefusesWhatIsNotAReadablePictureNamingTheFile) {
    WriteBytes(QStringLiteral("empty.bmp"), {});
    WriteBytes(QStringLiteral("garbage.bmp"), QByteArray(300, '\x5A'));
    WriteBytes(QStringLiteral("cut.bmp"), BmpHeader(64, 64));        // header without pixels
    WriteBytes(QStringLiteral("huge.bmp"), BmpHeader(40000, 30000)); // too large for memory
    ASSERT_TRUE(PatternPicture(40, 30).save(PathOf(QStringLiteral("half.bmp"))));
    WriteBytes(QStringLiteral("half.bmp"), ReadBytes(QStringLiteral("half.bmp")).chopped(1800));
    ASSERT_TRUE(QDir().mkdir(PathOf(QStringLiteral("folder.bmp")))); // a folder
    for (const char* name : {"missing.bmp", "empty.bmp", "garbage.bmp", "cut.bmp", "huge.bmp",
                             "half.bmp", "folder.bmp"}) {
        const QString path = PathOf(QLatin1String(name));
        try {
            ReadPictureFile(path);
            ADD_FAILURE() << name << " was read";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos)
                << name << ": " << error.what();
        }
    }
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
