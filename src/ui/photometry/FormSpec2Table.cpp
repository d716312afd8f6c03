#include "ui/photometry/FormSpec2Table.h"

#include "ui/photometry/BrightLineTableModel.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace lineora {

namespace {

// A line's column holds a centre of up to 17 significant digits ("129.42857142857142").
constexpr int kColumnWidth = 128;
constexpr int kNumberColumnWidth = 56;

} // namespace

TFormSpec2Table::TFormSpec2Table(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpec2Table"));
    setWindowTitle(QStringLiteral("Таблица данных "));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    Model = new BrightLineTableModel(this);
    StringGridSpec2Table = new QTableView(this);
    StringGridSpec2Table->setObjectName(QStringLiteral("StringGridSpec2Table"));
    StringGridSpec2Table->setModel(Model);
    StringGridSpec2Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGridSpec2Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The first column numbers the rows; the view's own row header would say it twice.
    StringGridSpec2Table->verticalHeader()->hide();
    // Fixed sizes: measuring thousands of rows for their content would cost more than the
    // table itself.
    StringGridSpec2Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGridSpec2Table->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = StringGridSpec2Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(kColumnWidth);
    // A reset of the model gives every column the default width again.
    const auto narrowNumbers = [this] {
        StringGridSpec2Table->setColumnWidth(0, kNumberColumnWidth);
    };
    connect(Model, &QAbstractItemModel::modelReset, this, narrowNumbers);
    narrowNumbers();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGridSpec2Table);
    resize(kNumberColumnWidth + kBrightLineCount * kColumnWidth + 24, 420);
}

void TFormSpec2Table::ShowCentres(const BrightLineState& centres) {
    Model->ShowCentres(&centres);
}

void TFormSpec2Table::CentresChanged(const BrightLineState& centres) {
    if (isVisible()) {
        Model->ShowCentres(&centres);
    }
}

} // namespace lineora
