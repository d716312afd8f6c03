#include "ui/app/Cursors.h"

#include "ui/app/SvgPictures.h"

#include <QGuiApplication>

#include <array>
#include <optional>

namespace lineora {

namespace {

constexpr int kSide = 32;
// Crosshairs are centred on a pixel, so their hotspot is exactly the pixel a click acts on.
const QPoint kCentre(15, 15);

struct CursorPicture {
    const char* file; // under resources/cursors; null for a system cursor
    QPoint hotSpot;
};

// Index = cursor number.
constexpr std::array<CursorPicture, kCursorCount> kPictures{{
    {nullptr, {}},
    {"diagonal-cross", kCentre},
    {"upright-cross", kCentre},
    {"pointing-hand", {12, 1}},
    {"circle-sight", kCentre},
    {"arrow", {1, 1}},
    {"pan-hand", {16, 16}},
    {"eraser", {8, 24}},
    {"pipette", {2, 29}},
    {nullptr, {}},
    {"zoom-glass", {12, 12}},
    {"cross-zero", kCentre},
    {"cross-x", kCentre},
    {"cross-y", kCentre},
    {"zone-brush", kCentre},
    {"test-sight", kCentre},
    {"move-point", kCentre},
}};

bool Drawn(int id) {
    return id > 0 && id < kCursorCount && kPictures[static_cast<std::size_t>(id)].file;
}

// Cursors come in whole ratios: X11 shows a cursor image pixel for pixel, and a doubled
// drawing stays on the pixel grid where a 1.5x one would blur its one-pixel lines.
int CursorRatio() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.25 ? 2 : 1;
}

// X11 takes the hotspot in the image's own pixels (Qt's xcb plugin hands it over unscaled, as
// a 2x run shows), the other platforms in device-independent pixels.
QPoint PlatformHotSpot(int id, int ratio) {
    const QPoint hot = CursorHotSpot(id);
    return QGuiApplication::platformName() == QLatin1String("xcb") ? hot * ratio : hot;
}

} // namespace

QPixmap CursorImage(int id, double devicePixelRatio) {
    if (!Drawn(id)) {
        return {};
    }
    return RenderSvg(QStringLiteral(":/cursors/%1.svg")
                         .arg(QLatin1String(kPictures[static_cast<std::size_t>(id)].file)),
                     QSize(kSide, kSide), devicePixelRatio);
}

QPoint CursorHotSpot(int id) {
    return Drawn(id) ? kPictures[static_cast<std::size_t>(id)].hotSpot : QPoint();
}

QCursor PictureCursor(CursorId which) {
    const int id = static_cast<int>(which);
    static std::array<std::array<std::optional<QCursor>, kCursorCount>, 2> cache;
    if (!Drawn(id)) {
        return QCursor(Qt::ArrowCursor);
    }
    const int ratio = CursorRatio();
    std::optional<QCursor>& cursor =
        cache[static_cast<std::size_t>(ratio - 1)][static_cast<std::size_t>(id)];
    if (!cursor) {
        const QPoint hot = PlatformHotSpot(id, ratio);
        cursor = QCursor(CursorImage(id, ratio), hot.x(), hot.y());
    }
    return *cursor;
}

} // namespace lineora
