#include "core/commands/WorkFileCommands.h"

#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Errors.h"
#include "core/picture/Pictures.h"

#include <QFileInfo>
#include <QImageReader>

#include <utility>

namespace lineora {

namespace {

bool IsGraName(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("gra"), Qt::CaseInsensitive) == 0;
}

QString PictureExtensions() {
    QStringList formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        formats << QString::fromLatin1(format);
    }
    return formats.join(QStringLiteral(", "));
}

} // namespace

WorkFileKind KindOfWorkFile(const QString& path) {
    if (IsGraName(path)) {
        return WorkFileKind::GraphData;
    }
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix)) {
        return WorkFileKind::Picture;
    }
    return WorkFileKind::Other;
}

void OpenWorkFile(State& state, Host& host, Views& views, const QString& path) {
    const WorkFileKind kind = KindOfWorkFile(path);
    // Refused before the question: a file that cannot be opened must not cost the user a save.
    if (kind == WorkFileKind::Other) {
        throw FileError(QStringLiteral("Cannot open \"%1\": only pictures (%2) and graph data "
                                       "files (gra) can be opened.")
                            .arg(path, PictureExtensions()));
    }
    if (!ConfirmUnsavedWork(state, host, views)) {
        return;
    }
    if (kind == WorkFileKind::GraphData) {
        OpenGraPath(state, views, path);
    } else {
        OpenPictureFile(state, views, path);
    }
}

QString DroppedWorkFile(const QList<QUrl>& urls) {
    if (urls.isEmpty()) {
        throw FileError("Nothing that names a file was dropped. Drop one picture or one graph "
                        "data file (.gra).");
    }
    if (urls.size() > 1) {
        throw FileError(QStringLiteral("%1 files were dropped; drop one picture or one graph data "
                                       "file (.gra) at a time.")
                            .arg(urls.size()));
    }
    const QUrl& url = urls.front();
    if (!url.isLocalFile()) {
        throw FileError(QStringLiteral("\"%1\" is not a file on this computer; only such files "
                                       "can be dropped.")
                            .arg(url.toDisplayString()));
    }
    const QString path = url.toLocalFile();
    if (QFileInfo(path).isDir()) {
        throw FileError(QStringLiteral("\"%1\" is a folder; drop one picture or one graph data "
                                       "file (.gra) from it.")
                            .arg(path));
    }
    return path;
}

void OpenRecentFile(State& state, Host& host, Views& views, const QString& path) {
    if (!QFileInfo::exists(path)) {
        RemoveRecentFile(state.Recent, path);
        throw FileError(
            QStringLiteral("\"%1\" is no longer there; it has been taken off the recent files.")
                .arg(path));
    }
    OpenWorkFile(state, host, views, path);
}

WorkFileRead ReadCommandLineFile(const QString& appDir, const QString& path) {
    // The rule of OpenFileByExtension: the last three characters decide.
    if (path.right(3).toUpper() == QLatin1String("GRA")) {
        return ReadGraFileWithPicture(appDir, path);
    }
    return PictureFileRead{path, ReadPictureFile(path)};
}

void ApplyWorkFileRead(State& state, Views& views, WorkFileRead read) {
    if (auto* picture = std::get_if<PictureFileRead>(&read)) {
        ApplyPictureFile(state, views, picture->Path, std::move(picture->Picture));
    } else {
        ApplyGraFile(state, views, std::move(std::get<GraFileRead>(read)));
    }
}

} // namespace lineora
