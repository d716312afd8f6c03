#include "core/config/Language.h"

#include <QDir>
#include <QFileInfo>

namespace lineora {

std::optional<LanguageChoice> ChosenLanguage(const Settings& settings) {
    // Both checked can only come from a hand-edited configuration; English is read last there.
    if (settings.LanguageEnglish) {
        return LanguageChoice{QStringLiteral("English.ini"), QStringLiteral("lineora2_e.html")};
    }
    if (settings.LanguageRussian) {
        return LanguageChoice{QStringLiteral("Russian.ini"), QStringLiteral("lineora2_r.html")};
    }
    return std::nullopt;
}

std::optional<IniFile> OpenLanguageFile(const QString& appDir, const QString& fileName) {
    const QString path = QDir(appDir).filePath(fileName);
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    return IniFile::Load(path);
}

} // namespace lineora
