#include "core/commands/StripModeCommands.h"

#include "core/commands/Commands.h"
#include "core/common/Errors.h"
#include "core/common/NumberText.h"
#include "core/common/Rounding.h"

#include <algorithm>

namespace lineora {

namespace {

// A field of the input dialog as a whole number; the key filter lets only digits in, but a
// pasted text or an empty field still arrives here.
std::int64_t WholeField(const QString& text, const char* field) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        throw FormatError(QStringLiteral("%1: the field is empty").arg(QLatin1String(field)));
    }
    bool ok = false;
    const std::int64_t value = trimmed.toLongLong(&ok);
    if (!ok || value < 0 || value > 1'000'000) {
        throw FormatError(QStringLiteral("%1: \"%2\" is not a whole number of at most 1000000")
                              .arg(QLatin1String(field), trimmed));
    }
    return value;
}

QString WholeText(std::int64_t value) {
    return QString::number(value);
}

} // namespace

void BeginStripMode(State& state, Views& views) {
    state.StripSampling.ArcFlag = true;
    views.ControlsChanged();
}

void CancelStripMode(State& state, Views& views) {
    state.StripSampling.ArcFlag = false;
    views.ControlsChanged();
}

void AcceptStripInput(State& state, const StripInputTexts& texts) {
    const std::int64_t seconds = WholeField(texts.Seconds, "Seconds on X");
    const std::int64_t perSecond = WholeField(texts.PointsPerSecond, "Points per second");
    const std::int64_t start = WholeField(texts.StartSecond, "Start second");
    if (perSecond == 0) {
        throw FormatError("Points per second: there must be at least one point per second");
    }
    const std::int64_t lines = seconds * perSecond + 1;
    if (lines > kMaxSearchLines) {
        throw FormatError(QStringLiteral("%1 seconds at %2 points per second make %3 search "
                                         "lines; the curves hold at most %4 points")
                              .arg(seconds)
                              .arg(perSecond)
                              .arg(lines)
                              .arg(kMaxSearchLines));
    }
    Calibration cal = state.Cal;
    cal.AxisYMin = 0;
    cal.AxisYMax = 40;
    cal.AxisXMax = static_cast<double>(seconds + start);
    cal.AxisXMin = static_cast<double>(start);
    const Extended step = Extended{1} / static_cast<Extended>(perSecond);
    // Laid once on a copy: a calibration that cannot lay them refuses the input as it stands.
    (void)SearchLineColumns(cal, static_cast<std::int32_t>(lines), step);

    state.Cal = cal;
    state.Setup.StepX = step;
    state.Setup.StepXText = FormatGeneral(step);
    state.Main.StepFromX = static_cast<Extended>(start);
    state.Setup.StepFromXText = WholeText(start);
    state.StripSampling.SearchLineCount = static_cast<std::int32_t>(lines);
    state.Texts.MaxX = FormatGeneral(cal.AxisXMax);
    state.Texts.MinX = FormatGeneral(cal.AxisXMin);
    state.Texts.MaxY = FormatGeneral(cal.AxisYMax);
    state.Texts.MinY = FormatGeneral(cal.AxisYMin);
}

QString SpecialIniPath(const State& state) {
    QString dir = state.Main.AppDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/'))) {
        dir += QLatin1Char('/');
    }
    return dir + QStringLiteral("Special1.Ini");
}

StripGeometry CurrentStrips(const State& state) {
    return SamplingStrips(state.Cal, state.Straightener.StripGap);
}

void StartStripMode(State& state, Host& host, Views& views) {
    StripSamplingState& mode = state.StripSampling;
    const StripGeometry strips = CurrentStrips(state);
    const std::vector<std::int32_t> columns =
        SearchLineColumns(state.Cal, mode.SearchLineCount, state.Setup.StepX);

    RestorePicture(state.Pics);
    state.Setup.ScaleX = ScaleKind::Linear;
    state.Setup.ScaleY = ScaleKind::Linear;
    state.Main.StepXOn = true;
    state.Main.AvtoCorrectOn = false;
    mode.ColorTrace = 0;
    mode.ColorSlot = 1;
    SetToolMode(state, views, Tool::None, CursorId::Strela);

    const QString damaged = ReadSpecialIni(mode, SpecialIniPath(state));
    mode.ShowStrips = true;
    mode.ShowSearchLines = true;
    InitSamples(state.Store, columns, strips);
    state.Store.CurrentLine = 1;
    RedrawPicture(state, views);
    RefreshAll(state, views);
    if (!damaged.isEmpty()) {
        host.ShowMessage(damaged);
    }
}

