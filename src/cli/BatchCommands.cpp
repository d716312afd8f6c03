#include "cli/BatchCommands.h"

#include "cli/CommandLineArgs.h"
#include "cli/ConsoleHost.h"
#include "core/commands/Commands.h"
#include "core/commands/Configuration.h"
#include "core/commands/GraCommands.h"
#include "core/commands/NullViews.h"
#include "core/commands/TracingCommands.h"
#include "core/common/Errors.h"
#include "core/common/Messages.h"
#include "core/picture/Pictures.h"
#include "core/picture/Rectify.h"
#include "core/picture/Rotation.h"
#include "core/picture/SpeckCleaning.h"
#include "core/tracing/AutoDigitize.h"
#include "core/tracing/ColorTracing.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <utility>

namespace lineora {

namespace {

const QString kOutput = QStringLiteral("-o");

std::int32_t IntegerOption(const ParsedArguments& parsed, const QString& name, int lowest,
                           int highest, std::int32_t fallback) {
    if (!parsed.Options.contains(name)) {
        return fallback;
    }
    bool ok = false;
    const int value = parsed.Options.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        throw UsageError(QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"")
                             .arg(name)
                             .arg(lowest)
                             .arg(highest)
                             .arg(parsed.Options.value(name)));
    }
    return value;
}

// A colour as the configuration writes it, 0xBBGGRR (or decimal).
TColor ColourOption(const ParsedArguments& parsed, const QString& name, TColor fallback) {
    if (!parsed.Options.contains(name)) {
        return fallback;
    }
    bool ok = false;
    const uint value = parsed.Options.value(name).toUInt(&ok, 0);
    if (!ok || value > 0xFFFFFFu) {
        throw UsageError(QStringLiteral("%1 takes a colour 0xBBGGRR, not \"%2\"")
                             .arg(name, parsed.Options.value(name)));
    }
    return value;
}

TraceCriterion CriterionOption(const ParsedArguments& parsed) {
    const QString name = QStringLiteral("--criterion");
    const QString value = parsed.Options.value(name).toLower();
    if (value == QLatin1String("color")) {
        return TraceCriterion::Color;
    }
    if (value == QLatin1String("black")) {
        return TraceCriterion::Black;
    }
    if (value == QLatin1String("special")) {
        return TraceCriterion::Special;
    }
    if (value == QLatin1String("color2")) {
        return TraceCriterion::Color2;
    }
    if (!parsed.Options.contains(name)) {
        throw UsageError(QStringLiteral("--trace-color needs --criterion"));
    }
    throw UsageError(QStringLiteral("unknown criterion \"%1\" (color, black, special or color2)")
                         .arg(parsed.Options.value(name)));
}

// "MIN:MAX" in C form ("-1.5e3:2"): two finite numbers.
std::pair<double, double> RangeOption(const ParsedArguments& parsed, const QString& name) {
    const QString text = parsed.Options.value(name);
    const QStringList bounds = text.split(QLatin1Char(':'));
    std::pair<double, double> range;
    bool ok = bounds.size() == 2;
    for (int i = 0; ok && i < 2; ++i) {
        const QByteArray bound = bounds[i].toLatin1();
        double& value = i == 0 ? range.first : range.second;
        const auto [end, error] = std::from_chars(bound.data(), bound.data() + bound.size(), value);
        ok = !bound.isEmpty() && error == std::errc{} && end == bound.data() + bound.size() &&
             std::isfinite(value);
    }
    if (!ok) {
        throw UsageError(
            QStringLiteral("%1 takes MIN:MAX, two numbers such as -1.5e3:2, not \"%2\"")
                .arg(name, text));
    }
    return range;
}

// Both ranges or neither; ranges the configured chart refuses are wrong arguments too.
std::optional<AxisRanges> RangesOption(const ParsedArguments& parsed, const Settings& setup) {
    const QString x = QStringLiteral("--x-range"), y = QStringLiteral("--y-range");
    if (parsed.Options.contains(x) != parsed.Options.contains(y)) {
        throw UsageError(QStringLiteral("--x-range and --y-range go together"));
    }
    if (!parsed.Options.contains(x)) {
        return std::nullopt;
    }
    const auto [minX, maxX] = RangeOption(parsed, x);
    const auto [minY, maxY] = RangeOption(parsed, y);
    const AxisRanges ranges{minX, maxX, minY, maxY};
    if (const auto problem = AxisRangesProblem(ranges, setup)) {
        // The program's own wording, whatever language the window is set to.
        throw UsageError(LoadMessage(MessageCatalog{}, *problem));
    }
    return ranges;
}

