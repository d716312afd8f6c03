#include "ui/curves/FormClipboard.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace lineora {

TformClipboard::TformClipboard(QWidget* parent)
    : QDialog(parent), ScrollBox1(new QScrollArea(this)), imgClipboard(new QLabel),
      ButtonOK(new QPushButton(QStringLiteral("Copy"), this)),
      ButtonCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("formClipboard"));
    setWindowTitle(QStringLiteral("formClipboard"));

    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    imgClipboard->setObjectName(QStringLiteral("imgClipboard"));
    imgClipboard->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(imgClipboard);
    ScrollBox1->setWidgetResizable(false);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonOK->setAutoDefault(false);
    ButtonCancel->setAutoDefault(false);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollBox1, 1);
    layout->addLayout(buttons);
    resize(480, 360);
}

void TformClipboard::ShowPicture(const QImage& picture) {
    picture_ = picture;
    imgClipboard->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    imgClipboard->adjustSize();
}

} // namespace lineora
