#include "core/curves/Export.h"

#include "core/common/NumberText.h"

#include <QStringView>

#include <algorithm>

namespace lineora {

namespace {

// A line of curve c as most values write it; the reserve is a hint, longer numbers still fit.
qsizetype UsualLineLength(NumberFormat format, int c) {
    const qsizetype number = format == NumberFormat::Standard ? 10 : 15;
    return 2 * number + c + 2;
}

qsizetype UsualTextLength(const PointStore& store, NumberFormat format) {
    qsizetype length = 0;
    for (int c = 1; c <= kCurveCount; ++c) {
        length += PointCount(store, c) * UsualLineLength(format, c);
    }
    return length;
}

// One pass over the characters of a text that may hold ten thousand numbers.
void ReplaceAll(QString& text, char16_t from, char16_t to) {
    std::replace(text.begin(), text.end(), QChar(from), QChar(to));
}

} // namespace

void ForceSeparator(QString& text, SeparatorChoice separator) {
    if (separator == SeparatorChoice::Comma) {
        ReplaceAll(text, u'.', u',');
    } else if (separator == SeparatorChoice::Point) {
        ReplaceAll(text, u',', u'.');
    }
}

QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator) {
    static constexpr char16_t kTabs[kCurveCount + 1] = u"\t\t\t\t\t";
    static constexpr char16_t kLineEnd[] = u"\r\n";
    QString text;
    text.reserve(UsualTextLength(store, format));
    for (int c = 1; c <= kCurveCount; ++c) {
        // Curve c's Y values go to column c + 1, so each curve keeps a column of its own.
        const QStringView tabs(kTabs, c);
        for (int row = kFirstRow; row < store.LineNext[c]; ++row) {
            const ValueEntry& value = store.PointValues[row][c];
            text.append(FormatExport(value.ValX, format));
            text.append(tabs);
            text.append(FormatExport(value.ValY, format));
            text.append(QStringView(kLineEnd, 2));
        }
    }
    if (text.size() >= 2) {
        ForceSeparator(text, separator);
    }
    return text;
}

} // namespace lineora
