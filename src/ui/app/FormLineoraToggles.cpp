// The four tool windows that follow a toolbar toggle, and the places of the windows the
// configuration keeps.

#include "ui/app/FormLineora.h"

#include "ui/app/Windows.h"

#include <QToolButton>

namespace lineora {

QWidget* TFormLineora::ToggleWindow(Toggle toggle) const {
    if (windows_ == nullptr) {
        return nullptr;
    }
    switch (toggle) {
    case ToggleTable:
        return windows_->FormTable.get();
    case ToggleText:
        return windows_->FormOutText.get();
    case ToggleZoom:
        return windows_->FormZoom.get();
    case ToggleInput:
        return windows_->FormInput.get();
    default:
        return nullptr;
    }
}

bool& TFormLineora::ToggleFlag(Toggle toggle) {
    switch (toggle) {
    case ToggleTable:
        return state_.Main.ShowTable;
    case ToggleText:
        return state_.Main.ShowText;
    case ToggleZoom:
        return state_.Main.ShowZoom;
    default:
        return state_.Main.ShowInput;
    }
}

QToolButton* TFormLineora::ToggleButton(Toggle toggle) const {
    switch (toggle) {
    case ToggleTable:
        return SpeedButtonShowTable;
    case ToggleText:
        return SpeedButtonViewText;
    case ToggleZoom:
        return SpeedButtonShowZoom;
    default:
        return SpeedButtonShowInput;
    }
}

void TFormLineora::SetToggle(Toggle toggle, bool down) {
    ToggleFlag(toggle) = down;
    ToggleButton(toggle)->setChecked(down);
    SyncToggleWindows(false);
}

// A tool window closed with its own close box releases its button, so that the button or the
// Show menu brings it back.
void TFormLineora::ToggleWindowClosed(Toggle toggle) {
    ToggleFlag(toggle) = false;
    toggleShown_[static_cast<std::size_t>(toggle)] = false;
    ToggleButton(toggle)->setChecked(false);
}

// A window is shown or hidden only when its flag changed.
void TFormLineora::SyncToggleWindows(bool force) {
    for (int index = 0; index < kToggleCount; ++index) {
        const auto toggle = static_cast<Toggle>(index);
        const bool down = ToggleFlag(toggle);
        if (!force && toggleShown_[static_cast<std::size_t>(index)] == down) {
            continue;
        }
        toggleShown_[static_cast<std::size_t>(index)] = down;
        if (QWidget* window = ToggleWindow(toggle)) {
            if (down) {
                ShowOnTop(window);
            } else {
                window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                window->close();
            }
        }
    }
}

void TFormLineora::ApplyWindowToggles() {
    for (int index = 0; index < kToggleCount; ++index) {
        const auto toggle = static_cast<Toggle>(index);
        ToggleButton(toggle)->setChecked(ToggleFlag(toggle));
    }
    SyncToggleWindows(true);
}

void TFormLineora::ApplyWindowPlacements() {
    const FormPlacements& forms = state_.Setup.Forms;
    move(forms.MainLeft, forms.MainTop);
    resize(forms.MainWidth, forms.MainHeight);
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormZoom->move(forms.ZoomLeft, forms.ZoomTop);
    windows_->FormInput->move(forms.InputLeft, forms.InputTop);
    windows_->FormTable->setGeometry(forms.TableLeft, forms.TableTop, forms.TableWidth,
                                     forms.TableHeight);
    windows_->FormSetup->move(forms.SetupLeft, forms.SetupTop);
    windows_->FormOutText->move(forms.OutTextLeft, forms.OutTextTop);
}

void TFormLineora::CaptureWindowPlacements() {
    FormPlacements& forms = state_.Setup.Forms;
    forms.MainLeft = x();
    forms.MainTop = y();
    forms.MainWidth = width();
    forms.MainHeight = height();
    if (windows_ == nullptr) {
        return;
    }
    forms.ZoomLeft = windows_->FormZoom->x();
    forms.ZoomTop = windows_->FormZoom->y();
    forms.InputLeft = windows_->FormInput->x();
    forms.InputTop = windows_->FormInput->y();
    forms.TableLeft = windows_->FormTable->x();
    forms.TableTop = windows_->FormTable->y();
    forms.TableWidth = windows_->FormTable->width();
    forms.TableHeight = windows_->FormTable->height();
    forms.SetupLeft = windows_->FormSetup->x();
    forms.SetupTop = windows_->FormSetup->y();
    forms.OutTextLeft = windows_->FormOutText->x();
    forms.OutTextTop = windows_->FormOutText->y();
}

void TFormLineora::ShowOnTop(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    window->raise();
}

} // namespace lineora
