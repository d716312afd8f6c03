#include "core/curves/GraFile.h"

#include "core/common/AtomicFile.h"
#include "core/common/BriefQuote.h"
#include "core/common/Errors.h"
#include "core/common/FileReading.h"

#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <optional>

namespace lineora {

namespace {

constexpr char kCrLf[] = "\r\n";
// "Line № " in the Windows-1251 code page, where the numero sign is the single byte 0xB9.
constexpr char kCurveHeader[] = "Line \xB9 ";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Windows-1251 from 0x80 to 0xFF. Files written on Russian Windows machines carry their
// picture names in it; 0x98 is unassigned there.
constexpr std::array<char16_t, 64> kCp1251High{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

QString FromCp1251(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += QChar(static_cast<char16_t>(code));
        } else if (code < 0xC0) {
            text += QChar(kCp1251High[code - 0x80]);
        } else {
            text += QChar(static_cast<char16_t>(0x0410 + (code - 0xC0))); // А..я in order
        }
    }
    return text;
}

// The Windows-1251 bytes of a text, or nothing when a character has no place in the code page.
std::optional<QByteArray> ToCp1251(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code >= 0x0410 && code <= 0x044F) {
            bytes += static_cast<char>(0xC0 + (code - 0x0410));
        } else {
            const auto* const found = std::find(kCp1251High.begin(), kCp1251High.end(), code);
            if (code == 0xFFFD || found == kCp1251High.end()) {
                return std::nullopt;
            }
            bytes += static_cast<char>(0x80 + (found - kCp1251High.begin()));
        }
    }
    return bytes;
}

// A text line as UTF-8 when it is valid UTF-8, else as the Windows-1251 it was written in.
QString DecodeText(QByteArrayView bytes) {
    // A U+FEFF at the start of a text is part of it: the file's own mark is taken off before.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        return FromCp1251(bytes);
    }
    return text;
}

// A text in the code page of the file's header line, as the older program wrote every text,
// when each character has a place in it; else UTF-8. Code-page bytes that happen to be valid
// UTF-8 of another text ("Я№" is) would read back as that text, so such a text goes as UTF-8.
QByteArray EncodeText(const QString& text) {
    const std::optional<QByteArray> cp1251 = ToCp1251(text);
    if (cp1251.has_value() && DecodeText(*cp1251) == text) {
        return *cp1251;
    }
    return text.toUtf8();
}

bool IsPictureCoordinate(std::int32_t value) {
    return value >= -kGraMaxCoordinate && value <= kGraMaxCoordinate;
}

[[noreturn]] void Refuse(const QString& fileName, int line, const QString& reason) {
    throw GraLineError(fileName, line, reason);
}

// The file's lines, counted from 1, handed out in order.
class LineReader {
public:
    LineReader(const QByteArray& bytes, const QString& fileName)
        : bytes_(bytes), fileName_(fileName) {
        // An editor may have put a UTF-8 byte order mark in front of the first line.
        if (bytes_.startsWith(kByteOrderMark)) {
            at_ = 3;
        }
        // A file without a single LF came from an old Mac or an editor set to its line ends:
        // its lone CRs end the lines. Elsewhere a CR belongs to a CR LF.
        if (!bytes_.contains('\n') && bytes_.contains('\r')) {
            lineEnd_ = '\r';
        }
    }

    QByteArrayView NextLine(const char* what) {
        if (at_ >= bytes_.size()) {
            Refuse(fileName_, line_ + 1,
                   QStringLiteral("the file ends where %1 is due").arg(QLatin1String(what)));
        }
        ++line_;
        qsizetype end = bytes_.indexOf(lineEnd_, at_);
        const qsizetype next = end < 0 ? bytes_.size() : end + 1;
        if (end < 0) {
            end = bytes_.size();
        }
        if (end > at_ && bytes_[end - 1] == '\r') {
            --end;
        }
        const QByteArrayView text(bytes_.constData() + at_, end - at_);
        at_ = next;
        return text;
    }

    QString NextText(const char* what) { return DecodeText(NextLine(what)); }

