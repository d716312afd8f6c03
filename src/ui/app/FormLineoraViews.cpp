// How the main window shows the state after each command: buttons, checks, curve colours,
// the table and the tool windows that mirror settings.

#include "ui/app/FormLineora.h"

#include "core/commands/Commands.h"
#include "core/commands/UndoCommands.h"
#include "core/common/Color.h"
#include "ui/app/Windows.h"

#include <QAction>
#include <QToolButton>

namespace lineora {

void TFormLineora::ShowLineColours() {
    for (int line = 1; line <= kCurveCount; ++line) {
        QToolButton* button = lineButtons_[static_cast<std::size_t>(line)];
        const QColor colour =
            QColor::fromRgb(ToQRgb(state_.Setup.LineColors[static_cast<std::size_t>(line)]));
        QPalette palette = button->palette();
        if (palette.color(QPalette::ButtonText) != colour) {
            // A curve button a photometric mode disables keeps the style's grey, so that it
            // looks disabled.
            palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
            palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
            button->setPalette(palette);
        }
    }
}

void TFormLineora::ControlsChanged() {
    const MainState& main = state_.Main;
    if (QToolButton* tool = ToolButtonShown()) {
        tool->setChecked(true);
    }
    const int line = state_.Store.CurrentLine;
    if (line >= 1 && line <= kCurveCount) {
        lineButtons_[static_cast<std::size_t>(line)]->setChecked(true);
    }
    ShowLineColours();

    ButtonAvtoCorrect->setChecked(main.AvtoCorrectOn);
    MenuAutocorrection->setChecked(main.AvtoCorrectOn);
    ButtonStepX->setChecked(main.StepXOn);
    MenuOnDeltaX->setChecked(main.StepXOn);
    SpeedButtonAxis90->setChecked(main.Axis90ButtonDown);
    SpeedButtonDrawLine->setChecked(main.DrawLineButtonDown);

    if (main.ScaleIndex >= 1 && main.ScaleIndex <= 7) {
        scaleItems_[static_cast<std::size_t>(main.ScaleIndex)]->setChecked(true);
    }
    if (main.CursorKind >= 1 && main.CursorKind <= 5) {
        cursorItems_[static_cast<std::size_t>(main.CursorKind)]->setChecked(true);
    }
    const int format = state_.Pics.PixelFormatNow;
    for (int item = 1; item <= 7; ++item) {
        pixelFormatItems_[static_cast<std::size_t>(item)]->setChecked(item == format);
    }

    for (int toggle = 0; toggle < kToggleCount; ++toggle) {
        ToggleButton(static_cast<Toggle>(toggle))
            ->setChecked(ToggleFlag(static_cast<Toggle>(toggle)));
    }
    SyncToggleWindows(false);
    ShowPhotometryState();
    ShowBrightLineState();
    ShowStripModeState();
    // The axis value fields and the setup dialog show settings a command may have changed.
    if (windows_ != nullptr) {
        windows_->FormInput->ShowState();
        windows_->FormSetup->ShowSettings();
    }
    ShowUndoState();
}

void TFormLineora::ShowUndoState() {
    // Shown as the shortcut column of the menu; the keys themselves come through the key
    // filter, which takes every key while this window is active.
    menuUndo->setText(UndoMenuText(state_) + QStringLiteral("\tCtrl+Z"));
    menuUndo->setEnabled(state_.Undo.CanUndo());
    menuRedo->setText(RedoMenuText(state_) + QStringLiteral("\tCtrl+Shift+Z"));
    menuRedo->setEnabled(state_.Undo.CanRedo());
    const QString title = WorkUnsaved(state_) ? caption_ + QStringLiteral(" *") : caption_;
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
}

void TFormLineora::SetCaption(const QString& caption) {
    caption_ = caption;
    ShowUndoState();
}

void TFormLineora::TableChanged() {
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormTable->Refresh(state_.Store, TableOptionsOf(state_));
    windows_->FormOutText->ShowText(state_.Output.MemoText);
}

void TFormLineora::RunNudge() {
    if (windows_ != nullptr && windows_->FormMoviPoint) {
        windows_->FormMoviPoint->exec();
    }
}

void TFormLineora::CloseMainWindow() {
    close();
}

void TFormLineora::PipetteHover(TColor colour) {
    if (windows_ != nullptr) {
        windows_->FormInputColor->ShowHover(colour);
    }
}

void TFormLineora::PipettePicked() {
    if (windows_ != nullptr) {
        windows_->FormInputColor->TakeSample();
    }
}

} // namespace lineora
