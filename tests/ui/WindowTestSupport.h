#pragma once

#include "core/commands/Commands.h"
#include "core/commands/State.h"
#include "support/DrawnPictures.h"
#include "support/ScriptedHost.h"
#include "support/WorkedExample.h"
#include "ui/app/PictureView.h"
#include "ui/app/Windows.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

namespace lineora::test {

// Mouse events as the window system delivers them, with timestamps far enough apart that two
// clicks never pair into a double click unless a test says so.
inline ulong NextTimestamp() {
    static ulong timestamp = 1000000;
    return timestamp += 5000;
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                      ulong timestamp = NextTimestamp()) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      modifiers);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(widget, &event);
}

inline void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(widget, QEvent::MouseButtonPress, at, button, button, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

inline void MoveTo(QWidget* widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

// The whole window set over a 200 x 200 white chart calibrated with the zero point at
// (20, 180), X-max at (180, 180) and Y-max at (20, 20); the main window shown and active.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateWindows(windows, *state, host);
        main = windows.FormLineora.get();
        view = main->findChild<PictureView*>(QStringLiteral("imgGrafik"));
        ASSERT_NE(view, nullptr);

        LoadPicture(state->Pics, WhitePicture(200, 200), QStringLiteral("chart.bmp"));
        state->Setup.XDirection = 1;
        PlaceReferences(state->Cal, {{{20, 180}, {180, 180}, {20, 20}}});
        NewPictureDefaults(*state, *main);
        RedrawPicture(*state, *main);
        main->ControlsChanged();

        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    void Press(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    PicturePoint StoredPoint(int line, int row) const {
        const PixelEntry& entry =
            state->Store.PointPixels[static_cast<std::size_t>(row)][static_cast<std::size_t>(line)];
        return {entry.PixX, entry.PixY};
    }

    // Declared before the windows, which use them until they are destroyed.
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    Windows windows;
    TFormLineora* main = nullptr;
    PictureView* view = nullptr;
};

} // namespace lineora::test
