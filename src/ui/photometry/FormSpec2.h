#pragma once

#include "ui/photometry/ModeDialog.h"

class QPushButton;

namespace lineora {

// The bright-line mode's tool window: on top beside the main window while the mode lasts. Its
// close box ends the mode as the close button does, without a question (nothing is lost: the
// traced lines stay in memory).
class TFormSpec2 : public TModeDialog {
    Q_OBJECT
public:
    explicit TFormSpec2(QWidget* parent = nullptr);

    QPushButton* ButtonDrawLine;
    QPushButton* ButtonFiltr;
    QPushButton* ButtonReset;
    QPushButton* ButtonShowTable;
    QPushButton* ButtonClose;
    // Kept for its place and name; it does nothing.
    QPushButton* ButtonCalcSave;

signals:
    void BridgeClicked();
    void SmoothClicked();
    void ShowTableClicked();
};

} // namespace lineora
