#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lineora {

// Product name, version, build date and the decimal separator the program found.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    void ShowVersion(const QString& versionText, const QString& buildDateText);
    void ShowDecimalPointer(QChar separator);

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* BuildDate;
    QLabel* LabelDecimal;
    QLabel* LabelDecimalPointer;
    QPushButton* ButtonOK;
};

} // namespace lineora
