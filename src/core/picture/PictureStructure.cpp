#include "core/picture/PictureStructure.h"

#include <cstdint>
#include <cstdlib>

namespace lineora {

namespace {

// Qt's decoders for these formats fill what is missing at the end of a file cut short without
// a word (GIF, run-length BMP) or say it only as a warning that still yields a picture (JPEG),
// so the check walks the file's own structure instead.

const QString kCutShort = QStringLiteral("the file is cut short");

// Reads a file front to back through a block buffer: the JPEG walk looks at every byte.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device) : device_(device) {}

    // False when the file ends first.
    bool Byte(std::uint8_t& value) {
        if (at_ == buffer_.size() && !Refill()) {
            return false;
        }
        value = static_cast<std::uint8_t>(buffer_[at_++]);
        return true;
    }

    bool BigEndian(int size, std::uint32_t& value) { return Number(size, value, true); }
    bool LittleEndian(int size, std::uint32_t& value) { return Number(size, value, false); }

    qint64 Left() const { return device_.size() - device_.pos() + (buffer_.size() - at_); }

    // False when fewer bytes are left.
    bool Skip(qint64 count) {
        if (count > Left()) {
            return false;
        }
        const qint64 buffered = buffer_.size() - at_;
        if (count <= buffered) {
            at_ += count;
            return true;
        }
        const qint64 to = device_.pos() + (count - buffered);
        buffer_.clear();
        at_ = 0;
        return device_.seek(to);
    }

private:
    bool Refill() {
        buffer_ = device_.read(qint64{64} << 10);
        at_ = 0;
        return !buffer_.isEmpty();
    }

    bool Number(int size, std::uint32_t& value, bool bigEndian) {
        value = 0;
        for (int i = 0; i < size; ++i) {
            std::uint8_t byte = 0;
            if (!Byte(byte)) {
                return false;
            }
            value = bigEndian ? (value << 8) | byte : value | (std::uint32_t{byte} << (8 * i));
        }
        return true;
    }

