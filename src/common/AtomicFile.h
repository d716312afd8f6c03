#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace lineora {

// Every file the program writes goes through here: the new content goes to a temporary file
// that replaces the old one only when every byte reached it, so a failed write (a full disk,
// a missing folder, no permission) leaves the old file whole. A failure throws FileError
// naming `what` ("the graph data file"), the path and the reason.
void WriteFileAtomically(const QString& path, const QString& what, const QByteArray& bytes);

// The same for content produced by a writer (a picture encoder): `write` returns an empty
// text on success, else the reason it failed.
void WriteFileAtomically(const QString& path, const QString& what,
                         const std::function<QString(QIODevice&)>& write);

} // namespace lineora
