#pragma once

#include <QDialog>

namespace lineora {

// The setup dialog: colours, marks, axes, number formats, scales and flags.
class TFormSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetup(QWidget* parent = nullptr);
};

} // namespace lineora
