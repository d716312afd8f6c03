#include "core/commands/Configuration.h"

#include "core/calibration/Calibration.h"
#include "core/common/AtomicFile.h"
#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "core/common/NumberText.h"
#include "core/config/RecentFiles.h"

#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace lineora {

namespace {

// A radio button of a group modelled by one value: checking it selects it, unchecking it
// leaves the group with none when it was the selected one.
template <class T> void SetRadio(T& group, T button, T none, bool checked) {
    if (checked) {
        group = button;
    } else if (group == button) {
        group = none;
    }
}

// The two language buttons are kept as two flags: checking one unchecks the other.
void SetLanguageRadio(bool& button, bool& other, bool checked) {
    button = checked;
    if (checked) {
        other = false;
    }
}

// A field's value, or `fallback` while the text is empty or no number.
Extended NumberOr(const QString& text, Extended fallback) {
    if (text.isEmpty()) {
        return fallback;
    }
    try {
        return ParseNumber(text);
    } catch (const FormatError&) {
        return fallback;
    }
}

// The number `text` holds; otherwise nothing, and the key is noted with the reason and what
// the program does instead.
std::optional<Extended> NumberOrProblem(const char* section, const char* key, const QString& text,
                                        const char* instead, std::vector<ConfigProblem>& problems) {
    try {
        return ParseNumber(text);
    } catch (const FormatError& error) {
        // The reason starts with the text in quotes; the message quotes it once, shortened.
        const QString why = QString::fromUtf8(error.what());
        const QString quoted = QLatin1Char('"') + text + QStringLiteral("\" ");
        problems.push_back(
            {QString::fromLatin1(section), QString::fromLatin1(key), text,
             (why.startsWith(quoted) ? QStringLiteral("it ") + why.mid(quoted.size()) : why) +
                 QStringLiteral("; ") + QString::fromLatin1(instead)});
        return std::nullopt;
    }
}

// The axis value fields into the calibration one by one. The auto-save stores a field as it
// stands, even empty or "-": such a field keeps its text as typed, no value is computed from it,
// and the other fields still apply.
void ReadStoredAxisValues(State& state, std::vector<ConfigProblem>& problems) {
    constexpr const char* kInstead =
        "the field keeps the text and gives no value until a number is typed in it";
    const std::pair<const char*, std::pair<const QString*, double*>> fields[] = {
        {"Xmax", {&state.Texts.MaxX, &state.Cal.AxisXMax}},
        {"Ymax", {&state.Texts.MaxY, &state.Cal.AxisYMax}},
        {"Xmin", {&state.Texts.MinX, &state.Cal.AxisXMin}},
        {"Ymin", {&state.Texts.MinY, &state.Cal.AxisYMin}},
    };
    for (const auto& [key, field] : fields) {
        if (const auto value = NumberOrProblem("Axes", key, *field.first, kInstead, problems)) {
            *field.second = static_cast<double>(*value);
        }
    }
    if (const auto value =
            NumberOrProblem("Axes", "PolarXmax", state.Texts.PolarMaxX, kInstead, problems)) {
        state.Cal.AxisPolarMax = *value;
    }
}

// The step fields were applied while they hold numbers (an empty one is simply not in use);
// the others are noted.
void NoteStepTexts(const Settings& setup, std::vector<ConfigProblem>& problems) {
    const std::pair<const char*, const QString*> fields[] = {{"StepXDelta", &setup.StepXText},
                                                             {"StepFromX", &setup.StepFromXText}};
    for (const auto& [key, text] : fields) {
        if (!text->isEmpty()) {
            NumberOrProblem("StepByX", key, *text,
                            "the field keeps the text and the step its value from before",
                            problems);
        }
    }
}

// The X direction buttons run their click handler only when they become checked; any value
// but 1 and -1 leaves both as they are. The reference points are set afterwards anyway, so a
// calibration that cannot be measured yet only keeps its points.
void ApplyDirectionOfX(State& state, std::int32_t direction) {
    if ((direction != 1 && direction != -1) || state.Setup.XDirection == direction) {
        return;
    }
    try {
        SetXDirection(state.Cal, state.Setup, direction);
    } catch (const CalcError&) {
        state.Setup.XDirection = direction;
    }
}

void ApplyReferencePoints(Calibration& cal, const ConfigValues& values) {
    if (values.LoadScalaKoord) {
        cal.Points() = values.Points();
    } else {
        cal.Points() = {.ZeroPointX = 50,
                        .ZeroPointY = 100,
                        .XMaxPointX = 100,
                        .XMaxPointY = 100,
                        .YMaxPointX = 50,
                        .YMaxPointY = 50};
    }
}

void ApplyForms(State& state, Views& views, const ConfigValues& values) {
    FormPlacements& forms = state.Setup.Forms;
    forms.MainLeft = values.MainLeft;
    forms.MainTop = values.MainTop;
    forms.MainWidth = values.MainWidth;
    forms.MainHeight = values.MainHeight;
    forms.ZoomLeft = values.ZoomLeft;
    forms.ZoomTop = values.ZoomTop;
    forms.InputLeft = values.InputLeft;
    forms.InputTop = values.InputTop;
    forms.TableLeft = values.TableLeft;
    forms.TableTop = values.TableTop;
    forms.TableWidth = values.TableWidth;
    forms.TableHeight = values.TableHeight;
    forms.SetupLeft = values.SetupLeft;
    forms.SetupTop = values.SetupTop;
    forms.OutTextLeft = values.OutTextLeft;
    forms.OutTextTop = values.OutTextTop;
    state.Main.ShowZoom = values.ZoomStyle;
    state.Main.ShowInput = values.InputStyle;
    state.Main.ShowTable = values.TableStyle;
    state.Main.ShowText = values.OutTextStyle;
    views.ApplyWindowPlacements();
}

// The file's INI text; nothing when there is no file.
std::optional<IniFile> ReadConfigFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    return ParseConfigText(ReadRegularFile(path, kMaxIniFileBytes));
}

