#include "app/PictureView.h"

#include <QApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QScrollArea>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineora"));

    QImage picture;
    if (argc > 1) {
        QImageReader reader(QString::fromLocal8Bit(argv[1]));
        picture = reader.read();
        if (picture.isNull()) {
            QMessageBox::warning(
                nullptr, QStringLiteral("Lineora"),
                QStringLiteral("Cannot open %1: %2").arg(reader.fileName(), reader.errorString()));
        } else {
            picture = picture.convertToFormat(QImage::Format_RGB32);
        }
    }

    QScrollArea window;
    window.setWindowTitle(QStringLiteral("Lineora"));
    auto* view = new lineora::PictureView;
    view->SetImage(&picture);
    window.setWidget(view);
    window.resize(850, 510);
    window.show();
    return QApplication::exec();
}
