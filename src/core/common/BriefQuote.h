#pragma once

#include <QString>
#include <QStringView>

namespace lineora {

// A message quotes at most this many characters of a text read from a file.
inline constexpr qsizetype kBriefQuoteLength = 40;

// A text from a file as a message may quote it: its first kBriefQuoteLength characters, each
// control character written as \xNN (so a NUL neither ends the message nor a line break
// splits it), and "..." where it is cut. The caller adds the quotation marks.
QString BriefQuote(QStringView text);

} // namespace lineora
