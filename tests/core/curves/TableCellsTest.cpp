#include "core/curves/TableCells.h"

#include "FilledStore.h"
#include "core/common/NumberText.h"
#include "core/curves/TableModel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <array>

namespace lineora {
namespace {

using Row = std::array<QString, kTableColumns>;

class Table : public ::testing::Test {
protected:
    Row RowAt(int tableRow) const {
        const TableLayout layout = LayoutTable(store);
        Row row;
        for (int column = 0; column < kTableColumns; ++column) {
            row[static_cast<std::size_t>(column)] =
                TableCell(store, layout, options, tableRow, column);
        }
        return row;
    }

    PointStore store = test::TwoCurves();
    TableOptions options;
};

TEST_F(Table, CurvesAreListedOneAfterAnotherWithOneYCellPerRow) {
    EXPECT_EQ(RowAt(1), (Row{"1", "1.5", "-2", "", "", "", ""}));
    EXPECT_EQ(RowAt(2), (Row{"2", "2.5", "0.25", "", "", "", ""}));
    EXPECT_EQ(RowAt(3), (Row{"3", "12.5", "", "100000", "", "", ""}));
    EXPECT_EQ(RowAt(4), (Row{"4", "13", "", "1.5E-6", "", "", ""}));
    EXPECT_EQ(RowAt(5), (Row{"5", "14", "", "1E20", "", "", ""}));
    EXPECT_EQ(RowAt(6), (Row{"6", "", "", "", "", "", ""}));
    EXPECT_EQ(RowAt(kTableRows)[0], QStringLiteral("1000"));
}

TEST_F(Table, PicturePositionsWhenChartValuesAreOffAndNoStepRounding) {
    options = {false, true, 10};
    EXPECT_EQ(RowAt(1), (Row{"1", "11", "12", "", "", "", ""}));
    EXPECT_EQ(RowAt(5), (Row{"5", "51", "", "52", "", "", ""}));
}

TEST_F(Table, ACurveEndsAtItsFirstRowWithoutCurrentValues) {
    store.PointValues[2][1].Valid = 0; // e.g. a refresh that stopped part-way
    EXPECT_EQ(RowAt(1)[2], QStringLiteral("-2"));
    EXPECT_EQ(RowAt(2), (Row{"2", "12.5", "", "100000", "", "", ""}));
}

TEST_F(Table, RowsPastTheLastTableRowAreNotListed) {
    PointStore full;
    for (int i = 0; i < kHandPickedCapacity; ++i) {
        test::PutPoint(full, 1, i, i);
    }
    test::PutPoint(full, 3, 7, 8);
    test::PutPoint(full, 3, 9, 10);
    const TableLayout layout = LayoutTable(full);
    EXPECT_EQ(SourceOfRow(layout, 999).Curve, 1);
    EXPECT_EQ(SourceOfRow(layout, 1000).Curve, 3);
    EXPECT_EQ(SourceOfRow(layout, 1000).Row, 1);
    EXPECT_EQ(SourceOfRow(layout, 1001).Curve, 0);
    EXPECT_EQ(SourceOfRow(layout, 0).Curve, 0);
}

struct StepCase {
    Extended x, step;
    const char* shown;
};

class StepRounding : public Table, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepRounding, XIsShownOnTheStepWhileStepXIsOn) {
    const StepCase& c = GetParam();
    store = PointStore{};
    test::PutPoint(store, 1, c.x, 3.25L);
    options = {true, true, c.step};
    EXPECT_EQ(RowAt(1), (Row{"1", c.shown, "3.25", "", "", "", ""}));
    options.StepXOn = false;
    EXPECT_EQ(RowAt(1)[1], FormatGeneral(c.x));
}

INSTANTIATE_TEST_SUITE_P(HalfToEven, StepRounding,
                         ::testing::Values(StepCase{25, 10, "20"}, StepCase{35, 10, "40"},
                                           StepCase{-25, 10, "-20"}, StepCase{-4, 10, "0"},
                                           StepCase{1.26L, 0.5L, "1.5"}, StepCase{7.5L, 0, "7.5"}));

TEST(TableModelTest, ShowsRowNumbersBeforeAndPointsAfterOneResetPerRefresh) {
    TableModel model;
    EXPECT_EQ(model.rowCount(), kTableVisibleRows);
    EXPECT_EQ(model.columnCount(), kTableColumns);
    EXPECT_EQ(model.data(model.index(998, 0)).toString(), QStringLiteral("999"));
    EXPECT_FALSE(model.data(model.index(0, 1)).isValid());

    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    const PointStore store = test::TwoCurves();
    model.Refresh(store, TableOptions{});
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QStringLiteral("12.5"));
    EXPECT_EQ(model.data(model.index(2, 3)).toString(), QStringLiteral("100000"));
    EXPECT_FALSE(model.data(model.index(2, 2)).isValid());
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Y1"));
}

// Qt's checks of the model contract run at every reset, as points come, options change and a
// curve is cleared; in Fatal mode a breach ends the run.
TEST(TableModelTest, KeepsTheItemModelContractThroughRefreshes) {
    TableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    PointStore store = test::TwoCurves();
    model.Refresh(store, TableOptions{});
    test::PutPoint(store, 4, 7, 8, 71, 72);
    model.Refresh(store, TableOptions{false, true, 10});
    ClearLine(store, 2);
    model.Refresh(store, TableOptions{});
    EXPECT_EQ(model.data(model.index(2, 5)).toString(), QStringLiteral("8"));
    EXPECT_FALSE(model.data(model.index(3, 0)).isNull());
    EXPECT_FALSE(model.data(model.index(3, 1)).isValid());
}

} // namespace
} // namespace lineora
