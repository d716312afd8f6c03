#include "core/common/NumericKeyFilter.h"

namespace lineora {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

bool HoldsSeparator(const QString& text) {
    return text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(','));
}

} // namespace

NumericKey FilterNumericKey(const QString& remainingText, QChar typed, MinusRule minus,
                            QChar separator) {
    using Verdict = NumericKey::Verdict;
    const char16_t c = typed.unicode();
    if (c == kEnter) {
        return {Verdict::Enter, typed};
    }
    if (c == kBackspace) {
        return {Verdict::Erase, typed};
    }
    if (c >= u'0' && c <= u'9') {
        return {Verdict::Insert, typed};
    }
    if (c == u'.' || c == u',') {
        // A text that already holds either separator cannot take a second one: the field could
        // never become a number again.
        if (HoldsSeparator(remainingText)) {
            return {Verdict::Refuse, typed};
        }
        return {Verdict::Insert, separator};
    }
    if (c == u'-') {
        const bool allowed = minus == MinusRule::Anywhere ||
                             (minus == MinusRule::WhileEmpty && remainingText.isEmpty());
        return {allowed ? Verdict::Insert : Verdict::Refuse, typed};
    }
    return {Verdict::Refuse, typed};
}

} // namespace lineora
