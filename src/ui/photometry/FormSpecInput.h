#pragma once

#include "core/commands/StripModeCommands.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lineora {

// Asks the seconds on X, the points per second and the start second of the strip sampling,
// modally. OK only reports the texts: the main window closes the dialog once they are taken.
class TFormSpecInput : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpecInput(QWidget* parent = nullptr);

    StripInputTexts Texts() const;

    QLabel* LabelKolvoOnX;
    QLineEdit* EditKolvoOnX;
    QLabel* LabelKolvoPoint;
    QLineEdit* EditKolvoPoint;
    QLabel* LabelminSek;
    QLineEdit* EditminSek;
    QPushButton* ButtonOk;

signals:
    void OkClicked(const StripInputTexts& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace lineora