void CollectForms(const State& state, ConfigValues& values) {
    const FormPlacements& forms = state.Setup.Forms;
    values.MainLeft = forms.MainLeft;
    values.MainTop = forms.MainTop;
    values.MainWidth = forms.MainWidth;
    values.MainHeight = forms.MainHeight;
    values.ZoomLeft = forms.ZoomLeft;
    values.ZoomTop = forms.ZoomTop;
    values.ZoomStyle = state.Main.ShowZoom;
    values.InputLeft = forms.InputLeft;
    values.InputTop = forms.InputTop;
    values.InputStyle = state.Main.ShowInput;
    values.TableLeft = forms.TableLeft;
    values.TableTop = forms.TableTop;
    values.TableWidth = forms.TableWidth;
    values.TableHeight = forms.TableHeight;
    values.TableStyle = state.Main.ShowTable;
    values.SetupLeft = forms.SetupLeft;
    values.SetupTop = forms.SetupTop;
    values.OutTextLeft = forms.OutTextLeft;
    values.OutTextTop = forms.OutTextTop;
    values.OutTextStyle = state.Main.ShowText;
}

} // namespace

QString ConfigFilePath(const QString& appDir) {
    const QString name = QStringLiteral("lineora3.Ini");
    return appDir.endsWith(QLatin1Char('/')) ? appDir + name : appDir + QLatin1Char('/') + name;
}

