#include "core/common/DecimalDigits.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace lineora {

namespace {

__extension__ typedef unsigned __int128 UInt128;

constexpr int kMaxPowerOfFive = 55; // 5^55 < 2^128
constexpr int kMaxPowerOfTen = 38;  // 10^38 < 2^128

constexpr auto kPowersOfFive = [] {
    std::array<UInt128, kMaxPowerOfFive + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kMaxPowerOfFive; ++i) {
        powers[i] = powers[i - 1] * 5;
    }
    return powers;
}();

constexpr auto kPowersOfTen = [] {
    std::array<UInt128, kMaxPowerOfTen + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kMaxPowerOfTen; ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// A 192-bit product, least significant word first.
struct Wide {
    std::array<std::uint64_t, 4> words{}; // the fourth word stays zero to ease shifting

    bool Bit(int index) const { return ((words[index / 64] >> (index % 64)) & 1U) != 0; }

    bool AnyBitBelow(int index) const {
        for (int w = 0; w < index / 64; ++w) {
            if (words[w] != 0) {
                return true;
            }
        }
        const int bits = index % 64;
        return bits != 0 && (words[index / 64] & ((std::uint64_t{1} << bits) - 1)) != 0;
    }

    // Bits [shift, shift + 64), which the caller knows hold the whole quotient.
    std::uint64_t ShiftedRight(int shift) const {
        const int word = shift / 64;
        const int bits = shift % 64;
        if (bits == 0) {
            return words[word];
        }
        return (words[word] >> bits) | (words[word + 1] << (64 - bits));
    }
};

Wide Multiply(std::uint64_t a, UInt128 b) {
    const UInt128 low = UInt128{a} * static_cast<std::uint64_t>(b);
    const UInt128 high = UInt128{a} * static_cast<std::uint64_t>(b >> 64) + (low >> 64);
    Wide product;
    product.words[0] = static_cast<std::uint64_t>(low);
    product.words[1] = static_cast<std::uint64_t>(high);
    product.words[2] = static_cast<std::uint64_t>(high >> 64);
    return product;
}

// A scaled value cut to an integer, with what was cut: whether it reached one half, and
// whether anything lay beyond that half bit.
struct Scaled {
    std::uint64_t whole = 0;
    bool half = false;
    bool sticky = false;

    // Ties to even, as std::to_chars rounds, so both conversion paths give the same digits.
    std::uint64_t Rounded() const {
        return whole + ((half && (sticky || (whole & 1U) != 0)) ? 1 : 0);
    }

    Scaled DividedByTen() const {
        const auto digit = static_cast<unsigned>(whole % 10);
        const bool fraction = half || sticky;
        const bool newHalf = digit >= 5;
        return {whole / 10, newHalf, newHalf ? (digit > 5 || fraction) : (digit > 0 || fraction)};
    }
};

// mantissa x 2^binary x 10^scale for scale >= 0; the caller has chosen scale so that the
// result lies below 2^64.
Scaled ScaledUp(std::uint64_t mantissa, int binary, int scale) {
    // 10^scale = 5^scale x 2^scale, and the result being below 2^64 keeps the shift right.
    const Wide product = Multiply(mantissa, kPowersOfFive[scale]);
    const int shift = -(binary + scale);
    if (shift == 0) {
        return {product.words[0], false, false};
    }
    return {product.ShiftedRight(shift), product.Bit(shift - 1), product.AnyBitBelow(shift - 1)};
}

// mantissa x 2^binary / 10^tens.
Scaled ScaledDown(std::uint64_t mantissa, int binary, int tens) {
    const UInt128 numerator = binary >= 0 ? UInt128{mantissa} << binary : UInt128{mantissa};
    const UInt128 denominator = binary >= 0 ? kPowersOfTen[tens] : kPowersOfTen[tens] << -binary;
    const UInt128 twiceRemainder = (numerator % denominator) * 2;
    const bool half = twiceRemainder >= denominator;
    return {static_cast<std::uint64_t>(numerator / denominator), half,
            twiceRemainder != (half ? denominator : 0)};
}

constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Nine digits of `part` into target[0..8], two at a time to halve the chain of divisions.
void PutNineDigits(std::uint32_t part, char* target) {
    target[8] = static_cast<char>('0' + part % 10);
    part /= 10;
    for (int i = 6; i >= 0; i -= 2) {
        const std::uint32_t pair = part % 100;
        part /= 100;
        target[i] = kDigitPairs[2 * pair];
        target[i + 1] = kDigitPairs[2 * pair + 1];
    }
}

void PutDigits(std::uint64_t significand, int exponent, Decimal& d) {
    constexpr std::uint64_t kBillion = 1'000'000'000;
    d.exponent = exponent;
    PutNineDigits(static_cast<std::uint32_t>(significand / kBillion), d.digits.data());
    PutNineDigits(static_cast<std::uint32_t>(significand % kBillion), d.digits.data() + 9);
    d.count = kExactDigits;
}

// The 64-bit mantissa and the exponent of `magnitude` = mantissa x 2^binary, mantissa with its
// top bit set; false where the layout is not x87 extended or the value is not normal.
bool SplitExtended(Extended magnitude, std::uint64_t& mantissa, int& binary) {
    if constexpr (std::numeric_limits<Extended>::digits != 64 ||
                  std::endian::native != std::endian::little) {
        return false;
    } else {
        std::array<unsigned char, sizeof(Extended)> bytes{};
        std::memcpy(bytes.data(), &magnitude, sizeof(Extended));
        std::memcpy(&mantissa, bytes.data(), sizeof mantissa);
        const int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
        binary = biased - 16383 - 63;
        return biased != 0 && (mantissa >> 63) != 0;
    }
}

// Integer arithmetic on the 64-bit mantissa of an x87 extended value: exact, and many times
// faster than the general conversion. Covers roughly 1e-35 to 1e38, which holds every chart
// value met in practice; false sends the caller to the general path.
bool ExactDigitsFast(Extended magnitude, Decimal& d) {
    std::uint64_t mantissa = 0;
    int binary = 0;
    if (!SplitExtended(magnitude, mantissa, binary)) {
        return false;
    }
    // magnitude lies in [2^(binaryExponent - 1), 2^binaryExponent).
    const int binaryExponent = binary + 64;
    if (binaryExponent < -115 || binaryExponent > 127) {
        return false;
    }
    // floor(log10 of 2^(binaryExponent - 1)): the leading decimal digit sits at this place or
    // one higher, so the value scaled for it has 18 or 19 digits.
    int place = ((binaryExponent - 1) * 78913) >> 18;
    const int scale = kExactDigits - 1 - place;
    Scaled scaled =
        scale >= 0 ? ScaledUp(mantissa, binary, scale) : ScaledDown(mantissa, binary, -scale);
    if (scaled.whole >= kAbove18) {
        scaled = scaled.DividedByTen();
        ++place;
    }
    const std::uint64_t rounded = scaled.Rounded();
    if (rounded == kAbove18) {
        PutDigits(kLowest18, place + 1, d);
    } else {
        PutDigits(rounded, place, d);
    }
    return true;
}

void ExactDigitsGeneral(Extended magnitude, Decimal& d) {
    // "d.ddddddddddddddddde+XXXX"
    std::array<char, 48> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific, kExactDigits - 1);
    const char* exponentStart = text.data() + kExactDigits + 2;
    int exponent = 0;
    std::from_chars(exponentStart + (*exponentStart == '+' ? 1 : 0), result.ptr, exponent);
    d.digits[0] = text[0];
    std::memcpy(d.digits.data() + 1, text.data() + 2, kExactDigits - 1);
    d.exponent = exponent;
    d.count = kExactDigits;
}

void DropTrailingZeros(Decimal& d) {
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
}

} // namespace

Decimal ToDecimal(Extended value) {
    Decimal d;
    d.negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);
    if (magnitude == 0) {
        return d;
    }
    if (!ExactDigitsFast(magnitude, d)) {
        ExactDigitsGeneral(magnitude, d);
    }
    DropTrailingZeros(d);
    return d;
}

void RoundDecimal(Decimal& d, int keep) {
    if (keep >= d.count) {
        return;
    }
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up) {
        DropTrailingZeros(d);
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') {
        --i;
    }
    if (i < 0) {
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
        return;
    }
    ++d.digits[i];
    d.count = i + 1;
}

char DigitAt(const Decimal& d, int index) {
    return index >= 0 && index < d.count ? d.digits[index] : '0';
}

} // namespace lineora
