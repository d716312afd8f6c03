#pragma once

#include "core/commands/Views.h"

namespace lineora {

// The windows' side of the commands doing nothing: for the commands that run without a
// window, and for benchmarks, which override what they measure.
class NullViews : public Views {
public:
    void PictureChanged() override {}
    void PictureAreaChanged(const QRect&) override {}
    void ViewScaleChanged() override {}
    void ControlsChanged() override {}
    void ApplyWindowToggles() override {}
    void ApplyWindowPlacements() override {}
    void CaptureWindowPlacements() override {}
    void SetPictureCursor(CursorId) override {}
    void ScrollPictureBy(int, int) override {}
    void UpdateMagnifier(int, int) override {}
    void ShowStatus(int, const QString&) override {}
    void SetCaption(const QString&) override {}
    void TableChanged() override {}
    void RunNudge() override {}
    void MovePointerBy(int, int) override {}
    void CloseMainWindow() override {}
    void PipetteHover(TColor) override {}
    void PipettePicked() override {}
};

} // namespace lineora
