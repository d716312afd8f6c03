#pragma once

#include "core/curves/Export.h"

#include <QString>

namespace lineora {

// The text output window's text (what copy and save export, edits included) and the last
// text taken from it for an export.
struct TextOutput {
    QString MemoText;
    QString ExportText;
    // The curves' texts behind the last table refresh, so one changed curve is all that is
    // formatted again.
    ExportTextMemo Pieces;
};

} // namespace lineora
