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

namespace {

constexpr char16_t kTabs[kCurveCount + 1] = u"\t\t\t\t\t";
constexpr char16_t kLineEnd[] = u"\r\n";

// A row of curve c. Its Y value goes to column c + 1, so each curve keeps a column of its own.
void AppendRow(QString& text, const ValueEntry& value, int c, NumberFormat format) {
    text.append(FormatExport(value.ValX, format));
    text.append(QStringView(kTabs, c));
    text.append(FormatExport(value.ValY, format));
    text.append(QStringView(kLineEnd, 2));
}

const ValueEntry& ValueOf(const PointStore& store, int c, std::size_t i) {
    return store.PointValues[kFirstRow + i][static_cast<std::size_t>(c)];
}

std::size_t RowsOf(const PointStore& store, int c) {
    return static_cast<std::size_t>(std::max(PointCount(store, c), 0));
}

// Brings a curve's piece up to its values. The rows that agree at the start and at the end
// (an added, removed or moved point leaves most of them) are taken from the text as it was;
// only the rows between are formatted. Every row ends in CR LF, so forcing the separator row
// by row gives what forcing it on the whole text gives.
void UpdatePiece(ExportTextMemo::Piece& piece, const PointStore& store, int c, NumberFormat format,
                 SeparatorChoice separator, bool reuse) {
    if (!reuse) {
        piece = {};
    }
    const std::size_t rows = RowsOf(store, c);
    const std::size_t kept = piece.Values.size();
    const std::size_t common = std::min(rows, kept);
    std::size_t head = 0;
    while (head < common && ValueOf(store, c, head) == piece.Values[head]) {
        ++head;
    }
    if (head == rows && rows == kept) {
        return;
    }
    std::size_t tail = 0;
    while (tail < common - head &&
           ValueOf(store, c, rows - 1 - tail) == piece.Values[kept - 1 - tail]) {
        ++tail;
    }
    const auto startOf = [&piece](std::size_t i) { return i == 0 ? 0 : piece.Ends[i - 1]; };
    QString text;
    text.reserve(static_cast<qsizetype>(rows) * UsualLineLength(format, c));
    text.append(QStringView(piece.Text).left(startOf(head)));
    std::vector<qsizetype> ends(piece.Ends.begin(),
                                piece.Ends.begin() + static_cast<std::ptrdiff_t>(head));
    QString middle;
    for (std::size_t i = head; i < rows - tail; ++i) {
        AppendRow(middle, ValueOf(store, c, i), c, format);
        ends.push_back(text.size() + middle.size());
    }
    ForceSeparator(middle, separator);
    text.append(middle);
    const qsizetype shift = text.size() - startOf(kept - tail);
    text.append(QStringView(piece.Text).mid(startOf(kept - tail)));
    for (std::size_t i = kept - tail; i < kept; ++i) {
        ends.push_back(piece.Ends[i] + shift);
    }
    piece.Text = std::move(text);
    piece.Ends = std::move(ends);
    piece.Values.resize(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        piece.Values[i] = ValueOf(store, c, i);
    }
}

} // namespace

QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator) {
    QString text;
    text.reserve(UsualTextLength(store, format));
    for (int c = 1; c <= kCurveCount; ++c) {
        for (std::size_t i = 0; i < RowsOf(store, c); ++i) {
            AppendRow(text, ValueOf(store, c, i), c, format);
        }
    }
    if (text.size() >= 2) {
        ForceSeparator(text, separator);
    }
    return text;
}

QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator,
                        ExportTextMemo& memo) {
    const bool sameForm = memo.Valid && memo.Format == format && memo.Separator == separator &&
                          memo.Decimal == DecimalChar();
    memo.Valid = false;
    QString text;
    text.reserve(UsualTextLength(store, format));
    for (int c = 1; c <= kCurveCount; ++c) {
        ExportTextMemo::Piece& piece = memo.Curves[static_cast<std::size_t>(c)];
        UpdatePiece(piece, store, c, format, separator, sameForm);
        text.append(piece.Text);
    }
    memo.Format = format;
    memo.Separator = separator;
    memo.Decimal = DecimalChar();
    memo.Valid = true;
    return text;
}

} // namespace lineora
