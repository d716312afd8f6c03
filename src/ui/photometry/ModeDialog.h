#pragma once

#include "core/commands/ToolModes.h"

#include <QDialog>
#include <QString>

#include <functional>

class QAbstractButton;
class QLineEdit;
class QToolButton;

namespace lineora {

enum class MinusRule;

// What the dialogs of the two photometric modes share: each stays open beside the main window
// for as long as its mode lasts, and its close box asks whether the mode ends rather than
// hiding the dialog.
class TModeDialog : public QDialog {
    Q_OBJECT
public:
    explicit TModeDialog(QWidget* parent = nullptr);

    // While `active` the dialog is shown on top to the right of `beside`; otherwise hidden.
    // Nothing moves while it stays as it is, so the user may drag it elsewhere.
    void ShowActive(bool active, const QWidget* beside);

signals:
    // The close button or the close box: the main window asks whether the mode ends and hides
    // the dialog when it does.
    void CloseAsked();
    // The symmetry boxes of the two planes, changed by the user.
    void CrossClicked(bool checked);
    void LongClicked(bool checked);
    // A pick button went down (arm the pick) or up (back to point picking).
    void PickToggled(Tool pick, bool down);
    void ResetClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape would hide the dialog with its mode still on.
    void keyPressEvent(QKeyEvent* event) override;

    // A pick button: pressed, the next click on the picture places a special point.
    QToolButton* MakePick(QWidget* parent, const char* name, const QString& caption, QRect place,
                          const QString& hint);
    // A numeric field: typed text reported by `edited`, Enter by `entered`.
    QLineEdit* MakeField(QWidget* parent, const char* name, QRect place, MinusRule minus,
                         std::function<void(const QString&)> edited, std::function<void()> entered);
    // `action` when the user checks `button` (a radio) or changes it (a check box), never when
    // the dialog shows the state.
    void OnUserToggle(QAbstractButton* button, std::function<void(bool)> action);

    // True while the controls are being set from the state.
    bool showing_ = false;
};

} // namespace lineora
