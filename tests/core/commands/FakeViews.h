#pragma once

#include "core/commands/Views.h"

#include <QPoint>
#include <QStringList>

#include <map>

namespace lineora::test {

// Records what the commands asked of the windows.
class FakeViews : public Views {
public:
    int PictureRepaints = 0, AreaRepaints = 0, ScaleChanges = 0, TableChanges = 0;
    int Nudges = 0, Closes = 0, MagnifierUpdates = 0, PipetteHovers = 0, PipettePicks = 0;
    CursorId LastCursor = static_cast<CursorId>(-1); // none set yet
    QPoint Scrolled, PointerMoved;
    std::map<int, QString> Status;
    QString Caption;
    TColor PipetteColour = 0;

    void PictureChanged() override { ++PictureRepaints; }
    void PictureAreaChanged(const QRect&) override { ++AreaRepaints; }
    void ViewScaleChanged() override { ++ScaleChanges; }
    void ControlsChanged() override {}
    void ApplyWindowToggles() override {}
    void ApplyWindowPlacements() override {}
    void CaptureWindowPlacements() override {}
    void SetPictureCursor(CursorId id) override { LastCursor = id; }
    void ScrollPictureBy(int dx, int dy) override { Scrolled += QPoint(dx, dy); }
    void UpdateMagnifier(int, int) override { ++MagnifierUpdates; }
    void ShowStatus(int panel, const QString& text) override { Status[panel] = text; }
    void SetCaption(const QString& caption) override { Caption = caption; }
    void TableChanged() override { ++TableChanges; }
    void RunNudge() override { ++Nudges; }
    void MovePointerBy(int dx, int dy) override { PointerMoved += QPoint(dx, dy); }
    void CloseMainWindow() override { ++Closes; }
    void PipetteHover(TColor colour) override {
        PipetteColour = colour;
        ++PipetteHovers;
    }
    void PipettePicked() override { ++PipettePicks; }
};

} // namespace lineora::test
