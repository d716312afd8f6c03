#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "picture/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

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
    const QImage picture = reader.read();
    if (picture.isNull()) {
        RefuseToRead(path, reader.errorString());
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
