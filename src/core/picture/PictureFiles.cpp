#include "core/common/AtomicFile.h"
#include "core/common/Errors.h"
#include "core/picture/DecoderWarnings.h"
#include "core/picture/PictureStructure.h"
#include "core/picture/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace lineora {

namespace {

// A picture larger than this (4 bytes a pixel) is refused rather than left to fail somewhere
// in the middle of a redraw, and the decoders may allocate no more for it. The program holds
// two copies of the picture and a third during some tools, so 512 MB (some 11500 x 11500
// pixels, over five times a 24-megapixel scan) keeps the whole under 1.5 GB.
constexpr qint64 kMaxPictureBytes = qint64{512} << 20;
constexpr int kMaxPictureMegabytes = static_cast<int>(kMaxPictureBytes >> 20);

[[noreturn]] void RefuseToRead(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot read the picture \"%1\": %2").arg(path, reason));
}

[[noreturn]] void RefuseToSave(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot save the picture \"%1\": %2").arg(path, reason));
}

QString TooLarge(QSize size) {
    const QString pixels =
        size.isValid() ? QStringLiteral(" (%1 x %2 pixels)").arg(size.width()).arg(size.height())
                       : QString();
    return QStringLiteral("the picture%1 is larger than the %2 MB a picture may take")
        .arg(pixels)
        .arg(kMaxPictureMegabytes);
}

void CheckPictureSize(const QString& path, QSize size) {
    if (size.width() <= 0 || size.height() <= 0) {
        RefuseToRead(path, QStringLiteral("the picture has no pixels"));
    }
    if (qint64{size.width()} * size.height() * 4 > kMaxPictureBytes) {
        RefuseToRead(path, TooLarge(size));
    }
}

void CheckPictureStructure(const QString& path, const QByteArray& format) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return; // the reader reports what is wrong with it
    }
    const QString damage = FindPictureStructureDamage(file, format);
    if (!damage.isEmpty()) {
        RefuseToRead(path, damage);
    }
}

// libjpeg skips stray bytes between two of its blocks and says so, yet every pixel is read:
// scanners and cameras that write such files make perfectly good pictures.
bool WarnsOfMissingPixels(const QString& warning) {
    return !warning.contains(QLatin1String("extraneous bytes before marker"));
}

// The reason a read failed: the decoder's own warning says more than Qt's error text.
QString ReadFailure(const QImageReader& reader, const QStringList& warnings) {
    for (const QString& warning : warnings) {
        if (warning.contains(QLatin1String("allocation limit"))) {
            return TooLarge(reader.size());
        }
    }
    return warnings.isEmpty()
               ? reader.errorString()
               : QStringLiteral("%1 (%2)").arg(reader.errorString(), warnings.first());
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
    // The structure first: asking a PNG's size reads every block before the pixels.
    CheckPictureStructure(path, reader.format());
    const QSize announced = reader.size();
    if (announced.isValid()) {
        CheckPictureSize(path, announced);
    }
    QImage picture;
    QStringList warnings;
    {
        const DecoderWarnings capture;
        picture = reader.read();
        warnings = capture.Messages();
    }
    warnings.removeIf([](const QString& warning) { return !WarnsOfMissingPixels(warning); });
    if (picture.isNull()) {
        RefuseToRead(path, ReadFailure(reader, warnings));
    }
    // A decoder that warns while still giving a picture has filled in what it could not read.
    if (!warnings.isEmpty()) {
        RefuseToRead(path, QStringLiteral("the file is damaged (%1)").arg(warnings.first()));
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
