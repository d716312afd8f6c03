#include "common/NumberText.h"

#include "common/Errors.h"
#include "common/Host.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace lineora {

namespace {

QChar decimalChar = QLatin1Char('.');

// ---------------------------------------------------------------------------------------------
// The exact value as 18 significant digits.

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

// Finite values only.
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

// Keeps `keep` significant digits, half away from zero; keep <= 0 leaves zero or a carried 1.
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

// ---------------------------------------------------------------------------------------------
// Writing.

// Enough for the longest form: sign, 18 integer digits, separator, 18 decimals.
// char8_t rather than char: stores to it cannot alias `length`, which keeps the writers tight.
struct TextBuffer {
    std::array<char8_t, 64> chars;
    int length = 0;
    int separatorAt = -1; // written as '.', replaced by the real separator at the end

    void Put(char c) { chars[length++] = static_cast<char8_t>(c); }
    void PutSeparator() {
        separatorAt = length;
        Put('.');
    }
    void PutText(const char* text) {
        while (*text != '\0') {
            Put(*text++);
        }
    }
};

bool WriteNonFinite(TextBuffer& out, Extended value) {
    if (std::isnan(value)) {
        out.PutText("NAN");
        return true;
    }
    if (std::isinf(value)) {
        out.PutText(value < 0 ? "-INF" : "INF");
        return true;
    }
    return false;
}

void WriteSign(TextBuffer& out, const Decimal& d) {
    if (d.negative && d.count > 0) {
        out.Put('-');
    }
}

void WriteExponent(TextBuffer& out, int exponent, bool plusSign, int minDigits) {
    if (exponent < 0) {
        out.Put('-');
    } else if (plusSign) {
        out.Put('+');
    }
    std::array<char, 8> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(exponent)).ptr;
    for (auto n = end - digits.data(); n < minDigits; ++n) {
        out.Put('0');
    }
    for (const char* p = digits.data(); p != end; ++p) {
        out.Put(*p);
    }
}

// The rounded decimal in the general form; plain while the integer digits fit maxDigits.
void WriteGeneralDecimal(TextBuffer& out, const Decimal& d, int maxDigits) {
    if (d.count == 0) {
        out.Put('0');
        return;
    }
    WriteSign(out, d);
    if (d.exponent < -5 || d.exponent >= maxDigits) {
        out.Put(d.digits[0]);
        if (d.count > 1) {
            out.PutSeparator();
            for (int i = 1; i < d.count; ++i) {
                out.Put(d.digits[i]);
            }
        }
        out.Put('E');
        WriteExponent(out, d.exponent, false, 1);
        return;
    }
    if (d.exponent >= 0) {
        for (int i = 0; i <= d.exponent; ++i) {
            out.Put(DigitAt(d, i));
        }
        if (d.count > d.exponent + 1) {
            out.PutSeparator();
            for (int i = d.exponent + 1; i < d.count; ++i) {
                out.Put(d.digits[i]);
            }
        }
        return;
    }
    out.Put('0');
    out.PutSeparator();
    for (int i = d.exponent + 1; i < 0; ++i) {
        out.Put('0');
    }
    for (int i = 0; i < d.count; ++i) {
        out.Put(d.digits[i]);
    }
}

void WriteGeneral(TextBuffer& out, Extended value) {
    if (WriteNonFinite(out, value)) {
        return;
    }
    Decimal d = ToDecimal(value);
    RoundDecimal(d, kGeneralDigits);
    WriteGeneralDecimal(out, d, kGeneralDigits);
}

void WriteFixed(TextBuffer& out, Extended value, int decimals) {
    if (WriteNonFinite(out, value)) {
        return;
    }
    decimals = std::clamp(decimals, 0, kExactDigits);
    Decimal d = ToDecimal(value);
    if (d.count > 0) {
        RoundDecimal(d, d.exponent + 1 + decimals);
    }
    if (d.count > 0 && d.exponent >= kExactDigits) {
        WriteGeneralDecimal(out, d, kExactDigits);
        return;
    }
    WriteSign(out, d);
    // The digit of place p (worth 10^p) is digits[exponent - p].
    const int highest = d.count > 0 ? std::max(d.exponent, 0) : 0;
    for (int place = highest; place >= 0; --place) {
        out.Put(d.count > 0 ? DigitAt(d, d.exponent - place) : '0');
    }
    if (decimals > 0) {
        out.PutSeparator();
        for (int place = -1; place >= -decimals; --place) {
            out.Put(d.count > 0 ? DigitAt(d, d.exponent - place) : '0');
        }
    }
}

void WriteScientific(TextBuffer& out, Extended value, int precision) {
    if (WriteNonFinite(out, value)) {
        return;
    }
    precision = std::clamp(precision, 1, kExactDigits);
    Decimal d = ToDecimal(value);
    RoundDecimal(d, precision);
    if (d.count == 0) {
        d.exponent = 0;
    }
    WriteSign(out, d);
    out.Put(DigitAt(d, 0));
    if (precision > 1) {
        out.PutSeparator();
        for (int i = 1; i < precision; ++i) {
            out.Put(DigitAt(d, i));
        }
    }
    out.Put('E');
    WriteExponent(out, d.exponent, true, 3);
}

