#include "cli/BrightLineCommand.h"

#include "cli/BatchCommands.h"

#include "cli/CommandLineArgs.h"
#include "cli/ConsoleHost.h"
#include "core/commands/Configuration.h"
#include "core/commands/NullViews.h"
#include "core/common/Errors.h"
#include "core/common/MessageKeys.h"
#include "core/common/NumberText.h"
#include "core/config/Language.h"
#include "core/photometry/BrightLine.h"
#include "core/picture/Pictures.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace lineora {

namespace {

const QString kBridge = QStringLiteral("--bridge");
const QString kSmooth = QStringLiteral("--smooth");

struct BrightLineRequest {
    std::vector<QPoint> Clicks;
    bool Bridge = false, Smooth = false;
    QString Picture;
};

QPoint ParsePixel(const QString& text) {
    const QStringList xy = text.split(QLatin1Char(','));
    bool xOk = false, yOk = false;
    QPoint pixel;
    if (xy.size() == 2) {
        pixel.setX(xy[0].trimmed().toInt(&xOk));
        pixel.setY(xy[1].trimmed().toInt(&yOk));
    }
    if (!xOk || !yOk) {
        throw UsageError(
            QStringLiteral("a pixel is given as X,Y in whole numbers, not \"%1\"").arg(text));
    }
    return pixel;
}

// One or more X,Y and the picture last.
BrightLineRequest ParseRequest(const QStringList& arguments) {
    const ParsedArguments parsed = ParseArguments(arguments, {}, {kBridge, kSmooth});
    if (parsed.Files.size() < 2) {
        throw UsageError(QStringLiteral("--bright-line needs X,Y and the picture"));
    }
    BrightLineRequest request;
    for (qsizetype i = 0; i + 1 < parsed.Files.size(); ++i) {
        request.Clicks.push_back(ParsePixel(parsed.Files[i]));
    }
    request.Bridge = parsed.Flags.contains(kBridge);
    request.Smooth = parsed.Flags.contains(kSmooth);
    request.Picture = parsed.Files.last();
    return request;
}

// The message texts as the window would show them: the language file the configuration
// beside the program chooses, else the built-in texts. A damaged file is named and skipped.
MessageCatalog LoadMessages(const QString& appDir, ConsoleHost& console) {
    State state;
    NullViews views;
    state.Main.AppDir = appDir;
    LoadConfig(state, views, console, appDir);
    const std::optional<LanguageChoice> choice = ChosenLanguage(state.Setup);
    if (choice) {
        try {
            if (const std::optional<IniFile> file =
                    OpenLanguageFile(appDir, choice->LanguageFileName)) {
                ApplyMessages(*file, state.Messages);
            }
        } catch (const std::exception& error) {
            console.Complain(QStringLiteral("the language file is ignored: %1")
                                 .arg(QString::fromUtf8(error.what())));
        }
    }
    return state.Messages;
}

QByteArray CentresText(const std::vector<double>& centres) {
    QByteArray text;
    for (std::size_t x = 0; x < centres.size(); ++x) {
        if (centres[x] != 0) {
            text += QByteArray::number(static_cast<qulonglong>(x)) + '\t' +
                    FormatGeneral(centres[x], QLatin1Char('.')).toLatin1() + "\r\n";
        }
    }
    return text;
}

} // namespace

int RunBrightLineCommand(const QStringList& arguments, const QString& appDir,
                         ConsoleHost& console) {
    BrightLineRequest request;
    try {
        request = ParseRequest(arguments);
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    constexpr int kLine = 1;
    BrightLineState state;
    int refused = kExitDone;
    const int status = Reported(console, [&] {
        const QImage picture = ReadPictureFile(request.Picture);
        for (const QPoint& click : request.Clicks) {
            if (!picture.valid(click)) {
                refused = console.ComplainOfUsage(
                    UsageError(QStringLiteral("the pixel %1,%2 lies outside the picture (%3 x %4)")
                                   .arg(click.x())
                                   .arg(click.y())
                                   .arg(picture.width())
                                   .arg(picture.height())));
                return;
            }
        }
        for (const QPoint& click : request.Clicks) {
            const TraceOutcome outcome =
                TraceBrightLine(state, picture, kLine, click.x(), click.y());
            if (outcome != TraceOutcome::Traced) {
                const MessageCatalog messages = LoadMessages(appDir, console);
                console.Complain(LoadMessage(messages, outcome == TraceOutcome::NotBright
                                                           ? QString(MsgKey::NoBrightLine)
                                                           : QString(MsgKey::LineAtEdge)));
                refused = kExitBadFile;
                return;
            }
        }
    });
    if (status != kExitDone) {
        return status;
    }
    if (refused != kExitDone) {
        return refused;
    }
    if (request.Bridge) {
        BridgeGaps(state, kLine);
    }
    if (request.Smooth) {
        SmoothLine(state, kLine);
    }
    if (!console.Print(CentresText(state.Centres[kLine]))) {
        console.Complain(QStringLiteral("cannot write the centres"));
        return kExitBadFile;
    }
    return kExitDone;
}

} // namespace lineora
