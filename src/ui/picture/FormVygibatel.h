#pragma once

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace lineora {

// A spin button: two small arrow buttons, up above down, acting as one named control.
class TSpinButton : public QWidget {
public:
    explicit TSpinButton(QWidget* parent);

    QToolButton* UpButton;
    QToolButton* DownButton;
};

// The straightener: guide arcs laid over a bent chart, then every row shifted straight. The
// window only reports what the user does; the main window runs the operations.
class TFormVygibatel : public QDialog {
    Q_OBJECT
public:
    explicit TFormVygibatel(QWidget* parent = nullptr);

    // The curvature and the gap in their labels.
    void ShowSettings(std::int32_t radius, std::int32_t gap);

    // However the window closes (button, title bar, Escape), Closing comes first.
    void done(int result) override;

    QGroupBox* GroupBox2;
    QLabel* Labelkrivizna;
    TSpinButton* SpinButtonkrivizna;
    QGroupBox* GroupBox1;
    QLabel* LabelRazdel;
    TSpinButton* SpinButton1;
    QPushButton* ButtonVigibatel;
    QPushButton* ButtonClose;

signals:
    void Shown();
    void Closing();
    void CurvatureDownClicked();
    void CurvatureUpClicked();
    void GapDownClicked();
    void GapUpClicked();
    void StraightenClicked();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lineora
