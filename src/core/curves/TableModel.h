#pragma once

#include "core/curves/PointStore.h"
#include "core/curves/TableCells.h"

#include <QAbstractTableModel>

namespace lineora {

// The table window's rows. Cells are worked out when a view asks for them, from the store the
// model was last refreshed with, so a refresh after every click costs one reset and the texts
// of the rows on screen, not a thousand rows of texts.
//
// It declares no signals or slots of its own, so it does without Q_OBJECT and lives in the
// logic library (which runs no moc) where benchmarks and tests reach it without widgets.
class TableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lists the points of `store` from now on; the store must outlive the model or the next
    // refresh.
    void Refresh(const PointStore& store, const TableOptions& options);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const PointStore* store_ = nullptr;
    TableOptions options_;
    TableLayout layout_;
};

} // namespace lineora
