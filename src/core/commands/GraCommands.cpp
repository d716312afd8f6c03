#include "core/commands/GraCommands.h"

#include "core/calibration/AxisTexts.h"
#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/AtomicFile.h"
#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/common/NumberText.h"
#include "core/curves/CsvExport.h"
#include "core/curves/Export.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace lineora {

namespace {

// What a graph data file restores, as the records the conversions read.
struct GraWork {
    AxisTexts Texts;
    Calibration Cal;
    Settings Setup;
    PointStore Store;
};

ScaleKind ScaleOfCode(std::int32_t code) {
    return static_cast<ScaleKind>(code); // the file's codes are the enum's values, checked 1..3
}

// An axis without a scale kind converts as linear, so it is saved as linear: every file the
// program writes can be read back.
std::int32_t CodeOfScale(ScaleKind kind) {
    return kind == ScaleKind::None ? static_cast<std::int32_t>(ScaleKind::Linear)
                                   : static_cast<std::int32_t>(kind);
}

// The file's axis texts with this machine's separator, each checked to be a number.
AxisTexts AdaptedTexts(const GraData& data, const QString& fileName, AxisTexts texts) {
    const std::pair<const QString*, QString*> fields[] = {{&data.MinX, &texts.MinX},
                                                          {&data.MaxX, &texts.MaxX},
                                                          {&data.MinY, &texts.MinY},
                                                          {&data.MaxY, &texts.MaxY}};
    int line = kGraMinXLine;
    for (const auto& [written, field] : fields) {
        *field = AdaptDecimalSeparator(*written);
        try {
            ParseNumber(*field);
        } catch (const FormatError& error) {
            throw GraLineError(fileName, line, QString::fromUtf8(error.what()));
        }
        ++line;
    }
    return texts;
}

// The file laid over a calibration, axis texts and settings: what is not stored in the file
// (polar maximum, chart kind, X direction) keeps the values given.
GraWork MakeGraWork(const GraData& data, const QString& fileName, const AxisTexts& texts,
                    const Calibration& cal, const Settings& setup) {
    GraWork work{AdaptedTexts(data, fileName, texts), cal, setup, PointStore{}};
    work.Cal.Points() = data.Points;
    work.Setup.ScaleX = ScaleOfCode(data.ScaleXCode);
    work.Setup.ScaleY = ScaleOfCode(data.ScaleYCode);
    for (int c = 1; c <= kCurveCount; ++c) {
        for (const PicturePoint& point : data.Curves[static_cast<std::size_t>(c)]) {
            AppendPoint(work.Store, c, point.X, point.Y);
        }
    }
    ReadAxisValues(work.Texts, work.Cal);
    ComputeAxisAngles(work.Cal, work.Setup);
    return work;
}

void ComputeValues(GraWork& work, int specialMode) {
    RecomputeAllValues(work.Store, work.Cal, work.Setup, specialMode);
}

// The file name without its extension ("curve.bmp" gives "curve").
QString BaseNameOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString PictureProposal(const Pictures& pictures) {
    if (pictures.PictureFileName == QLatin1String(kClipboardPicture)) {
        return QStringLiteral("curve");
    }
    return BaseNameOf(pictures.PictureFileName);
}

QString AskName(State& state, Host& host, QLatin1String captionKey, const QString& proposal) {
    const std::optional<QString> typed =
        host.InputBox(LoadMessage(state.Messages, captionKey),
                      LoadMessage(state.Messages, MsgKey::GraphName), proposal);
    // A cancelled box goes on with the proposal, as does one emptied by mistake.
    const QString name = typed.has_value() ? typed->trimmed() : proposal;
    if (name.isEmpty()) {
        return proposal;
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        throw FileError(
            QStringLiteral("\"%1\" is not a file name: it may not contain / or \\").arg(name));
    }
    return name;
}

GraData GraDataOf(const State& state, const QString& pictureName) {
    GraData data;
    data.PictureName = pictureName;
    data.MinX = state.Texts.MinX;
    data.MaxX = state.Texts.MaxX;
    data.MinY = state.Texts.MinY;
    data.MaxY = state.Texts.MaxY;
    data.Points = state.Cal.Points();
    data.ScaleXCode = CodeOfScale(state.Setup.ScaleX);
    data.ScaleYCode = CodeOfScale(state.Setup.ScaleY);
    for (int c = 1; c <= kCurveCount; ++c) {
        std::vector<PicturePoint>& points = data.Curves[static_cast<std::size_t>(c)];
        for (int row = kFirstRow; row < state.Store.LineNext[c]; ++row) {
            const PixelEntry& entry = state.Store.PointPixels[row][c];
            points.push_back({entry.PixX, entry.PixY});
        }
    }
    return data;
}

QString MadeFolder(const QString& path) {
    if (!QDir().mkpath(path)) {
        throw FileError(QStringLiteral("Cannot create the folder \"%1\"").arg(path));
    }
    return path;
}

// The picture and then the graph data file. Both targets are checked before either is written,
// and a graph data file that still cannot be written takes the picture written for it back: a
// failed save leaves every file as it was. `picturePath` empty writes no picture.
void SavePictureAndGra(const Pictures& pictures, const QString& picturePath, const QString& graPath,
                       const QByteArray& bytes) {
    const QString pictureWhat = QStringLiteral("the picture");
    const QString graWhat = QStringLiteral("the graph data file");
    if (!picturePath.isEmpty()) {
        CheckWritableTarget(picturePath, pictureWhat);
    }
    CheckWritableTarget(graPath, graWhat);
    if (picturePath.isEmpty()) {
        SaveGraFile(graPath, bytes);
        return;
    }
    const FileRestorer oldPicture(picturePath);
    SavePictureFile(pictures, picturePath);
    try {
        SaveGraFile(graPath, bytes);
    } catch (const FileError&) {
        oldPicture.Restore();
        throw;
    }
}

void ApplyGraWork(State& state, Views& views, const QString& graPath, const GraData& data,
                  const GraWork& work, QImage picture, const QString& picturePath) {
    ResetWorkState(state, views);
    ClearAllLines(state.Store);
    for (int c = 1; c <= kCurveCount; ++c) {
        for (const PicturePoint& point : data.Curves[static_cast<std::size_t>(c)]) {
            AppendPoint(state.Store, c, point.X, point.Y);
        }
    }
    state.Texts = work.Texts;
    state.Cal.Points() = data.Points;
    state.Setup.ScaleX = work.Setup.ScaleX;
    state.Setup.ScaleY = work.Setup.ScaleY;
    state.Main.GraFileName = graPath;
    LoadPicture(state.Pics, std::move(picture), picturePath);
    views.SetCaption(QStringLiteral("Lineora3   ") + picturePath);
    // As for a new picture, but the curves just read stay.
    SetScaleIndex(state, views, kScaleOneToOne);
    state.Store.CurrentLine = 1;
    ComputeAxisAngles(state.Cal, state.Setup);
    RefreshAll(state, views);
    RedrawPicture(state, views);
    StartNewWork(state);
    views.ControlsChanged();
}

} // namespace

