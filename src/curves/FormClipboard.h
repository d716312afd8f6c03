#pragma once

#include <QDialog>

class QImage;
class QLabel;
class QPushButton;
class QScrollArea;

namespace lineora {

// The paste window: a preview of the clipboard picture, taken over on "Copy". The main window
// fills the preview and runs the paste; "Cancel" just closes.
class TformClipboard : public QDialog {
    Q_OBJECT
public:
    explicit TformClipboard(QWidget* parent = nullptr);

    // Shows the picture at its natural size; a null picture empties the preview.
    void ShowPicture(const QImage& picture);

    QScrollArea* ScrollBox1;
    QLabel* imgClipboard;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
};

} // namespace lineora
