#include "core/common/AtomicFile.h"

#include "core/common/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lineora {

namespace {

[[noreturn]] void Refuse(const QString& path, const QString& what, const QString& reason) {
    throw FileError(QStringLiteral("Cannot write %1 \"%2\": %3").arg(what, path, reason));
}

} // namespace

void CheckWritableTarget(const QString& path, const QString& what) {
    // QFileInfo follows a symbolic link: a link to a regular file is written through, the link
    // itself stays (QSaveFile replaces the file it points to); a link to anything else is
    // refused like that thing.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        Refuse(path, what,
               QStringLiteral("it exists and is not a regular file (a folder, device, pipe or "
                              "socket is never replaced)"));
    }
}

void WriteFileAtomically(const QString& path, const QString& what,
                         const std::function<QString(QIODevice&)>& write) {
    // The temporary file would be renamed over a device or pipe, and a device such as
    // /dev/full would be gone without a word.
    CheckWritableTarget(path, what);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Refuse(path, what, file.errorString());
    }
    QString reason = write(file);
    // commit() does not report a failed flush of the buffered bytes, so a full disk would
    // leave a cut-short file behind a successful commit; flushing first catches it.
    if (reason.isEmpty() && !file.flush()) {
        reason = QStringLiteral("not every byte could be written (%1)").arg(file.errorString());
    }
    if (!reason.isEmpty()) {
        file.cancelWriting();
        Refuse(path, what, reason);
    }
    if (!file.commit()) {
        Refuse(path, what, file.errorString());
    }
}

void WriteFileAtomically(const QString& path, const QString& what, const QByteArray& bytes) {
    WriteFileAtomically(path, what, [&bytes](QIODevice& file) {
        return file.write(bytes) == bytes.size()
                   ? QString()
                   : QStringLiteral("not every byte could be written (%1)").arg(file.errorString());
    });
}

FileRestorer::FileRestorer(const QString& path) : path_(path), existed_(QFileInfo::exists(path)) {
    QFile file(path);
    if (existed_ && file.open(QIODevice::ReadOnly)) {
        old_ = file.readAll();
        kept_ = file.error() == QFileDevice::NoError;
    }
}

void FileRestorer::Restore() const noexcept {
    try {
        if (kept_) {
            WriteFileAtomically(path_, QStringLiteral("the file"), old_);
        } else if (!existed_) {
            // A dangling link was written through: the file it now points to goes, it stays.
            const QFileInfo info(path_);
            QFile::remove(info.isSymLink() ? info.symLinkTarget() : path_);
        } // else an old file that could not be read is not there to put back
    } catch (...) {
        // Restoring is the last step of a failure already reported; it cannot do more.
    }
}

} // namespace lineora
