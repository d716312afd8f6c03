#pragma once

#include "core/curves/PointStore.h"
#include "core/curves/TableCells.h"

#include <QDialog>

class QTableView;

namespace lineora {

class TableModel;

// The table of the points of all five curves.
class TFormTable : public QDialog {
    Q_OBJECT
public:
    inline static constexpr int kRowHeight = 16;
    // The grid leaves this much of the client width and height free.
    inline static constexpr int kGridMarginWidth = 10;
    inline static constexpr int kGridMarginHeight = 30;

    explicit TFormTable(QWidget* parent = nullptr);

    // Shows the points of `store` from now on; it is read again whenever rows come into view,
    // so the store must outlive the window or the next refresh.
    void Refresh(const PointStore& store, const TableOptions& options);

    QTableView* Tabl;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutGrid(QSize client);

    TableModel* model_;
};

} // namespace lineora
