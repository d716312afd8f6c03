#include "core/picture/Pictures.h"

#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/picture/PixelAccess.h"

#include <QFileInfo>
#include <QPainter>

#include <cstring>
#include <new>

namespace lineora {

namespace {

constexpr int kPixelFormat1Bit = 1;
constexpr int kPixelFormat24Bits = 6;

QString FolderOf(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

// A working image of the clean copy's size and format, reusing the present buffer when it has
// them and nobody else holds it.
void PrepareWorkingBuffer(const QImage& clean, QImage& working) {
    const bool reusable = working.size() == clean.size() && working.format() == clean.format() &&
                          working.isDetached();
    if (reusable) {
        return;
    }
    working = QImage(clean.size(), clean.format());
    if (working.isNull()) {
        throw std::bad_alloc();
    }
    working.setColorTable(clean.colorTable());
}

} // namespace

QImage AsTrueColor(const QImage& picture) {
    if (picture.isNull() || picture.format() == QImage::Format_RGB32) {
        return picture;
    }
    if (!picture.hasAlphaChannel()) {
        return picture.convertToFormat(QImage::Format_RGB32);
    }
    QImage onPaper(picture.size(), QImage::Format_RGB32);
    if (onPaper.isNull()) {
        return onPaper;
    }
    onPaper.fill(Qt::white);
    QPainter painter(&onPaper);
    painter.drawImage(0, 0, picture);
    return onPaper;
}

void LoadPicture(Pictures& pictures, QImage picture, const QString& path) {
    if (picture.isNull()) {
        throw FileError(QStringLiteral("The picture \"%1\" has no pixels").arg(path));
    }
    QImage clean = AsTrueColor(picture);
    if (clean.isNull()) {
        throw FileError(
            QStringLiteral("There is not enough memory for the picture \"%1\"").arg(path));
    }
    pictures.Clean = std::move(clean);
    pictures.PictureWidth = pictures.Clean.width();
    pictures.PictureHeight = pictures.Clean.height();
    pictures.PictureFileName = path;
    if (path != QLatin1String(kClipboardPicture)) {
        pictures.PictureDir = FolderOf(path);
        pictures.PictureBaseName = QFileInfo(path).baseName();
    }
    pictures.PixelFormatNow = kPixelFormat24Bits;
}

void RestorePicture(Pictures& pictures) {
    const QImage& clean = pictures.Clean;
    QImage& working = pictures.Working;
    pictures.CrosshairOnWorking.reset();
    if (clean.isNull()) {
        working = QImage();
        return;
    }
    PrepareWorkingBuffer(clean, working);
    const qsizetype rowBytes = clean.bytesPerLine();
    if (working.bytesPerLine() == rowBytes) {
        std::memcpy(working.bits(), clean.constBits(),
                    static_cast<std::size_t>(clean.sizeInBytes()));
        return;
    }
    // Rows padded differently (a picture wrapped around foreign memory): copy the pixels only.
    const qsizetype usedBytes = (qsizetype{clean.width()} * clean.depth() + 7) / 8;
    const qsizetype workingRowBytes = working.bytesPerLine();
    uchar* target = working.bits();
    const uchar* source = clean.constBits();
    for (qsizetype y = 0; y < clean.height(); ++y) {
        std::memcpy(target + y * workingRowBytes, source + y * rowBytes,
                    static_cast<std::size_t>(usedBytes));
    }
}

void RestorePictureArea(Pictures& pictures, const QRegion& area) {
    const QImage& clean = pictures.Clean;
    QImage& working = pictures.Working;
    const qsizetype pixelBytes = clean.depth() / 8;
    for (const QRect& rect : area.intersected(clean.rect())) {
        const auto bytes = static_cast<std::size_t>(rect.width() * pixelBytes);
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            std::memcpy(working.scanLine(y) + rect.left() * pixelBytes,
                        clean.constScanLine(y) + rect.left() * pixelBytes, bytes);
        }
    }
}

void ConvertToBlackAndWhite(Pictures& pictures) {
    if (pictures.Clean.isNull()) {
        return;
    }
    const QImage mono = pictures.Clean.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QImage blackAndWhite = mono.convertToFormat(QImage::Format_RGB32);
    if (blackAndWhite.isNull()) {
        throw std::bad_alloc();
    }
    pictures.Clean = std::move(blackAndWhite);
    pictures.PixelFormatNow = kPixelFormat1Bit;
}

TColor ReadPixelColor(const Pictures& pictures, std::int32_t x, std::int32_t y) {
    QImage holder;
    const QImage& clean = pixels::As32Bit(pictures.Clean, holder);
    return FromQRgb(pixels::RgbAt(clean, x, y));
}

} // namespace lineora
