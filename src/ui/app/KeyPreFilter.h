#pragma once

#include "core/commands/KeyFilter.h"

#include <QObject>

#include <functional>

class QKeyEvent;

namespace lineora {

// The program's key for a Qt key code: Q, the four arrows, Space; everything else is Other.
Key KeyOfQtKey(int qtKey);

// The program's key for a key press: Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo; other keys
// as KeyOfQtKey.
Key KeyOfEvent(const QKeyEvent& event);

// Whether a key press is one the pre-filter takes: every plain key-down, but not the Alt
// combinations and F10 that drive the menu bar.
bool IsPreFilteredKey(const QKeyEvent& event);

// Sees every key press of the application before it is dispatched. While `isActive` says the
// main window is the active window (and no popup menu is open), it hands the key to `onKey`
// and consumes the event.
class KeyPreFilter : public QObject {
    Q_OBJECT
public:
    KeyPreFilter(std::function<bool()> isActive, std::function<void(Key)> onKey,
                 QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> isActive_;
    std::function<void(Key)> onKey_;
};

} // namespace lineora
