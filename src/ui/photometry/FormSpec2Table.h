#pragma once

#include <QDialog>

class QTableView;

namespace lineora {

struct BrightLineState;
class BrightLineTableModel;

// The bright-line mode's table of centres, on top of the other windows.
class TFormSpec2Table : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpec2Table(QWidget* parent = nullptr);

    // The table shows these centres again (the state is read while the window shows it).
    void ShowCentres(const BrightLineState& centres);
    // While shown, the table follows a change of the centres.
    void CentresChanged(const BrightLineState& centres);

    QTableView* StringGridSpec2Table;
    BrightLineTableModel* Model;
};

} // namespace lineora
