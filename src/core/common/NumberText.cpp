#include "core/common/NumberText.h"

#include "core/common/BriefQuote.h"
#include "core/common/DecimalDigits.h"
#include "core/common/Errors.h"
#include "core/common/Host.h"

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
    throw FormatError(QStringLiteral("\"%1\" is not a valid number").arg(BriefQuote(text)));
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
            throw FormatError(
                QStringLiteral("\"%1\" is out of the range of numbers").arg(BriefQuote(text)));
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
