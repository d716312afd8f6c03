#include "curves/TextFile.h"

#include "common/Errors.h"

#include <QSaveFile>

namespace lineora {

namespace {

bool HasLoneBreak(const QString& text) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && (i + 1 == size || text[i + 1] != QLatin1Char('\n'))) {
            return true;
        }
        if (c == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r'))) {
            return true;
        }
    }
    return false;
}

[[noreturn]] void RefuseToWrite(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot write the text file \"%1\": %2").arg(path, reason));
}

} // namespace

QString WithCrLf(const QString& text) {
    if (!HasLoneBreak(text)) {
        return text; // the usual case: shared, not copied
    }
    QString result;
    result.reserve(text.size() + text.size() / 8);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            result.append(QLatin1String("\r\n"));
            if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            result.append(c);
        }
    }
    return result;
}

void WriteTextFile(const QString& path, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(path);
    // Unbuffered, so that a disk filling up shows as a short write here: a buffered QSaveFile
    // flushes at commit, where a partial write goes unnoticed and the file is cut short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        RefuseToWrite(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        RefuseToWrite(path, reason);
    }
    if (!file.commit()) {
        RefuseToWrite(path, file.errorString());
    }
}

} // namespace lineora
