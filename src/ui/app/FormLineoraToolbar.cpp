// The main window's toolbar: one row of the table per button, in the order the language file
// walks them, and one loop that creates, places, groups and wires them.

#include "ui/app/FormLineora.h"

#include "core/commands/BrightLineCommands.h"
#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/RectifyCommands.h"
#include "ui/FormControls.h"
#include "ui/app/Glyphs.h"
#include "ui/app/Windows.h"

#include <QButtonGroup>
#include <QToolButton>

#include <array>
#include <optional>

namespace lineora {

namespace {

constexpr int kRow1 = 0;
constexpr int kRow2 = 32;
constexpr int kButtonSide = 25;
// The button that releases every tool is a narrow strip at the end of the first row.
constexpr int kNarrowButton = 9;

// Written against the state's own type, so that the table follows it.
using ToolMode = decltype(MainState::ToolMode);

} // namespace

struct TFormLineora::ToolbarButton {
    // A push button, a switch, or one of the exclusive groups: one tool and one curve are down.
    enum class Kind { Push, Switch, Tool, Curve };
    // What few buttons have.
    struct Extras {
        // The tool mode that shows this button down.
        std::optional<ToolMode> tool = std::nullopt;
        // Shown in place of a glyph.
        const char* text = nullptr;
        bool bold = false;
        int textPixels = 0;
        // A built-in hint; the language file's, where it has one, replaces it.
        const char* hint = nullptr;
        int width = kButtonSide;
    };

