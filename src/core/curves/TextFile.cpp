#include "core/curves/TextFile.h"

#include "core/common/AtomicFile.h"

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
    WriteFileAtomically(path, QStringLiteral("the text file"), text.toUtf8());
}

} // namespace lineora
