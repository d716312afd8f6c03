#include "core/common/FileReading.h"

#include "core/common/Errors.h"

#include <QFile>
#include <QFileInfo>

namespace lineora {

namespace {

QString SizeText(qint64 bytes) {
    return bytes >= (qint64{1} << 20) ? QStringLiteral("%1 MB").arg(bytes >> 20)
                                      : QStringLiteral("%1 KB").arg(bytes >> 10);
}

QString TooLarge(qint64 maxBytes) {
    return QStringLiteral("the file is too large: more than %1, which no such file reaches")
        .arg(SizeText(maxBytes));
}

} // namespace

QByteArray ReadRegularFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        throw FileError(QStringLiteral("it is not a regular file (a folder, device, pipe or "
                                       "socket is never read)"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(file.errorString());
    }
    if (file.size() > maxBytes) {
        throw FileError(TooLarge(maxBytes));
    }
    // Read in pieces rather than trusting the size: a file that grows while it is read, or one
    // that reports no size, still stops one piece past the limit.
    constexpr qint64 kPiece = qint64{1} << 16;
    QByteArray bytes;
    for (;;) {
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError) {
            throw FileError(file.errorString());
        }
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
        if (bytes.size() > maxBytes) {
            throw FileError(TooLarge(maxBytes));
        }
    }
    return bytes;
}

} // namespace lineora