    QToolButton* MainToolbar::*member;
    const char* name;
    int top;
    int left;
    Kind kind;
    std::optional<Glyph> glyph;
    // A click; `down` is the state a switch or group button has just taken.
    void (*onClick)(TFormLineora& form, bool down);
    Extras extras = {};
};

template <auto window> void TFormLineora::ShowWindow() {
    if (windows_ != nullptr) {
        ShowOnTop((windows_->*window).get());
    }
}

std::span<const TFormLineora::ToolbarButton> TFormLineora::ToolbarButtons() {
    using B = ToolbarButton;
    using K = ToolbarButton::Kind;
    using F = TFormLineora;
    using W = Windows;
    using E = ToolbarButton::Extras;
    static constexpr std::array kButtons{
        B{&F::ButtonFileOpen, "ButtonFileOpen", kRow1, 0, K::Push, Glyph::OpenPicture,
          [](F& f, bool) { OpenPicture(f.state_, f.host_, f); }},
        B{&F::ButtonCopyFromClipboard, "ButtonCopyFromClipboard", kRow1, 24, K::Push,
          Glyph::FromClipboard, [](F& f, bool) { f.OpenPastePreview(); }},
        B{&F::SpeedButtonBMPSave, "SpeedButtonBMPSave", kRow1, 48, K::Push, Glyph::SavePicture,
          [](F& f, bool) { SavePicture(f.state_, f.host_, f); }},
        B{&F::ButtonCopyToClipboard, "ButtonCopyToClipboard", kRow1, 104, K::Push,
          Glyph::CopyToClipboard, [](F& f, bool) { CopyExportText(f.state_, f.host_); }},
        B{&F::ButtonSetZeroPoint, "ButtonSetZeroPoint", kRow1, 136, K::Tool, Glyph::ZeroPoint,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::ZeroPoint, CursorId::ZeroPoint); },
          E{.tool = Tool::ZeroPoint}},
        B{&F::ButtonSetXMaxPoint, "ButtonSetXMaxPoint", kRow1, 160, K::Tool, Glyph::XMaxPoint,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::XMaxPoint, CursorId::XMaxPoint); },
          E{.tool = Tool::XMaxPoint}},
        B{&F::ButtonSetYMaxPoint, "ButtonSetYMaxPoint", kRow1, 184, K::Tool, Glyph::YMaxPoint,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::YMaxPoint, CursorId::YMaxPoint); },
          E{.tool = Tool::YMaxPoint}},
        B{&F::SpeedButtonOn3click, "SpeedButtonOn3click", kRow1, 208, K::Tool, Glyph::ThreeClicks,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::ThreeClick, CursorId::ZeroPoint); },
          E{.tool = Tool::ThreeClick}},
        B{&F::ButtonSetPoint, "ButtonSetPoint", kRow1, 240, K::Tool, Glyph::SetPoint,
          [](F& f, bool) { SetPointMode(f.state_, f); }, E{.tool = Tool::SetPoint}},
        B{&F::SpeedButtonLine1, "SpeedButtonLine1", kRow1, 272, K::Curve, std::nullopt,
          [](F& f, bool) { SelectLine(f.state_, 1); }, E{.text = "1", .bold = true}},
        B{&F::SpeedButtonLine2, "SpeedButtonLine2", kRow1, 296, K::Curve, std::nullopt,
          [](F& f, bool) { SelectLine(f.state_, 2); }, E{.text = "2", .bold = true}},
        B{&F::SpeedButtonLine3, "SpeedButtonLine3", kRow1, 320, K::Curve, std::nullopt,
          [](F& f, bool) { SelectLine(f.state_, 3); }, E{.text = "3", .bold = true}},
        B{&F::SpeedButtonLine4, "SpeedButtonLine4", kRow1, 344, K::Curve, std::nullopt,
          [](F& f, bool) { SelectLine(f.state_, 4); }, E{.text = "4", .bold = true}},
        B{&F::SpeedButtonLine5, "SpeedButtonLine5", kRow1, 368, K::Curve, std::nullopt,
          [](F& f, bool) { SelectLine(f.state_, 5); }, E{.text = "5", .bold = true}},
        B{&F::ButtonErazer, "ButtonErazer", kRow1, 416, K::Tool, Glyph::Eraser,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::Eraser, CursorId::Eraser); },
          E{.tool = Tool::Eraser}},
        B{&F::ButtonClearData, "ButtonClearData", kRow1, 448, K::Push, Glyph::ClearLine,
          [](F& f, bool) { ClearDataOfLine(f.state_, f.host_, f); }},
        B{&F::ButtonPasteLine, "ButtonPasteLine", kRow1, 480, K::Tool, Glyph::ZoneBrush,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::Zone, CursorId::ZoneBrush); },
          E{.tool = Tool::Zone}},
        B{&F::ButtonFindOnLine, "ButtonFindOnLine", kRow1, 504, K::Tool, Glyph::FindInZone,
          [](F& f, bool) {
              SetToolMode(f.state_, f, Tool::None, CursorId::Arrow);
              FindInZone(f.state_, f.host_, f);
          }},
        B{&F::ButtonInputColor, "ButtonInputColor", kRow1, 536, K::Tool, Glyph::Pipette,
          [](F& f, bool) { f.OpenColourPicking(); }, E{.tool = Tool::PickColor}},
        B{&F::ButtonFindByColor, "ButtonFindByColor", kRow1, 560, K::Tool, Glyph::FindByColor,
          [](F& f, bool) { f.OpenColourTracing(); }},
        B{&F::BitBtnRotateAlfa, "BitBtnRotateAlfa", kRow1, 592, K::Push, Glyph::Rotate,
          [](F& f, bool) { RotateToXAxis(f.state_, f.host_, f); }},
        B{&F::BitBtnRectify, "BitBtnRectify", kRow1, 616, K::Tool, Glyph::Rectify,
          [](F& f, bool) { EnterRectifyTool(f.state_, f); }, E{.tool = Tool::Rectify}},
        B{&F::ButtonClearImage, "ButtonClearImage", kRow1, 648, K::Push, Glyph::CleanPicture,
          [](F& f, bool) { CleanPictureSpecks(f.state_, f.host_, f); }},
        B{&F::SpeedButtonNoneRezim, "SpeedButtonNoneRezim", kRow1, 680, K::Tool, Glyph::NoTool,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::None, CursorId::Diag); },
          E{.tool = Tool::None, .width = kNarrowButton}},

        B{&F::BTNZOOM, "BTNZOOM", kRow2, 0, K::Push, std::nullopt,
          [](F& f, bool) { f.PopUpBelow(f.PopupMenu2, f.BTNZOOM); },
          E{.text = "1 : 1", .textPixels = 9}},
        B{&F::SpeedButtonDrawLine, "SpeedButtonDrawLine", kRow2, 24, K::Switch,
          Glyph::ConnectPoints, [](F& f, bool down) { SwitchConnectPoints(f.state_, f, down); }},
        B{&F::ButtonAvtoCorrect, "ButtonAvtoCorrect", kRow2, 56, K::Switch, Glyph::AutoCorrect,
          [](F& f, bool down) { SwitchAutoCorrect(f.state_, f, down); }},
        B{&F::SpeedButtonAxis90, "SpeedButtonAxis90", kRow2, 88, K::Switch, Glyph::Axis90,
          [](F& f, bool down) { SwitchAxis90(f.state_, f, down); }, E{.hint = "Ровные оси"}},
        B{&F::ButtonStepX, "ButtonStepX", kRow2, 120, K::Switch, Glyph::StepX,
          [](F& f, bool down) { SwitchStepX(f.state_, f.host_, f, down); }},
        B{&F::ButtonViewSetup, "ButtonViewSetup", kRow2, 168, K::Push, Glyph::Setup,
          [](F& f, bool) { f.ShowWindow<&W::FormSetup>(); }},
        B{&F::SpeedButtonShowInput, "SpeedButtonShowInput", kRow2, 200, K::Switch,
          Glyph::AxisValues, [](F& f, bool down) { f.SetToggle(ToggleInput, down); }},
        B{&F::SpeedButtonShowTable, "SpeedButtonShowTable", kRow2, 224, K::Switch, Glyph::Table,
          [](F& f, bool down) { f.SetToggle(ToggleTable, down); }},
        B{&F::SpeedButtonViewText, "SpeedButtonViewText", kRow2, 248, K::Switch, Glyph::TextOutput,
          [](F& f, bool down) { f.SetToggle(ToggleText, down); }},
        B{&F::SpeedButtonShowZoom, "SpeedButtonShowZoom", kRow2, 272, K::Switch, Glyph::Magnifier,
          [](F& f, bool down) { f.SetToggle(ToggleZoom, down); }, E{.hint = "Лупа"}},
        // Kept for its place and name; it does nothing.
        B{&F::SpeedButton2, "SpeedButton2", kRow2, 296, K::Switch, Glyph::Pin, nullptr},
        B{&F::SpeedButton3Arc, "SpeedButton3Arc", kRow2, 320, K::Push, Glyph::SpecialPoints,
          [](F& f, bool) { f.EnterStripMode(); }},
        B{&F::SpeedButtonVigibatel, "SpeedButtonVigibatel", kRow2, 352, K::Push,
          Glyph::Straightener, [](F& f, bool) { f.ShowWindow<&W::FormVygibatel>(); }},
        B{&F::SpeedButtonSpec2, "SpeedButtonSpec2", kRow2, 384, K::Push, Glyph::BrightLine,
          [](F& f, bool) { EnterBrightLineMode(f.state_, f.host_, f); }},
        B{&F::SpeedButtonSpec3, "SpeedButtonSpec3", kRow2, 416, K::Push, Glyph::PolarTable,
          [](F& f, bool) {
              EnterPolarMode(f.state_, f);
              f.ShowWindow<&W::FormSpec3>();
          }},
        B{&F::SpeedButtonSpec4, "SpeedButtonSpec4", kRow2, 440, K::Push, Glyph::DoubleAxis,
          [](F& f, bool) {
              EnterCartesianMode(f.state_, f);
              f.ShowWindow<&W::FormDoubleAxisX>();
          }},
        B{&F::SpeedButtonSetPalitra, "SpeedButtonSetPalitra", kRow2, 656, K::Push, Glyph::Palette,
          [](F& f, bool) { f.PopUpBelow(f.PopupMenu5, f.SpeedButtonSetPalitra); },
          E{.hint = "Сменить палитру"}},
        B{&F::ButtonZoom, "ButtonZoom", kRow2, 680, K::Tool, Glyph::ZoomTool,
          [](F& f, bool) { SetToolMode(f.state_, f, Tool::Zoom, CursorId::Zoom); },
          E{.tool = Tool::Zoom}},
        B{&F::ButtonSelectCursor, "ButtonSelectCursor", kRow2, 704, K::Push, Glyph::CursorChoice,
          [](F& f, bool) { f.PopUpBelow(f.PopupMenu3, f.ButtonSelectCursor); }},
    };
    return kButtons;
}

