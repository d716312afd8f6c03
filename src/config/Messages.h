#pragma once

#include <QHash>
#include <QString>

namespace lineora {

// The texts of the chosen language file's "Misc" section, by key ("msgMessaga7").
struct MessageCatalog {
    QHash<QString, QString> Texts;
};

// The text of a message key, with every "*|*" turned into a line break. A key the language
// file lacks comes back as the key itself, so a gap in a translation is visible rather than
// an empty box.
QString LoadMessage(const MessageCatalog& catalog, const QString& key);

} // namespace lineora
