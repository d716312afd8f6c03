#include "cli/CommandLine.h"

#include "cli/BatchCommands.h"
#include "cli/BrightLineCommand.h"
#include "cli/CommandLineArgs.h"
#include "cli/ConsoleHost.h"
#include "cli/LightTableCommand.h"

#include "core/commands/GraCommands.h"
#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "core/common/NumberText.h"
#include "core/config/ConfigFile.h"
#include "core/curves/GraFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <stdexcept>

namespace lineora {

namespace {

constexpr char kHelpText[] =
    "Usage: lineora [PICTURE | FILE.gra]\n"
    "       lineora --export [--format standard|scientific] [--separator comma|point|system] "
    "FILE.gra\n"
    "       lineora --export --csv FILE.gra\n"
    "       lineora --clean-specks IN OUT.bmp\n"
    "       lineora --rotate DEGREES IN OUT.bmp\n"
    "       lineora --rectify X1,Y1 X2,Y2 X3,Y3 X4,Y4 IN OUT.bmp\n"
    "       lineora --auto [--x-range MIN:MAX --y-range MIN:MAX] [--threshold N] PICTURE\n"
    "                             -o WORK.gra\n"
    "       lineora --trace-color --criterion color|black|special|color2 [--color 0xBBGGRR]\n"
    "                             [--color2 0xBBGGRR] [--neighbours T] --points N WORK.gra\n"
    "                             -o OUT.gra\n"
    "       lineora --light-table polar|cartesian [--chart one|two|shift] [OPTIONS] WORK.gra\n"
    "                             -o TABLE.txt\n"
    "       lineora --bright-line X,Y [X,Y ...] [--bridge] [--smooth] PICTURE\n"
    "       lineora --help\n"
    "\n"
    "Without options Lineora opens its window, with the picture or graph data file named\n"
    "(a name starting with \"-\" is given as ./-name).\n"
    "None of the other forms opens a window or needs a display.\n"
    "\n"
    "  --export FILE.gra   Print the points of a graph data file as the text output window\n"
    "                      shows them after opening it: one line per point, the X value, as\n"
    "                      many tabs as the curve's number and the Y value, each line ended\n"
    "                      by CR LF. Values come from the file's calibration and scale kinds\n"
    "                      on a cartesian chart, points in the order the file keeps them.\n"
    "                      Needs no picture.\n"
    "  --format F          standard (fixed, 4 decimals, \"%8.4f\") or scientific (4\n"
    "                      significant digits, \"%15.4e\"). Default: the setup in\n"
    "                      lineora3.Ini beside the program, else standard.\n"
    "  --separator S       comma (\"0,5\"), point (\"0.5\") or system (as this machine's\n"
    "                      locale writes numbers). Default: the setup in lineora3.Ini beside\n"
    "                      the program, else system.\n"
    "  --csv               Print comma-separated values instead: a header \"curve,x,y\", then\n"
    "                      a row per point with its curve and values, \".\" as separator, the\n"
    "                      shortest digits that read back the same (nan, inf, -inf when not\n"
    "                      finite), CR LF. Takes neither --format nor --separator.\n"
    "\n"
    "  --clean-specks IN OUT.bmp\n"
    "                      Whiten isolated dark pixels (scanner dust) as the clean button\n"
    "                      does, and write the result as a 24-bit BMP.\n"
    "  --rotate DEGREES IN OUT.bmp\n"
    "                      Turn a tilted scan whose X axis rises DEGREES (counter-clockwise,\n"
    "                      between -90 and 90) so that the axis lies level, as the rotate\n"
    "                      button does; corners the scan does not cover are white.\n"
    "  --rectify X1,Y1 X2,Y2 X3,Y3 X4,Y4 IN OUT.bmp\n"
    "                      Square a photographed chart as the rectify button does: the four\n"
    "                      corners of a rectangle of the chart (usually the plot frame), in\n"
    "                      pixels from 0, left and top, in any order, become an axis-aligned\n"
    "                      rectangle as wide and high as the mean of its opposite sides.\n"
    "                      The picture keeps its size (grown if the rectangle needs more);\n"
    "                      what the photograph does not cover is white. Corners that do not\n"
    "                      form a convex quadrilateral are wrong arguments.\n"
    "  --auto PICTURE -o WORK.gra\n"
    "                      Digitize a plain black-on-white chart into curve 1: the axes are\n"
    "                      found in the picture, the other values come from lineora3.Ini\n"
    "                      beside the program. WORK.gra is written with its picture beside\n"
    "                      it as WORK.bmp.\n"
    "  --x-range MIN:MAX, --y-range MIN:MAX\n"
    "                      Calibrate on the chart itself instead: X-max and Y-max go to the\n"
    "                      far ends of the axis lines, which take these values (numbers as\n"
    "                      \"-1.5e3\", above zero on a logarithmic axis). Both or neither.\n"
    "  --threshold N       Dark side neighbours a curve pixel needs, 0 to 8 (default 3).\n"
    "  --trace-color WORK.gra -o OUT.gra\n"
    "                      Trace curve 1 by colour within the calibration of WORK.gra, taking\n"
    "                      the topmost matching pixel in each of N columns (--points, 1 to\n"
    "                      1000). OUT.gra is written with its picture beside it as OUT.bmp.\n"
    "  --criterion C       color: exactly --color; black: pure black; special: reddish (red\n"
    "                      more than 120 above green and blue); color2: at least T of the\n"
    "                      eight neighbours exactly --color2.\n"
    "  --color, --color2   0xBBGGRR (red is the low byte). Default: the colours in\n"
    "                      lineora3.Ini beside the program.\n"
    "  --neighbours T      0 to 8 (default 3), for color2.\n"
    "\n"
    "  --light-table polar|cartesian WORK.gra -o TABLE.txt\n"
    "                      Write the light-distribution table for the ILLUM database that the\n"
    "                      light-distribution mode of that chart shows for the work: curves 1\n"
    "                      (upper) and 2 (lower) of the cross plane, 3 (right) and 4 (left) of\n"
    "                      the longitudinal plane, as picked; each line ends in CR LF. WORK.gra\n"
    "                      needs its picture, as for opening it. Options as the mode's dialog\n"
    "                      has them; one a setting disables is refused. Numbers take \".\".\n"
    "  --chart C           one (one curve, the default), two (two planes) or shift (cartesian:\n"
    "                      the second pair moved onto the first by point 2 of curve 5).\n"
    "  --cross-symmetric, --long-symmetric, --no-cross-symmetric, --no-long-symmetric\n"
    "                      With two planes: a symmetric plane is written from its upper or\n"
    "                      right half alone. Polar planes start two-sided, cartesian ones\n"
    "                      symmetric.\n"
    "  Polar only (I0 and the limits come from here, not from curve 5):\n"
    "  --intensity-max V   The intensity of the outer circle. Default: the polar maximum in\n"
    "                      lineora3.Ini beside the program.\n"
    "  --angles A          90 (every limit 90 degrees, the default), 180 (every limit 180\n"
    "                      degrees, with the intensity --i180) or different (--upper, --lower,\n"
    "                      --right, --left).\n"
    "  --i0 V              Axial intensity (default 100).\n"
    "  --i180 V            Intensity at 180 degrees (default 50).\n"
    "  --upper, --lower, --right, --left A\n"
    "                      Limiting angles, 0 to 180 degrees (default 90).\n"
    "  Cartesian: angles and intensities by the work's axis values, I0 the intensity of point 1\n"
    "  of curve 5.\n"
    "\n"
    "  --bright-line X,Y PICTURE\n"
    "                      Trace a bright line on a dark picture (an oscillogram, a beam) as a\n"
    "                      click on the pixel X,Y (from 0, left and top) does in the bright-line\n"
    "                      mode, and print one line per traced column: the column, a tab and\n"
    "                      the row of the line's centre (\".\" as the separator, CR LF). A\n"
    "                      click that starts no line, or whose line runs into the top rows or\n"
    "                      the bottom edge, gives the mode's message and exit status 1.\n"
    "                      More pixels click more pieces of the same line, in order.\n"
    "  --bridge            Join the gaps between the traced pieces by straight segments.\n"
    "  --smooth            After any bridging, move each centre lying 1 row or more from the\n"
    "                      mean of its two neighbours onto that mean, left to right.\n"
    "\n"
    "  --help              Show this text.\n"
    "\n"
    "Exit status: 0 done, 1 a file cannot be read or written or gives no values, 2 wrong\n"
    "arguments. A failed command writes nothing.\n";

struct ExportRequest {
    bool Help = false;
    bool Csv = false;
    QString File;
    std::optional<NumberFormat> Format;
    std::optional<SeparatorChoice> Separator;
};

NumberFormat ParseFormat(const QString& value) {
    if (value.compare(QLatin1String("standard"), Qt::CaseInsensitive) == 0) {
        return NumberFormat::Standard;
    }
    if (value.compare(QLatin1String("scientific"), Qt::CaseInsensitive) == 0) {
        return NumberFormat::Scientific;
    }
    throw UsageError(QStringLiteral("unknown format \"%1\" (standard or scientific)").arg(value));
}

SeparatorChoice ParseSeparator(const QString& value) {
    if (value.compare(QLatin1String("comma"), Qt::CaseInsensitive) == 0) {
        return SeparatorChoice::Comma;
    }
    if (value.compare(QLatin1String("point"), Qt::CaseInsensitive) == 0) {
        return SeparatorChoice::Point;
    }
    if (value.compare(QLatin1String("system"), Qt::CaseInsensitive) == 0) {
        return SeparatorChoice::System;
    }
    throw UsageError(
        QStringLiteral("unknown separator \"%1\" (comma, point or system)").arg(value));
}

// The arguments after "--export": --format, --separator and one file.
ExportRequest ParseExportArguments(const QStringList& arguments) {
    const QString format = QStringLiteral("--format");
    const QString separator = QStringLiteral("--separator");
    const QString csv = QStringLiteral("--csv");
    const ParsedArguments parsed = ParseArguments(arguments, {format, separator}, {csv});
    ExportRequest request;
    request.Help = parsed.Help;
    request.Csv = parsed.Flags.contains(csv);
    // CSV numbers have one form; a choice that would be dropped is refused instead.
    if (request.Csv && (parsed.Options.contains(format) || parsed.Options.contains(separator))) {
        throw UsageError(QStringLiteral("--csv takes neither --format nor --separator"));
    }
    if (parsed.Options.contains(format)) {
        request.Format = ParseFormat(parsed.Options.value(format));
    }
    if (parsed.Options.contains(separator)) {
        request.Separator = ParseSeparator(parsed.Options.value(separator));
    }
    if (parsed.Files.size() > 1) {
        throw UsageError(
            QStringLiteral("one file only, \"%1\" is one too many").arg(parsed.Files[1]));
    }
    if (!request.Help && parsed.Files.isEmpty()) {
        throw UsageError(QStringLiteral("--export needs the graph data file to export"));
    }
    request.File = parsed.Files.value(0);
    return request;
}

struct ExportDefaults {
    NumberFormat Format = NumberFormat::Standard;
    // No separator button chosen: the text stays as formatted with the system's separator.
    SeparatorChoice Separator = SeparatorChoice::None;
};

// The export settings of the configuration beside the program, as the setup dialog would show
// them. A missing file gives a first run's settings; a damaged one is reported and does too.
ExportDefaults ReadExportDefaults(const QString& appDir, ConsoleHost& console) {
    ExportDefaults defaults;
    const QString path = QDir(appDir).filePath(QStringLiteral("lineora3.Ini"));
    if (!QFileInfo::exists(path)) {
        return defaults;
    }
    try {
        const ConfigValues values =
            ReadConfigValues(ParseConfigText(ReadRegularFile(path, kMaxIniFileBytes)));
        defaults.Format =
            values.StandartNumerFormat ? NumberFormat::Standard : NumberFormat::Scientific;
        // The buttons are read in this order and the last one on wins.
        if (values.Pointer1) {
            defaults.Separator = SeparatorChoice::Comma;
        }
        if (values.Pointer2) {
            defaults.Separator = SeparatorChoice::Point;
        }
        if (values.Pointer3) {
            defaults.Separator = SeparatorChoice::System;
        }
    } catch (const std::exception& error) {
        console.Complain(QStringLiteral("the configuration \"%1\" is ignored: %2")
                             .arg(path, QString::fromUtf8(error.what())));
        return ExportDefaults{};
    }
    return defaults;
}

int RunExport(const QStringList& arguments, const QString& appDir, ConsoleHost& console) {
    ExportRequest request;
    try {
        request = ParseExportArguments(arguments);
    } catch (const UsageError& error) {
        return console.ComplainOfUsage(error);
    }
    if (request.Help) {
        console.Print(kHelpText);
        return kExitDone;
    }
    const ExportDefaults defaults = ReadExportDefaults(appDir, console);
    QByteArray text;
    try {
        const GraData data = LoadGraFile(request.File);
        text = request.Csv
                   ? GraCsvText(data, request.File).toUtf8()
                   : GraExportText(data, request.File, request.Format.value_or(defaults.Format),
                                   request.Separator.value_or(defaults.Separator))
                         .toUtf8();
    } catch (const FileError& error) {
        console.Complain(QString::fromUtf8(error.what()));
        return kExitBadFile;
    } catch (const std::exception& error) {
        console.Complain(
            QStringLiteral("\"%1\": %2").arg(request.File, QString::fromUtf8(error.what())));
        return kExitBadFile;
    }
    if (!console.Print(text)) {
        console.Complain(QStringLiteral("cannot write the export text"));
        return kExitBadFile;
    }
    return kExitDone;
}

// The windowless commands that work on pictures or saved work, by option.
using PictureCommand = int (*)(const QStringList& arguments, const QString& appDir,
                               ConsoleHost& console);

PictureCommand PictureCommandOf(const QString& option) {
    if (option == QLatin1String("--clean-specks")) {
        return RunCleanSpecksCommand;
    }
    if (option == QLatin1String("--rotate")) {
        return RunRotateCommand;
    }
    if (option == QLatin1String("--rectify")) {
        return RunRectifyCommand;
    }
    if (option == QLatin1String("--auto")) {
        return RunAutoCommand;
    }
    if (option == QLatin1String("--trace-color")) {
        return RunTraceColorCommand;
    }
    if (option == QLatin1String("--light-table")) {
        return RunLightTableCommand;
    }
    if (option == QLatin1String("--bright-line")) {
        return RunBrightLineCommand;
    }
    return nullptr;
}

// The forms of the command, the first paragraph of the help text.
QByteArray UsageLines() {
    const QByteArray help(kHelpText);
    return help.left(help.indexOf("\n\n") + 1);
}

int RefuseUnknownOption(const QString& option, ConsoleHost& console) {
    console.Complain(QStringLiteral("unknown option \"%1\"").arg(BriefQuote(option)));
    console.PrintError(UsageLines());
    return kExitBadArguments;
}

} // namespace

int RunCommandLineForm(const QStringList& arguments, const QString& appDir, ConsoleHost& console) {
    const QString first = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        console.Print(kHelpText);
        return kExitDone;
    }
    const PictureCommand command = PictureCommandOf(first);
    if (command == nullptr && first != QLatin1String("--export")) {
        return RefuseUnknownOption(first, console);
    }
    // Numbers typed with the machine's separator read as the window would read them.
    ReadSystemDecimalChar(console);
    return command != nullptr ? command(rest, appDir, console) : RunExport(rest, appDir, console);
}

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    // Only a file name opens the window: a mistyped option must not, for without a display
    // that ends in an abort. A file whose name starts with "-" is named as "./-name".
    if (argc < 2 || argv[1][0] != '-') {
        return std::nullopt;
    }
    // A core application only: it gives the arguments and the program's folder without a
    // display. Pictures are drawn on (axes and marks) into QImage only, which needs no GUI
    // application either.
    QCoreApplication application(argc, argv);
    ConsoleHost console;
    return RunCommandLineForm(QCoreApplication::arguments().mid(1),
                              QCoreApplication::applicationDirPath(), console);
}

} // namespace lineora
