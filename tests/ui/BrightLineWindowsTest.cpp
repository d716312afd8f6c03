// The bright-line mode's windows: the toolbar enters the mode and shows the tool window, its
// buttons reach the mode's commands, the table window shows the centres, and the close box ends
// the mode. What the commands compute is tested in the core.

#include "ui/WindowTestSupport.h"

#include "ui/photometry/BrightLineTableModel.h"
#include "ui/photometry/FormSpec2.h"
#include "ui/photometry/FormSpec2Table.h"

#include <QAbstractItemModelTester>

namespace lineora::test {
namespace {

class BrightLineWindows : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // A white band 7 pixels tall (rows 97..103) across a black picture.
        QImage picture(200, 200, QImage::Format_RGB32);
        picture.fill(Qt::black);
        FillBox(picture, QRect(20, 97, 160, 7), Qt::white);
        LoadPicture(state->Pics, picture, QStringLiteral("beam.bmp"));
        RedrawPicture(*state, *main);
        tool = windows.FormSpec2.get();
        table = windows.FormSpec2Table.get();
    }
    std::vector<double>& Line(int line) { return state->BrightLines.Centres[line]; }

    TFormSpec2* tool = nullptr;
    TFormSpec2Table* table = nullptr;
};

TEST_F(BrightLineWindows, TheToolbarEntersTheModeItsButtonsReachTheLineAndTheCloseBoxEndsIt) {
    main->mastab3->trigger(); // 3:1; the mode goes back to 1:1
    Press(main->SpeedButtonSpec2);
    EXPECT_TRUE(tool->isVisible() && tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main->SpeedButtonSpec2->isChecked() && main->mastab5->isChecked());
    EXPECT_EQ(state->Main.SpecialMode, 2);
    Click(view, {100, 100});
    EXPECT_EQ(Line(1)[100], 100);

    Line(1).assign(Line(1).size(), 0);
    Line(1)[10] = 50;
    Line(1)[12] = 52;
    tool->ButtonDrawLine->click();
    EXPECT_EQ(Line(1)[11], 51);
    Line(1)[11] = 90;
    tool->ButtonFiltr->click();
    EXPECT_EQ(Line(1)[11], 51);

    tool->close();
    EXPECT_FALSE(tool->isVisible() || main->SpeedButtonSpec2->isChecked());
    EXPECT_TRUE(main->SpeedButtonNoneRezim->isChecked());
    EXPECT_EQ(state->Main.SpecialMode, 0);
    EXPECT_TRUE(host.Shown.isEmpty()); // no question: nothing is lost
}

TEST_F(BrightLineWindows, TheTableShowsTheCentresAndFollowsThem) {
    Press(main->SpeedButtonSpec2);
    Line(2)[7] = 12.5;
    tool->ButtonShowTable->click();
    EXPECT_TRUE(table->isVisible());
    const QAbstractItemModel* model = table->StringGridSpec2Table->model();
    QAbstractItemModelTester tester(table->Model,
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model->rowCount(), kBrightLineColumns - 1);
    ASSERT_EQ(model->columnCount(), 6);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Line 2"));
    EXPECT_EQ(model->index(6, 0).data().toString(), QStringLiteral("7"));
    EXPECT_EQ(model->index(6, 2).data().toString(), QStringLiteral("12.5"));
    EXPECT_EQ(model->index(6, 1).data().toString(), QStringLiteral("0"));

    tool->ButtonReset->click(); // the shown table follows
    EXPECT_EQ(model->index(6, 2).data().toString(), QStringLiteral("0"));
    tool->ButtonClose->click();
    EXPECT_EQ(state->Main.SpecialMode, 0);
}

} // namespace
} // namespace lineora::test