QString GraDataFolder(const QString& appDir) {
    return QDir(appDir).filePath(QStringLiteral("Data"));
}

QString GraPictureFolder(const QString& appDir) {
    return QDir(GraDataFolder(appDir)).filePath(QStringLiteral("Grafiks"));
}

void SaveGraWithPicture(State& state, Host& host, Views& views) {
    if (state.Pics.Clean.isNull()) {
        throw FileError("There is no picture to save with the graph data.");
    }
    const QString pictureName =
        AskName(state, host, MsgKey::SaveGraphWithPicture, PictureProposal(state.Pics)) +
        QStringLiteral(".bmp");
    const QString dataProposal = state.Main.GraFileName.isEmpty()
                                     ? BaseNameOf(pictureName)
                                     : BaseNameOf(state.Main.GraFileName);
    const QString dataName = AskName(state, host, MsgKey::SaveGraphData, dataProposal);
    // Built before anything is written, so a curve the file cannot hold writes nothing.
    const QByteArray bytes = WriteGraText(GraDataOf(state, pictureName));

    const QString graPath =
        QDir(GraDataFolder(state.Main.AppDir)).filePath(dataName + QStringLiteral(".gra"));
    // A data file that will be refused makes no folders either.
    CheckWritableTarget(graPath, QStringLiteral("the graph data file"));
    const QDir pictureFolder(MadeFolder(GraPictureFolder(state.Main.AppDir)));
    // The clean copy goes to the file, so the marks and axes on screen stay where they are.
    SavePictureAndGra(state.Pics, pictureFolder.filePath(pictureName), graPath, bytes);
    state.Main.GraFileName = graPath;
    AddRecentFile(state.Recent, graPath);
    MarkWorkSaved(state);
    views.ControlsChanged();
    host.ShowMessage(graPath + QLatin1Char('\n') + LoadMessage(state.Messages, MsgKey::GraphSaved));
}

