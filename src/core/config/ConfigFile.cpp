#include "core/config/ConfigFile.h"

#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <variant>

namespace lineora {

QString DefaultPictureDir() {
    return QDir::homePath() + QLatin1Char('/');
}

namespace {

// A spin edit's value: an integer held to 1..5.
struct Spin {
    std::int32_t ConfigValues::*field;
};

struct Key {
    const char* section;
    const char* name;
    std::variant<bool ConfigValues::*, std::int32_t ConfigValues::*, Spin, TColor ConfigValues::*,
                 QString ConfigValues::*>
        field;
    bool referencePoint = false; // written only with SaveScalaKoord on
};

// The order in which the program writes the keys; a new file has its sections and keys in
// this order.
const std::array<Key, 70> kKeys{{
    {"Rezim", "StepX", &ConfigValues::StepX},
    {"Rezim", "AvtoCorrect", &ConfigValues::AvtoCorrect},
    {"Path", "Path to Graf files", &ConfigValues::PathToGrafFiles},
    {"Color", "line1", &ConfigValues::Line1},
    {"Color", "line2", &ConfigValues::Line2},
    {"Color", "line3", &ConfigValues::Line3},
    {"Color", "line4", &ConfigValues::Line4},
    {"Color", "line5", &ConfigValues::Line5},
    {"Color", "Axes", &ConfigValues::Axes},
    {"Color", "FindColor", &ConfigValues::FindColor},
    {"Setup", "FillMetka", &ConfigValues::FillMetka},
    {"Setup", "DiamterOfPoint", Spin{&ConfigValues::DiamterOfPoint}},
    {"Setup", "VidKoordinat", &ConfigValues::VidKoordinat},
    {"Setup", "LineKoordWidth", Spin{&ConfigValues::LineKoordWidth}},
    {"Setup", "LineKoordInvert", &ConfigValues::LineKoordInvert},
    {"Axes", "Xmin", &ConfigValues::Xmin},
    {"Axes", "Xmax", &ConfigValues::Xmax},
    {"Axes", "Ymin", &ConfigValues::Ymin},
    {"Axes", "Ymax", &ConfigValues::Ymax},
    {"Axes", "PolarXmax", &ConfigValues::PolarXmax},
    {"Setup", "StandartNumerFormat", &ConfigValues::StandartNumerFormat},
    {"Setup", "NumerRanger", &ConfigValues::NumerRanger},
    {"Setup", "SaveConfig", &ConfigValues::SaveConfig},
    {"Setup", "CursorKind", &ConfigValues::CursorKind},
    {"Setup", "Pointer1", &ConfigValues::Pointer1},
    {"Setup", "Pointer2", &ConfigValues::Pointer2},
    {"Setup", "Pointer3", &ConfigValues::Pointer3},
    {"Setup", "MetkaX", &ConfigValues::MetkaX},
    {"Axes", "XScaleNormalX", &ConfigValues::XScaleNormalX},
    {"Axes", "XScaleLogarifm10X", &ConfigValues::XScaleLogarifm10X},
    {"Axes", "XScaleLogarifmNatX", &ConfigValues::XScaleLogarifmNatX},
    {"Axes", "YScaleNormalX", &ConfigValues::YScaleNormalX},
    {"Axes", "YScaleLogarifm10X", &ConfigValues::YScaleLogarifm10X},
    {"Axes", "YScaleLogarifmNatX", &ConfigValues::YScaleLogarifmNatX},
    {"Setup", "LanguageRussian", &ConfigValues::LanguageRussian},
    {"Setup", "LanguageEnglish", &ConfigValues::LanguageEnglish},
    {"Forms", "MainLeft", &ConfigValues::MainLeft},
    {"Forms", "MainTop", &ConfigValues::MainTop},
    {"Forms", "MainWidth", &ConfigValues::MainWidth},
    {"Forms", "MainHeight", &ConfigValues::MainHeight},
    {"Forms", "ZoomLeft", &ConfigValues::ZoomLeft},
    {"Forms", "ZoomTop", &ConfigValues::ZoomTop},
    {"Forms", "ZoomStyle", &ConfigValues::ZoomStyle},
    {"Forms", "InputLeft", &ConfigValues::InputLeft},
    {"Forms", "InputTop", &ConfigValues::InputTop},
    {"Forms", "InputStyle", &ConfigValues::InputStyle},
    {"Forms", "TableLeft", &ConfigValues::TableLeft},
    {"Forms", "TableTop", &ConfigValues::TableTop},
    {"Forms", "TableWidth", &ConfigValues::TableWidth},
    {"Forms", "TableHeight", &ConfigValues::TableHeight},
    {"Forms", "TableStyle", &ConfigValues::TableStyle},
    {"Forms", "SetupLeft", &ConfigValues::SetupLeft},
    {"Forms", "SetupTop", &ConfigValues::SetupTop},
    {"Forms", "OutTextLeft", &ConfigValues::OutTextLeft},
    {"Forms", "OutTextTop", &ConfigValues::OutTextTop},
    {"Forms", "OutTextStyle", &ConfigValues::OutTextStyle},
    {"StepByX", "BolStepX", &ConfigValues::BolStepX},
    {"StepByX", "StepXDelta", &ConfigValues::StepXDelta},
    {"StepByX", "StepFromX", &ConfigValues::StepFromX},
    {"Find by color", "ColorOf Special2", &ConfigValues::ColorOfSpecial2},
    {"Axes", "DirectionOfX", &ConfigValues::DirectionOfX},
    {"Axes", "TypeOfCurve", &ConfigValues::TypeOfCurve},
    {"Setup", "SaveScalaKoord", &ConfigValues::SaveScalaKoord},
    {"Setup", "LoadScalaKoord", &ConfigValues::LoadScalaKoord},
    {"Axes", "Ekran0_X", &ConfigValues::Ekran0_X, true},
    {"Axes", "Ekran0_Y", &ConfigValues::Ekran0_Y, true},
    {"Axes", "EkranXMax_X", &ConfigValues::EkranXMax_X, true},
    {"Axes", "EkranXMax_Y", &ConfigValues::EkranXMax_Y, true},
    {"Axes", "EkranYMax_X", &ConfigValues::EkranYMax_X, true},
    {"Axes", "EkranYMax_Y", &ConfigValues::EkranYMax_Y, true},
}};

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// 0..15 for a hexadecimal digit, -1 for anything else.
int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

// Digits of `base` only, at least one, at most `limit` in value.
std::optional<std::uint64_t> ParseDigits(QStringView digits, int base, std::uint64_t limit) {
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

QString IntegerText(std::int32_t value) {
    return QString::number(value);
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Colours are written as Delphi's signed TColor, so that a file this program writes stays
// readable by the Windows version whatever the high byte holds.
QString ColorText(TColor value) {
    return IntegerText(static_cast<std::int32_t>(value));
}

QString KeyText(const Key& key, const ConfigValues& values) {
    return std::visit(
        Overloaded{
            [&](bool ConfigValues::*field) { return BooleanText(values.*field); },
            [&](std::int32_t ConfigValues::*field) { return IntegerText(values.*field); },
            [&](Spin spin) { return IntegerText(values.*spin.field); },
            [&](TColor ConfigValues::*field) { return ColorText(values.*field); },
            [&](QString ConfigValues::*field) { return values.*field; },
        },
        key.field);
}

// The key's value into `values`; a text that is not of the key's kind leaves the default there
// and is noted in `problems` when given.
void ReadKey(const IniFile& ini, const Key& key, ConfigValues& values,
             std::vector<ConfigProblem>* problems) {
    const QString section = QString::fromLatin1(key.section);
    const QString name = QString::fromLatin1(key.name);
    if (!ini.Has(section, name)) {
        return;
    }
    const QString text = ini.Value(section, name);
    const auto note = [&](const char* what) {
        if (problems != nullptr) {
            problems->push_back({section, name, text,
                                 QStringLiteral("it is not %1, so the key keeps its default %2")
                                     .arg(QLatin1String(what), KeyText(key, ConfigValues{}))});
        }
    };
    std::visit(Overloaded{
                   [&](bool ConfigValues::*field) {
                       if (const auto value = ParseIniBoolean(text)) {
                           values.*field = *value;
                       } else {
                           note("0, 1, true or false");
                       }
                   },
                   [&](std::int32_t ConfigValues::*field) {
                       if (const auto value = ParseIniInteger(text)) {
                           values.*field = *value;
                       } else {
                           note("a whole number of 32 bits");
                       }
                   },
                   [&](Spin spin) {
                       if (const auto value = ParseIniInteger(text)) {
                           values.*spin.field = std::clamp(*value, 1, 5);
                       } else {
                           note("a whole number");
                       }
                   },
                   [&](TColor ConfigValues::*field) {
                       if (const auto value = ParseIniInteger(text)) {
                           values.*field = static_cast<TColor>(*value);
                       } else {
                           note("a colour number");
                       }
                   },
                   [&](QString ConfigValues::*field) { values.*field = text; },
               },
               key.field);
}

// Text files hold no control characters but tab and the line ends.
bool IsTextByte(unsigned char byte) {
    return byte >= 0x20 || byte == '\t' || byte == '\r' || byte == '\n';
}

// The Windows INI services also read UTF-16 files with a byte-order mark, which some editors
// write.
std::optional<QByteArray> FromUtf16(const QByteArray& bytes) {
    const bool little = bytes.startsWith("\xFF\xFE");
    const bool big = bytes.startsWith("\xFE\xFF");
    if (!little && !big) {
        return std::nullopt;
    }
    if (bytes.size() % 2 != 0) {
        throw FileError("The UTF-16 text ends in half a character");
    }
    QString text;
    text.reserve((bytes.size() - 2) / 2);
    for (qsizetype i = 2; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(little ? first | (second << 8) : (first << 8) | second));
    }
    return text.toUtf8();
}

} // namespace

std::optional<std::int32_t> ParseIniInteger(const QString& text) {
    QStringView rest = QStringView(text).trimmed();
    bool negative = false;
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        negative = rest.front() == QLatin1Char('-');
        rest = rest.mid(1);
    }
    if (rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
        rest.startsWith(QLatin1Char('$'))) {
        // Hexadecimal is a bit pattern: $FFFFFFFF is -1, as Delphi reads it.
        rest = rest.mid(rest.front() == QLatin1Char('$') ? 1 : 2);
        const auto value = ParseDigits(rest, 16, 0xFFFFFFFFu);
        if (!value) {
            return std::nullopt;
        }
        const auto bits = static_cast<std::uint32_t>(*value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    const auto value = ParseDigits(rest, 10, limit);
    if (!value) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<std::int64_t>(*value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<bool> ParseIniBoolean(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (const auto value = ParseIniInteger(trimmed)) {
        return *value != 0;
    }
    return std::nullopt;
}

IniFile ParseConfigText(const QByteArray& bytes) {
    const QByteArray text = FromUtf16(bytes).value_or(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsTextByte(byte)) {
            throw FileError(QStringLiteral("it is not a text file (byte 0x%1 at offset %2)")
                                .arg(byte, 2, 16, QLatin1Char('0'))
                                .arg(i));
        }
    }
    return IniFile::Parse(text);
}

ConfigValues ReadConfigValues(const IniFile& ini, std::vector<ConfigProblem>* problems) {
    ConfigValues values;
    for (const Key& key : kKeys) {
        ReadKey(ini, key, values, problems);
    }
    return values;
}

QString DescribeConfigProblems(const QString& path, const std::vector<ConfigProblem>& problems) {
    QString message =
        QStringLiteral("The settings file \"%1\" holds values that cannot be used:").arg(path);
    for (const ConfigProblem& problem : problems) {
        message += QStringLiteral("\nkey \"%1\" of section [%2] is \"%3\": %4")
                       .arg(problem.Key, problem.Section, BriefQuote(problem.Text), problem.Reason);
    }
    return message + QStringLiteral("\nEverything else in the file is applied.");
}

void WriteConfigValues(const ConfigValues& values, IniFile& ini) {
    for (const Key& key : kKeys) {
        if (key.referencePoint && !values.SaveScalaKoord) {
            continue;
        }
        ini.SetValue(QString::fromLatin1(key.section), QString::fromLatin1(key.name),
                     KeyText(key, values));
    }
}

IniFile WriteConfigValues(const ConfigValues& values) {
    IniFile ini;
    WriteConfigValues(values, ini);
    return ini;
}

} // namespace lineora
