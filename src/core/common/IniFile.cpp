#include "core/common/IniFile.h"

#include "core/common/Errors.h"
#include "core/common/FileReading.h"

#include <QStringDecoder>
#include <QStringList>

// Used header-only (SI_IMPLEMENTATION). Values are UTF-8 passed through as bytes, so no
// conversion layer is needed; section and key names, which are ASCII, compare without case.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <list>
#include <string>

namespace lineora {

namespace {

// A value's bytes as text, a leading U+FEFF kept: QString::fromUtf8 drops it, and the spaces
// behind it would then start the value and be lost when it is written and read again.
QString FromIniText(const char* text) {
    // Stateless: a broken sequence at the end becomes U+FFFD rather than waiting for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(text));
}

} // namespace

struct IniFile::Data {
    // "key=value" with nothing around the "=", as the Windows INI services write it.
    Data() { ini.SetSpaces(false); }
    CSimpleIniA ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};
};

IniFile::IniFile() : data_(std::make_unique<Data>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile IniFile::Parse(const QByteArray& text) {
    IniFile file;
    if (file.data_->ini.LoadData(text.constData(), static_cast<size_t>(text.size())) < 0) {
        throw FileError("The text is not an INI file");
    }
    return file;
}

IniFile IniFile::Load(const QString& path) {
    QByteArray text;
    try {
        text = ReadRegularFile(path, kMaxIniFileBytes);
    } catch (const FileError& error) {
        throw FileError(
            QStringLiteral("Cannot read %1: %2").arg(path, QString::fromUtf8(error.what())));
    }
    try {
        return Parse(text);
    } catch (const FileError&) {
        throw FileError(QStringLiteral("%1 is not an INI file").arg(path));
    }
}

bool IniFile::Has(const QString& section, const QString& key) const {
    return data_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr) !=
           nullptr;
}

QString IniFile::Value(const QString& section, const QString& key,
                       const QString& defaultValue) const {
    const char* value =
        data_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    return value == nullptr ? defaultValue : FromIniText(value);
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    data_->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                        value.toUtf8().constData());
}

QStringList IniFile::Keys(const QString& section) const {
    CSimpleIniA::TNamesDepend keys;
    data_->ini.GetAllKeys(section.toUtf8().constData(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList names;
    for (const auto& entry : keys) {
        names << FromIniText(entry.pItem);
    }
    return names;
}

QByteArray IniFile::Serialize() const {
    std::string text;
    data_->ini.Save(text);
    return QByteArray::fromStdString(text);
}

} // namespace lineora