QString OutputOption(const ParsedArguments& parsed, const QString& command) {
    const QString output = parsed.Options.value(kOutput);
    if (output.isEmpty()) {
        throw UsageError(
            QStringLiteral("%1 needs -o and the graph data file to write").arg(command));
    }
    return output;
}

// A corner as X,Y: picture pixels from 0, left and top, "." before any decimals.
QPointF CornerArgument(const QString& text) {
    const QStringList xy = text.split(QLatin1Char(','));
    bool xOk = false, yOk = false;
    QPointF corner;
    if (xy.size() == 2) {
        corner.setX(QLocale::c().toDouble(xy[0].trimmed(), &xOk));
        corner.setY(QLocale::c().toDouble(xy[1].trimmed(), &yOk));
    }
    if (!xOk || !yOk || !std::isfinite(corner.x()) || !std::isfinite(corner.y())) {
        throw UsageError(
            QStringLiteral("a corner is given as X,Y in pixels, not \"%1\"").arg(text));
    }
    return corner;
}

// A picture read, changed and written as a 24-bit BMP.
int TransformPicture(ConsoleHost& console, const QString& in, const QString& out,
                     const std::function<QImage(QImage)>& transform) {
    return Reported(console, [&] {
        Pictures result;
        result.Clean = transform(ReadPictureFile(in));
        if (result.Clean.isNull()) {
            throw FileError(QStringLiteral("there is not enough memory for the result"));
        }
        SavePictureFile(result, out);
    });
}

// A state as the program starts it: the configuration beside the program applied.
void LoadSettings(State& state, Views& views, Host& host, const QString& appDir) {
    state.Main.AppDir = appDir;
    LoadConfig(state, views, host, appDir);
}

} // namespace

// Runs `work`; a file or calculation error is reported and gives status 1.
int Reported(ConsoleHost& console, const std::function<void()>& work) {
    try {
        work();
    } catch (const std::bad_alloc&) {
        console.Complain(QStringLiteral("there is not enough memory for this picture"));
        return kExitBadFile;
    } catch (const std::exception& error) {
        console.Complain(QString::fromUtf8(error.what()));
        return kExitBadFile;
    }
    return kExitDone;
}