// Writes the buffer right-aligned in `width` at `target`, which has room for it.
void CopyPadded(const TextBuffer& text, QChar separator, int width, QChar* target) {
    const int padding = std::max(width - text.length, 0);
    std::fill(target, target + padding, QLatin1Char(' '));
    QChar* body = target + padding;
    for (int i = 0; i < text.length; ++i) {
        body[i] = QChar(static_cast<char16_t>(text.chars[i]));
    }
    if (text.separatorAt >= 0) {
        body[text.separatorAt] = separator;
    }
}

QString ToQString(const TextBuffer& text, QChar separator, int width) {
    QString result(std::max(width, text.length), Qt::Uninitialized);
    CopyPadded(text, separator, width, result.data());
    return result;
}

void AppendPadded(QString& target, const TextBuffer& text, QChar separator, int width) {
    const auto start = target.size();
    target.resize(start + std::max(width, text.length));
    CopyPadded(text, separator, width, target.data() + start);
}

// ---------------------------------------------------------------------------------------------
// Patterns.

[[noreturn]] void ThrowBadPattern(const QString& pattern) {
    throw FormatError(QStringLiteral("Format \"%1\" is invalid").arg(pattern));
}

constexpr int kMaxPatternNumber = 999;

// Reads digits at `pos`; -1 when there are none.
int ReadPatternNumber(const QString& pattern, qsizetype& pos) {
    int number = -1;
    while (pos < pattern.size() && pattern[pos].isDigit()) {
        number = std::max(number, 0) * 10 + pattern[pos].digitValue();
        if (number > kMaxPatternNumber) {
            ThrowBadPattern(pattern);
        }
        ++pos;
    }
    return number;
}

// ---------------------------------------------------------------------------------------------
// Parsing.

[[noreturn]] void ThrowNotANumber(const QString& text) {
    throw FormatError(QStringLiteral("\"%1\" is not a valid number").arg(text));
}

// Checks the grammar and copies the number in the form std::from_chars reads: no blanks, no
// '+', '.' as separator. Also finds the decimal exponent to tell overflow from underflow.
struct CleanNumber {
    std::string chars;
    bool negative = false;
    long long magnitude = 0; // decimal exponent of the leading nonzero digit
};

class NumberReader {
public:
    NumberReader(const QString& text, QChar separator) : text_(text), separator_(separator) {
        end_ = text.size();
        while (pos_ < end_ && text[pos_].isSpace()) {
            ++pos_;
        }
        while (end_ > pos_ && text[end_ - 1].isSpace()) {
            --end_;
        }
        clean_.chars.reserve(static_cast<std::size_t>(end_ - pos_) + 1);
    }

    CleanNumber Read() {
        clean_.negative = ReadSign() == '-';
        clean_.chars.push_back('0'); // so that ".5" reads
        clean_.magnitude = ReadMantissa();
        if (pos_ < end_ && (text_[pos_] == QLatin1Char('e') || text_[pos_] == QLatin1Char('E'))) {
            ++pos_;
            clean_.magnitude += ReadExponent();
        }
        if (pos_ != end_) {
            ThrowNotANumber(text_);
        }
        return std::move(clean_);
    }

private:
    static bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

    // '+', '-' or 0 when there is no sign.
    char ReadSign() {
        if (pos_ < end_ && (text_[pos_] == QLatin1Char('+') || text_[pos_] == QLatin1Char('-'))) {
            return static_cast<char>(text_[pos_++].unicode());
        }
        return 0;
    }

    // The decimal exponent of the leading nonzero digit.
    long long ReadMantissa() {
        int digits = 0;
        bool seenSeparator = false;
        bool seenNonzero = false;
        long long leading = 0;
        for (; pos_ < end_; ++pos_) {
            const QChar c = text_[pos_];
            if (IsDigit(c)) {
                ++digits;
                if (seenNonzero) {
                    leading += seenSeparator ? 0 : 1;
                } else if (seenSeparator) {
                    --leading; // a zero after the separator, or the first nonzero digit there
                }
                seenNonzero = seenNonzero || c != QLatin1Char('0');
                clean_.chars.push_back(static_cast<char>(c.unicode()));
            } else if (c == separator_ && !seenSeparator) {
                seenSeparator = true;
                clean_.chars.push_back('.');
            } else {
                break;
            }
        }
        if (digits == 0) {
            ThrowNotANumber(text_);
        }
        return leading;
    }

