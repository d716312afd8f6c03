#include "ui/photometry/BrightLineTableModel.h"

#include <algorithm>
#include <limits>

namespace lineora {

BrightLineTableModel::BrightLineTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int BrightLineTableModel::RowsOf(const BrightLineState* centres) {
    if (centres == nullptr) {
        return 0;
    }
    std::size_t columns = std::numeric_limits<int>::max();
    for (int line = 1; line <= kBrightLineCount; ++line) {
        columns = std::min(columns, centres->Centres[static_cast<std::size_t>(line)].size());
    }
    return columns == 0 ? 0 : static_cast<int>(columns - 1);
}

void BrightLineTableModel::ShowCentres(const BrightLineState* centres) {
    const int rows = RowsOf(centres);
    if (centres != centres_ || rows != rows_) {
        beginResetModel();
        centres_ = centres;
        rows_ = rows;
        endResetModel();
        return;
    }
    // Same shape: the view keeps its scroll position and repaints the cells in sight.
    if (rows_ > 0) {
        emit dataChanged(index(0, 1), index(rows_ - 1, kColumns - 1), {Qt::DisplayRole});
    }
}

int BrightLineTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int BrightLineTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant BrightLineTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || centres_ == nullptr || index.row() >= rows_) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::int32_t column = index.row() + 1;
    if (index.column() == 0) {
        return QString::number(column);
    }
    return BrightLineCell(*centres_, index.column(), column);
}

QVariant BrightLineTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    if (section >= 1 && section < kColumns) {
        return BrightLineHeader(section);
    }
    return QString();
}

} // namespace lineora
