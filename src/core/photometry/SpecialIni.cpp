#include "core/common/AtomicFile.h"
#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "core/common/IniFile.h"
#include "core/common/Rounding.h"
#include "core/config/ConfigFile.h"
#include "core/photometry/StripSampling.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lineora {

namespace {

const QString kColourSection = QStringLiteral("ColorFind");
const QString kSpecialSection = QStringLiteral("Special");
const QString kDensityKey = QStringLiteral("Plotnost linii");
const QString kClearKey = QStringLiteral("specKoefClear");
const QString kWhat = QStringLiteral("the strip sampling settings file");

constexpr std::int32_t kDefaultDensity = 3;
constexpr std::int32_t kDefaultClearTenths = 7;
constexpr std::int32_t kMaxClearTenths = 10;
constexpr std::int32_t kMaxColour = 0xFFFFFF;

// Shade 1..3 of trace 1..3 is "Line<trace>_<shade>" and entry 3 * (trace - 1) + shade.
QString ColourKey(int entry) {
    return QStringLiteral("Line%1_%2").arg((entry - 1) / 3 + 1).arg((entry - 1) % 3 + 1);
}

// A whole number in min..max, else the default with the reason noted.
std::int32_t ReadInteger(const IniFile& ini, const QString& section, const QString& key,
                         std::int32_t min, std::int32_t max, std::int32_t defaultValue,
                         std::vector<ConfigProblem>& problems) {
    if (!ini.Has(section, key)) {
        return defaultValue;
    }
    const QString text = ini.Value(section, key);
    const std::optional<std::int32_t> value = ParseIniInteger(text);
    if (value && *value >= min && *value <= max) {
        return *value;
    }
    problems.push_back({section, key, text,
                        QStringLiteral("%1 is used instead of it, as a whole number from %2 to "
                                       "%3 is expected")
                            .arg(defaultValue)
                            .arg(min)
                            .arg(max)});
    return defaultValue;
}

void ReadValues(StripSamplingState& state, const IniFile& ini,
                std::vector<ConfigProblem>& problems) {
    for (int entry = 1; entry <= 9; ++entry) {
        state.SpecLineColors[static_cast<std::size_t>(entry)] = static_cast<TColor>(
            ReadInteger(ini, kColourSection, ColourKey(entry), 0, kMaxColour, 0, problems));
    }
    state.LineDensity =
        ReadInteger(ini, kSpecialSection, kDensityKey, 1, 9, kDefaultDensity, problems);
    state.ClearKoef = ReadInteger(ini, kSpecialSection, kClearKey, 0, kMaxClearTenths,
                                  kDefaultClearTenths, problems) /
                      10.0;
}

} // namespace

void SetSpecialIniDefaults(StripSamplingState& state) {
    state.SpecLineColors.fill(0);
    state.LineDensity = kDefaultDensity;
    state.ClearKoef = kDefaultClearTenths / 10.0;
}

QString ReadSpecialIni(StripSamplingState& state, const QString& path) {
    SetSpecialIniDefaults(state);
    if (!QFileInfo(path).exists()) {
        return {};
    }
    IniFile ini;
    try {
        ini = ParseConfigText(ReadRegularFile(path, kMaxIniFileBytes));
    } catch (const FileError& error) {
        return QStringLiteral("The strip sampling settings file \"%1\" cannot be read: %2. The "
                              "default colours, density and clearing fraction are used.")
            .arg(path, QString::fromUtf8(error.what()));
    }
    std::vector<ConfigProblem> problems;
    ReadValues(state, ini, problems);
    return problems.empty() ? QString() : DescribeConfigProblems(path, problems);
}

void WriteSpecialIni(const StripSamplingState& state, const QString& path) {
    CheckWritableTarget(path, kWhat);
    IniFile ini;
    try {
        // Keys other programs or later versions put there stay.
        if (QFileInfo(path).exists()) {
            ini = ParseConfigText(ReadRegularFile(path, kMaxIniFileBytes));
        }
    } catch (const FileError&) {
        ini = IniFile(); // a damaged old file is replaced whole
    }
    for (int entry = 1; entry <= 9; ++entry) {
        const TColor colour = state.SpecLineColors[static_cast<std::size_t>(entry)] & 0xFFFFFFu;
        ini.SetValue(kColourSection, ColourKey(entry), QString::number(colour));
    }
    ini.SetValue(kSpecialSection, kDensityKey,
                 QString::number(std::clamp(state.LineDensity, 1, 9)));
    const double tenths =
        std::isfinite(state.ClearKoef) ? state.ClearKoef * 10 : kDefaultClearTenths;
    ini.SetValue(kSpecialSection, kClearKey,
                 QString::number(RoundHalfEven(std::clamp(tenths, 0.0, 10.0))));
    WriteFileAtomically(path, kWhat, ini.Serialize());
}

} // namespace lineora
