#include "core/commands/StraightenCommands.h"
#include "ui/app/Cursors.h"
#include "ui/app/Glyphs.h"
#include "ui/app/KeyPreFilter.h"
#include "ui/app/QtHost.h"
#include "ui/app/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

namespace lineora::test {
namespace {

TEST(ShellHelpers, FileFiltersAndBuildDatesAreRewritten) {
    for (const auto& [given, qt] :
         {std::pair{"Txt File|*.txt|All|*.*", "Txt File (*.txt);;All (*.*)"},
          {"Pictures|*.bmp;*.png", "Pictures (*.bmp *.png)"},
          {"Text (*.txt)", "Text (*.txt)"}}) {
        EXPECT_EQ(QtFileFilter(QString::fromLatin1(given)), QString::fromLatin1(qt)) << given;
    }
    for (const auto& [compiler, shown] : {std::pair{"Oct 24 2001", "24/10/2001 "},
                                          {"Jan  1 2025", "01/01/2025 "},
                                          {"Foo 12 2020", "Foo 12 2020"}}) {
        EXPECT_EQ(BuildDateText(compiler), QString::fromLatin1(shown)) << compiler;
    }
}

// The straightener's question breaks its line with a lone CR, which a Qt box would not show.
TEST(ShellHelpers, MessageBoxShowsEveryLineOfAQuestion) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    QtHost host;
    EXPECT_TRUE(host.AskYesNo(kStraightenQuestion));
    EXPECT_EQ(shown.split(QLatin1Char('\n')).size(), 2) << shown.toStdString();
}

TEST(ShellHelpers, KeysMapAndOnlyMenuKeysPassThePreFilter) {
    const std::pair<int, Key> keys[] = {{Qt::Key_Q, Key::Q},         {Qt::Key_Up, Key::Up},
                                        {Qt::Key_Down, Key::Down},   {Qt::Key_Left, Key::Left},
                                        {Qt::Key_Right, Key::Right}, {Qt::Key_Space, Key::Space},
                                        {Qt::Key_W, Key::Other}};
    for (const auto& [qtKey, key] : keys) {
        EXPECT_EQ(KeyOfQtKey(qtKey), key) << qtKey;
    }
    const auto taken = [](int key, Qt::KeyboardModifiers modifiers) {
        return IsPreFilteredKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    EXPECT_TRUE(taken(Qt::Key_Q, Qt::ControlModifier));
    EXPECT_TRUE(taken(Qt::Key_Shift, Qt::ShiftModifier));
    EXPECT_FALSE(taken(Qt::Key_F, Qt::AltModifier));
    EXPECT_FALSE(taken(Qt::Key_F10, Qt::NoModifier));
}

// Remembers the image's pixels; false when it is empty or an image with the same pixels was
// seen before.
bool IsNew(const QImage& image, QSet<QByteArray>& seen) {
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    const auto before = seen.size();
    seen.insert(bytes);
    return seen.size() > before && bytes.count('\0') < bytes.size();
}

TEST(ShellHelpers, DrawnCursorsAreDistinctAndTheRestTheSystemArrow) {
    QSet<QByteArray> seen;
    for (int id = -1; id <= kCursorCount; ++id) {
        if (id <= 0 || id == 9 || id == kCursorCount) {
            EXPECT_TRUE(CursorImage(id).isNull()) << id;
            EXPECT_EQ(PictureCursor(id).shape(), Qt::ArrowCursor) << id;
            continue;
        }
        const QPoint hot = CursorHotSpot(id);
        EXPECT_EQ(PictureCursor(id).hotSpot(), hot) << id; // a bitmap cursor: none is at (0, 0)
        for (const int ratio : {1, 2}) {
            const QImage image = CursorImage(id, ratio).toImage();
            ASSERT_EQ(image.size(), QSize(32, 32) * ratio) << id;
            EXPECT_TRUE(IsNew(image, seen)) << id;
            // Upright crosshairs cross through the pixel a click acts on, at either ratio.
            if (id == 2 || id == 4 || (id >= 11 && id <= 13)) {
                EXPECT_LT(qGray(image.pixel(hot.x() * ratio, 2 * ratio)), 40) << id;
                EXPECT_LT(qGray(image.pixel(2 * ratio, hot.y() * ratio)), 40) << id;
            }
        }
    }
}

TEST(ShellHelpers, EveryGlyphIsDrawnAtItsSizeAndNoTwoAreAlike) {
    QSet<QByteArray> seen;
    for (int g = 0; g <= static_cast<int>(Glyph::Program); ++g) {
        const auto glyph = static_cast<Glyph>(g);
        const QImage image = DrawGlyph(glyph).toImage();
        EXPECT_EQ(image.size(), glyph == Glyph::NoTool ? QSize(7, 20) : QSize(22, 22)) << g;
        EXPECT_TRUE(IsNew(image, seen)) << g;
        EXPECT_EQ(GlyphIcon(glyph).pixmap(image.size(), 2.0).size(), image.size() * 2) << g;
    }
}

} // namespace
} // namespace lineora::test