    // After the 'e': the signed exponent, saturated far beyond the extended range.
    long long ReadExponent() {
        clean_.chars.push_back('e');
        const char sign = ReadSign();
        if (sign != 0) {
            clean_.chars.push_back(sign);
        }
        long long exponent = 0;
        int digits = 0;
        for (; pos_ < end_ && IsDigit(text_[pos_]); ++pos_, ++digits) {
            exponent = std::min(exponent * 10 + text_[pos_].digitValue(), 1'000'000'000LL);
            clean_.chars.push_back(static_cast<char>(text_[pos_].unicode()));
        }
        if (digits == 0) {
            ThrowNotANumber(text_);
        }
        return sign == '-' ? -exponent : exponent;
    }

    const QString& text_;
    QChar separator_;
    qsizetype pos_ = 0;
    qsizetype end_ = 0;
    CleanNumber clean_;
};

} // namespace

QChar DecimalChar() {
    return decimalChar;
}

void SetDecimalChar(QChar separator) {
    decimalChar = separator;
}

void ReadSystemDecimalChar(Host& host) {
    const QChar system = host.SystemDecimalSeparator();
    SetDecimalChar(system.isNull() ? QLatin1Char('.') : system);
}

QString FormatGeneral(Extended value, QChar separator) {
    TextBuffer text;
    WriteGeneral(text, value);
    return ToQString(text, separator, 0);
}

QString FormatFixed(Extended value, int width, int decimals, QChar separator) {
    TextBuffer text;
    WriteFixed(text, value, decimals);
    return ToQString(text, separator, width);
}

QString FormatScientific(Extended value, int width, int precision, QChar separator) {
    TextBuffer text;
    WriteScientific(text, value, precision);
    return ToQString(text, separator, width);
}

QString FormatExport(Extended value, NumberFormat format, QChar separator) {
    return format == NumberFormat::Standard ? FormatFixed(value, 8, 4, separator)
                                            : FormatScientific(value, 15, 4, separator);
}

QString FormatPattern(const QString& pattern, std::initializer_list<Extended> values,
                      QChar separator) {
    QString result;
    result.reserve(pattern.size() + 16 * static_cast<qsizetype>(values.size()));
    const Extended* nextValue = values.begin();
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const qsizetype percent = pattern.indexOf(QLatin1Char('%'), pos);
        if (percent < 0) {
            result += QStringView(pattern).sliced(pos);
            break;
        }
        result += QStringView(pattern).sliced(pos, percent - pos);
        pos = percent + 1;
        if (pos < pattern.size() && pattern[pos] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            ++pos;
            continue;
        }
        const int width = std::max(ReadPatternNumber(pattern, pos), 0);
        int precision = -1;
        if (pos < pattern.size() && pattern[pos] == QLatin1Char('.')) {
            ++pos;
            precision = ReadPatternNumber(pattern, pos);
            if (precision < 0) {
                ThrowBadPattern(pattern);
            }
        }
        if (pos >= pattern.size()) {
            ThrowBadPattern(pattern);
        }
        const char16_t kind = pattern[pos].toLower().unicode();
        ++pos;
        if (kind != u'f' && kind != u'e') {
            ThrowBadPattern(pattern);
        }
        if (nextValue == values.end()) {
            throw FormatError(
                QStringLiteral("Format \"%1\" has more numbers than values").arg(pattern));
        }
        TextBuffer text;
        if (kind == u'f') {
            WriteFixed(text, *nextValue++, precision < 0 ? 2 : precision);
        } else {
            WriteScientific(text, *nextValue++, precision < 0 ? kGeneralDigits : precision);
        }
        AppendPadded(result, text, separator, width);
    }
    return result;
}

QString PadLeft(qint64 value, int width, QChar fill) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto length = static_cast<int>(end - digits.data());
    const int padding = std::max(width - length, 0);
    QString result(length + padding, Qt::Uninitialized);
    QChar* out = result.data();
    const char* in = digits.data();
    if (value < 0 && fill == QLatin1Char('0')) {
        *out++ = QLatin1Char(*in++);
    }
    std::fill(out, out + padding, fill);
    out += padding;
    for (; in != end; ++in) {
        *out++ = QLatin1Char(*in);
    }
    return result;
}

Extended ParseNumber(const QString& text, QChar separator) {
    const CleanNumber clean = NumberReader(text, separator).Read();
    Extended value = 0;
    const char* first = clean.chars.data();
    const char* last = first + clean.chars.size();
    const auto [ptr, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (clean.magnitude > 0) {
            throw FormatError(QStringLiteral("\"%1\" is out of the range of numbers").arg(text));
        }
        value = 0;
    } else if (error != std::errc() || ptr != last) {
        ThrowNotANumber(text);
    }
    return clean.negative ? -value : value;
}

QString AdaptDecimalSeparator(const QString& text) {
    const bool commaSystem = DecimalChar() == QLatin1Char(',');
    const QChar from = commaSystem ? QLatin1Char('.') : QLatin1Char(',');
    const QChar to = commaSystem ? QLatin1Char(',') : QLatin1Char('.');
    QString result = text;
    const qsizetype at = result.indexOf(from);
    if (at >= 0) {
        result[at] = to;
    }
    return result;
}

QString DotDecimal(const QString& text) {
    QString result = text;
    const qsizetype at = result.indexOf(QLatin1Char(','));
    if (at >= 0) {
        result[at] = QLatin1Char('.');
    }
    return result;
}

} // namespace lineora
