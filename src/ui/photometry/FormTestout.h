#pragma once

#include <QDialog>

namespace lineora {

// Test output of the special set points.
class TFormTestout : public QDialog {
    Q_OBJECT
public:
    explicit TFormTestout(QWidget* parent = nullptr);
};

} // namespace lineora
