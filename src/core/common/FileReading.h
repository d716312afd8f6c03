#pragma once

#include <QByteArray>
#include <QString>

namespace lineora {

// No graph data file the program writes comes near this (five curves of 1000 points take less
// than 200 KB); a bigger one is damaged or no graph data file at all.
inline constexpr qint64 kMaxGraFileBytes = qint64{16} << 20;
// A configuration or language file holds some tens of KB.
inline constexpr qint64 kMaxIniFileBytes = qint64{4} << 20;

// The whole content of a regular file of at most `maxBytes` bytes (a symbolic link to one
// counts). A device, pipe, folder or socket is refused before it is opened, so reading never
// waits on a pipe nor runs on without end; a bigger file, or one that cannot be opened or read,
// is refused too. A refusal throws FileError holding the reason only: the caller names the
// file.
QByteArray ReadRegularFile(const QString& path, qint64 maxBytes);

} // namespace lineora
