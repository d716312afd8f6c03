#pragma once

#include <QDialog>

namespace lineora {

// The table of the points of all five curves.
class TFormTable : public QDialog {
    Q_OBJECT
public:
    explicit TFormTable(QWidget* parent = nullptr);
};

} // namespace lineora