void ApplyConfigValues(State& state, Views& views, const ConfigValues& values) {
    Settings& setup = state.Setup;
    state.Main.StepXOn = values.StepX;
    state.Main.AvtoCorrectOn = values.AvtoCorrect;
    state.Pics.PictureDir = values.PathToGrafFiles;
    setup.LineColors = {0, values.Line1, values.Line2, values.Line3, values.Line4, values.Line5};
    setup.AxesColor = values.Axes;
    setup.FindColor = values.FindColor;
    setup.FillMetka = values.FillMetka;
    state.Store.MarkRadius = values.DiamterOfPoint;
    // The plain look's button; the other one is the one checked in the dialog's design.
    setup.NewAxesLook = !values.VidKoordinat;
    setup.AxesWidth = values.LineKoordWidth;
    setup.AxesInvert = values.LineKoordInvert;
    state.Texts.MinX = AdaptDecimalSeparator(values.Xmin);
    state.Texts.MaxX = AdaptDecimalSeparator(values.Xmax);
    state.Texts.MinY = AdaptDecimalSeparator(values.Ymin);
    state.Texts.MaxY = AdaptDecimalSeparator(values.Ymax);
    state.Texts.PolarMaxX = AdaptDecimalSeparator(values.PolarXmax);
    // Scientific is the button checked in the dialog's design.
    setup.ExportFormat =
        values.StandartNumerFormat ? NumberFormat::Standard : NumberFormat::Scientific;
    setup.MakeSort = values.NumerRanger;
    SetRadio(setup.ScaleX, ScaleKind::Linear, ScaleKind::None, values.XScaleNormalX);
    SetRadio(setup.ScaleX, ScaleKind::Log10, ScaleKind::None, values.XScaleLogarifm10X);
    SetRadio(setup.ScaleX, ScaleKind::Ln, ScaleKind::None, values.XScaleLogarifmNatX);
    SetRadio(setup.ScaleY, ScaleKind::Linear, ScaleKind::None, values.YScaleNormalX);
    SetRadio(setup.ScaleY, ScaleKind::Log10, ScaleKind::None, values.YScaleLogarifm10X);
    SetRadio(setup.ScaleY, ScaleKind::Ln, ScaleKind::None, values.YScaleLogarifmNatX);
    SetLanguageRadio(setup.LanguageRussian, setup.LanguageEnglish, values.LanguageRussian);
    SetLanguageRadio(setup.LanguageEnglish, setup.LanguageRussian, values.LanguageEnglish);
    setup.AutoSave = values.SaveConfig;
    SetRadio(setup.Separator, SeparatorChoice::Comma, SeparatorChoice::None, values.Pointer1);
    SetRadio(setup.Separator, SeparatorChoice::Point, SeparatorChoice::None, values.Pointer2);
    SetRadio(setup.Separator, SeparatorChoice::System, SeparatorChoice::None, values.Pointer3);
    setup.MetkaX = values.MetkaX;
    ApplyForms(state, views, values);
    state.Main.CursorKind = values.CursorKind;
    state.Main.StepXOn = values.BolStepX;
    setup.StepFromXText = AdaptDecimalSeparator(values.StepFromX);
    setup.StepXText = AdaptDecimalSeparator(values.StepXDelta);
    state.Main.StepFromX = NumberOr(setup.StepFromXText, state.Main.StepFromX);
    setup.StepX = NumberOr(setup.StepXText, setup.StepX);
    setup.Special2Color = values.ColorOfSpecial2;
    setup.SaveScalaKoord = values.SaveScalaKoord;
    setup.LoadScalaKoord = values.LoadScalaKoord;
    ApplyDirectionOfX(state, values.DirectionOfX);
    ApplyReferencePoints(state.Cal, values);
    if (values.TypeOfCurve == 1 || values.TypeOfCurve == 2) {
        setup.TypeOfCurve = values.TypeOfCurve;
    }
    views.ControlsChanged();
}

