#include "core/curves/CsvExport.h"
#include "core/curves/Export.h"
#include "core/curves/TableCells.h"

#include "core/common/NumberText.h"
#include "core/curves/TableModel.h"
#include "support/DecimalCharGuard.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace lineora::test {
namespace {

// Appends a point whose values are given, as if a refresh had just computed them.
void PutPoint(PointStore& store, int c, Extended x, Extended y, int px = 0, int py = 0) {
    const int row = store.LineNext[c];
    AppendPoint(store, c, px, py);
    store.PointValues[row][c] = ValueEntry{1, x, y};
}

// Curve 1 with two points, curve 2 with three; pixels are ten times the values plus the curve.
PointStore TwoCurves() {
    PointStore store;
    PutPoint(store, 1, 1.5L, -2, 11, 12);
    PutPoint(store, 1, 2.5L, 0.25L, 21, 22);
    PutPoint(store, 2, 12.5L, 100000, 31, 32);
    PutPoint(store, 2, 13, 0.0000015L, 41, 42);
    PutPoint(store, 2, 14, 1e20L, 51, 52);
    return store;
}

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

    PointStore store = TwoCurves();
    TableOptions options;
};

TEST_F(Table, CurvesAreListedOneAfterAnotherWithOneYCellPerRow) {
    EXPECT_EQ(RowAt(2), (Row{"2", "2.5", "0.25", "", "", "", ""}));
    EXPECT_EQ(RowAt(3), (Row{"3", "12.5", "", "100000", "", "", ""}));
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
        PutPoint(full, 1, i, i);
    }
    PutPoint(full, 3, 7, 8);
    PutPoint(full, 3, 9, 10);
    const TableLayout layout = LayoutTable(full);
    EXPECT_EQ(SourceOfRow(layout, 999).Curve, 1);
    EXPECT_EQ(SourceOfRow(layout, 1000).Curve, 3);
    EXPECT_EQ(SourceOfRow(layout, 1000).Row, 1);
    EXPECT_EQ(SourceOfRow(layout, 1001).Curve, 0);
    EXPECT_EQ(SourceOfRow(layout, 0).Curve, 0);
}

TEST_F(Table, XIsShownOnTheStepHalfToEvenWhileStepXIsOn) {
    const std::tuple<Extended, Extended, const char*> cases[] = {
        {25, 10, "20"}, {-35, 10, "-40"}, {-4, 10, "0"}, {1.26L, 0.5L, "1.5"}, {7.5L, 0, "7.5"}};
    for (const auto& [x, step, shown] : cases) {
        store = PointStore{};
        PutPoint(store, 1, x, 3.25L);
        options = {true, true, step};
        EXPECT_EQ(RowAt(1), (Row{"1", shown, "3.25", "", "", "", ""}));
        options.StepXOn = false;
        EXPECT_EQ(RowAt(1)[1], FormatGeneral(x));
    }
}

// Qt's checks of the model contract run at every reset, as points come, options change and a
// curve is cleared; in Fatal mode a breach ends the run.
TEST(TableModelTest, ShowsRowNumbersBeforeAndPointsAfterOneResetPerRefresh) {
    TableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.data(model.index(998, 0)).toString(), QStringLiteral("999"));
    EXPECT_FALSE(model.data(model.index(0, 1)).isValid());

    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    PointStore store = TwoCurves();
    model.Refresh(store, TableOptions{});
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(model.data(model.index(2, 3)).toString(), QStringLiteral("100000"));
    EXPECT_FALSE(model.data(model.index(2, 2)).isValid());
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Y1"));

    PutPoint(store, 4, 7, 8, 71, 72);
    model.Refresh(store, TableOptions{false, true, 10});
    ClearLine(store, 2);
    model.Refresh(store, TableOptions{});
    EXPECT_EQ(model.data(model.index(2, 5)).toString(), QStringLiteral("8"));
    EXPECT_FALSE(model.data(model.index(3, 1)).isValid());
}

// The values are taken as they stand, whatever else the row holds: a refresh leaves them
// current and the export does not look at Valid.
TEST(ExportText, UsesEveryStoredRowUpToLineNext) {
    PointStore store;
    PutPoint(store, 5, 1, 2);
    store.PointValues[1][5].Valid = 0;
    EXPECT_EQ(BuildExportText(store, NumberFormat::Standard, SeparatorChoice::Point),
              QStringLiteral("  1.0000\t\t\t\t\t  2.0000\r\n"));
}

