#include "config/Messages.h"

namespace lineora {

QString LoadMessage(const MessageCatalog& catalog, const QString& key) {
    const auto found = catalog.Texts.constFind(key);
    if (found == catalog.Texts.constEnd()) {
        return key;
    }
    QString text = found.value();
    text.replace(QStringLiteral("*|*"), QStringLiteral("\n"));
    return text;
}

} // namespace lineora