ConfigValues CollectConfigValues(const State& state) {
    const Settings& setup = state.Setup;
    const Calibration& cal = state.Cal;
    ConfigValues values;
    values.StepX = state.Main.StepXOn;
    values.AvtoCorrect = state.Main.AvtoCorrectOn;
    values.PathToGrafFiles = state.Pics.PictureDir;
    values.Line1 = setup.LineColors[1];
    values.Line2 = setup.LineColors[2];
    values.Line3 = setup.LineColors[3];
    values.Line4 = setup.LineColors[4];
    values.Line5 = setup.LineColors[5];
    values.Axes = setup.AxesColor;
    values.FindColor = setup.FindColor;
    values.FillMetka = setup.FillMetka;
    values.DiamterOfPoint = state.Store.MarkRadius;
    values.VidKoordinat = !setup.NewAxesLook;
    values.LineKoordWidth = setup.AxesWidth;
    values.LineKoordInvert = setup.AxesInvert;
    values.Xmin = state.Texts.MinX;
    values.Xmax = state.Texts.MaxX;
    values.Ymin = state.Texts.MinY;
    values.Ymax = state.Texts.MaxY;
    values.PolarXmax = state.Texts.PolarMaxX;
    values.StandartNumerFormat = setup.ExportFormat == NumberFormat::Standard;
    values.NumerRanger = setup.MakeSort;
    values.XScaleNormalX = setup.ScaleX == ScaleKind::Linear;
    values.XScaleLogarifm10X = setup.ScaleX == ScaleKind::Log10;
    values.XScaleLogarifmNatX = setup.ScaleX == ScaleKind::Ln;
    values.YScaleNormalX = setup.ScaleY == ScaleKind::Linear;
    values.YScaleLogarifm10X = setup.ScaleY == ScaleKind::Log10;
    values.YScaleLogarifmNatX = setup.ScaleY == ScaleKind::Ln;
    values.LanguageRussian = setup.LanguageRussian;
    values.LanguageEnglish = setup.LanguageEnglish;
    values.SaveConfig = setup.AutoSave;
    values.Pointer1 = setup.Separator == SeparatorChoice::Comma;
    values.Pointer2 = setup.Separator == SeparatorChoice::Point;
    values.Pointer3 = setup.Separator == SeparatorChoice::System;
    values.MetkaX = setup.MetkaX;
    CollectForms(state, values);
    values.CursorKind = state.Main.CursorKind;
    values.BolStepX = state.Main.StepXOn;
    values.StepFromX = setup.StepFromXText;
    values.StepXDelta = setup.StepXText;
    values.ColorOfSpecial2 = setup.Special2Color;
    values.SaveScalaKoord = setup.SaveScalaKoord;
    values.LoadScalaKoord = setup.LoadScalaKoord;
    values.DirectionOfX = setup.XDirection;
    values.SetPoints(cal);
    values.TypeOfCurve = setup.TypeOfCurve;
    return values;
}

void LoadConfig(State& state, Views& views, Host& host, const QString& appDir) {
    const QString path = ConfigFilePath(appDir);
    ConfigValues values;
    std::vector<ConfigProblem> problems;
    try {
        if (const std::optional<IniFile> ini = ReadConfigFile(path)) {
            values = ReadConfigValues(*ini, &problems);
            state.Recent = ReadRecentFiles(*ini);
        }
    } catch (const FileError& error) {
        host.ShowMessage(
            QStringLiteral("The settings file \"%1\" cannot be read: %2\nThe program starts with "
                           "its default settings.")
                .arg(path, QString::fromUtf8(error.what())));
    }
    ApplyConfigValues(state, views, values);
    NoteStepTexts(state.Setup, problems);
    ReadStoredAxisValues(state, problems);
    // One message for all of them, and the start goes on with everything else applied.
    if (!problems.empty()) {
        host.ShowMessage(DescribeConfigProblems(path, problems));
    }
}

void WriteConfig(State& state, Views& views) {
    if (state.Main.AppDir.isEmpty()) {
        throw FileError("Cannot write the settings file: the program's folder is not known");
    }
    views.CaptureWindowPlacements();
    const QString path = ConfigFilePath(state.Main.AppDir);
    // Written into the file as it stands, as the Windows INI services do: keys of other
    // versions, and the reference points while they are not saved, stay in it. A file that
    // cannot be read is replaced.
    IniFile ini;
    try {
        if (std::optional<IniFile> existing = ReadConfigFile(path)) {
            ini = std::move(*existing);
        }
    } catch (const FileError&) {
    }
    WriteConfigValues(CollectConfigValues(state), ini);
    // In a section of its own after the others, so their keys keep their order.
    WriteRecentFiles(state.Recent, ini);
    WriteFileAtomically(path, QStringLiteral("the settings file"), ini.Serialize());
}

} // namespace lineora
