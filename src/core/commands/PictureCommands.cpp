#include "core/commands/Commands.h"

#include "core/commands/UndoCommands.h"

#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"

#include <QFileInfo>
#include <QImageReader>

namespace lineora {

namespace {

QString OpenPictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return QStringLiteral("Pictures (%1);;Bitmaps (*.bmp);;All files (*)")
        .arg(patterns.join(QLatin1Char(' ')));
}

} // namespace

void OpenPicture(State& state, Host& host, Views& views) {
    if (!ConfirmUnsavedWork(state, host, views)) {
        return;
    }
    const QString path = host.OpenFileName(OpenPictureFilter(), state.Pics.PictureDir);
    if (path.isEmpty()) {
        return; // a cancelled dialog keeps the picture and every curve
    }
    OpenPictureFile(state, views, path);
}

void OpenPictureFile(State& state, Views& views, const QString& path) {
    ApplyPictureFile(state, views, path, ReadPictureFile(path)); // the read throws first
}

void ApplyPictureFile(State& state, Views& views, const QString& path, QImage picture) {
    LoadPicture(state.Pics, std::move(picture), path);
    views.SetCaption(QStringLiteral("Lineora3   ") + path);
    state.Main.GraFileName.clear();
    NewPictureDefaults(state, views);
    RefreshTable(state, views); // the emptied curves leave the table and the text output
    RedrawPicture(state, views);
    AddRecentFile(state.Recent, path);
    StartNewWork(state);
}

void SavePicture(State& state, Host& host, Views& views) {
    QString path =
        host.SaveFileName(QStringLiteral("Bitmaps (*.bmp)"), state.Pics.PictureDir, QString());
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".bmp");
    }
    // The clean copy is what goes to the file, so the marks on screen stay as they are.
    SavePictureFile(state.Pics, path);
    AddRecentFile(state.Recent, path);
    views.ControlsChanged();
}

void BlackAndWhite(State& state, Views& views) {
    NameUserAction(state, MsgKey::StepBlackAndWhite);
    if (state.Pics.Clean.isNull()) {
        return;
    }
    ConvertToBlackAndWhite(state.Pics);
    RedrawPicture(state, views);
    views.ControlsChanged();
}

} // namespace lineora
