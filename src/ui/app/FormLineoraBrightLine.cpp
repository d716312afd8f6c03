// The bright-line mode's two windows: the tool window's buttons reach the mode's commands, the
// tool window shows while the mode lasts, and the table window follows the traced centres.

#include "ui/app/FormLineora.h"

#include "core/commands/BrightLineCommands.h"
#include "ui/app/Windows.h"

#include <QToolButton>

namespace lineora {

void TFormLineora::WireBrightLineWindows() {
    TFormSpec2* tool = windows_->FormSpec2.get();
    TFormSpec2Table* table = windows_->FormSpec2Table.get();
    using D = TFormSpec2;
    connect(tool, &D::BridgeClicked, this,
            [this] { Command([&] { BridgeBrightLine(state_, *this); }); });
    connect(tool, &D::SmoothClicked, this,
            [this] { Command([&] { SmoothBrightLine(state_, *this); }); });
    connect(tool, &D::ResetClicked, this,
            [this] { Command([&] { ResetBrightLines(state_, *this); }); });
    connect(tool, &D::ShowTableClicked, this, [this, table] {
        Command([&] { PrepareBrightLineTable(state_, *this); });
        table->ShowCentres(state_.BrightLines);
        ShowOnTop(table);
    });
    // The mode ends without a question; ControlsChanged then hides the window.
    connect(tool, &D::CloseAsked, this,
            [this] { Command([&] { CloseBrightLineMode(state_, *this); }); });
    // The toolbar button shows the mode as on while it lasts.
    SpeedButtonSpec2->setCheckable(true);
}

void TFormLineora::ShowBrightLineState() {
    const bool on = state_.Main.SpecialMode == 2;
    SpeedButtonSpec2->setChecked(on);
    if (windows_ == nullptr) {
        return;
    }
    windows_->FormSpec2->ShowActive(on, this);
    windows_->FormSpec2Table->CentresChanged(state_.BrightLines);
}

} // namespace lineora
