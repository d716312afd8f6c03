#pragma once

#include "core/common/Types.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lineora {

// Picks the line and background colours for colour tracing; the picture works as a pipette
// meanwhile. The window only holds the swatches and reports what the user does; the main
// window runs the operations. Its line swatch is the second colour of tracing, so every change
// of it is reported.
class TFormInputColor : public QDialog {
    Q_OBJECT
public:
    explicit TFormInputColor(QWidget* parent = nullptr);

    TColor LineColour() const;
    void SetLineColour(TColor colour);
    TColor BackgroundColour() const;
    void SetBackgroundColour(TColor colour);
    TColor SampleColour() const;
    TColor HoverColour() const;

    // The colour under the mouse: its swatch and its three components.
    void ShowHover(TColor colour);
    // The colour under the mouse becomes the sample.
    void TakeSample();

    // However the window closes (button, title bar, Escape), Closing is reported.
    void done(int result) override;

    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;
    QFrame* ShapeLineGrafik;
    QFrame* ShapeBackground;
    QFrame* ShapeEkran;
    QLabel* Label1;
    QLabel* Label2;
    QFrame* ShapeSample;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* EditRedComp;
    QLabel* LabelRedComp;
    QLabel* LabelGreenComp;
    QLabel* LabelBlueComp;
    QLineEdit* EditGreenComp;
    QLineEdit* EditBlueComp;

signals:
    // The window came up: the line swatch is to show the colour traced.
    void Shown();
    void LineColourChanged(TColor colour);
    void OkClicked();
    void CancelClicked();
    void Closing();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace lineora
