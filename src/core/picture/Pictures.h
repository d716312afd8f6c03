#pragma once

#include "core/common/Types.h"

#include <QImage>
#include <QRegion>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace lineora {

// The two copies of the chart: the clean copy exactly as loaded, from which every colour is
// read, and the working image on which axes, marks and zone circles are drawn. Both are
// Format_RGB32 and, once loaded, the same size.
struct Pictures {
    QImage Clean;
    QImage Working;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    QString PictureFileName; // full path, or "clipboard" after a paste
    QString PictureDir;      // folder of the last picture, with a trailing separator
    QString PictureBaseName; // file name up to its first "."
    // Pixel format of the clean copy, 1..7 for 1, 4, 8, 15, 16, 24, 32 bits per pixel.
    int PixelFormatNow = 0;
    // Where the step-X crosshair stands on the working image, empty while it is not drawn
    // there. It is drawn inverting, so only this record can take it off again; whatever
    // replaces the working image's pixels wholesale empties it.
    std::optional<PicturePoint> CrosshairOnWorking;
};

// The seven view scales, index 1..7 ("1:1" is 5).
inline constexpr std::array<const char*, 8> kScaleCaptions{"",    "5:1", "4:1", "3:1",
                                                           "2:1", "1:1", "1:2", "1:3"};
inline constexpr int kScaleOneToOne = 5;

// Screen pixels per picture pixel of a caption "digit:digit" ("1:3" gives 1/3).
Extended ViewScaleOf(const QString& caption);

// The picture's size on screen at a scale, rounded half to even (400 at 1:3 gives 133).
QSize ScaledPictureSize(std::int32_t width, std::int32_t height, Extended scale);

// Screen position on the picture view to picture position: divided by the scale and rounded
// half to even (101 at 2:1 is 50).
PicturePoint ScreenToPicture(int screenX, int screenY, Extended scale);

// Reads any picture Qt can read into an RGB32 image. A missing, damaged or too large file
// throws FileError naming the file and the reason; nothing else changes.
QImage ReadPictureFile(const QString& path);

// The name a pasted picture goes by instead of a path.
inline constexpr char kClipboardPicture[] = "clipboard";

// The picture as Format_RGB32, transparent parts laid on white paper (a chart saved with a
// transparent background is still a chart on white). Null when memory ran out.
QImage AsTrueColor(const QImage& picture);

// Makes `picture` the clean copy: sizes, file name, folder, base name, pixel format (24 bits,
// since the clean copy is kept as true colour). A pasted picture (path kClipboardPicture) keeps
// the folder and base name of the last file. The working image is the caller's to redraw.
// A null picture throws FileError and changes nothing.
void LoadPicture(Pictures& pictures, QImage picture, const QString& path);

// Copies the clean copy into the working image, which then holds no crosshair. When the sizes
// agree it copies into the existing buffer: a fresh allocation of a large picture costs far
// more than the copy.
void RestorePicture(Pictures& pictures);
// The same for the pixels inside `area` only, into a working image of the clean copy's size
// and form; the crosshair must be off the picture.
void RestorePictureArea(Pictures& pictures, const QRegion& area);

// Writes the clean copy (no marks, no axes) as a 24-bit BMP, atomically.
void SavePictureFile(const Pictures& pictures, const QString& path);

// Turns the clean copy into black and white (1 bit per pixel, kept as RGB32): a pixel darker
// than mid-grey becomes black, any other white, without dithering. The working image is the
// caller's to refresh.
void ConvertToBlackAndWhite(Pictures& pictures);

// Colour of the clean copy at a picture position; white outside the picture.
TColor ReadPixelColor(const Pictures& pictures, std::int32_t x, std::int32_t y);

} // namespace lineora
