#pragma once

#include "core/calibration/ReferencePoints.h"
#include "core/common/IniFile.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace lineora {

// The folder the open and save dialogs start in before any picture was opened.
QString DefaultPictureDir();

// Every key of lineora3.Ini, one field each, named after its key and set to the value a first
// run starts from. Radio buttons are kept as the file has them, one flag per button, so that
// a file with two buttons of a group on (or none) reads as it was written.
struct ConfigValues {
    // [Rezim]
    bool StepX = false;
    bool AvtoCorrect = false;
    // [Path]
    QString PathToGrafFiles = DefaultPictureDir();
    // [Color]
    TColor Line1 = kDefaultLineColors[1], Line2 = kDefaultLineColors[2],
           Line3 = kDefaultLineColors[3], Line4 = kDefaultLineColors[4],
           Line5 = kDefaultLineColors[5];
    TColor Axes = 255;
    TColor FindColor = 255;
    // [Setup]
    bool FillMetka = true;
    std::int32_t DiamterOfPoint = 3; // 1..5
    bool VidKoordinat = true;        // the plain ("old") axes look
    std::int32_t LineKoordWidth = 1; // 1..5
    bool LineKoordInvert = true;
    // [Axes]: the axis value fields as typed.
    QString Xmin = QStringLiteral("0");
    QString Xmax = QStringLiteral("100");
    QString Ymin = QStringLiteral("0");
    QString Ymax = QStringLiteral("10");
    QString PolarXmax = QStringLiteral("10");
    // [Setup]
    bool StandartNumerFormat = true;
    bool NumerRanger = true;
    // [Axes]: the scale buttons; the Y keys end in "X" in every file there is.
    bool XScaleNormalX = true;
    bool XScaleLogarifm10X = false;
    bool XScaleLogarifmNatX = false;
    bool YScaleNormalX = true;
    bool YScaleLogarifm10X = false;
    bool YScaleLogarifmNatX = false;
    // [Setup]
    bool LanguageRussian = true;
    bool LanguageEnglish = false;
    bool SaveConfig = true;
    bool Pointer1 = false; // ","
    bool Pointer2 = false; // "."
    bool Pointer3 = false; // the system's separator
    bool MetkaX = true;
    // [Forms]: edges and sizes, and the down states of the four window toggles.
    std::int32_t MainLeft = 20, MainTop = 20, MainWidth = 600, MainHeight = 420;
    std::int32_t ZoomLeft = 400, ZoomTop = 400;
    bool ZoomStyle = true;
    std::int32_t InputLeft = 500, InputTop = 400;
    bool InputStyle = true;
    std::int32_t TableLeft = 10, TableTop = 10, TableWidth = 600, TableHeight = 400;
    bool TableStyle = true;
    std::int32_t SetupLeft = 5, SetupTop = 5;
    std::int32_t OutTextLeft = 300, OutTextTop = 300;
    bool OutTextStyle = true;
    // [Setup]
    std::int32_t CursorKind = 1;
    // [StepByX]
    bool BolStepX = true;
    QString StepFromX = QStringLiteral("0");
    QString StepXDelta = QStringLiteral("10");
    // [Find by color]
    TColor ColorOfSpecial2 = 0xFFFFFF;
    // [Setup]
    bool SaveScalaKoord = true;
    bool LoadScalaKoord = true;
    // [Axes]
    std::int32_t DirectionOfX = 1;
    std::int32_t Ekran0_X = 20, Ekran0_Y = 100;
    std::int32_t EkranXMax_X = 200, EkranXMax_Y = 100;
    std::int32_t EkranYMax_X = 20, EkranYMax_Y = 20;
    std::int32_t TypeOfCurve = 1;

    // The six [Axes] points under the calibration's names.
    ReferencePoints Points() const {
        return {Ekran0_X, Ekran0_Y, EkranXMax_X, EkranXMax_Y, EkranYMax_X, EkranYMax_Y};
    }
    void SetPoints(const ReferencePoints& points) {
        Ekran0_X = points.ZeroPointX;
        Ekran0_Y = points.ZeroPointY;
        EkranXMax_X = points.XMaxPointX;
        EkranXMax_Y = points.XMaxPointY;
        EkranYMax_X = points.YMaxPointX;
        EkranYMax_Y = points.YMaxPointY;
    }

    friend bool operator==(const ConfigValues&, const ConfigValues&) = default;
};

// An integer as INI files hold it: decimal, or hexadecimal after "0x" or "$" (as Delphi
// writes it), up to 32 bits; anything else gives nothing.
std::optional<std::int32_t> ParseIniInteger(const QString& text);
// "1"/"0" or any other integer (non-zero is true), or "true"/"false" in any case.
std::optional<bool> ParseIniBoolean(const QString& text);

// The file's bytes as INI text. UTF-16 files (with their byte-order mark) are taken as well;
// bytes that no text file holds (NUL and the other control characters but tab, CR and LF)
// throw FileError saying where the damage is.
IniFile ParseConfigText(const QByteArray& bytes);

// A key whose text cannot be used, for the message that names it.
struct ConfigProblem {
    QString Section;
    QString Key;
    QString Text;   // as the file holds it
    QString Reason; // why, and what the program uses instead
};

// Each key with its default when it is missing or unreadable; the two spin values clamped
// to 1..5. Names compare without case. Unreadable keys are noted in `problems` when given.
ConfigValues ReadConfigValues(const IniFile& ini, std::vector<ConfigProblem>* problems = nullptr);

// One message for every problem of the file at `path`: each key named with its section, its
// value quoted briefly (BriefQuote) and the reason.
QString DescribeConfigProblems(const QString& path, const std::vector<ConfigProblem>& problems);

// Every key into `ini` in the order the program writes them: keys `ini` already holds keep
// their place, new ones are appended to their section. Booleans "1"/"0", colours and integers
// decimal. The reference points only with SaveScalaKoord on.
void WriteConfigValues(const ConfigValues& values, IniFile& ini);
IniFile WriteConfigValues(const ConfigValues& values);

} // namespace lineora
