#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollArea;

namespace lineora {

// The paste window: a preview of the clipboard picture, taken over on "Copy". The main window
// fills the preview and pastes the picture it shows; "Cancel" just closes.
class TformClipboard : public QDialog {
    Q_OBJECT
public:
    explicit TformClipboard(QWidget* parent = nullptr);

    // Shows the picture at its natural size; a null picture empties the preview.
    void ShowPicture(const QImage& picture);
    // The picture the preview shows, kept whatever the clipboard holds meanwhile.
    const QImage& Picture() const { return picture_; }

    QScrollArea* ScrollBox1;
    QLabel* imgClipboard;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

private:
    QImage picture_;
};

} // namespace lineora
