#include "ui/photometry/FormOutText.h"

#include "core/curves/TextFile.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QShowEvent>

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

void TFormOutText::LoadText() {
    loading_ = true;
    MemoTextOut->setPlainText(text_);
    loading_ = false;
    loaded_ = true;
}

void TFormOutText::OnMemoChanged() {
    if (loading_) {
        return;
    }
    text_ = WithCrLf(MemoTextOut->toPlainText());
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
