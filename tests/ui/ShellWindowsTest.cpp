#include "ui/WindowTestSupport.h"

#include "ui/app/FormHelp.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, ZoomToggleShowsTheMagnifierOnTopAroundTheMouse) {
    TFormZoom& zoom = *windows.FormZoom;
    state->Pics.Working.setPixel(100, 100, qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    EXPECT_TRUE(state->Main.ShowZoom);
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_TRUE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    MoveTo(view, {100, 100});
    // The picture pixel under the mouse is the block the crosshair runs through.
    const QImage& magnified = zoom.Magnified();
    ASSERT_EQ(magnified.size(), QSize(120, 120));
    EXPECT_EQ(magnified.pixel(59, 59), qRgb(0, 0, 0));
    EXPECT_EQ(magnified.pixel(20, 20), qRgb(255, 255, 255));

    Press(main->SpeedButtonShowZoom);
    EXPECT_FALSE(state->Main.ShowZoom);
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_FALSE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainWindowTest, ToolWindowClosedByItsCloseBoxComesBackFromItsMenuItemAndButton) {
    struct Toggle {
        QToolButton* Button;
        QAction* MenuItem;
        QWidget* Window;
    };
    for (const Toggle& toggle :
         {Toggle{main->SpeedButtonShowTable, main->menuShowTable, windows.FormTable.get()},
          Toggle{main->SpeedButtonShowZoom, main->menuShowZoom, windows.FormZoom.get()},
          Toggle{main->SpeedButtonShowInput, main->menuShowInput, windows.FormInput.get()}}) {
        SCOPED_TRACE(toggle.Window->objectName().toStdString());
        Press(toggle.Button);
        ASSERT_TRUE(toggle.Window->isVisible());
        toggle.Window->close();
        Press(main->ButtonErazer);
        EXPECT_FALSE(toggle.Window->isVisible());
        EXPECT_FALSE(toggle.Button->isChecked());

        toggle.MenuItem->trigger();
        EXPECT_TRUE(toggle.Window->isVisible());
        EXPECT_TRUE(toggle.Button->isChecked());
        toggle.Window->close();
        Press(toggle.Button);
        EXPECT_TRUE(toggle.Window->isVisible());
        EXPECT_TRUE(toggle.Button->isChecked());
    }
}

TEST_F(MainWindowTest, HelpMenuShowsThePageOfTheChosenLanguageInItsOwnWindow) {
    QTemporaryDir folder;
    state->Main.AppDir = folder.path();
    for (const char* language : {"e", "r"}) {
        state->Main.HelpFileName = QStringLiteral("lineora2_%1.html").arg(language);
        QFile page(folder.filePath(state->Main.HelpFileName));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QStringLiteral("<html><head><title>Help %1</title></head><body>Page %1</body>")
                       .arg(language)
                       .toUtf8());
        page.close();

        main->MenuHelp->trigger();
        const auto* help = main->findChild<TFormHelp*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Help %1").arg(language));
        EXPECT_EQ(help->Browser->toPlainText(), QStringLiteral("Page %1").arg(language));
    }
    EXPECT_TRUE(host.Shown.isEmpty());
}

TEST_F(MainWindowTest, PictureToolButtonsAndMenuRunTheirCommands) {
    Press(main->BitBtnRotateAlfa); // the X axis is level: nothing to turn, nothing asked
    EXPECT_TRUE(host.Shown.isEmpty());
    Press(main->ButtonClearImage);
    main->MenuClearGrafik->trigger();
    const QString keep = LoadMessage(state->Messages, QStringLiteral("msgMessaga13"));
    EXPECT_EQ(host.Shown, QStringList({keep, keep}));
}

} // namespace
} // namespace lineora::test
