#pragma once

#include <QDialog>

namespace lineora {

// Colour tracing: finds the current curve column by column by the colour of its line.
class TFormAvtomatColor : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvtomatColor(QWidget* parent = nullptr);
};

} // namespace lineora