void TFormLineora::BuildToolbar() {
    ToolPanel = new QWidget(centralWidget());
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));
    toolGroup_ = new QButtonGroup(this);
    toolGroup_->setExclusive(true);
    lineGroup_ = new QButtonGroup(this);
    lineGroup_->setExclusive(true);

    std::size_t line = 0;
    for (const ToolbarButton& row : ToolbarButtons()) {
        const ToolbarButton::Extras& extras = row.extras;
        auto* button = Named(new QToolButton(ToolPanel), row.name,
                             QRect(row.left, row.top, extras.width, kButtonSide));
        if (row.glyph) {
            button->setIcon(GlyphIcon(*row.glyph));
            button->setIconSize(DrawGlyph(*row.glyph).size());
        }
        if (extras.text != nullptr) {
            button->setText(QString::fromUtf8(extras.text));
            QFont font = button->font();
            if (extras.bold) {
                font.setBold(true);
            }
            if (extras.textPixels > 0) {
                font.setPixelSize(extras.textPixels);
            }
            button->setFont(font);
        }
        if (extras.hint != nullptr) {
            button->setToolTip(QString::fromUtf8(extras.hint));
        }
        button->setCheckable(row.kind != ToolbarButton::Kind::Push);
        button->setAutoRaise(true);
        // Speed buttons never take the focus, so every key goes to the window's key handling.
        button->setFocusPolicy(Qt::NoFocus);

        if (row.kind == ToolbarButton::Kind::Tool) {
            toolGroup_->addButton(button);
        } else if (row.kind == ToolbarButton::Kind::Curve) {
            lineButtons_.at(++line) = button;
            lineGroup_->addButton(button);
        }
        if (row.onClick != nullptr) {
            connect(button, &QToolButton::clicked, this, [this, onClick = row.onClick](bool down) {
                Command([&] { onClick(*this, down); });
            });
        }
        this->*row.member = button;
    }
}

QToolButton* TFormLineora::ToolButtonShown() const {
    for (const ToolbarButton& row : ToolbarButtons()) {
        if (row.extras.tool == state_.Main.ToolMode) {
            return this->*row.member;
        }
    }
    return nullptr; // the special modes keep whichever button was down
}

} // namespace lineora
