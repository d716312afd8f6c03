#pragma once

#include <QString>

namespace lineora {

// The text output window's text (what copy and save export, edits included) and the last
// text taken from it for an export.
struct TextOutput {
    QString MemoText;
    QString ExportText;
};

} // namespace lineora
