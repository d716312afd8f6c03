#pragma once

#include "core/common/Settings.h"
#include "core/curves/PointStore.h"

#include <QString>

#include <array>
#include <vector>

namespace lineora {

// The text the clipboard and text files receive: for each curve 1..5 and each of its points in
// row order, the X value, c tab characters, the Y value and CR LF, in the chosen number form.
// Then, when the text has at least two characters, every "." becomes "," (Comma) or every ","
// becomes "." (Point); System and None leave it as formatted with the system separator.
QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator);

// Each curve's share of the export text as last built, with what it was built from.
struct ExportTextMemo {
    struct Piece {
        std::vector<ValueEntry> Values;
        QString Text;
        std::vector<qsizetype> Ends; // where each row's text ends
    };
    std::array<Piece, kCurveCount + 1> Curves;
    NumberFormat Format = NumberFormat::Standard;
    SeparatorChoice Separator = SeparatorChoice::None;
    QChar Decimal;
    bool Valid = false;
};

// BuildExportText with the same text, formatting again only the curves whose values changed
// since `memo` was last used.
QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator,
                        ExportTextMemo& memo);

// The separator choice of every exported text: every "." becomes "," (Comma) or every ","
// becomes "." (Point); System and None leave the text alone.
void ForceSeparator(QString& text, SeparatorChoice separator);

} // namespace lineora