TEST(ExportText, SeparatorIsForcedOrKeptAsTheSettingSays) {
    const std::tuple<char, SeparatorChoice, NumberFormat, Extended, const char*> cases[] = {
        {'.', SeparatorChoice::Comma, NumberFormat::Standard, 2.5L, "  2,5000"},
        {',', SeparatorChoice::Point, NumberFormat::Standard, 2.5L, "  2.5000"},
        {',', SeparatorChoice::None, NumberFormat::Standard, -0.25L, " -0,2500"},
        {',', SeparatorChoice::Point, NumberFormat::Scientific, 100000, "     1.000E+005"}};
    for (const auto& [system, choice, format, value, shown] : cases) {
        const DecimalCharGuard separator{QLatin1Char(system)};
        PointStore store;
        PutPoint(store, 1, value, value);
        const QString x = QLatin1String(shown);
        EXPECT_EQ(BuildExportText(store, format, choice), x + '\t' + x + "\r\n");
    }
}

// The memo formats again only what changed, and gives the whole text exactly after any change
// of values, points, number form, separator choice or system separator.
TEST(ExportText, TheMemoGivesTheTextAWholeBuildGives) {
    const DecimalCharGuard system{QLatin1Char('.')};
    PointStore store;
    for (int c = 1; c <= kCurveCount; ++c) {
        for (int i = 0; i < 3; ++i) {
            PutPoint(store, c, c + i / 4.0L, -i * 1e6L);
        }
    }
    const std::function<void()> changes[] = {
        [&] { store.PointValues[2][3].ValY = 0.125L; },
        [&] { PutPoint(store, 5, 7, 8); },
        [&] { store.LineNext[1] = 2; },
        [&] { SetDecimalChar(QLatin1Char(',')); },
        [&] { store.LineNext[4] = 1; },
    };
    ExportTextMemo memo;
    for (const auto& [format, separator] :
         {std::pair{NumberFormat::Standard, SeparatorChoice::Comma},
          {NumberFormat::Scientific, SeparatorChoice::Comma},
          {NumberFormat::Scientific, SeparatorChoice::None}}) {
        for (const auto& change : changes) {
            EXPECT_EQ(BuildExportText(store, format, separator, memo),
                      BuildExportText(store, format, separator));
            change();
        }
    }
}

// A reader as data tools have one: quoted fields with doubled quotes, rows ended by CR LF (a
// lone CR or LF stays in its field, a row without its CR LF is lost).
std::vector<QStringList> ReadCsv(const QString& text) {
    std::vector<QStringList> rows;
    QStringList row{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (quoted && text.mid(i, 2) == QLatin1String("\"\"")) {
            row.back() += text[i++];
        } else if (text[i] == u'"') {
            quoted = !quoted;
        } else if (!quoted && text[i] == u',') {
            row << QString();
        } else if (!quoted && text.mid(i, 2) == QLatin1String("\r\n")) {
            rows.push_back(std::exchange(row, {QString()}));
            ++i;
        } else {
            row.back() += text[i];
        }
    }
    return rows;
}

TEST(CsvText, ReadsBackTheHeaderEveryValueAndQuotedFields) {
    const double inf = HUGE_VAL, nan = std::nan("");
    const std::array<double, 8> values{0.1, 1.0 / 3, -2.5e-300, 1e21, -0.0, 5e-324, -inf, DBL_MAX};
    PointStore store;
    PutPoint(store, 4, nan, -nan); // after curve 2's rows
    for (const double v : values) {
        PutPoint(store, 2, v, inf);
    }
    const std::vector<QStringList> rows = ReadCsv(BuildCsvText(store));
    ASSERT_EQ(rows.size(), values.size() + 2);
    EXPECT_EQ(rows.front(), QStringList({"curve", "x", "y"}));
    EXPECT_EQ(rows.back(), QStringList({"4", "nan", "nan"}));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = std::strtod(rows[i + 1][1].toLatin1().constData(), nullptr);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(values[i])) << i;
        EXPECT_EQ(rows[i + 1][0] + rows[i + 1][2], "2inf");
    }
    const QStringList fields{"a,b", "say \"hi\"", "two\r\nlines", "lone\nfeed", ""};
    QString line;
    for (const QString& field : fields) {
        AppendCsvField(line, field);
        line += u',';
    }
    line.back() = u'\r';
    EXPECT_EQ(ReadCsv(line + u'\n'), std::vector<QStringList>{fields}) << line.toStdString();
}

} // namespace
} // namespace lineora::test
