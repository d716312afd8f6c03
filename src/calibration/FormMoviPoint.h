#pragma once

#include <QDialog>

class QPushButton;

namespace lineora {

// The nudge window: moves the selected point one picture pixel per button press.
class TFormMoviPoint : public QDialog {
    Q_OBJECT
public:
    explicit TFormMoviPoint(QWidget* parent = nullptr);

    QPushButton* BitBtnUp;
    QPushButton* BitBtnDown;
    QPushButton* BitBtnLeft;
    QPushButton* BitBtnRight;
    QPushButton* BitBtnClose;
};

} // namespace lineora
