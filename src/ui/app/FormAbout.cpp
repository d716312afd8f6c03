#include "ui/app/FormAbout.h"

#include "ui/FormControls.h"
#include "ui/app/Glyphs.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace lineora {

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(300, 170);

    ProgramIcon = MakeLabel(this, "ProgramIcon", QString(), {16, 16, 44, 44});
    ProgramIcon->setPixmap(DrawGlyph(Glyph::Program, 44));
    ProductName = MakeLabel(this, "ProductName", QStringLiteral("Lineora"), {76, 14, 210, 30});
    QFont big = ProductName->font();
    big.setPixelSize(22);
    big.setBold(true);
    ProductName->setFont(big);
    Version = MakeLabel(this, "Version", QString(), {76, 48, 210, 20});
    BuildDate = MakeLabel(this, "BuildDate", QString(), {76, 70, 210, 20});
    LabelDecimal =
        MakeLabel(this, "LabelDecimal", QStringLiteral("Decimal separator:"), {76, 92, 150, 20});
    LabelDecimalPointer = MakeLabel(this, "LabelDecimalPointer", QString(), {230, 92, 40, 20});
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(112, 128, 76, 28);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::ShowVersion(const QString& versionText, const QString& buildDateText) {
    Version->setText(versionText);
    BuildDate->setText(buildDateText);
}

void TFormAbout::ShowDecimalPointer(QChar separator) {
    LabelDecimalPointer->setText(QString(separator));
}

} // namespace lineora
