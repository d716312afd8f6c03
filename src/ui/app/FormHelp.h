#pragma once

#include <QDialog>

class QTextBrowser;

namespace lineora {

// The help page inside the program, so that no browser has to be set up on the desktop. Links
// to other pages of the help folder open in the window; web links go to the desktop's browser.
class TFormHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFormHelp(QWidget* parent = nullptr);

    // Shows the HTML page at `path`; the window takes the page's title.
    void ShowPage(const QString& path);

    QTextBrowser* Browser;
};

} // namespace lineora
