#pragma once

#include "commands/Views.h"

namespace lineora {

// The windows' side of the commands doing nothing; a benchmark overrides what it measures.
class NullViews : public Views {
public:
    void PictureChanged() override {}
    void PictureAreaChanged(const QRect&) override {}
    void ViewScaleChanged() override {}
    void ControlsChanged() override {}
    void ApplyWindowToggles() override {}
    void ApplyWindowPlacements() override {}
    void CaptureWindowPlacements() override {}
    void SetPictureCursor(int) override {}
    void ScrollPictureBy(int, int) override {}
    void UpdateMagnifier(int, int) override {}
    void ShowStatus(int, const QString&) override {}
    void SetCaption(const QString&) override {}
    void TableChanged() override {}
    void RunNudge() override {}
    void MovePointerBy(int, int) override {}
    void CloseMainWindow() override {}
};

} // namespace lineora
