#pragma once

#include <QDialog>

namespace lineora {

// The text output window: the export text of the table, or a special mode's table.
class TFormOutText : public QDialog {
    Q_OBJECT
public:
    explicit TFormOutText(QWidget* parent = nullptr);
};

} // namespace lineora