    std::int32_t NextInteger(const char* what) {
        const QByteArrayView text = NextLine(what);
        std::int32_t value = 0;
        if (!ParseInteger(text.trimmed(), value)) {
            Refuse(fileName_, line_,
                   QStringLiteral("\"%1\" is not an integer (%2 is due)")
                       .arg(BriefQuote(DecodeText(text)), QLatin1String(what)));
        }
        return value;
    }

    // An integer that must be a position a picture can hold.
    std::int32_t NextCoordinate(const char* what) {
        const std::int32_t value = NextInteger(what);
        if (!IsPictureCoordinate(value)) {
            Refuse(fileName_, line_,
                   QStringLiteral("%1 is %2, outside -%3 to %3 where a picture's positions lie")
                       .arg(QLatin1String(what))
                       .arg(value)
                       .arg(kGraMaxCoordinate));
        }
        return value;
    }

    int LineNumber() const { return line_; }
    const QString& FileName() const { return fileName_; }

private:
    // An optional sign and decimal digits within the int32 range.
    static bool ParseInteger(QByteArrayView text, std::int32_t& value) {
        qsizetype i = 0;
        const bool negative = !text.isEmpty() && text[0] == '-';
        if (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) {
            ++i;
        }
        if (i == text.size()) {
            return false;
        }
        std::int64_t magnitude = 0;
        for (; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            magnitude = magnitude * 10 + (text[i] - '0');
            if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
                return false;
            }
        }
        const std::int64_t signedValue = negative ? -magnitude : magnitude;
        if (signedValue > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        value = static_cast<std::int32_t>(signedValue);
        return true;
    }

    const QByteArray& bytes_;
    QString fileName_;
    qsizetype at_ = 0;
    int line_ = 0;
    char lineEnd_ = '\n';
};

std::int32_t ReadScaleCode(LineReader& reader, const char* what) {
    const std::int32_t code = reader.NextInteger(what);
    if (code < 1 || code > 3) {
        Refuse(
            reader.FileName(), reader.LineNumber(),
            QStringLiteral("the scale code %1 is not 1 (linear), 2 (log10) or 3 (ln)").arg(code));
    }
    return code;
}

std::vector<PicturePoint> ReadCurve(LineReader& reader) {
    reader.NextLine("the curve's header line");
    const std::int32_t next = reader.NextInteger("the curve's point count plus 1");
    if (next < 1 || next > kGraMaxPoints + 1) {
        Refuse(reader.FileName(), reader.LineNumber(),
               QStringLiteral("the count line %1 is outside 1 to %2 (a curve holds 0 to %3 "
                              "points)")
                   .arg(next)
                   .arg(kGraMaxPoints + 1)
                   .arg(kGraMaxPoints));
    }
    std::vector<PicturePoint> points(static_cast<std::size_t>(next - 1));
    for (PicturePoint& point : points) {
        point.X = reader.NextCoordinate("a point's x");
        point.Y = reader.NextCoordinate("a point's y");
    }
    return points;
}

void AppendLine(QByteArray& bytes, const QByteArray& text) {
    bytes += text;
    bytes += kCrLf;
}

void AppendLine(QByteArray& bytes, std::int32_t value) {
    AppendLine(bytes, QByteArray::number(value));
}

// A file is never written that could not be read back.
void CheckCoordinates(const GraData& data) {
    bool inside = true;
    const ReferencePoints& ref = data.Points;
    for (const std::int32_t value : {ref.ZeroPointX, ref.ZeroPointY, ref.XMaxPointX, ref.XMaxPointY,
                                     ref.YMaxPointX, ref.YMaxPointY}) {
        inside = inside && IsPictureCoordinate(value);
    }
    for (const std::vector<PicturePoint>& points : data.Curves) {
        for (const PicturePoint& point : points) {
            inside = inside && IsPictureCoordinate(point.X) && IsPictureCoordinate(point.Y);
        }
    }
    if (!inside) {
        throw FileError(QStringLiteral("A position lies outside -%1 to %1, where a graph data "
                                       "file keeps a picture's positions")
                            .arg(kGraMaxCoordinate));
    }
}

} // namespace

