#include "curves/FormTable.h"

#include "curves/TableModel.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QTableView>

#include <array>

namespace lineora {

namespace {

constexpr std::array<int, kTableColumns> kColumnWidths{40, 92, 128, 117, 115, 133, 120};

} // namespace

TFormTable::TFormTable(QWidget* parent)
    : QDialog(parent), Tabl(new QTableView(this)), model_(new TableModel(this)) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QStringLiteral("Table of Data"));

    Tabl->setObjectName(QStringLiteral("Tabl"));
    Tabl->setModel(model_);
    Tabl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabl->setWordWrap(false);
    // Column 0 carries the row number itself, as an ordinary cell.
    Tabl->verticalHeader()->hide();
    QHeaderView* rows = Tabl->verticalHeader();
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < kTableColumns; ++column) {
        Tabl->setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
    }
    resize(600, 400);
    LayoutGrid(size());
}

void TFormTable::Refresh(const PointStore& store, const TableOptions& options) {
    model_->Refresh(store, options);
}

void TFormTable::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutGrid(event->size());
}

void TFormTable::LayoutGrid(QSize client) {
    Tabl->setGeometry(0, 0, client.width() - kGridMarginWidth, client.height() - kGridMarginHeight);
}

} // namespace lineora
