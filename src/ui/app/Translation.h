#pragma once

#include "core/commands/State.h"
#include "core/common/IniFile.h"

#include <QList>
#include <QString>
#include <QWidget>

namespace lineora {

// Rewrites a window's caption and its controls' captions, hints, memo lines and list items
// from the window's section of a language file, addressing controls by their names. Empty
// values leave captions, hints and items as they are; a memo line key that is present
// replaces its line even when empty.
void TranslateForm(QWidget& window, const IniFile& languageFile);

// Opens the language file the setup chose, translates every window in `windows` (in that
// order) and takes its messages. Without the file nothing changes. The help page follows the
// choice either way.
void ApplyLanguage(State& state, const QString& appDir, const QList<QWidget*>& windows);

} // namespace lineora
