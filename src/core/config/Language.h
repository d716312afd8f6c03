#pragma once

#include "core/common/IniFile.h"
#include "core/common/Settings.h"

#include <QString>

#include <optional>

namespace lineora {

// The language file and help page the language buttons choose.
struct LanguageChoice {
    QString LanguageFileName; // "Russian.ini" or "English.ini"
    QString HelpFileName;     // the help page shown by the Help menu
};

// Nothing when neither language button is on: the language then stays as it was.
std::optional<LanguageChoice> ChosenLanguage(const Settings& settings);

// The language file beside the program, or nothing when it does not exist. A file that exists
// but cannot be read throws FileError.
std::optional<IniFile> OpenLanguageFile(const QString& appDir, const QString& fileName);

} // namespace lineora
