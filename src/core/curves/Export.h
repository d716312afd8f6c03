#pragma once

#include "core/common/Settings.h"
#include "core/curves/PointStore.h"

#include <QString>

namespace lineora {

// The text the clipboard and text files receive: for each curve 1..5 and each of its points in
// row order, the X value, c tab characters, the Y value and CR LF, in the chosen number form.
// Then, when the text has at least two characters, every "." becomes "," (Comma) or every ","
// becomes "." (Point); System and None leave it as formatted with the system separator.
QString BuildExportText(const PointStore& store, NumberFormat format, SeparatorChoice separator);

// The separator choice of every exported text: every "." becomes "," (Comma) or every ","
// becomes "." (Point); System and None leave the text alone.
void ForceSeparator(QString& text, SeparatorChoice separator);

} // namespace lineora
