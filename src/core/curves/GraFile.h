#pragma once

#include "core/calibration/ReferencePoints.h"
#include "core/common/Errors.h"
#include "core/common/Types.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace lineora {

// A graph data file's contents as they stand in the file: CR LF text lines holding the picture
// name, the four axis value texts as typed (with the separator of the machine that wrote them),
// the six reference coordinates, the two scale codes and the picture positions of the five
// curves. Chart values are not kept: they follow from these whenever the work is opened.
struct GraData {
    QString PictureName; // file name only; the picture lies in Data/Grafiks/
    QString MinX, MaxX, MinY, MaxY;
    ReferencePoints Points;
    // 1 linear, 2 decimal logarithmic, 3 natural logarithmic.
    std::int32_t ScaleXCode = 1, ScaleYCode = 1;
    // Curves 1..5 in row order; entry 0 is unused.
    std::array<std::vector<PicturePoint>, kCurveCount + 1> Curves;

    friend bool operator==(const GraData&, const GraData&) = default;
};

// A curve in a graph data file holds at most this many points (its count line at most 1001),
// as many as a curve of the point store.
inline constexpr int kGraMaxPoints = 1000;

// Every position in a file (reference points and curve points) lies within -this..this. A
// picture the program opens is far smaller; reference points may lie a little off the picture.
// Beyond this a position is damage, and the painters and conversions never see it.
inline constexpr std::int32_t kGraMaxCoordinate = 1'000'000;

// The file's bytes. Texts (picture name, axis texts) are written in Windows-1251, the code
// page of the header lines and of the older program, when every character has a place in it;
// else as UTF-8. A curve of more than kGraMaxPoints points or a position beyond
// kGraMaxCoordinate throws FileError: a file is never written that could not be read back.
QByteArray WriteGraText(const GraData& data);

// Parses a whole file into a fresh record. CR LF and LF-only line ends are both read, and in a
// file without any LF lone CRs end the lines; the curve header lines ("Line № c") are not
// checked. A text is read as UTF-8 when its bytes are valid UTF-8, else as Windows-1251. A line
// that is not an integer where one is due, a position beyond kGraMaxCoordinate, a count line
// outside 1..1001, a scale code other than 1 to 3, or a file that ends early throws FileError
// naming `fileName`, the line number and the reason, quoting at most kBriefQuoteLength
// characters of the line. Lines after the fifth curve are ignored.
GraData ReadGraText(const QByteArray& bytes, const QString& fileName);

// The error for a damaged line: it names the file, the line (counted from 1) and the reason.
FileError GraLineError(const QString& fileName, int line, const QString& reason);

// Line numbers of the axis value texts, for reporting a text that is no number.
inline constexpr int kGraMinXLine = 2;
inline constexpr int kGraMaxXLine = 3;
inline constexpr int kGraMinYLine = 4;
inline constexpr int kGraMaxYLine = 5;

// Reads and parses a file; an unreadable file, one that is not a regular file or one larger
// than kMaxGraFileBytes throws FileError naming it and the reason.
GraData LoadGraFile(const QString& path);

// Writes the bytes atomically: a failed write leaves any old file whole and throws FileError.
void SaveGraFile(const QString& path, const QByteArray& bytes);

} // namespace lineora
