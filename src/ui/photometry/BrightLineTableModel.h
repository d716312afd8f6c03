#pragma once

#include "core/photometry/BrightLine.h"

#include <QAbstractTableModel>

namespace lineora {

// The bright-line table as a model over the traced centres: a row per picture column (1..N),
// the row number first and then lines 1..5. Cells are read from the state when the view asks,
// so a wide picture's table costs only the rows in sight.
class BrightLineTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = kBrightLineCount + 1;

    explicit BrightLineTableModel(QObject* parent = nullptr);

    // The centres to show from now on (nullptr: none). The state must outlive the model or be
    // replaced before it goes.
    void ShowCentres(const BrightLineState* centres);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // Table columns every line holds (the state's column 0 is not shown).
    static int RowsOf(const BrightLineState* centres);

    const BrightLineState* centres_ = nullptr;
    int rows_ = 0;
};

} // namespace lineora