int RunCleanSpecksCommand(const QStringList& arguments, const QString&, ConsoleHost& console) {
    QStringList files;
    try {
        files = ExpectFiles(ParseArguments(arguments, {}), 2, QStringLiteral("IN OUT.bmp"));
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    return TransformPicture(console, files[0], files[1], [](QImage picture) {
        CleanSpecks(picture, InkLimits{});
        return picture;
    });
}

int RunRotateCommand(const QStringList& arguments, const QString&, ConsoleHost& console) {
    QStringList files;
    double degrees = 0;
    try {
        files = ExpectFiles(ParseArguments(arguments, {}), 3, QStringLiteral("DEGREES IN OUT.bmp"));
        bool ok = false;
        degrees = QLocale::c().toDouble(files[0], &ok);
        if (!ok || !std::isfinite(degrees) || std::abs(degrees) >= 90) {
            throw UsageError(
                QStringLiteral("the angle takes degrees between -90 and 90, not \"%1\"")
                    .arg(files[0]));
        }
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    const double theta = degrees * std::numbers::pi / 180;
    return TransformPicture(console, files[1], files[2], [theta](QImage picture) {
        if (theta == 0) {
            return picture;
        }
        const RotatedFrame frame = RotatedFrameOf(picture.width(), picture.height(), theta);
        QImage rotated(frame.Width, frame.Height, QImage::Format_RGB32);
        if (rotated.isNull()) {
            return rotated;
        }
        RotatePicture(picture, theta, frame, rotated);
        return rotated;
    });
}

int RunRectifyCommand(const QStringList& arguments, const QString&, ConsoleHost& console) {
    QStringList files;
    Quad corners;
    try {
        files = ExpectFiles(ParseArguments(arguments, {}), 6,
                            QStringLiteral("X1,Y1 X2,Y2 X3,Y3 X4,Y4 IN OUT.bmp"));
        for (std::size_t i = 0; i < corners.size(); ++i) {
            corners[i] = CornerArgument(files[static_cast<int>(i)]);
        }
        PlanRectify(corners, 1, 1); // every refusal that the picture does not decide
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    } catch (const CalcError& error) {
        return console.ComplainOfUsage(UsageError(QString::fromUtf8(error.what())));
    }
    return TransformPicture(console, files[4], files[5], [&corners](QImage picture) {
        const RectifyPlan plan = PlanRectify(corners, picture.width(), picture.height());
        QImage rectified(plan.Size, QImage::Format_RGB32);
        if (rectified.isNull()) {
            return rectified;
        }
        RectifyPicture(picture, plan, rectified);
        return rectified;
    });
}

int RunAutoCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console) {
    const QString threshold = QStringLiteral("--threshold");
    const QStringList options{threshold, kOutput, QStringLiteral("--x-range"),
                              QStringLiteral("--y-range")};
    QString picture, output;
    std::int32_t neighbours = kDefaultAutoThreshold;
    std::optional<AxisRanges> ranges;
    State state;
    NullViews views;
    try {
        const ParsedArguments parsed = ParseArguments(arguments, options);
        picture = ExpectFiles(parsed, 1, QStringLiteral("one picture"))[0];
        output = OutputOption(parsed, QStringLiteral("--auto"));
        neighbours = IntegerOption(parsed, threshold, 0, 8, neighbours);
        if (parsed.Options.contains(QStringLiteral("--x-range")) ||
            parsed.Options.contains(QStringLiteral("--y-range"))) {
            LoadSettings(state, views, console, appDir); // the scale kinds the ranges meet
            ranges = RangesOption(parsed, state.Setup);
        }
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    return Reported(console, [&] {
        if (!ranges) {
            LoadSettings(state, views, console, appDir);
        }
        OpenPictureFile(state, views, picture);
        state.Store.CurrentLine = 1;
        RunAutoDigitize(state, views, neighbours, ranges);
        // A script must not take an empty work for a digitized chart.
        if (PointCount(state.Store, 1) == 0) {
            throw CalcError("no curve was found beside the axes; nothing was written");
        }
        SaveGraBeside(state, output);
    });
}

int RunTraceColorCommand(const QStringList& arguments, const QString& appDir,
                         ConsoleHost& console) {
    const QStringList options{QStringLiteral("--criterion"), QStringLiteral("--color"),
                              QStringLiteral("--color2"),    QStringLiteral("--neighbours"),
                              QStringLiteral("--points"),    kOutput};
    State state;
    NullViews views;
    LoadSettings(state, views, console, appDir); // the colours' defaults
    QString work, output;
    TraceRequest request;
    try {
        const ParsedArguments parsed = ParseArguments(arguments, options);
        work = ExpectFiles(parsed, 1, QStringLiteral("one graph data file"))[0];
        output = OutputOption(parsed, QStringLiteral("--trace-color"));
        request.Criterion = CriterionOption(parsed);
        if (!parsed.Options.contains(QStringLiteral("--points"))) {
            throw UsageError(QStringLiteral("--trace-color needs --points N"));
        }
        request.Points = IntegerOption(parsed, QStringLiteral("--points"), 1, 1000, 20);
        request.Neighbours = IntegerOption(parsed, QStringLiteral("--neighbours"), 0, 8, 3);
        request.FindColor = ColourOption(parsed, QStringLiteral("--color"), state.Setup.FindColor);
        request.Color2 =
            ColourOption(parsed, QStringLiteral("--color2"), state.Setup.Special2Color);
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    return Reported(console, [&] {
        OpenGraPath(state, views, work);
        state.Store.CurrentLine = 1;
        RunColorTrace(state, views, request);
        SaveGraBeside(state, output);
    });
}

} // namespace lineora
