#include "ui/WindowTestSupport.h"

#include "ui/curves/FormClipboard.h"
#include "ui/curves/FormTable.h"
#include "ui/photometry/FormOutText.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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

TEST_F(ExportWindowsTest, TableAndTextOutputFollowTheirWindowSize) {
    windows.FormTable->show();
    windows.FormTable->resize(500, 300);
    EXPECT_EQ(table->size(), QSize(490, 270));

    // The text output is an editable fixed-pitch memo that does not wrap.
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch())
        << QFontInfo(memo->font()).family().toStdString();
    windows.FormOutText->show();
    windows.FormOutText->resize(400, 200);
    EXPECT_EQ(memo->size(), QSize(390, 172));
}

TEST_F(ExportWindowsTest, AClickShowsInTheTableAndTheHiddenTextOutputCatchesUpWhenShown) {
    Press(main->SpeedButtonShowTable);
    ASSERT_TRUE(windows.FormTable->isVisible());
    // 80 pixels right of and above the zero point: X 50 of 100, Y 5 of 10.
    Click(view, {100, 100});
    EXPECT_EQ(Cell(0, 1), QStringLiteral("50"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("5"));

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
    host.ClipboardText.clear();
    main->menuCopytoClipboard->trigger();
    EXPECT_EQ(host.ClipboardText, expected);
}

// What a paste does to the work is the paste commands' business; here the window's buttons.
TEST_F(ExportWindowsTest, PasteWindowSaysWhenThereIsNoPictureAndTakesOverOne) {
    TformClipboard& paste = *windows.formClipboard;
    Press(main->ButtonCopyFromClipboard);
    const QString noPicture = LoadMessage(state->Messages, QStringLiteral("msgMessaga14"));
    EXPECT_EQ(host.Shown, QStringList{noPicture});
    QTest::mouseClick(paste.ButtonCancel, Qt::LeftButton);
    EXPECT_FALSE(paste.isVisible());

    QImage pasted(64, 48, QImage::Format_RGB32);
    pasted.fill(Qt::blue);
    host.Clipboard = pasted;
    main->menufromClipboard->trigger();
    ASSERT_TRUE(paste.isVisible());
    EXPECT_EQ(paste.imgClipboard->pixmap().size(), QSize(64, 48));
    host.Clipboard = QImage(8, 8, QImage::Format_RGB32); // copied elsewhere meanwhile
    QTest::mouseClick(paste.ButtonOK, Qt::LeftButton);
    EXPECT_FALSE(paste.isVisible());
    EXPECT_EQ(state->Pics.PictureFileName, QStringLiteral("clipboard"));
    EXPECT_EQ(view->size(), QSize(64, 48));
}

} // namespace
} // namespace lineora::test