void SaveGraBeside(State& state, const QString& graPath) {
    if (state.Pics.Clean.isNull()) {
        throw FileError("There is no picture to save with the graph data.");
    }
    const QFileInfo gra(graPath);
    const QString pictureName = BaseNameOf(graPath) + QStringLiteral(".bmp");
    const QByteArray bytes = WriteGraText(GraDataOf(state, pictureName));
    const QString picturePath = gra.dir().filePath(pictureName);
    const bool pictureIsThere = QFileInfo(picturePath).absoluteFilePath() ==
                                QFileInfo(state.Pics.PictureFileName).absoluteFilePath();
    SavePictureAndGra(state.Pics, pictureIsThere ? QString() : picturePath, gra.absoluteFilePath(),
                      bytes);
    state.Main.GraFileName = gra.absoluteFilePath();
}

void OpenGraFile(State& state, Host& host, Views& views) {
    if (!ConfirmUnsavedWork(state, host, views)) {
        return;
    }
    const QString path = host.OpenFileName(QStringLiteral("GRA file (*.gra)"),
                                           GraDataFolder(state.Main.AppDir) + QLatin1Char('/'));
    if (path.isEmpty()) {
        return; // the work, the tools and the file name stay as they were
    }
    OpenGraPath(state, views, path);
}

void OpenGraPath(State& state, Views& views, const QString& path) {
    ApplyGraFile(state, views, ReadGraFileWithPicture(state.Main.AppDir, path));
}

GraFileRead ReadGraFileWithPicture(const QString& appDir, const QString& path) {
    GraFileRead read;
    read.GraPath = QFileInfo(path).absoluteFilePath();
    read.Data = LoadGraFile(read.GraPath);
    read.PicturePath = FindGraPicture(appDir, read.GraPath, read.Data.PictureName);
    try {
        read.Picture = ReadPictureFile(read.PicturePath);
    } catch (const FileError& error) {
        throw FileError(QStringLiteral("Cannot open the graph data file \"%1\": %2")
                            .arg(read.GraPath, QString::fromUtf8(error.what())));
    }
    return read;
}

void ApplyGraFile(State& state, Views& views, GraFileRead read) {
    const QString& graPath = read.GraPath;
    GraWork work = MakeGraWork(read.Data, graPath, state.Texts, state.Cal, state.Setup);
    try {
        ComputeValues(work, state.Main.SpecialMode);
    } catch (const CalcError& error) {
        throw FileError(QStringLiteral("Cannot open the graph data file \"%1\": its calibration "
                                       "gives no chart values: %2")
                            .arg(graPath, QString::fromUtf8(error.what())));
    }
    ApplyGraWork(state, views, graPath, read.Data, work, std::move(read.Picture), read.PicturePath);
    AddRecentFile(state.Recent, graPath);
}

void OpenFileByExtension(State& state, Views& views, const QString& path) {
    if (path.right(3).toUpper() == QLatin1String("GRA")) {
        OpenGraPath(state, views, path);
    } else {
        OpenPictureFile(state, views, path);
    }
}

QString FindGraPicture(const QString& appDir, const QString& graPath, const QString& pictureName) {
    const QDir beside = QFileInfo(graPath).absoluteDir();
    const QString candidates[] = {
        QDir(GraPictureFolder(appDir)).filePath(pictureName),
        QDir(beside.filePath(QStringLiteral("Grafiks"))).filePath(pictureName),
        beside.filePath(pictureName)};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return QFileInfo(candidate).absoluteFilePath();
        }
    }
    throw FileError(QStringLiteral("Cannot open the graph data file \"%1\": its picture \"%2\" "
                                   "is neither in \"%3\" nor beside the file")
                        .arg(graPath, BriefQuote(pictureName), GraPictureFolder(appDir)));
}

namespace {

// The file's points with their values, as opening it shows them on a cartesian chart.
PointStore GraPointValues(const GraData& data, const QString& fileName) {
    Settings setup;
    setup.TypeOfCurve = 1;
    setup.XDirection = 1;
    GraWork work = MakeGraWork(data, fileName, AxisTexts{}, Calibration{}, setup);
    ComputeValues(work, 0);
    return std::move(work.Store);
}

} // namespace

QString GraExportText(const GraData& data, const QString& fileName, NumberFormat format,
                      SeparatorChoice separator) {
    return BuildExportText(GraPointValues(data, fileName), format, separator);
}

QString GraCsvText(const GraData& data, const QString& fileName) {
    return BuildCsvText(GraPointValues(data, fileName));
}

} // namespace lineora
