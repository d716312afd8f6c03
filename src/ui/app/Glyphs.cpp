#include "ui/app/Glyphs.h"

#include "ui/app/SvgPictures.h"

#include <array>

namespace lineora {

namespace {

// File names under resources/icons, in the order of the Glyph enum.
constexpr std::array<const char*, 38> kGlyphFiles{
    "open-picture",  "from-clipboard", "save-picture", "copy-to-clipboard", "zero-point",
    "x-max-point",   "y-max-point",    "three-clicks", "set-point",         "eraser",
    "clear-line",    "zone-brush",     "find-in-zone", "pipette",           "find-by-color",
    "rotate",        "clean-picture",  "no-tool",      "connect-points",    "auto-correct",
    "axis-90",       "step-x",         "setup",        "axis-values",       "table",
    "text-output",   "magnifier",      "pin",          "special-points",    "straightener",
    "bright-line",   "polar-table",    "double-axis",  "palette",           "zoom-tool",
    "cursor-choice", "program",        "rectify",
};
static_assert(kGlyphFiles.size() == static_cast<std::size_t>(Glyph::Rectify) + 1,
              "one picture per glyph");

QString ResourceOf(Glyph glyph) {
    return QStringLiteral(":/icons/%1.svg")
        .arg(QLatin1String(kGlyphFiles[static_cast<std::size_t>(glyph)]));
}

// NoTool fits its narrow button; the others are square.
QSize SizeOf(Glyph glyph, int side) {
    return glyph == Glyph::NoTool ? QSize(7, 20) : QSize(side, side);
}

} // namespace

QPixmap DrawGlyph(Glyph glyph, int side) {
    return RenderSvg(ResourceOf(glyph), SizeOf(glyph, side));
}

QIcon GlyphIcon(Glyph glyph) {
    // Both ratios are rendered from the drawing, so a 2x screen gets sharp lines rather than
    // the 1x picture blown up.
    QIcon icon;
    for (const double ratio : {1.0, 2.0}) {
        icon.addPixmap(RenderSvg(ResourceOf(glyph), SizeOf(glyph, kGlyphSize), ratio));
    }
    return icon;
}

} // namespace lineora
