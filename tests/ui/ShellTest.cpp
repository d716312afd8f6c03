#include "core/commands/StraightenCommands.h"
#include "core/common/IniFile.h"
#include "core/curves/GraFile.h"
#include "support/DecimalCharGuard.h"
#include "ui/WindowTestSupport.h"
#include "ui/app/Cursors.h"
#include "ui/app/Glyphs.h"
#include "ui/app/QtHost.h"
#include "ui/app/Startup.h"
#include "ui/app/Translation.h"

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

// The start's error boundary: the failed open is reported, the windows are up all the same.
TEST_F(StartupTest, AMissingFileOnTheCommandLineIsReportedAndStartupGoesOn) {
    const QString path = QStringLiteral("/nonexistent/work.GRA");
    Start(path);
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(host.Shown[0].contains(path)) << host.Shown[0].toStdString();
    EXPECT_TRUE(windows.FormLineora->ButtonSetPoint->isChecked());
}

QString CaptionOf(QObject& object) {
    if (qobject_cast<QGroupBox*>(&object) != nullptr || qobject_cast<QMenu*>(&object) != nullptr) {
        return object.property("title").toString();
    }
    const bool texted = qobject_cast<QAbstractButton*>(&object) || qobject_cast<QLabel*>(&object) ||
                        qobject_cast<QAction*>(&object);
    return texted ? object.property("text").toString() : QString();
}

class LanguageFiles : public ProgramWindows, public ::testing::WithParamInterface<const char*> {};

// Every window caption, every control caption that shows text and every hint has its text in
// both language files, so switching the language never leaves a mixture behind; and every key
// names a window and a control of it that exist, so a renamed control leaves no texts unused.
TEST_P(LanguageFiles, CoverEveryCaptionAndHintAndNameOnlyWhatExists) {
    CreateWindows(windows, *state, host);
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
    // A message key spelt differently from the files would leave its box in built-in English.
    for (const QString& key : MessageCatalog{}.Texts.keys()) {
        if (file.Value(QStringLiteral("Misc"), key).isEmpty()) {
            missing << key;
        }
    }
    EXPECT_EQ(missing, QStringList());
    EXPECT_EQ(unknown, QStringList());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageFiles,
                         ::testing::Values("English.ini", "Russian.ini"), [](const auto& info) {
                             return std::string(info.param).substr(0, 7); // without ".ini"
                         });

TEST(ShellHelpers, FileFiltersAreRewrittenForQt) {
    EXPECT_EQ(QtFileFilter("Txt File|*.txt|All|*.*"),
              QStringLiteral("Txt File (*.txt);;All (*.*)"));
    EXPECT_EQ(QtFileFilter("Pictures|*.bmp;*.png"), QStringLiteral("Pictures (*.bmp *.png)"));
    EXPECT_EQ(QtFileFilter("Text (*.txt)"), QStringLiteral("Text (*.txt)"));
}

// The straightener's question breaks its line with a lone CR, which a Qt box would not show.
TEST(ShellHelpers, MessageBoxShowsEveryLineOfAQuestion) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    QtHost host;
    EXPECT_TRUE(host.AskYesNo(kStraightenQuestion));
    EXPECT_EQ(shown.split(QLatin1Char('\n')).size(), 2) << shown.toStdString();
}

// Remembers the image's pixels; false when it is empty or an image with the same pixels was
// seen before.
bool IsNew(const QImage& image, QSet<QByteArray>& seen) {
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    const auto before = seen.size();
    seen.insert(bytes);
    return seen.size() > before && bytes.count('\0') < bytes.size();
}

TEST(ShellHelpers, DrawnCursorsAreDistinctAndTheRestTheSystemArrow) {
    QSet<QByteArray> seen;
    for (int id = -1; id <= kCursorCount; ++id) {
        if (id <= 0 || id == 9 || id == kCursorCount) {
            EXPECT_TRUE(CursorImage(id).isNull()) << id;
            EXPECT_EQ(PictureCursor(static_cast<CursorId>(id)).shape(), Qt::ArrowCursor) << id;
            continue;
        }
        const QPoint hot = CursorHotSpot(id);
        for (const int ratio : {1, 2}) {
            const QImage image = CursorImage(id, ratio).toImage();
            ASSERT_EQ(image.size(), QSize(32, 32) * ratio) << id;
            EXPECT_TRUE(IsNew(image, seen)) << id;
            // Upright crosshairs cross through the pixel a click acts on, at either ratio.
            if (id == 2 || id == 4 || (id >= 11 && id <= 13)) {
                EXPECT_LT(qGray(image.pixel(hot.x() * ratio, 2 * ratio)), 40) << id;
                EXPECT_LT(qGray(image.pixel(2 * ratio, hot.y() * ratio)), 40) << id;
            }
        }
    }
}

TEST(ShellHelpers, EveryGlyphIsDrawnAtItsSizeAndNoTwoAreAlike) {
    QSet<QByteArray> seen;
    for (int g = 0; g <= static_cast<int>(Glyph::Program); ++g) {
        const auto glyph = static_cast<Glyph>(g);
        const QImage image = DrawGlyph(glyph).toImage();
        EXPECT_EQ(image.size(), glyph == Glyph::NoTool ? QSize(7, 20) : QSize(22, 22)) << g;
        EXPECT_TRUE(IsNew(image, seen)) << g;
        EXPECT_EQ(GlyphIcon(glyph).pixmap(image.size(), 2.0).size(), image.size() * 2) << g;
    }
}

} // namespace
} // namespace lineora::test
