#include "common/AtomicFile.h"

#include "common/Errors.h"

#include <QSaveFile>

namespace lineora {

namespace {

[[noreturn]] void Refuse(const QString& path, const QString& what, const QString& reason) {
    throw FileError(QStringLiteral("Cannot write %1 \"%2\": %3").arg(what, path, reason));
}

} // namespace

void WriteFileAtomically(const QString& path, const QString& what,
                         const std::function<QString(QIODevice&)>& write) {
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

} // namespace lineora