void ArmStripColour(State& state, Views& views, int trace, bool down) {
    StripSamplingState& mode = state.StripSampling;
    if (!down || trace < 1 || trace > kTraceCount) {
        mode.ColorTrace = 0;
        SetToolMode(state, views, Tool::None, CursorId::Strela);
        return;
    }
    mode.ColorTrace = trace;
    mode.ColorSlot = 1;
    SetToolMode(state, views, Tool::StripColor, CursorId::Pipette);
}

void StripColourClick(State& state, Views& views) {
    StripSamplingState& mode = state.StripSampling;
    if (mode.ColorTrace < 1 || mode.ColorTrace > kTraceCount || mode.ColorSlot < 1 ||
        mode.ColorSlot > 3) {
        return;
    }
    const auto shade = static_cast<std::size_t>((mode.ColorTrace - 1) * 3 + mode.ColorSlot);
    mode.SpecLineColors[shade] = state.Main.PixelColor;
    if (++mode.ColorSlot >= 4) {
        mode.ColorTrace = 0;
    }
    views.ControlsChanged();
}

void ArmStripSample(State& state, Views& views, int trace, bool down) {
    state.StripSampling.ColorTrace = 0;
    if (!down || trace < 1 || trace > kTraceCount) {
        SetToolMode(state, views, Tool::None, CursorId::Strela);
        return;
    }
    state.Store.CurrentLine = trace;
    SetToolMode(state, views, Tool::StripSample, CursorOfKind(state.Main.CursorKind));
}

std::int32_t StripSampleIndex(const Calibration& cal, std::int32_t x, Extended stepX) {
    const Extended span = static_cast<Extended>(cal.XMaxPointX) - cal.ZeroPointX;
    if (span == 0 || stepX == 0) {
        throw CalcError("Division by zero: the X axis has no length or the step is 0");
    }
    Extended time = (static_cast<Extended>(cal.AxisXMax) - cal.AxisXMin) *
                    (static_cast<Extended>(x) - cal.ZeroPointX) / span;
    // A click on the zero point's column would round up into the second line.
    if (time == 0) {
        time = -0.01L;
    }
    time = static_cast<Extended>(RoundHalfEven((time + cal.AxisXMin) * 100)) / 100 + 0.01L;
    return RoundHalfEven((time - cal.AxisXMin) / stepX) + 1;
}

void StripSampleClick(State& state, Views& views) {
    const int trace = state.Store.CurrentLine;
    const std::int32_t n = state.StripSampling.SearchLineCount;
    if (trace < 1 || trace > kTraceCount) {
        return; // only the three traces hold samples
    }
    const std::int32_t x = state.Cal.MousePicX;
    const std::int32_t k = StripSampleIndex(state.Cal, x, state.Setup.StepX);
    if (k < 1 || k > n) {
        return;
    }
    auto& sample = state.Store.PointPixels[static_cast<std::size_t>(k)][trace];
    sample.Used = 1;
    sample.PixX = x;
    sample.PixY = state.Cal.MousePicY;
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void StepLineDensity(State& state, int delta) {
    std::int32_t& density = state.StripSampling.LineDensity;
    density = std::clamp(density + delta, 1, 9);
}

void SetShowStrips(State& state, Views& views, bool on) {
    state.StripSampling.ShowStrips = on;
    RedrawPicture(state, views);
}

void SetShowSearchLines(State& state, Views& views, bool on) {
    state.StripSampling.ShowSearchLines = on;
    RedrawPicture(state, views);
}

void CloseStripMode(State& state, Host& host, Views& views) {
    StripSamplingState& mode = state.StripSampling;
    try {
        WriteSpecialIni(mode, SpecialIniPath(state));
    } catch (const FileError& error) {
        host.ShowMessage(QString::fromUtf8(error.what()));
    }
    mode.ArcFlag = false;
    mode.ColorTrace = 0;
    SetToolMode(state, views, Tool::None, CursorId::Strela);
    RedrawPicture(state, views);
}

} // namespace lineora
