#pragma once

#include "core/common/Settings.h"
#include "core/common/Types.h"

#include <QChar>
#include <QString>

#include <initializer_list>

namespace lineora {

class Host;

// Every number the program shows or writes passes through here, so that all texts agree on
// digits, rounding and separator. Digits come from the exact value rounded to 18 significant
// digits first and then, half away from zero, to the digits the form asks for; that double
// rounding is deliberate, it is how the texts users already have were produced.
// NaN and infinity read "NAN", "INF" and "-INF". A value that rounds to zero has no sign.

// The system's decimal separator, read once at start; '.' until then.
QChar DecimalChar();
void SetDecimalChar(QChar separator);
void ReadSystemDecimalChar(Host& host);

// Shortest form with at most 15 significant digits: plain from 0.00001 up to 15 integer
// digits ("0.00001", "123.25"), scientific outside ("9E-6", "1.5E20", "-2.5E15").
QString FormatGeneral(Extended value, QChar separator = DecimalChar());

// "%W.Df": exactly `decimals` digits after the separator (at most 18), left-padded with spaces
// to `width`. A value with more than 18 integer digits falls back to the scientific general
// form with up to 18 digits, since fixed digits beyond the 18th would be invented.
QString FormatFixed(Extended value, int width, int decimals, QChar separator = DecimalChar());

// "%W.Pe": `precision` significant digits in all (1 to 18), "E", the exponent's sign and at
// least three exponent digits, left-padded with spaces to `width` ("1.235E+003").
QString FormatScientific(Extended value, int width, int precision, QChar separator = DecimalChar());

// The export's two forms: Standard is "%8.4f", Scientific "%15.4e".
QString FormatExport(Extended value, NumberFormat format, QChar separator = DecimalChar());

// Literal text with %[W][.P]f and %[W][.P]e taking `values` in order; "%%" is a percent sign.
// Without a precision %f has 2 decimals and %e 15 digits. Throws FormatError on any other
// specifier or when the values run out; values left over are ignored.
QString FormatPattern(const QString& pattern, std::initializer_list<Extended> values,
                      QChar separator = DecimalChar());

// Decimal integer padded on the left to `width`; a longer number is never cut. With the fill
// '0' the zeros go after a minus sign ("-042"), any other fill goes before it.
QString PadLeft(qint64 value, int width, QChar fill = QLatin1Char('0'));

// Blanks around, an optional sign, digits with at most one `separator`, an optional exponent
// [eE][+-]digits; at least one mantissa digit. Throws FormatError naming the text for anything
// else and for a value beyond the extended range; a value too small for it reads as zero.
Extended ParseNumber(const QString& text, QChar separator = DecimalChar());

// The first "," becomes "." unless DecimalChar() is ",", in which case the first "." becomes
// ",". Stored numbers keep the separator they were typed with; this makes them readable here.
QString AdaptDecimalSeparator(const QString& text);

// The first "," becomes ".", for files whose readers expect a point whatever the system uses.
QString DotDecimal(const QString& text);

} // namespace lineora
