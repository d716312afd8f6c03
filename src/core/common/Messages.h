#pragma once

#include <QHash>
#include <QString>

namespace lineora {

class IniFile;

// The texts of the messages, by key (MsgKey in MessageKeys.h). They start as built-in English texts
// and take the "Misc" section of each language file applied; a key the file lacks keeps the text it
// had, so no box ever comes up empty.
struct MessageCatalog {
    MessageCatalog();
    QHash<QString, QString> Texts;
};

// The text of a message key, with every "*|*" turned into a line break.
QString LoadMessage(const MessageCatalog& catalog, const QString& key);

// Takes the message texts of a language file's "Misc" section.
void ApplyMessages(const IniFile& languageFile, MessageCatalog& catalog);

} // namespace lineora
