#include "core/common/NumericKeyFilter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lineora {
namespace {

using Verdict = NumericKey::Verdict;

struct KeyCase {
    const char* text; // the field's text without the selection being replaced
    char16_t typed;
    char separator;
    MinusRule minus;
    Verdict verdict;
    char16_t inserted; // what goes into the field when the verdict is Insert
};

std::ostream& operator<<(std::ostream& os, const KeyCase& c) {
    return os << "'" << c.text << "' + " << static_cast<int>(c.typed) << " sep '" << c.separator
              << "'";
}

class NumericKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeys, TypeOnlyWhatCanBecomeANumber) {
    const KeyCase& c = GetParam();
    const NumericKey key = FilterNumericKey(QString::fromLatin1(c.text), QChar(c.typed), c.minus,
                                            QLatin1Char(c.separator));
    EXPECT_EQ(key.verdict, c.verdict);
    if (c.verdict == Verdict::Insert) {
        EXPECT_EQ(key.character, QChar(c.inserted));
    }
}

constexpr auto kEmpty = MinusRule::WhileEmpty;

INSTANTIATE_TEST_SUITE_P(
    Keys, NumericKeys,
    ::testing::Values(
        // Either key types the system's separator, on both kinds of system.
        KeyCase{"1", u',', '.', kEmpty, Verdict::Insert, u'.'},
        KeyCase{"", u'.', ',', kEmpty, Verdict::Insert, u','},
        // A second separator is refused, whichever key and whichever one the text holds.
        KeyCase{"1,5", u'.', ',', kEmpty, Verdict::Refuse, 0},
        KeyCase{"1.5", u',', ',', kEmpty, Verdict::Refuse, 0},
        KeyCase{"", u'-', '.', kEmpty, Verdict::Insert, u'-'},
        KeyCase{"5", u'-', '.', kEmpty, Verdict::Refuse, 0},
        KeyCase{"", u'-', '.', MinusRule::Refused, Verdict::Refuse, 0},
        KeyCase{"5", u'-', '.', MinusRule::Anywhere, Verdict::Insert, u'-'},
        KeyCase{"12", u'9', '.', kEmpty, Verdict::Insert, u'9'},
        KeyCase{"12", u'0', '.', kEmpty, Verdict::Insert, u'0'},
        KeyCase{"12", 8, '.', kEmpty, Verdict::Erase, 0},
        KeyCase{"12", 13, '.', kEmpty, Verdict::Enter, 0},
        KeyCase{"12", u'/', '.', kEmpty, Verdict::Refuse, 0},      // just below '0'
        KeyCase{"12", u'\u0661', '.', kEmpty, Verdict::Refuse, 0}, // Arabic 1
        KeyCase{"12", 22, '.', kEmpty, Verdict::Refuse, 0}));      // Ctrl+V

} // namespace
} // namespace lineora
