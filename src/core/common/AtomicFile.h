#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace lineora {

// Every file the program writes goes through here. Only a regular file (or none) is replaced
// (see CheckWritableTarget): the new content goes to a temporary file
// that replaces the old one only when every byte reached it, so a failed write (a full disk,
// a missing folder, no permission) leaves the old file whole. A failure throws FileError
// naming `what` ("the graph data file"), the path and the reason.
void WriteFileAtomically(const QString& path, const QString& what, const QByteArray& bytes);

// The same for content produced by a writer (a picture encoder): `write` returns an empty
// text on success, else the reason it failed.
void WriteFileAtomically(const QString& path, const QString& what,
                         const std::function<QString(QIODevice&)>& write);

// Refuses (FileError, as a write would) a target that exists and is not a regular file: a
// folder, device, pipe or socket is never replaced. A symbolic link to a regular file is
// written through and stays a link. A command that writes several files checks them all
// first, so that none is written when one would be refused.
void CheckWritableTarget(const QString& path, const QString& what);

// What a file held before a command writes it, so that when a later write of the same command
// fails, the file is put back as it was, or removed when it did not exist.
class FileRestorer {
public:
    explicit FileRestorer(const QString& path);
    void Restore() const noexcept;

private:
    QString path_;
    bool existed_ = false;
    bool kept_ = false; // old_ holds the old content
    QByteArray old_;
};

} // namespace lineora
