#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "picture/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cstdint>
#include <cstdlib>

namespace lineora {

namespace {

// A picture larger than this (4 bytes a pixel) is refused rather than left to fail somewhere
// in the middle of a redraw: 1 GiB is some 16000 x 16000 pixels.
constexpr qint64 kMaxPictureBytes = qint64{1} << 30;
constexpr int kMaxPictureMegabytes = static_cast<int>(kMaxPictureBytes >> 20);

[[noreturn]] void RefuseToRead(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot read the picture \"%1\": %2").arg(path, reason));
}

[[noreturn]] void RefuseToSave(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot save the picture \"%1\": %2").arg(path, reason));
}

void CheckPictureSize(const QString& path, QSize size) {
    if (size.width() <= 0 || size.height() <= 0) {
        RefuseToRead(path, QStringLiteral("the picture has no pixels"));
    }
    if (qint64{size.width()} * size.height() * 4 > kMaxPictureBytes) {
        RefuseToRead(path, QStringLiteral("the picture is too large (%1 x %2 pixels)")
                               .arg(size.width())
                               .arg(size.height()));
    }
}

std::uint32_t LittleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// Qt reads a BMP whose pixel rows stop early without complaint, filling the rest; the header
// says how many bytes an uncompressed picture needs, so a file cut short is caught here.
bool IsCutShortBmp(const QString& path, qint64 fileSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false; // the reader reports what is wrong with it
    }
    const QByteArray header = file.read(54);
    if (header.size() < 26 || !header.startsWith("BM")) {
        return false;
    }
    const std::uint32_t pixelsAt = LittleEndian(header, 10, 4);
    const std::uint32_t infoSize = LittleEndian(header, 14, 4);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {
        width = LittleEndian(header, 18, 2);
        height = LittleEndian(header, 20, 2);
        bits = LittleEndian(header, 24, 2);
    } else if (infoSize >= 40 && header.size() >= 34) {
        width = static_cast<std::int32_t>(LittleEndian(header, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(header, 22, 4));
        bits = LittleEndian(header, 28, 2);
        compression = LittleEndian(header, 30, 4);
    } else {
        return false;
    }
    // Run-length pictures have no fixed size; 3 and 6 are plain rows with colour masks.
    if (compression != 0 && compression != 3 && compression != 6) {
        return false;
    }
    const qint64 rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
    return fileSize < qint64{pixelsAt} + rowBytes * std::abs(height);
}

} // namespace

QImage ReadPictureFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        RefuseToRead(path, QStringLiteral("the file does not exist"));
    }
    if (!info.isFile()) {
        RefuseToRead(path, QStringLiteral("it is not a file"));
    }
    if (info.size() == 0) {
        RefuseToRead(path, QStringLiteral("the file is empty"));
    }
    QImageReader reader(path);
    reader.setAllocationLimit(kMaxPictureMegabytes);
    const QSize announced = reader.size();
    if (announced.isValid()) {
        CheckPictureSize(path, announced);
    }
    const QByteArray format = reader.format(); // known only before the read
    const QImage picture = reader.read();
    if (picture.isNull()) {
        RefuseToRead(path, reader.errorString());
    }
    if (format == "bmp" && IsCutShortBmp(path, info.size())) {
        RefuseToRead(path, QStringLiteral("the file is cut short"));
    }
    CheckPictureSize(path, picture.size());
    QImage trueColor = AsTrueColor(picture);
    if (trueColor.isNull()) {
        RefuseToRead(path, QStringLiteral("there is not enough memory for it"));
    }
    return trueColor;
}

void SavePictureFile(const Pictures& pictures, const QString& path) {
    if (pictures.Clean.isNull()) {
        RefuseToSave(path, QStringLiteral("there is no picture"));
    }
    // The BMP writer writes 24 bits a pixel for a 32-bit picture.
    const QImage picture = pictures.Clean.format() == QImage::Format_RGB32
                               ? pictures.Clean
                               : AsTrueColor(pictures.Clean);
    if (picture.isNull()) {
        RefuseToSave(path, QStringLiteral("there is not enough memory"));
    }
    WriteFileAtomically(path, QStringLiteral("the picture"), [&picture](QIODevice& file) {
        QImageWriter writer(&file, "bmp");
        return writer.write(picture) ? QString() : writer.errorString();
    });
}

} // namespace lineora
