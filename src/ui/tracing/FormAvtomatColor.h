#pragma once

#include "core/commands/TracingCommands.h"
#include "core/common/Types.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lineora {

// Colour tracing: finds the current curve column by column by the colour of its line. The
// window holds the fields and reports what the user does; the main window runs the trace.
class TFormAvtomatColor : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvtomatColor(QWidget* parent = nullptr);

    // The colour the trace looks for, as the window came up with it.
    void ShowFindColor(TColor colour);
    // The criterion, the colour and both texts as they stand.
    TraceFields Fields() const;

    // However the window closes (button, title bar, Escape), Closing is reported.
    void done(int result) override;

    QPushButton* ButtonFind;
    QPushButton* ButtonCancel;
    QFrame* ShapeLineGrafik;
    QLabel* Label2;
    QLineEdit* EditNumberPointForFind;
    QLabel* Label3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QLineEdit* EditPredel;

signals:
    // The window came up: it is to show the colour traced.
    void Shown();
    void FindClicked();
    void CancelClicked();
    void Closing();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lineora
