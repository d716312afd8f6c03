#pragma once

#include "core/calibration/AxisTexts.h"
#include "core/calibration/Calibration.h"
#include "core/commands/ToolModes.h"
#include "core/commands/UndoHistory.h"
#include "core/common/Messages.h"
#include "core/common/Settings.h"
#include "core/common/Types.h"
#include "core/config/RecentFiles.h"
#include "core/curves/PointStore.h"
#include "core/curves/TextOutput.h"
#include "core/photometry/BrightLine.h"
#include "core/photometry/PhotometryState.h"
#include "core/photometry/StripSampling.h"
#include "core/picture/AssistedPicking.h"
#include "core/picture/Pictures.h"
#include "core/picture/Straightening.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace lineora {

// The main window's state that every other part reads.
struct MainState {
    Tool ToolMode = Tool::SetPoint;
    std::int32_t SpecialMode = 0;
    CursorId CurrentCursor = CursorId::Diag;
    std::int32_t CursorKind = 1; // 1..5, the crosshair of point mode
    bool AvtoCorrectOn = false;
    bool StepXOn = false;
    bool Axis90Mode = false;
    Extended ViewScale = 1;
    std::int32_t ScaleIndex = kScaleOneToOne;
    std::int32_t HoverPicX = 0, HoverPicY = 0;
    std::int32_t ThreeClickStep = 1;
    // The corners clicked so far with the rectify tool, marked on the picture until the fourth.
    std::vector<PicturePoint> RectifyCorners;
    bool Panning = false;
    std::int32_t PanStartX = 0, PanStartY = 0;
    InkLimits DarkLimit;
    TColor PixelColor = 0;
    Extended StepFromX = 0;
    QString GraFileName;

    // Down states of the four window toggles.
    bool ShowTable = false;
    bool ShowText = false;
    bool ShowZoom = false;
    bool ShowInput = false;

    // Pressing one of these two releases the other button, but each flag keeps its value
    // until its own button is clicked again.
    bool Axis90ButtonDown = false;
    bool DrawLineButtonDown = false;

    // The program's folder: language files, configuration and Data live beside the program.
    QString AppDir;
    // The help page of the chosen language, beside the program.
    QString HelpFileName = QStringLiteral("lineora2_r.html");

    QString VersionText = QStringLiteral("v 2.10");
    QString BuildDateText;
};

// Everything the program keeps for the run; main owns the one instance.
struct State {
    MainState Main;
    Calibration Cal;
    PointStore Store;
    // What the values of Store were last refreshed from (see RefreshValues).
    ValueMemo StoreValues;
    Pictures Pics;
    Settings Setup;
    AxisTexts Texts;
    Zones ZoneList;
    MessageCatalog Messages;
    TextOutput Output;
    StraightenerState Straightener;
    PhotometryState Photometry;
    StripSamplingState StripSampling;
    BrightLineState BrightLines;
    RecentFiles Recent;
    // The steps of the work since it was opened, and what was last saved.
    UndoHistory Undo;
};

} // namespace lineora
