#include "core/curves/CsvExport.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lineora {

QString CsvNumber(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("nan"); // never "-nan": readers differ on it
    }
    std::array<char, 32> digits{}; // the longest shortest form is 24 characters
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return QString::fromLatin1(digits.data(), result.ptr - digits.data());
}

void AppendCsvField(QString& text, QStringView field) {
    const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                        field.contains(u'\n');
    if (!quoted) {
        text.append(field);
        return;
    }
    text.append(u'"');
    for (const QChar c : field) {
        if (c == u'"') {
            text.append(u'"');
        }
        text.append(c);
    }
    text.append(u'"');
}

QString BuildCsvText(const PointStore& store) {
    QString text = QStringLiteral("curve,x,y\r\n");
    qsizetype rows = 0;
    for (int c = 1; c <= kCurveCount; ++c) {
        rows += PointCount(store, c);
    }
    text.reserve(text.size() + rows * 36); // most rows are shorter; longer ones still fit
    for (int c = 1; c <= kCurveCount; ++c) {
        const QString curve = QString::number(c);
        for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
            const ValueEntry& value = store.PointValues[row][c];
            AppendCsvField(text, curve);
            text.append(u',');
            AppendCsvField(text, CsvNumber(static_cast<double>(value.ValX)));
            text.append(u',');
            AppendCsvField(text, CsvNumber(static_cast<double>(value.ValY)));
            text.append(QStringLiteral("\r\n"));
        }
    }
    return text;
}

} // namespace lineora
