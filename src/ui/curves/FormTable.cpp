#include "ui/curves/FormTable.h"

#include "core/curves/TableModel.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>

namespace lineora {

namespace {

// The width the view's style gives a cell holding `text`, and the grid line.
int CellWidth(const QTableView* view, const QString& text) {
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    return view->style()
               ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), view)
               .width() +
           (view->showGrid() ? 1 : 0);
}

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
    // Every column as wide as the longest text it can show, so that no value is cut.
    for (int column = 0; column < kTableColumns; ++column) {
        Tabl->setColumnWidth(column, std::max(CellWidth(Tabl, WidestTableText(column)),
                                              Tabl->horizontalHeader()->sectionSizeHint(column)));
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
