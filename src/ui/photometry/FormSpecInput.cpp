#include "ui/photometry/FormSpecInput.h"

#include "ui/FormControls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace lineora {

namespace {

// Whole numbers only: a key that types anything but a digit or Backspace is dropped, Enter
// included. Keys that type nothing (arrows, Delete) move and edit as usual.
bool RefusedKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) {
        return false;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    }
    return !(text.size() == 1 && text.front().isDigit() && text.front().unicode() < 128);
}

} // namespace

TFormSpecInput::TFormSpecInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpecInput"));
    setWindowTitle(QStringLiteral("Ввод кол-ва точек/секунд"));
    setFixedSize(250, 150);
    setModal(true);

    const StripInputTexts start;
    LabelKolvoOnX =
        MakeLabel(this, "LabelKolvoOnX", QStringLiteral("Кол-во сек по Х"), {10, 12, 150, 22});
    EditKolvoOnX = Named(new QLineEdit(start.Seconds, this), "EditKolvoOnX", {170, 12, 70, 22});
    LabelKolvoPoint = MakeLabel(this, "LabelKolvoPoint", QStringLiteral("Кол-во точек на сек"),
                                {10, 42, 150, 22});
    EditKolvoPoint =
        Named(new QLineEdit(start.PointsPerSecond, this), "EditKolvoPoint", {170, 42, 70, 22});
    LabelminSek = MakeLabel(this, "LabelminSek", QStringLiteral("Нач. сек."), {10, 72, 150, 22});
    EditminSek = Named(new QLineEdit(start.StartSecond, this), "EditminSek", {170, 72, 70, 22});
    ButtonOk = MakeButton(this, "ButtonOk", QStringLiteral("Дальше"), {85, 110, 80, 28});

    for (QLineEdit* field : {EditKolvoOnX, EditKolvoPoint, EditminSek}) {
        field->installEventFilter(this);
    }
    connect(ButtonOk, &QPushButton::clicked, this, [this] { emit OkClicked(Texts()); });
}

StripInputTexts TFormSpecInput::Texts() const {
    return {EditKolvoOnX->text(), EditKolvoPoint->text(), EditminSek->text()};
}

bool TFormSpecInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (RefusedKey(*key)) {
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSpecInput::showEvent(QShowEvent* event) {
    // Centred on the screen, as every modal question of the program.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        move(room.center() - QPoint(frameSize().width() / 2, frameSize().height() / 2));
    }
    QDialog::showEvent(event);
}

} // namespace lineora