FileError GraLineError(const QString& fileName, int line, const QString& reason) {
    return FileError(QStringLiteral("Cannot read the graph data file \"%1\", line %2: %3")
                         .arg(fileName)
                         .arg(line)
                         .arg(reason));
}

QByteArray WriteGraText(const GraData& data) {
    for (int c = 1; c <= kCurveCount; ++c) {
        const std::size_t count = data.Curves[static_cast<std::size_t>(c)].size();
        if (count > static_cast<std::size_t>(kGraMaxPoints)) {
            throw FileError(QStringLiteral("Curve %1 has %2 points; a graph data file holds at "
                                           "most %3 a curve")
                                .arg(c)
                                .arg(count)
                                .arg(kGraMaxPoints));
        }
    }
    CheckCoordinates(data);
    QByteArray bytes;
    const QByteArray pictureName = EncodeText(data.PictureName);
    // The reader takes three bytes like these at the very start for an editor's byte order
    // mark; a name that begins with them ("п»ї" in the code page) keeps them behind a real one.
    if (pictureName.startsWith(kByteOrderMark)) {
        bytes += kByteOrderMark;
    }
    AppendLine(bytes, pictureName);
    for (const QString* text : {&data.MinX, &data.MaxX, &data.MinY, &data.MaxY}) {
        AppendLine(bytes, EncodeText(*text));
    }
    const ReferencePoints& ref = data.Points;
    for (const std::int32_t value :
         {ref.ZeroPointX, ref.ZeroPointY, ref.XMaxPointX, ref.XMaxPointY, ref.YMaxPointX,
          ref.YMaxPointY, data.ScaleXCode, data.ScaleYCode}) {
        AppendLine(bytes, value);
    }
    for (int c = 1; c <= kCurveCount; ++c) {
        const std::vector<PicturePoint>& points = data.Curves[static_cast<std::size_t>(c)];
        AppendLine(bytes, QByteArray(kCurveHeader) + QByteArray::number(c));
        AppendLine(bytes, static_cast<std::int32_t>(points.size()) + 1);
        for (const PicturePoint& point : points) {
            AppendLine(bytes, point.X);
            AppendLine(bytes, point.Y);
        }
    }
    return bytes;
}

GraData ReadGraText(const QByteArray& bytes, const QString& fileName) {
    LineReader reader(bytes, fileName);
    GraData data;
    data.PictureName = reader.NextText("the picture's name");
    data.MinX = reader.NextText("the X value of the zero point");
    data.MaxX = reader.NextText("the X value of the X-max point");
    data.MinY = reader.NextText("the Y value of the zero point");
    data.MaxY = reader.NextText("the Y value of the Y-max point");
    data.Points.ZeroPointX = reader.NextCoordinate("the zero point's x");
    data.Points.ZeroPointY = reader.NextCoordinate("the zero point's y");
    data.Points.XMaxPointX = reader.NextCoordinate("the X-max point's x");
    data.Points.XMaxPointY = reader.NextCoordinate("the X-max point's y");
    data.Points.YMaxPointX = reader.NextCoordinate("the Y-max point's x");
    data.Points.YMaxPointY = reader.NextCoordinate("the Y-max point's y");
    data.ScaleXCode = ReadScaleCode(reader, "the X scale code");
    data.ScaleYCode = ReadScaleCode(reader, "the Y scale code");
    for (int c = 1; c <= kCurveCount; ++c) {
        data.Curves[static_cast<std::size_t>(c)] = ReadCurve(reader);
    }
    return data;
}

GraData LoadGraFile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = ReadRegularFile(path, kMaxGraFileBytes);
    } catch (const FileError& error) {
        throw FileError(QStringLiteral("Cannot read the graph data file \"%1\": %2")
                            .arg(path, QString::fromUtf8(error.what())));
    }
    return ReadGraText(bytes, path);
}

void SaveGraFile(const QString& path, const QByteArray& bytes) {
    WriteFileAtomically(path, QStringLiteral("the graph data file"), bytes);
}

} // namespace lineora
