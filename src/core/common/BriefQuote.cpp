#include "core/common/BriefQuote.h"

#include <algorithm>

namespace lineora {

QString BriefQuote(QStringView text) {
    QString quote;
    qsizetype shown = std::min(text.size(), kBriefQuoteLength);
    if (shown < text.size() && shown > 0 && text[shown - 1].isHighSurrogate()) {
        --shown; // a character outside the basic plane is kept whole or not at all
    }
    for (qsizetype i = 0; i < shown; ++i) {
        const QChar ch = text[i];
        if (ch.isPrint() || ch.isSurrogate()) {
            quote += ch;
        } else if (ch.unicode() < 0x100) {
            quote += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            quote += QLatin1Char('?');
        }
    }
    if (text.size() > shown) {
        quote += QStringLiteral("...");
    }
    return quote;
}

} // namespace lineora
