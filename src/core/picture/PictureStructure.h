#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace lineora {

// A part of a PNG file other than pixels (text, colour profile, ...) larger than this is
// refused: real files keep such parts to kilobytes, and the decoder would hold it whole.
inline constexpr qint64 kMaxPngSideBlockBytes = qint64{16} << 20;

// Walks the blocks of a picture file of the given format ("bmp", "gif", "jpeg", "png") from the
// start of `file` without decoding it, and says why it cannot be decoded whole: cut short
// before the data its header announces, or a block declaring more bytes than the file holds
// or than the program reads. An empty text when nothing is wrong, and for other formats: the
// decoders of those say themselves when they run out of data.
QString FindPictureStructureDamage(QIODevice& file, const QByteArray& format);

} // namespace lineora
