#include "ui/photometry/FormSpec2.h"

#include "ui/FormControls.h"

#include <QPushButton>

namespace lineora {

namespace {

constexpr int kLeft = 8;
constexpr int kWidth = 204;
constexpr int kHeight = 28;
constexpr int kStep = 34;

QRect Row(int row) {
    return {kLeft, 8 + row * kStep, kWidth, kHeight};
}

QPushButton* MakeHinted(QWidget* parent, const char* name, const QString& caption, int row,
                        const QString& hint) {
    QPushButton* button = MakeButton(parent, name, caption, Row(row));
    button->setToolTip(hint);
    return button;
}

} // namespace

TFormSpec2::TFormSpec2(QWidget* parent) : TModeDialog(parent) {
    setObjectName(QStringLiteral("FormSpec2"));
    setWindowTitle(QStringLiteral("Яркая линия"));
    setFixedSize(kLeft * 2 + kWidth, 8 + 6 * kStep + 2);

    ButtonDrawLine = MakeHinted(this, "ButtonDrawLine", QStringLiteral("Соединить отрезки"), 0,
                                QStringLiteral("Заполнить пропуски"));
    ButtonFiltr = MakeButton(this, "ButtonFiltr", QStringLiteral("Фильтр пиков/выбросов"), Row(1));
    ButtonReset = MakeHinted(this, "ButtonReset", QStringLiteral("сброс всех линий"), 2,
                             QStringLiteral("Сброс всех введенных  данных"));
    ButtonShowTable = MakeHinted(this, "ButtonShowTable", QStringLiteral("Показать таблицу"), 3,
                                 QStringLiteral("Показать таблицу с координатами"));
    ButtonCalcSave = MakeHinted(this, "ButtonCalcSave", QStringLiteral("Расчет и запись"), 4,
                                QStringLiteral("Не работает"));
    ButtonClose = MakeHinted(this, "ButtonClose", QStringLiteral("Закрыть"), 5,
                             QStringLiteral("Закрыть / закончить спец. действие"));

    connect(ButtonDrawLine, &QPushButton::clicked, this, &TFormSpec2::BridgeClicked);
    connect(ButtonFiltr, &QPushButton::clicked, this, &TFormSpec2::SmoothClicked);
    connect(ButtonReset, &QPushButton::clicked, this, &TFormSpec2::ResetClicked);
    connect(ButtonShowTable, &QPushButton::clicked, this, &TFormSpec2::ShowTableClicked);
    // The close box asks the same (TModeDialog turns it into CloseAsked).
    connect(ButtonClose, &QPushButton::clicked, this, &TFormSpec2::CloseAsked);
}

} // namespace lineora
