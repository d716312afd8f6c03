// The windows the main window opens for a tool (paste preview, colour picking and tracing,
// automatic digitizing, straightener, text output, help) and how their buttons reach the
// commands.

#include "ui/app/FormLineora.h"

#include "ui/app/FormHelp.h"

#include "core/commands/Commands.h"
#include "core/commands/StraightenCommands.h"
#include "core/commands/TracingCommands.h"
#include "ui/app/Windows.h"
#include "ui/tracing/FormSwatch.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace lineora {

void TFormLineora::OpenPastePreview() {
    if (windows_ != nullptr) {
        TformClipboard& paste = *windows_->formClipboard;
        paste.show();
        paste.raise();
        paste.ShowPicture(ClipboardPreview(state_, host_).value_or(QImage()));
    }
}

// Colour picking and colour tracing both draw the axes again, with the copy pen unless they
// invert: the step-X crosshair leaves the picture first so that its erasing cannot invert axis
// pixels.
void TFormLineora::OpenColourPicking() {
    HideStepCrosshair(state_, *this);
    StartColorPicking(state_, *this);
    if (windows_ != nullptr) {
        // The setup dialog's hidden swatches give the starting colours.
        TFormInputColor& picking = *windows_->FormInputColor;
        picking.SetLineColour(swatch::ColourOf(windows_->FormSetup->ShapeLineGrafik));
        picking.SetBackgroundColour(swatch::ColourOf(windows_->FormSetup->ShapeBackground));
        ShowOnTop(&picking);
        // Coming up, the window puts the colour traced on its line swatch; one already open is
        // not shown again, so it is put there here too.
        picking.SetLineColour(state_.Setup.FindColor);
    }
}

void TFormLineora::OpenColourTracing() {
    HideStepCrosshair(state_, *this);
    DrawAxesAgain(state_, *this);
    if (windows_ != nullptr) {
        windows_->FormAvtomatColor->exec();
    }
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
    WirePolarDialog();
    WireCartesianDialog();
    WireBrightLineWindows();

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
        Command([&] { AutoDigitizeFromFields(state_, host_, *this, automatic->Fields()); });
    });
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

} // namespace lineora
