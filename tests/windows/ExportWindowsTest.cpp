#include "windows/WindowTestSupport.h"

#include "curves/FormClipboard.h"
#include "curves/FormTable.h"
#include "photometry/FormOutText.h"

#include <QAction>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

namespace lineora::test {
namespace {

class ExportWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        state->Setup.Separator = SeparatorChoice::Point;
        table = windows.FormTable->findChild<QTableView*>(QStringLiteral("Tabl"));
        memo = windows.FormOutText->findChild<QPlainTextEdit*>(QStringLiteral("MemoTextOut"));
        ASSERT_NE(table, nullptr);
        ASSERT_NE(memo, nullptr);
    }

    QString Cell(int row, int column) const {
        return table->model()->index(row, column).data().toString();
    }

    QTableView* table = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST_F(ExportWindowsTest, TableHasItsHeaderColumnsAndRows) {
    const char* headers[] = {"X", "Y1", "Y2", "Y3", "Y4", "Y5"};
    const int widths[] = {40, 92, 128, 117, 115, 133, 120};
    QAbstractItemModel& model = *table->model();
    ASSERT_EQ(model.columnCount(), 7);
    EXPECT_EQ(model.rowCount(), 999);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString(QChar(0x2116)));
    for (int column = 1; column < 7; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(),
                  QLatin1String(headers[column - 1]));
    }
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(table->columnWidth(column), widths[column]) << column;
    }
    EXPECT_EQ(table->rowHeight(500), 16);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(998, 0), QStringLiteral("999"));

    windows.FormTable->show();
    windows.FormTable->resize(500, 300);
    EXPECT_EQ(table->size(), QSize(490, 270));
}

TEST_F(ExportWindowsTest, AClickShowsThePointInTableAndTextOutput) {
    Press(main->SpeedButtonShowTable);
    Press(main->SpeedButtonViewText);
    ASSERT_TRUE(windows.FormTable->isVisible());
    ASSERT_TRUE(windows.FormOutText->isVisible());

    // 80 pixels right of and above the zero point: X 50 of 100, Y 5 of 10.
    Click(view, {100, 100});

    EXPECT_EQ(Cell(0, 1), QStringLiteral("50"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("5"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("     5.000E+001\t     5.000E+000\n"));
}

TEST_F(ExportWindowsTest, HiddenTextOutputCatchesUpWhenShown) {
    Click(view, {100, 100});
    Click(view, {60, 140});
    EXPECT_FALSE(windows.FormOutText->isVisible());

    Press(main->SpeedButtonViewText);
    EXPECT_EQ(memo->toPlainText().count(QLatin1Char('\n')), 2);
    EXPECT_EQ(memo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
              state->Output.MemoText);
}

TEST_F(ExportWindowsTest, EditedTextOutputIsWhatCopyExports) {
    Press(main->SpeedButtonViewText);
    Click(view, {100, 100});
    // Typed into the text output window, not the main window whose key filter takes keys.
    windows.FormOutText->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.FormOutText.get()));
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("x\ty"));
    QTest::keyClick(memo, Qt::Key_Return);

    const QString expected = QStringLiteral("x\ty\r\n     5.000E+001\t     5.000E+000\r\n");
    EXPECT_EQ(state->Output.MemoText, expected);
    Press(main->ButtonCopyToClipboard);
    EXPECT_EQ(host.ClipboardText, expected);
    EXPECT_EQ(host.Shown.last(), LoadMessage(state->Messages, QStringLiteral("msgMessaga8")));

    host.ClipboardText.clear();
    main->menuCopytoClipboard->trigger();
    EXPECT_EQ(host.ClipboardText, expected);
}

TEST_F(ExportWindowsTest, TextOutputIsAnEditableFixedPitchMemo) {
    TFormOutText& out = *windows.FormOutText;
    EXPECT_EQ(out.pos(), QPoint(0, 189));
    EXPECT_EQ(out.size(), QSize(640, 290));
    EXPECT_EQ(memo->size(), QSize(630, 262));
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch())
        << QFontInfo(memo->font()).family().toStdString();
    EXPECT_FALSE(out.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(out.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    out.show();
    out.resize(400, 200);
    EXPECT_EQ(memo->size(), QSize(390, 172));
}

TEST_F(ExportWindowsTest, PasteWindowPreviewsAndTakesOverTheClipboardPicture) {
    Click(view, {100, 100});
    QImage pasted(64, 48, QImage::Format_RGB32);
    pasted.fill(Qt::blue);
    host.Clipboard = pasted;

    main->menufromClipboard->trigger();
    TformClipboard& paste = *windows.formClipboard;
    ASSERT_TRUE(paste.isVisible());
    EXPECT_EQ(paste.imgClipboard->pixmap().size(), QSize(64, 48));
    EXPECT_EQ(paste.ButtonOK->text(), QStringLiteral("Copy"));
    EXPECT_EQ(paste.ButtonCancel->text(), QStringLiteral("Cancel"));

    QTest::mouseClick(paste.ButtonOK, Qt::LeftButton);
    EXPECT_FALSE(paste.isVisible());
    EXPECT_EQ(state->Pics.PictureFileName, QStringLiteral("clipboard"));
    EXPECT_EQ(state->Pics.Clean.size(), QSize(64, 48));
    EXPECT_EQ(view->size(), QSize(64, 48));
    EXPECT_EQ(PointCount(state->Store, 1), 0);
    EXPECT_TRUE(Cell(0, 1).isEmpty());
    EXPECT_EQ(main->StatusPanels[2]->text(),
              LoadMessage(state->Messages, QStringLiteral("msgMessaga15")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Lineora3"));
}

TEST_F(ExportWindowsTest, PasteWithoutAPictureSaysSoAndKeepsTheWork) {
    Click(view, {100, 100});
    Press(main->ButtonCopyFromClipboard);
    const QString noPicture = LoadMessage(state->Messages, QStringLiteral("msgMessaga14"));
    EXPECT_EQ(host.Shown, QStringList{noPicture});

    QTest::mouseClick(windows.formClipboard->ButtonOK, Qt::LeftButton);
    EXPECT_EQ(host.Shown, (QStringList{noPicture, noPicture}));
    EXPECT_EQ(state->Pics.PictureFileName, QStringLiteral("chart.bmp"));
    EXPECT_EQ(PointCount(state->Store, 1), 1);

    Press(main->ButtonCopyFromClipboard);
    QTest::mouseClick(windows.formClipboard->ButtonCancel, Qt::LeftButton);
    EXPECT_FALSE(windows.formClipboard->isVisible());
}

} // namespace
} // namespace lineora::test
