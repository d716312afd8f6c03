// What each button and menu item of the main window does. Every command goes through the
// error boundary and ends with the controls showing the state again.

#include "ui/app/FormLineora.h"

#include "ui/app/FormHelp.h"

#include "core/commands/Commands.h"
#include "core/commands/GraCommands.h"
#include "core/commands/StraightenCommands.h"
#include "core/commands/TracingCommands.h"
#include "core/common/ErrorBoundary.h"
#include "core/tracing/AutoDigitize.h"
#include "ui/app/Windows.h"
#include "ui/tracing/FormSwatch.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace lineora {

void TFormLineora::Command(const std::function<void()>& action) {
    Guarded(host_, action);
    ControlsChanged();
}

void TFormLineora::OnClick(QToolButton* button, const std::function<void()>& action) {
    connect(button, &QToolButton::clicked, this, [this, action] { Command(action); });
}

void TFormLineora::OnToggle(QToolButton* button, const std::function<void(bool down)>& action) {
    connect(button, &QToolButton::clicked, this,
            [this, action](bool down) { Command([&] { action(down); }); });
}

void TFormLineora::OnTrigger(QAction* action, const std::function<void()>& command) {
    connect(action, &QAction::triggered, this, [this, command] { Command(command); });
}

void TFormLineora::ShowHelp() {
    const QString path = QDir(state_.Main.AppDir).filePath(state_.Main.HelpFileName);
    if (!QFileInfo::exists(path)) {
        host_.ShowMessage(QStringLiteral("The help page %1 is missing.").arg(path));
        return;
    }
    if (help_ == nullptr) {
        help_ = new TFormHelp(this);
    }
    help_->ShowPage(path);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TFormLineora::PopUpBelow(QMenu* menu, const QWidget* button) {
    menu->popup(QPoint(x() + button->x(), y() + button->y() + 60));
}

void TFormLineora::WireToolbar() {
    const auto tool = [this](int mode, int cursor) {
        return [this, mode, cursor] { SetToolMode(state_, *this, mode, cursor); };
    };
    const auto show = [this](auto member) {
        return [this, member] {
            if (windows_ != nullptr) {
                ShowOnTop((windows_->*member).get());
            }
        };
    };

    OnClick(ButtonFileOpen, [this] { OpenPicture(state_, host_, *this); });
    OnClick(ButtonCopyFromClipboard, [this] {
        if (windows_ != nullptr) {
            TformClipboard& paste = *windows_->formClipboard;
            paste.show();
            paste.raise();
            paste.ShowPicture(ClipboardPreview(state_, host_).value_or(QImage()));
        }
    });
    OnClick(SpeedButtonBMPSave, [this] { SavePicture(state_, host_, *this); });
    OnClick(ButtonCopyToClipboard, [this] { CopyExportText(state_, host_); });
    OnClick(ButtonSetZeroPoint, tool(Tool::ZeroPoint, CursorId::ZeroPoint));
    OnClick(ButtonSetXMaxPoint, tool(Tool::XMaxPoint, CursorId::XMaxPoint));
    OnClick(ButtonSetYMaxPoint, tool(Tool::YMaxPoint, CursorId::YMaxPoint));
    OnClick(SpeedButtonOn3click, tool(Tool::ThreeClick, CursorId::ZeroPoint));
    OnClick(ButtonSetPoint, [this] { SetPointMode(state_, *this); });
    for (int line = 1; line <= kCurveCount; ++line) {
        OnClick(lineButtons_[static_cast<std::size_t>(line)],
                [this, line] { SelectLine(state_, line); });
    }
    OnClick(ButtonErazer, tool(Tool::Eraser, CursorId::Eraser));
    OnClick(ButtonClearData, [this] { ClearDataOfLine(state_, host_, *this); });
    OnClick(ButtonPasteLine, tool(Tool::Zone, CursorId::ZoneBrush));
    OnClick(ButtonFindOnLine, [this] {
        SetToolMode(state_, *this, Tool::None, CursorId::Arrow);
        FindInZone(state_, host_, *this);
    });
    // Both draw the axes again, with the copy pen unless they invert: the step-X crosshair
    // leaves the picture first so that its erasing cannot invert axis pixels.
    OnClick(ButtonInputColor, [this] {
        HideStepCrosshair(state_, *this);
        StartColorPicking(state_, *this);
        if (windows_ != nullptr) {
            // The setup dialog's hidden swatches give the starting colours.
            TFormInputColor& picking = *windows_->FormInputColor;
            picking.SetLineColour(swatch::ColourOf(windows_->FormSetup->ShapeLineGrafik));
            picking.SetBackgroundColour(swatch::ColourOf(windows_->FormSetup->ShapeBackground));
            ShowOnTop(&picking);
            // Coming up, the window puts the colour traced on its line swatch; one already
            // open is not shown again, so it is put there here too.
            picking.SetLineColour(state_.Setup.FindColor);
        }
    });
    OnClick(ButtonFindByColor, [this] {
        HideStepCrosshair(state_, *this);
        DrawAxesAgain(state_, *this);
        if (windows_ != nullptr) {
            windows_->FormAvtomatColor->exec();
        }
    });
    OnClick(BitBtnRotateAlfa, [this] { RotateToXAxis(state_, host_, *this); });
    OnClick(ButtonClearImage, [this] { CleanPictureSpecks(state_, host_, *this); });
    OnClick(SpeedButtonNoneRezim, tool(Tool::None, CursorId::Diag));

    OnClick(BTNZOOM, [this] { PopUpBelow(PopupMenu2, BTNZOOM); });
    OnToggle(SpeedButtonDrawLine, [this](bool down) { SwitchConnectPoints(state_, *this, down); });
    OnToggle(ButtonAvtoCorrect, [this](bool down) { SwitchAutoCorrect(state_, *this, down); });
    OnToggle(SpeedButtonAxis90, [this](bool down) { SwitchAxis90(state_, *this, down); });
    OnToggle(ButtonStepX, [this](bool down) { SwitchStepX(state_, host_, *this, down); });
    OnClick(ButtonViewSetup, show(&Windows::FormSetup));
    OnToggle(SpeedButtonShowInput, [this](bool down) { SetToggle(ToggleInput, down); });
    OnToggle(SpeedButtonShowTable, [this](bool down) { SetToggle(ToggleTable, down); });
    OnToggle(SpeedButtonViewText, [this](bool down) { SetToggle(ToggleText, down); });
    OnToggle(SpeedButtonShowZoom, [this](bool down) { SetToggle(ToggleZoom, down); });
    OnClick(SpeedButton3Arc, show(&Windows::FormSpecSetPoint));
    OnClick(SpeedButtonVigibatel, show(&Windows::FormVygibatel));
    OnClick(SpeedButtonSpec2, show(&Windows::FormSpec2));
    OnClick(SpeedButtonSpec3, show(&Windows::FormSpec3));
    OnClick(SpeedButtonSpec4, show(&Windows::FormDoubleAxisX));
    OnClick(SpeedButtonSetPalitra, [this] { PopUpBelow(PopupMenu5, SpeedButtonSetPalitra); });
    OnClick(ButtonZoom, tool(Tool::Zoom, CursorId::Zoom));
    OnClick(ButtonSelectCursor, [this] { PopUpBelow(PopupMenu3, ButtonSelectCursor); });
}

void TFormLineora::WireMainMenu() {
    // Items that do what a button does press it, so both run the same code.
    const auto press = [this](QToolButton* button) { return [button] { button->click(); }; };

    connect(menuOpenBMP, &QAction::triggered, ButtonFileOpen, &QToolButton::click);
    connect(menufromClipboard, &QAction::triggered, ButtonCopyFromClipboard, &QToolButton::click);
    OnTrigger(menuOpenData, [this] { OpenGraFile(state_, host_, *this); });
    OnTrigger(menuSaveData, [this] { SaveGraWithPicture(state_, host_, *this); });
    connect(MenuExit, &QAction::triggered, this, &TFormLineora::close);

    OnTrigger(menuShowTable, [this] { SetToggle(ToggleTable, true); });
    connect(menuShowSetup, &QAction::triggered, this, press(ButtonViewSetup));
    OnTrigger(menuShowZoom, [this] { SetToggle(ToggleZoom, true); });
    OnTrigger(menuShowInput, [this] { SetToggle(ToggleInput, true); });

    connect(menuCopytoClipboard, &QAction::triggered, this, press(ButtonCopyToClipboard));
    OnTrigger(menuSaveToFile, [this] { SaveTextOutput(state_, host_); });
    connect(menuCleardata, &QAction::triggered, this, press(ButtonClearData));
    OnTrigger(menuDeleteAll, [this] { DeleteAllLines(state_, *this); });
    connect(menuSaveBMPtoFile, &QAction::triggered, this, press(SpeedButtonBMPSave));

    connect(MenuInput00, &QAction::triggered, this, press(ButtonSetZeroPoint));
    connect(MenuInputXmax, &QAction::triggered, this, press(ButtonSetXMaxPoint));
    connect(MenuInputYmax, &QAction::triggered, this, press(ButtonSetYMaxPoint));
    connect(MenuInputPoint, &QAction::triggered, this, press(ButtonSetPoint));
    connect(MenuErazer, &QAction::triggered, this, press(ButtonErazer));

    OnTrigger(MenuAutocorrection,
              [this] { SwitchAutoCorrect(state_, *this, !state_.Main.AvtoCorrectOn); });
    OnTrigger(MenuOnDeltaX,
              [this] { SwitchStepX(state_, host_, *this, !ButtonStepX->isChecked()); });

    connect(MenuClearGrafik, &QAction::triggered, this, press(ButtonClearImage));
    connect(MenuPasteLine, &QAction::triggered, this, press(ButtonPasteLine));
    connect(MenuFindOnLine, &QAction::triggered, this, press(ButtonFindOnLine));
    connect(MenuFindByColor, &QAction::triggered, this, press(ButtonFindByColor));
    connect(MenuInputColor, &QAction::triggered, this, press(ButtonInputColor));
    OnTrigger(MenuAvtomat, [this] {
        const int threshold =
            windows_ != nullptr ? windows_->FormAvtomat->Threshold() : kDefaultAutoThreshold;
        AutoDigitizeAfterQuestion(state_, host_, *this, threshold);
    });
    OnTrigger(MenuAvtomatSetup, [this] {
        if (windows_ != nullptr) {
            ShowOnTop(windows_->FormAvtomat.get());
        }
    });

    OnTrigger(MenuHelp, [this] { ShowHelp(); });
    OnTrigger(MenuAbout, [this] {
        if (windows_ != nullptr) {
            windows_->FormAbout->show();
            windows_->FormAbout->raise();
        }
    });
}

void TFormLineora::WireToolWindows() {
    TformClipboard* paste = windows_->formClipboard.get();
    connect(paste->ButtonOK, &QPushButton::clicked, this, [this, paste] {
        Command([this, paste] { PastePicture(state_, host_, *this, paste->Picture()); });
        paste->close();
    });
    connect(windows_->FormOutText.get(), &TFormOutText::TextEdited, this,
            [this](const QString& text) { state_.Output.MemoText = text; });
    WireTracingWindows();

    TFormVygibatel* straightener = windows_->FormVygibatel.get();
    const auto onStraightener = [this, straightener](auto signal, auto command) {
        connect(straightener, signal, this, [this, straightener, command] {
            Command([&] { command(); });
            const StraightenerState& settings = state_.Straightener;
            straightener->ShowSettings(settings.StraightenRadius, settings.StripGap);
        });
    };
    onStraightener(&TFormVygibatel::Shown, [this] { ShowStraightenGuide(state_, *this); });
    onStraightener(&TFormVygibatel::Closing, [this] { HideStraightenGuide(state_, *this); });
    onStraightener(&TFormVygibatel::GapDownClicked, [this] { ChangeStripGap(state_, *this, -1); });
    onStraightener(&TFormVygibatel::GapUpClicked, [this] { ChangeStripGap(state_, *this, 1); });
    onStraightener(&TFormVygibatel::CurvatureDownClicked,
                   [this] { ChangeCurvature(state_, *this, CurvatureArrow::Down); });
    onStraightener(&TFormVygibatel::CurvatureUpClicked,
                   [this] { ChangeCurvature(state_, *this, CurvatureArrow::Up); });
    connect(straightener, &TFormVygibatel::StraightenClicked, this, [this, straightener] {
        bool done = false;
        Command([&] { done = RunStraightening(state_, host_, *this); });
        if (done) {
            straightener->close();
        }
    });
}

void TFormLineora::WireTracingWindows() {
    TFormInputColor* picking = windows_->FormInputColor.get();
    connect(picking, &TFormInputColor::Shown, this,
            [this, picking] { picking->SetLineColour(state_.Setup.FindColor); });
    // The line swatch is the second colour of tracing, and the configuration keeps it.
    connect(picking, &TFormInputColor::LineColourChanged, this,
            [this](TColor colour) { state_.Setup.Special2Color = colour; });
    connect(picking, &TFormInputColor::OkClicked, this, [this, picking] {
        Command([&] {
            AcceptFindColor(state_, *this, picking->LineColour());
            picking->close();
        });
    });
    connect(picking, &TFormInputColor::CancelClicked, this, [this, picking] {
        Command([&] {
            DrawAxesAgain(state_, *this);
            picking->close();
        });
    });
    connect(picking, &TFormInputColor::Closing, this,
            [this] { Command([this] { SetPointMode(state_, *this); }); });

    TFormAvtomatColor* tracing = windows_->FormAvtomatColor.get();
    connect(tracing, &TFormAvtomatColor::Shown, this,
            [this, tracing] { tracing->ShowFindColor(state_.Setup.FindColor); });
    connect(tracing, &TFormAvtomatColor::FindClicked, this, [this, tracing] {
        Command([&] {
            if (TraceFromFields(state_, host_, *this, tracing->Fields())) {
                tracing->close();
            }
        });
    });
    connect(tracing, &TFormAvtomatColor::CancelClicked, this, [this, tracing] {
        Command([&] {
            DrawAxesAgain(state_, *this);
            tracing->close();
        });
    });
    connect(tracing, &TFormAvtomatColor::Closing, this,
            [this] { Command([this] { SetPointMode(state_, *this); }); });

    TFormAvtomat* automatic = windows_->FormAvtomat.get();
    connect(automatic, &TFormAvtomat::WorkClicked, this, [this, automatic] {
        Command([&] { AutoDigitizeAfterQuestion(state_, host_, *this, automatic->Threshold()); });
    });
}

void TFormLineora::WirePopupMenus() {
    for (int index = 1; index <= 7; ++index) {
        OnTrigger(scaleItems_[static_cast<std::size_t>(index)],
                  [this, index] { SetScaleIndex(state_, *this, index); });
    }
    for (int kind = 1; kind <= 5; ++kind) {
        OnTrigger(cursorItems_[static_cast<std::size_t>(kind)],
                  [this, kind] { SetCursorKind(state_, *this, kind); });
    }
    OnTrigger(MenuItempf1bit, [this] { BlackAndWhite(state_, *this); });
    // The other formats only show what was found; choosing one changes nothing.
    for (int item = 2; item <= 7; ++item) {
        OnTrigger(pixelFormatItems_[static_cast<std::size_t>(item)], [] {});
    }
}

} // namespace lineora
