#pragma once

#include <QString>

namespace lineora {

// The text with every line break as CR LF: a lone "\n" (what text editors hand out) or a lone
// "\r" becomes "\r\n", an existing "\r\n" stays. The exported texts are read on systems that
// expect CR LF.
QString WithCrLf(const QString& text);

// Writes `text` as UTF-8, atomically: a write that fails throws FileError naming the file and
// the reason and leaves an existing file as it was.
void WriteTextFile(const QString& path, const QString& text);

} // namespace lineora
