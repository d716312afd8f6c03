#pragma once

#include "core/common/Types.h"

#include <array>
#include <cstdint>

namespace lineora {

// The exact value of a number as 18 significant decimal digits, the step every number text
// starts from; the forms then round these digits half away from zero.

constexpr int kExactDigits = 18;
constexpr int kGeneralDigits = 15;
constexpr std::uint64_t kLowest18 = 100'000'000'000'000'000ULL;  // 10^17
constexpr std::uint64_t kAbove18 = 1'000'000'000'000'000'000ULL; // 10^18

// |value| = digits[0].digits[1]... x 10^exponent; count 0 means zero. Trailing zeros are never
// counted, so every form can stop writing digits at count.
struct Decimal {
    bool negative = false;
    int exponent = 0;
    int count = 0;
    std::array<char, kExactDigits> digits{};
};

// Finite values only.
Decimal ToDecimal(Extended value);

// Keeps `keep` significant digits, half away from zero; keep <= 0 leaves zero or a carried 1.
void RoundDecimal(Decimal& d, int keep);

// Digit `index` (0 is the first significant one), '0' beyond the stored digits.
char DigitAt(const Decimal& d, int index);

} // namespace lineora
