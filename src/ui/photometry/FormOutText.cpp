#include "ui/photometry/FormOutText.h"

#include "core/curves/TextFile.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace lineora {

TFormOutText::TFormOutText(QWidget* parent)
    : QDialog(parent), MemoTextOut(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FormOutText"));
    setWindowTitle(QStringLiteral("FormOutText"));
    // Minimisable, with the system menu, but never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    MemoTextOut->setObjectName(QStringLiteral("MemoTextOut"));
    MemoTextOut->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoTextOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoTextOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The columns of numbers line up only in a fixed-pitch font.
    // Where Courier is missing the type-writer hint picks another fixed-pitch family.
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    MemoTextOut->setFont(font);
    connect(MemoTextOut, &QPlainTextEdit::textChanged, this, &TFormOutText::OnMemoChanged);

    move(0, 189);
    resize(640, 290);
    LayoutMemo(size());
}

void TFormOutText::ShowText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    loaded_ = false;
    if (isVisible()) {
        LoadText();
    }
}

namespace {

// The memo's lines for a text: the editor breaks lines at CR LF and LF alike. A lone CR is a
// break of its own there, which this split would not see, so such a text gets no lines.
QStringList MemoLines(const QString& text) {
    QString joined = text;
    joined.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (joined.contains(QLatin1Char('\r'))) {
        return {};
    }
    return joined.split(QLatin1Char('\n'));
}

} // namespace

void TFormOutText::LoadText() {
    loading_ = true;
    const QStringList lines = MemoLines(text_);
    if (!ReplaceChangedLines(lines)) {
        MemoTextOut->setPlainText(text_);
    }
    shownLines_ = lines;
    loading_ = false;
    loaded_ = true;
}

// A click in a light-distribution mode changes a row or two of a table of thousands: only the
// lines between the common head and the common tail are replaced, which keeps the update far
// below the cost of laying out the whole text again.
bool TFormOutText::ReplaceChangedLines(const QStringList& lines) {
    QTextDocument* document = MemoTextOut->document();
    const qsizetype oldCount = shownLines_.size();
    const qsizetype newCount = lines.size();
    if (oldCount == 0 || newCount == 0 || document->blockCount() != oldCount) {
        return false;
    }
    // At least one line of each side stays in the replaced range, so that it never has to
    // start or end with a line break.
    const qsizetype limit = std::min(oldCount, newCount) - 1;
    qsizetype head = 0;
    while (head < limit && shownLines_[head] == lines[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (head + tail < limit && shownLines_[oldCount - 1 - tail] == lines[newCount - 1 - tail]) {
        ++tail;
    }
    // A text that changed throughout loads faster whole.
    if (newCount - tail - head > newCount / 2) {
        return false;
    }
    const QTextBlock first = document->findBlockByNumber(static_cast<int>(head));
    const QTextBlock last = document->findBlockByNumber(static_cast<int>(oldCount - 1 - tail));
    QTextCursor cursor(document);
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    // As with a whole new text, the user's undo steps do not reach into an earlier table.
    document->setUndoRedoEnabled(false);
    cursor.insertText(lines.mid(head, newCount - tail - head).join(QLatin1Char('\n')));
    document->setUndoRedoEnabled(true);
    return true;
}

void TFormOutText::OnMemoChanged() {
    if (loading_) {
        return;
    }
    text_ = WithCrLf(MemoTextOut->toPlainText());
    shownLines_ = MemoLines(text_);
    emit TextEdited(text_);
}

void TFormOutText::showEvent(QShowEvent* event) {
    if (!loaded_) {
        LoadText();
    }
    QDialog::showEvent(event);
}

void TFormOutText::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutMemo(event->size());
}

void TFormOutText::LayoutMemo(QSize client) {
    MemoTextOut->setGeometry(0, 0, client.width() - kMemoMarginWidth,
                             client.height() - kMemoMarginHeight);
}

} // namespace lineora
