#pragma once

class QToolButton;
class QWidget;

namespace lineora {

// The main window's toolbar buttons under their fixed names, which the language file and the
// tests look them up by. The main window creates and wires them all from one table
// (FormLineoraToolbar.cpp).
struct MainToolbar {
    QWidget* ToolPanel = nullptr;
    // First row.
    QToolButton* ButtonFileOpen = nullptr;
    QToolButton* ButtonCopyFromClipboard = nullptr;
    QToolButton* SpeedButtonBMPSave = nullptr;
    QToolButton* ButtonCopyToClipboard = nullptr;
    QToolButton* ButtonSetZeroPoint = nullptr;
    QToolButton* ButtonSetXMaxPoint = nullptr;
    QToolButton* ButtonSetYMaxPoint = nullptr;
    QToolButton* SpeedButtonOn3click = nullptr;
    QToolButton* ButtonSetPoint = nullptr;
    QToolButton* SpeedButtonLine1 = nullptr;
    QToolButton* SpeedButtonLine2 = nullptr;
    QToolButton* SpeedButtonLine3 = nullptr;
    QToolButton* SpeedButtonLine4 = nullptr;
    QToolButton* SpeedButtonLine5 = nullptr;
    QToolButton* ButtonErazer = nullptr;
    QToolButton* ButtonClearData = nullptr;
    QToolButton* ButtonPasteLine = nullptr;
    QToolButton* ButtonFindOnLine = nullptr;
    QToolButton* ButtonInputColor = nullptr;
    QToolButton* ButtonFindByColor = nullptr;
    QToolButton* BitBtnRotateAlfa = nullptr;
    QToolButton* BitBtnRectify = nullptr;
    QToolButton* ButtonClearImage = nullptr;
    QToolButton* SpeedButtonNoneRezim = nullptr;
    // Second row.
    QToolButton* BTNZOOM = nullptr;
    QToolButton* SpeedButtonDrawLine = nullptr;
    QToolButton* ButtonAvtoCorrect = nullptr;
    QToolButton* SpeedButtonAxis90 = nullptr;
    QToolButton* ButtonStepX = nullptr;
    QToolButton* ButtonViewSetup = nullptr;
    QToolButton* SpeedButtonShowInput = nullptr;
    QToolButton* SpeedButtonShowTable = nullptr;
    QToolButton* SpeedButtonViewText = nullptr;
    QToolButton* SpeedButtonShowZoom = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3Arc = nullptr;
    QToolButton* SpeedButtonVigibatel = nullptr;
    QToolButton* SpeedButtonSpec2 = nullptr;
    QToolButton* SpeedButtonSpec3 = nullptr;
    QToolButton* SpeedButtonSpec4 = nullptr;
    QToolButton* SpeedButtonSetPalitra = nullptr;
    QToolButton* ButtonZoom = nullptr;
    QToolButton* ButtonSelectCursor = nullptr;
};

} // namespace lineora
