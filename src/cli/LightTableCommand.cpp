#include "cli/LightTableCommand.h"

#include "cli/CommandLineArgs.h"
#include "cli/ConsoleHost.h"
#include "core/commands/Configuration.h"
#include "core/commands/GraCommands.h"
#include "core/commands/NullViews.h"
#include "core/common/AtomicFile.h"
#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"
#include "core/common/NumberText.h"
#include "core/photometry/LightTable.h"

#include <cmath>
#include <initializer_list>
#include <new>
#include <optional>

namespace lineora {

namespace {

const QString kOutput = QStringLiteral("-o");
const QString kChart = QStringLiteral("--chart");
const QString kAngles = QStringLiteral("--angles");
const QString kIntensityMax = QStringLiteral("--intensity-max");
const QString kI0 = QStringLiteral("--i0");
const QString kI180 = QStringLiteral("--i180");
const QString kUpper = QStringLiteral("--upper");
const QString kLower = QStringLiteral("--lower");
const QString kRight = QStringLiteral("--right");
const QString kLeft = QStringLiteral("--left");
const QString kCross = QStringLiteral("--cross-symmetric");
const QString kLong = QStringLiteral("--long-symmetric");
const QString kNoCross = QStringLiteral("--no-cross-symmetric");
const QString kNoLong = QStringLiteral("--no-long-symmetric");

constexpr int kPolarMode = 3;
constexpr int kCartesianMode = 4;
constexpr int kSpecialCurve = 5;

struct LightRequest {
    bool Polar = true;
    QString Work, Output;
    std::optional<QString> IntensityMax; // as typed
    PolarTableFields PolarFields;
    CartesianTableFields CartesianFields;
};

bool Given(const ParsedArguments& parsed, const QString& name) {
    return parsed.Options.contains(name) || parsed.Flags.contains(name);
}

// The options a setting of the dialog disables: giving one is a mistake worth telling.
void Refuse(const ParsedArguments& parsed, std::initializer_list<QString> names,
            const char* reason) {
    for (const QString& name : names) {
        if (Given(parsed, name)) {
            throw UsageError(name + QLatin1Char(' ') + QLatin1String(reason));
        }
    }
}

// The index of the value among `choices` (case ignored), `fallback` when the option is absent.
int Choice(const ParsedArguments& parsed, const QString& name,
           std::initializer_list<const char*> choices, int fallback) {
    if (!parsed.Options.contains(name)) {
        return fallback;
    }
    const QString value = parsed.Options.value(name);
    QStringList known;
    for (const char* choice : choices) {
        if (value.compare(QLatin1String(choice), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(known.size());
        }
        known << QLatin1String(choice);
    }
    throw UsageError(QStringLiteral("unknown %1 \"%2\" (%3)")
                         .arg(name.mid(2), BriefQuote(value), known.join(QLatin1String(", "))));
}

using Fits = bool (*)(Extended);

// A number as scripts write it, with "." whatever the system uses.
Extended Number(const ParsedArguments& parsed, const QString& name, Fits fits, const char* what,
                Extended fallback) {
    if (!parsed.Options.contains(name)) {
        return fallback;
    }
    const QString text = parsed.Options.value(name);
    try {
        const Extended value = ParseNumber(text, QLatin1Char('.'));
        if (std::isfinite(value) && fits(value)) {
            return value;
        }
    } catch (const FormatError&) {
    }
    throw UsageError(
        QStringLiteral("%1 takes %2, not \"%3\"").arg(name, QLatin1String(what), BriefQuote(text)));
}

bool AboveZero(Extended value) {
    return value > 0;
}
bool NotNegative(Extended value) {
    return value >= 0;
}
bool HalfTurn(Extended value) {
    return value >= 0 && value <= 180;
}

bool Symmetric(const ParsedArguments& parsed, const QString& on, const QString& off,
               bool fallback) {
    if (Given(parsed, on) && Given(parsed, off)) {
        throw UsageError(QStringLiteral("%1 and %2 contradict each other").arg(on, off));
    }
    return Given(parsed, on) || (fallback && !Given(parsed, off));
}

void ReadLimits(const ParsedArguments& parsed, PolarTableFields& fields) {
    if (fields.ChartType == 1) {
        Refuse(parsed, {kLower, kRight, kLeft}, "fits --chart two only");
    }
    if (fields.CrossSymmetric) {
        Refuse(parsed, {kLower}, "does not fit a symmetric cross plane: the upper limit is used");
    }
    if (fields.LongSymmetric) {
        Refuse(parsed, {kLeft},
               "does not fit a symmetric longitudinal plane: the right limit is used");
    }
    const char* degrees = "degrees from 0 to 180";
    fields.Upper = Number(parsed, kUpper, HalfTurn, degrees, 90);
    fields.Lower = Number(parsed, kLower, HalfTurn, degrees, 90);
    fields.Right = Number(parsed, kRight, HalfTurn, degrees, 90);
    fields.Left = Number(parsed, kLeft, HalfTurn, degrees, 90);
}

// The dialog of the polar chart as entering the mode leaves it, changed by the options.
void ReadPolarOptions(const ParsedArguments& parsed, int chart, LightRequest& request) {
    if (chart == 3) {
        throw UsageError(QStringLiteral("--chart shift fits the cartesian chart only"));
    }
    PolarTableFields& fields = request.PolarFields;
    fields.ChartType = chart;
    fields.CrossSymmetric = Symmetric(parsed, kCross, kNoCross, false);
    fields.LongSymmetric = Symmetric(parsed, kLong, kNoLong, false);
    const LightAngles settings[] = {LightAngles::All90, LightAngles::All180,
                                    LightAngles::Different};
    fields.Angles = settings[Choice(parsed, kAngles, {"90", "180", "different"}, 0)];
    fields.I0 = Number(parsed, kI0, NotNegative, "an intensity of 0 or more", 100);
    if (fields.Angles == LightAngles::All180) {
        fields.I180 = Number(parsed, kI180, NotNegative, "an intensity of 0 or more", 50);
        fields.Upper = fields.Lower = fields.Right = fields.Left = 180;
    } else {
        Refuse(parsed, {kI180}, "fits --angles 180 only");
    }
    if (fields.Angles == LightAngles::Different) {
        ReadLimits(parsed, fields);
    } else {
        Refuse(parsed, {kUpper, kLower, kRight, kLeft}, "fits --angles different only");
    }
    if (parsed.Options.contains(kIntensityMax)) {
        Number(parsed, kIntensityMax, AboveZero, "an intensity above 0", 0);
        request.IntensityMax = parsed.Options.value(kIntensityMax);
    }
}

// The dialog of the cartesian chart: both planes start symmetric.
void ReadCartesianOptions(const ParsedArguments& parsed, int chart, LightRequest& request) {
    Refuse(parsed, {kIntensityMax, kAngles, kI0, kI180, kUpper, kLower, kRight, kLeft},
           "fits the polar chart only: the cartesian chart has its axial points on curve 5");
    request.CartesianFields.ChartType = chart;
    request.CartesianFields.CrossSymmetric = Symmetric(parsed, kCross, kNoCross, true);
    request.CartesianFields.LongSymmetric = Symmetric(parsed, kLong, kNoLong, true);
}

LightRequest ParseRequest(const QStringList& arguments) {
    const ParsedArguments parsed = ParseArguments(
        arguments,
        {kOutput, kChart, kAngles, kIntensityMax, kI0, kI180, kUpper, kLower, kRight, kLeft},
        {kCross, kLong, kNoCross, kNoLong});
    const QStringList& files =
        ExpectFiles(parsed, 2, QStringLiteral("polar or cartesian and one graph data file"));
    LightRequest request;
    const QString kind = files[0].toLower();
    if (kind != QLatin1String("polar") && kind != QLatin1String("cartesian")) {
        throw UsageError(
            QStringLiteral("unknown chart \"%1\" (polar or cartesian)").arg(BriefQuote(files[0])));
    }
    request.Polar = kind == QLatin1String("polar");
    request.Work = files[1];
    request.Output = parsed.Options.value(kOutput);
    if (request.Output.isEmpty()) {
        throw UsageError(QStringLiteral("--light-table needs -o and the table file to write"));
    }
    const int chart = Choice(parsed, kChart, {"one", "two", "shift"}, 0) + 1;
    if (chart == 1) {
        Refuse(parsed, {kCross, kLong, kNoCross, kNoLong},
               request.Polar ? "fits --chart two only" : "fits --chart two or shift only");
    }
    if (request.Polar) {
        ReadPolarOptions(parsed, chart, request);
    } else {
        ReadCartesianOptions(parsed, chart, request);
    }
    return request;
}

// The window sorts each curve while it receives points, by the mode's values and as the setup
// says; a work saved elsewhere is put in the same order.
void SortHalves(State& state) {
    for (int c = 1; c <= 4; ++c) {
        state.Store.CurrentLine = c;
        SortCurrentLine(state.Store, state.Setup, state.Store.LineNext[c]);
    }
    state.Store.CurrentLine = 1;
}

QStringList PolarTable(State& state, Views& views, const LightRequest& request) {
    state.Setup.TypeOfCurve = 2;
    if (request.IntensityMax) {
        state.Texts.PolarMaxX = AdaptDecimalSeparator(*request.IntensityMax);
        state.Cal.AxisPolarMax = ParseNumber(state.Texts.PolarMaxX);
    }
    OpenGraPath(state, views, request.Work);
    if (state.Cal.AxisPolarMax == 0) {
        throw CalcError("The polar maximum of the configuration is 0, every intensity would be "
                        "0: give --intensity-max");
    }
    RecomputeAllValues(state.Store, state.Cal, state.Setup, kPolarMode);
    SortHalves(state);
    return PolarLightTable(state.Store, request.PolarFields);
}

QStringList CartesianTable(State& state, Views& views, const LightRequest& request) {
    state.Setup.TypeOfCurve = 1;
    OpenGraPath(state, views, request.Work);
    const bool shifted = request.CartesianFields.ChartType == 3;
    if (PointCount(state.Store, kSpecialCurve) < (shifted ? 2 : 1)) {
        throw FileError(QStringLiteral("\"%1\" holds no %2 as point %3 of curve 5")
                            .arg(request.Work,
                                 shifted ? QStringLiteral("axial point of the second curve pair")
                                         : QStringLiteral("axial intensity"),
                                 shifted ? QStringLiteral("2") : QStringLiteral("1")));
    }
    // The angle and intensity ranges are the work's axis values, as entering the mode copies
    // them.
    const DoubleAxisRanges ranges{state.Cal.AxisXMin, state.Cal.AxisXMax, state.Cal.AxisYMin,
                                  state.Cal.AxisYMax};
    RecomputeAllValues(state.Store, state.Cal, state.Setup, kCartesianMode, &ranges);
    SortHalves(state);
    return CartesianLightTable(state.Store, request.CartesianFields, nullptr);
}

QByteArray TableBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

int RunLightTableCommand(const QStringList& arguments, const QString& appDir,
                         ConsoleHost& console) {
    LightRequest request;
    try {
        request = ParseRequest(arguments);
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    try {
        State state;
        NullViews views;
        state.Main.AppDir = appDir;
        LoadConfig(state, views, console, appDir);
        const QStringList lines = request.Polar ? PolarTable(state, views, request)
                                                : CartesianTable(state, views, request);
        WriteFileAtomically(request.Output, QStringLiteral("the light-distribution table"),
                            TableBytes(lines));
    } catch (const std::bad_alloc&) {
        console.Complain(QStringLiteral("there is not enough memory for this work"));
        return kExitBadFile;
    } catch (const std::exception& error) {
        console.Complain(QString::fromUtf8(error.what()));
        return kExitBadFile;
    }
    return kExitDone;
}

} // namespace lineora
