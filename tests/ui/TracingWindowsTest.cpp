#include "ui/WindowTestSupport.h"

#include "core/common/Color.h"
#include "ui/tracing/FormSwatch.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace lineora::test {
namespace {

class TracingWindows : public MainWindowTest {
protected:
    // Puts a drawing on the clean copy and shows it.
    void Draw(QRect box, QColor colour = Qt::black) {
        FillBox(state->Pics.Clean, box, colour);
        RedrawPicture(*state, *main);
    }

    // Runs `inside` once the modal tracing dialog is up, then presses the toolbar button.
    void WithTracingDialog(const std::function<void(TFormAvtomatColor&)>& inside) {
        TFormAvtomatColor& dialog = *windows.FormAvtomatColor;
        QTimer::singleShot(0, &dialog, [&dialog, inside] {
            inside(dialog);
            if (dialog.isVisible()) {
                dialog.ButtonCancel->click();
            }
        });
        Press(main->ButtonFindByColor);
    }
};

TEST_F(TracingWindows, PipettePicksTheCurveColourIntoTheSwatches) {
    constexpr TColor kCurve = 0x1E140A; // red 10, green 20, blue 30
    state->Setup.FindColor = 0x0000FF;
    Draw({50, 60, 1, 1}, QColor(10, 20, 30));
    TFormInputColor& picking = *windows.FormInputColor;

    Press(main->ButtonInputColor);
    ASSERT_TRUE(picking.isVisible());
    EXPECT_EQ(state->Main.ToolMode, Tool::PickColor);
    EXPECT_EQ(picking.LineColour(), 0x0000FFu);
    Press(main->ButtonInputColor); // again, with the window open
    EXPECT_EQ(picking.LineColour(), 0x0000FFu);
    EXPECT_EQ(state->Setup.Special2Color, 0x0000FFu);
    MoveTo(view, {50, 60});
    EXPECT_EQ(picking.EditRedComp->text(), "10");
    Click(view, {50, 60});
    QTest::mouseClick(picking.ShapeLineGrafik, Qt::LeftButton);
    EXPECT_EQ(state->Setup.Special2Color, kCurve); // at once, before OK
    picking.ButtonOk->click();
    EXPECT_FALSE(picking.isVisible());
    EXPECT_EQ(state->Setup.FindColor, kCurve);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
}

TEST_F(TracingWindows, TracingDialogFindsTheCurveAndCloses) {
    state->Setup.FindColor = 0x00FF00;
    Draw({20, 100, 160, 1});
    TColor shownColour = 0;
    WithTracingDialog([&](TFormAvtomatColor& dialog) {
        shownColour = swatch::ColourOf(dialog.ShapeLineGrafik);
        dialog.RadioButton2->setChecked(true);
        dialog.EditNumberPointForFind->setText(QStringLiteral("5"));
        dialog.ButtonFind->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(shownColour, 0x00FF00u);
    EXPECT_EQ(state->Store.LineNext[1], 6);
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{24, 100}));
}

TEST_F(TracingWindows, AutomaticDigitizingUsesTheSetupDialogsThreshold) {
    // Axes at column 30 and row 170, a two-pixel curve at rows 100 and 101.
    Draw({30, 20, 1, 151});
    Draw({30, 170, 170, 1});
    Draw({35, 100, 165, 2});
    host.Answers = {Host::Answer::Yes, Host::Answer::Yes};
    windows.FormAvtomat->SpinEditSummaOkr->setValue(7); // takes nothing
    main->MenuAvtomat->trigger();
    EXPECT_EQ(state->Store.LineNext[1], 1);

    main->MenuAvtomatSetup->trigger();
    EXPECT_TRUE(windows.FormAvtomat->isVisible());
    windows.FormAvtomat->SpinEditSummaOkr->setValue(3);
    windows.FormAvtomat->ButtonWorkAvtomat->click();
    ASSERT_EQ(state->Store.LineNext[1], 10); // columns 65, 80, ... 185
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{65, 101}));
}

} // namespace
} // namespace lineora::test
