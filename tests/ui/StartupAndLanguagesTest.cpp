#include "ui/app/Startup.h"

#include "core/commands/State.h"
#include "core/common/IniFile.h"
#include "core/curves/GraFile.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"
#include "support/ScriptedHost.h"
#include "ui/app/Translation.h"
#include "ui/app/Windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace lineora::test {
namespace {

// The windows of the program, created by the test or by the start it runs.
class ProgramWindows : public ::testing::Test {
protected:
    QString WriteChart() {
        const QString path = folder.filePath(QStringLiteral("chart.bmp"));
        EXPECT_TRUE(WhitePicture(120, 80).save(path, "BMP"));
        return path;
    }

    void Start(const QString& file) {
        StartProgram(*state, host, windows, {QStringLiteral("lineora"), file},
                     StartupOptions{false});
    }

    DecimalCharGuard separator; // startup reads the host's
    QTemporaryDir folder;
    std::unique_ptr<State> state = std::make_unique<State>();
    ScriptedHost host;
    Windows windows;
};
using StartupTest = ProgramWindows;

TEST_F(StartupTest, PictureOnTheCommandLineIsOpenedAndWorkStartsEmptyAtOneToOne) {
    const QString path = WriteChart();
    host.Separator = QLatin1Char(',');
    Start(path);

    EXPECT_EQ(host.Shown, QStringList());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("\"Lineora 3\""));
    EXPECT_EQ(windows.FormLineora->windowTitle(), QStringLiteral("Lineora3   ") + path);
    EXPECT_TRUE(windows.FormLineora->ButtonSetPoint->isChecked());
    EXPECT_EQ(windows.FormAbout->LabelDecimalPointer->text(), QStringLiteral(","));
}

TEST_F(StartupTest, GraphDataFileOnTheCommandLineIsOpenedLastSoItsPointsStay) {
    const QString chart = WriteChart();
    GraData work{"chart.bmp", "0", "10", "0", "10", 10, 70, 110, 70, 10, 10, 1, 1, {}};
    work.Curves[2] = {{20, 60}, {30, 50}};
    const QString path = folder.filePath(QStringLiteral("work.GRA"));
    SaveGraFile(path, WriteGraText(work));
    Start(path);

    EXPECT_EQ(state->Store.LineNext[2], 3);
    EXPECT_EQ(windows.FormLineora->windowTitle(), QStringLiteral("Lineora3   ") + chart);
}

TEST_F(StartupTest, AMissingFileOnTheCommandLineIsReportedAndStartupGoesOn) {
    for (const QString& path :
         {QStringLiteral("/nonexistent/chart.bmp"), QStringLiteral("/nonexistent/work.GRA")}) {
        auto fresh = std::make_unique<State>();
        ScriptedHost reporter;
        Windows started;
        StartProgram(*fresh, reporter, started, {QStringLiteral("lineora"), path},
                     StartupOptions{false});
        ASSERT_EQ(reporter.Shown.size(), 1) << path.toStdString();
        EXPECT_TRUE(reporter.Shown[0].contains(path)) << reporter.Shown[0].toStdString();
    }
}

QString CaptionOf(QObject& object) {
    if (qobject_cast<QGroupBox*>(&object) != nullptr || qobject_cast<QMenu*>(&object) != nullptr) {
        return object.property("title").toString();
    }
    const bool texted = qobject_cast<QAbstractButton*>(&object) || qobject_cast<QLabel*>(&object) ||
                        qobject_cast<QAction*>(&object);
    return texted ? object.property("text").toString() : QString();
}

class LanguageFiles : public ProgramWindows, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { CreateWindows(windows, *state, host); }
};

// Every window caption, every control caption that shows text and every hint has its text in
// both language files, so switching the language never leaves a mixture behind; and every key
// names a window and a control of it that exist, so a renamed control leaves no texts unused.
TEST_P(LanguageFiles, CoverEveryCaptionAndHintAndNameOnlyWhatExists) {
    const IniFile file =
        IniFile::Load(QStringLiteral(LINEORA_RESOURCES "/") + QString::fromLatin1(GetParam()));
    QStringList missing, unknown;
    for (QWidget* window : TranslationOrder(windows)) {
        const QString name = window->objectName();
        // The main window's caption names the open picture; a language switch keeps it.
        if (window != windows.FormLineora.get() &&
            file.Value(name, name + QStringLiteral(".Caption")).isEmpty()) {
            missing << name + QStringLiteral(".Caption");
        }
        for (QObject* control : window->findChildren<QObject*>()) {
            const QString key = name + QLatin1Char('.') + control->objectName();
            if (control->objectName().isEmpty() ||
                control->objectName().startsWith(QStringLiteral("qt_"))) {
                continue; // Qt's own parts of a window
            }
            // Numbers and scales ("1", "2:1") read the same in every language.
            const bool words = CaptionOf(*control).contains(QRegularExpression("\\p{L}"));
            if (words && file.Value(name, key + QStringLiteral(".Caption")).isEmpty()) {
                missing << key + QStringLiteral(".Caption");
            }
            // Toolbar buttons show a glyph only: their hint is all the user reads.
            if (qobject_cast<QToolButton*>(control) != nullptr &&
                file.Value(name, key + QStringLiteral(".Hint")).isEmpty()) {
                missing << key + QStringLiteral(".Hint");
            }
        }
        for (const QString& key : file.Keys(name)) {
            const QString control = key.section(QLatin1Char('.'), 1, -2);
            if (!key.startsWith(name + QLatin1Char('.')) ||
                (!control.isEmpty() && window->findChild<QObject*>(control) == nullptr)) {
                unknown << key;
            }
        }
    }
    EXPECT_EQ(missing, QStringList());
    EXPECT_EQ(unknown, QStringList());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageFiles,
                         ::testing::Values("English.ini", "Russian.ini"), [](const auto& info) {
                             return std::string(info.param).substr(0, 7); // without ".ini"
                         });

TEST_F(LanguageFiles, AMissingOneKeepsTheTextsThereAre) {
    const QString message = LoadMessage(state->Messages, "msgMessaga1");
    state->Setup.LanguageRussian = false;
    state->Setup.LanguageEnglish = true;
    ApplyLanguage(*state, folder.path(), TranslationOrder(windows));
    EXPECT_EQ(LoadMessage(state->Messages, "msgMessaga1"), message);
    EXPECT_EQ(state->Main.HelpFileName, "lineora2_e.html");
}

} // namespace
} // namespace lineora::test
