#pragma once

#include "core/commands/GraCommands.h"
#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QUrl>

#include <variant>

namespace lineora {

// What a file holds for the program, told by its extension.
enum class WorkFileKind { Picture, GraphData, Other };

// ".gra" in any case is graph data; an extension a picture decoder of this Qt reads (png, bmp,
// jpg, ...) a picture; anything else, no extension included, neither.
WorkFileKind KindOfWorkFile(const QString& path);

// Opens a picture or a graph data file as File -> Open would, told by KindOfWorkFile, after
// the unsaved-work question (Cancel opens nothing). Another kind of file, or one that cannot
// be read, throws FileError saying why, and the work stays as it was.
void OpenWorkFile(State& state, Host& host, Views& views, const QString& path);

// The local file of a drop on the main window. Several files, a folder, something that is no
// local file or nothing at all throw FileError saying what can be dropped.
QString DroppedWorkFile(const QList<QUrl>& urls);

// An entry of File -> Recent. A file no longer there leaves the list, and FileError says so.
void OpenRecentFile(State& state, Host& host, Views& views, const QString& path);

// The file named on the command line, read on a worker thread while the windows start and
// shown afterwards. The read touches no state and throws FileError as opening would; the
// apply then opens what was read exactly as OpenFileByExtension opens the file.
struct PictureFileRead {
    QString Path;
    QImage Picture;
};
using WorkFileRead = std::variant<PictureFileRead, GraFileRead>;
WorkFileRead ReadCommandLineFile(const QString& appDir, const QString& path);
void ApplyWorkFileRead(State& state, Views& views, WorkFileRead read);

} // namespace lineora
