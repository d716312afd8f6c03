#pragma once

#include <QDialog>

namespace lineora {

// Picks the line and background colours for colour tracing; the picture works as a pipette
// meanwhile.
class TFormInputColor : public QDialog {
    Q_OBJECT
public:
    explicit TFormInputColor(QWidget* parent = nullptr);
};

} // namespace lineora
