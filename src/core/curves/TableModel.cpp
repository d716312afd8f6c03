#include "core/curves/TableModel.h"

#include "core/common/NumberText.h"

namespace lineora {

void TableModel::Refresh(const PointStore& store, const TableOptions& options) {
    beginResetModel();
    store_ = &store;
    options_ = options;
    layout_ = LayoutTable(store);
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableVisibleRows;
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumns;
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const int tableRow = index.row() + 1;
    if (store_ == nullptr) {
        return index.column() == 0 ? QVariant(PadLeft(tableRow, 0)) : QVariant();
    }
    const QString text = TableCell(*store_, layout_, options_, tableRow, index.column());
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return TableHeader(section);
}

} // namespace lineora
