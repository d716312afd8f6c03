#pragma once

#include <QDialog>

namespace lineora {

// The straightener: guide arcs laid over a bent chart, then every row shifted straight.
class TFormVygibatel : public QDialog {
    Q_OBJECT
public:
    explicit TFormVygibatel(QWidget* parent = nullptr);
};

} // namespace lineora
