#pragma once

#include <QDialog>

namespace lineora {

// The paste window: a preview of the clipboard picture, taken over on "Copy".
class TformClipboard : public QDialog {
    Q_OBJECT
public:
    explicit TformClipboard(QWidget* parent = nullptr);
};

} // namespace lineora
