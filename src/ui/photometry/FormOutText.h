#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace lineora {

// The text output window: the export text of the table, or a special mode's table. The user
// may edit it; copy and save take what it holds.
class TFormOutText : public QDialog {
    Q_OBJECT
public:
    // The memo leaves this much of the window's width and height free.
    inline static constexpr int kMemoMarginWidth = 10;
    inline static constexpr int kMemoMarginHeight = 28;

    explicit TFormOutText(QWidget* parent = nullptr);

    // Makes `text` the memo's whole content. A hidden window loads it when it is shown, so the
    // refresh after every click does not lay out thousands of lines nobody sees.
    void ShowText(const QString& text);

    QPlainTextEdit* MemoTextOut;

signals:
    // The user changed the memo: its whole text, every line ending in CR LF.
    void TextEdited(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayoutMemo(QSize client);
    void LoadText();
    bool ReplaceChangedLines(const QStringList& lines);
    void OnMemoChanged();

    QString text_;
    // The memo's lines while they are known to be text_'s; empty when they must be loaded whole.
    QStringList shownLines_;
    bool loaded_ = true;
    bool loading_ = false;
};

} // namespace lineora