    QIODevice& device_;
    QByteArray buffer_;
    qint64 at_ = 0;
};

// Run-length pixels: pairs of a count and a colour, or 0 and an escape (end of row, end of
// picture, a move, or a literal run padded to a 16-bit boundary). Whole once the picture's
// end mark or its last row's end comes.
QString RunLengthBmpDamage(ByteStream& in, qint64 rows, bool fourBits) {
    qint64 row = 0;
    while (row < rows) {
        std::uint8_t count = 0, escape = 0;
        if (!in.Byte(count) || !in.Byte(escape)) {
            return kCutShort;
        }
        if (count != 0) {
            continue;
        }
        if (escape == 0) {
            ++row;
        } else if (escape == 1) {
            return {};
        } else if (escape == 2) {
            std::uint8_t dx = 0, dy = 0;
            if (!in.Byte(dx) || !in.Byte(dy)) {
                return kCutShort;
            }
            row += dy;
        } else {
            qint64 bytes = fourBits ? (escape + 1) / 2 : escape;
            bytes += bytes % 2;
            if (!in.Skip(bytes)) {
                return kCutShort;
            }
        }
    }
    return {};
}

QString BmpDamage(ByteStream& in) {
    std::uint32_t magic = 0, fileSize = 0, reserved = 0, pixelsAt = 0, infoSize = 0;
    if (!in.LittleEndian(2, magic) || magic != 0x4D42 || !in.LittleEndian(4, fileSize) ||
        !in.LittleEndian(4, reserved) || !in.LittleEndian(4, pixelsAt) ||
        !in.LittleEndian(4, infoSize)) {
        return {}; // the reader says what is wrong with it
    }
    std::uint32_t width = 0, height = 0, planes = 0, bits = 0, compression = 0;
    qint64 headerEnd = 14 + infoSize;
    if (infoSize == 12) {
        if (!in.LittleEndian(2, width) || !in.LittleEndian(2, height) ||
            !in.LittleEndian(2, planes) || !in.LittleEndian(2, bits)) {
            return {};
        }
    } else if (infoSize >= 40) {
        if (!in.LittleEndian(4, width) || !in.LittleEndian(4, height) ||
            !in.LittleEndian(2, planes) || !in.LittleEndian(2, bits) ||
            !in.LittleEndian(4, compression)) {
            return {};
        }
        width = static_cast<std::uint32_t>(std::abs(static_cast<std::int32_t>(width)));
        height = static_cast<std::uint32_t>(std::abs(static_cast<std::int32_t>(height)));
    } else {
        return {};
    }
    const qint64 read = infoSize == 12 ? 26 : 34;
    if (pixelsAt < headerEnd || !in.Skip(qint64{pixelsAt} - read)) {
        return pixelsAt < headerEnd ? QString() : kCutShort;
    }
    if (compression == 1 || compression == 2) {
        return RunLengthBmpDamage(in, height, compression == 2);
    }
    // 3 and 6 are plain rows with colour masks; other kinds (JPEG or PNG inside) Qt refuses.
    if (compression != 0 && compression != 3 && compression != 6) {
        return {};
    }
    const qint64 rowBytes = (qint64{width} * bits + 31) / 32 * 4;
    return rowBytes != 0 && in.Left() / rowBytes < qint64{height} ? kCutShort : QString();
}

QString SubBlocksDamage(ByteStream& in) {
    for (;;) {
        std::uint8_t size = 0;
        if (!in.Byte(size)) {
            return kCutShort;
        }
        if (size == 0) {
            return {};
        }
        if (!in.Skip(size)) {
            return kCutShort;
        }
    }
}

// Only the first image is read, so the file is whole enough once that image's data ends.
QString GifDamage(ByteStream& in) {
    std::uint8_t flags = 0;
    if (!in.Skip(10) || !in.Byte(flags) || !in.Skip(2)) {
        return kCutShort;
    }
    const auto colourTable = [](std::uint8_t tableFlags) {
        return (tableFlags & 0x80) != 0 ? 3 * (qint64{2} << (tableFlags & 7)) : 0;
    };
    if (!in.Skip(colourTable(flags))) {
        return kCutShort;
    }
    for (;;) {
        std::uint8_t kind = 0;
        if (!in.Byte(kind)) {
            return kCutShort;
        }
        if (kind == 0x21) { // extension: a label, then sub-blocks
            if (!in.Skip(1)) {
                return kCutShort;
            }
            if (QString damage = SubBlocksDamage(in); !damage.isEmpty()) {
                return damage;
            }
        } else if (kind == 0x2C) { // image: position, size, flags, colours, code size, data
            std::uint8_t imageFlags = 0;
            if (!in.Skip(8) || !in.Byte(imageFlags) || !in.Skip(colourTable(imageFlags) + 1)) {
                return kCutShort;
            }
            return SubBlocksDamage(in);
        } else {
            return {}; // the end mark before any image, or damage the reader reports
        }
    }
}

// Markers are 0xFF and a code; inside the compressed data 0xFF 0x00 is a data byte and the
// restart markers stand alone. Whole once the end-of-image marker comes.
QString JpegDamage(ByteStream& in) {
    std::uint8_t byte = 0;
    for (;;) {
        do {
            if (!in.Byte(byte)) {
                return kCutShort;
            }
        } while (byte != 0xFF);
        do {
            if (!in.Byte(byte)) {
                return kCutShort;
            }
        } while (byte == 0xFF);
        if (byte == 0xD9) {
            return {};
        }
        const bool standsAlone =
            byte == 0x00 || byte == 0x01 || byte == 0xD8 || (byte >= 0xD0 && byte <= 0xD7);
        std::uint32_t length = 0;
        if (!standsAlone && (!in.BigEndian(2, length) || length < 2 || !in.Skip(length - 2))) {
            return kCutShort;
        }
    }
}

QString PngDamage(ByteStream& in) {
    if (!in.Skip(8)) {
        return kCutShort;
    }
    for (;;) {
        std::uint32_t length = 0, type = 0;
        if (!in.BigEndian(4, length) || !in.BigEndian(4, type)) {
            return kCutShort;
        }
        constexpr std::uint32_t kPixels = 0x49444154; // "IDAT"
        constexpr std::uint32_t kEnd = 0x49454E44;    // "IEND"
        if (type == kEnd) {
            return {};
        }
        // Before the file's length: libpng takes the block's memory before reading it.
        if (type != kPixels && length > kMaxPngSideBlockBytes) {
            return QStringLiteral("it declares a block of %1 MB besides the pixels, more than "
                                  "the %2 MB the program reads")
                .arg(length >> 20)
                .arg(kMaxPngSideBlockBytes >> 20);
        }
        if (qint64{length} + 4 > in.Left()) {
            return QStringLiteral("the file is cut short: a block declares %1 bytes where %2 "
                                  "remain")
                .arg(length)
                .arg(in.Left());
        }
        if (!in.Skip(qint64{length} + 4)) {
            return kCutShort;
        }
    }
}

} // namespace

QString FindPictureStructureDamage(QIODevice& file, const QByteArray& format) {
    ByteStream in(file);
    if (format == "bmp") {
        return BmpDamage(in);
    }
    if (format == "gif") {
        return GifDamage(in);
    }
    if (format == "jpeg" || format == "jpg") {
        return JpegDamage(in);
    }
    if (format == "png") {
        return PngDamage(in);
    }
    return {};
}

} // namespace lineora
