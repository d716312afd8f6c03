#pragma once

#include "core/commands/ToolModes.h"
#include "core/common/Types.h"

#include <QRect>
#include <QString>

namespace lineora {

// What commands ask of the windows. The main window implements it; tests record the calls.
class Views {
public:
    virtual ~Views() = default;

    // The working image was drawn on: repaint the picture view.
    virtual void PictureChanged() = 0;
    // Only this rectangle of the picture (picture pixels) was drawn on.
    virtual void PictureAreaChanged(const QRect& pictureArea) = 0;
    // The view scale changed: resize the picture view, the scale button and its menu check.
    virtual void ViewScaleChanged() = 0;
    // Tool buttons, toggles and menu checks follow the state again.
    virtual void ControlsChanged() = 0;
    // The four tool windows are shown (stay-on-top) or closed as their toggles say.
    virtual void ApplyWindowToggles() = 0;
    // Windows move to Settings::Forms, or Settings::Forms takes where they stand now.
    virtual void ApplyWindowPlacements() = 0;
    virtual void CaptureWindowPlacements() = 0;
    virtual void SetPictureCursor(CursorId id) = 0;
    // Scroll positions of the picture box move by these screen pixels.
    virtual void ScrollPictureBy(int dx, int dy) = 0;
    // Redraws the magnifier around a picture position (whether or not it is shown).
    virtual void UpdateMagnifier(int x, int y) = 0;
    virtual void ShowStatus(int panel, const QString& text) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The point values changed: table and text output follow.
    virtual void TableChanged() = 0;
    // The nudge window for the selected point, modal.
    virtual void RunNudge() = 0;
    // Moves the mouse pointer by screen pixels, so the picture gets a fresh mouse move.
    virtual void MovePointerBy(int dx, int dy) = 0;
    virtual void CloseMainWindow() = 0;
    // The pick-colour tool: the colour window shows the colour under the mouse, and a click
    // makes it the window's sample.
    virtual void PipetteHover(TColor colour) = 0;
    virtual void PipettePicked() = 0;
    // The strip-sampling window's swatch of the colour under the mouse, while a trace's colour
    // is being picked.
    virtual void StripColourHover(TColor colour) { (void)colour; }
};

} // namespace lineora
