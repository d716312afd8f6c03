#include "core/commands/State.h"
#include "core/common/IniFile.h"
#include "support/ScriptedHost.h"
#include "ui/app/Translation.h"
#include "ui/app/Windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace lineora {
namespace {

QString CaptionOf(QObject& object) {
    if (qobject_cast<QGroupBox*>(&object) != nullptr || qobject_cast<QMenu*>(&object) != nullptr) {
        return object.property("title").toString();
    }
    const bool texted = qobject_cast<QAbstractButton*>(&object) != nullptr ||
                        qobject_cast<QLabel*>(&object) != nullptr ||
                        qobject_cast<QAction*>(&object) != nullptr;
    return texted ? object.property("text").toString() : QString();
}

class LanguageSwitch : public ::testing::Test {
protected:
    std::unique_ptr<State> state = std::make_unique<State>();
    test::ScriptedHost host;
    Windows windows;

    void SetUp() override { CreateWindows(windows, *state, host); }
};

class LanguageFiles : public LanguageSwitch, public ::testing::WithParamInterface<const char*> {};

// Every window caption, every control caption that shows text and every hint has its text in
// both language files, so switching the language never leaves a mixture behind.
TEST_P(LanguageFiles, CoverEveryCaptionAndHint) {
    const IniFile file =
        IniFile::Load(QStringLiteral(LINEORA_RESOURCES "/") + QString::fromLatin1(GetParam()));
    QStringList missing;
    for (QWidget* window : TranslationOrder(windows)) {
        const QString name = window->objectName();
        // The main window's caption names the open picture; a language switch keeps it.
        if (window != windows.FormLineora.get() &&
            file.Value(name, name + QStringLiteral(".Caption")).isEmpty()) {
            missing << name + QStringLiteral(".Caption=") + window->windowTitle();
        }
        for (QObject* control : window->findChildren<QObject*>()) {
            const QString key = name + QLatin1Char('.') + control->objectName();
            if (control->objectName().isEmpty() ||
                control->objectName().startsWith(QStringLiteral("qt_"))) {
                continue; // Qt's own parts of a window
            }
            // Numbers and scales ("1", "2:1") read the same in every language.
            const QString caption = CaptionOf(*control);
            const bool words = caption.contains(QRegularExpression(QStringLiteral("\\p{L}")));
            if (words && file.Value(name, key + QStringLiteral(".Caption")).isEmpty()) {
                missing << key + QStringLiteral(".Caption=") + caption;
            }
            // Toolbar buttons show a glyph only: their hint is all the user reads.
            if (qobject_cast<QToolButton*>(control) != nullptr &&
                file.Value(name, key + QStringLiteral(".Hint")).isEmpty()) {
                missing << key + QStringLiteral(".Hint=") + control->property("toolTip").toString();
            }
        }
    }
    EXPECT_EQ(missing, QStringList());
}

// The other way round: every key names a window and a control of it that exist, so a control
// renamed in the code cannot leave its texts behind unused.
TEST_P(LanguageFiles, NameOnlyWindowsAndControlsThatExist) {
    const IniFile file =
        IniFile::Load(QStringLiteral(LINEORA_RESOURCES "/") + QString::fromLatin1(GetParam()));
    QStringList unknown;
    for (QWidget* window : TranslationOrder(windows)) {
        const QString name = window->objectName();
        for (const QString& key : file.Keys(name)) {
            const QString control = key.section(QLatin1Char('.'), 1, -2);
            if (!key.startsWith(name + QLatin1Char('.')) ||
                (!control.isEmpty() && window->findChild<QObject*>(control) == nullptr)) {
                unknown << key;
            }
        }
    }
    EXPECT_EQ(unknown, QStringList());
}

TEST_P(LanguageFiles, TranslateTheWindowsAndMessages) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(LINEORA_RESOURCES "/") + GetParam(),
                            dir.filePath(QString::fromLatin1(GetParam()))));
    state->Setup.LanguageRussian = QByteArray(GetParam()) == "Russian.ini";
    state->Setup.LanguageEnglish = !state->Setup.LanguageRussian;
    ApplyLanguage(*state, dir.path(), TranslationOrder(windows));
    const IniFile file = IniFile::Load(dir.filePath(QString::fromLatin1(GetParam())));
    EXPECT_EQ(windows.FormTable->windowTitle(), file.Value("FormTable", "FormTable.Caption"));
    EXPECT_EQ(LoadMessage(state->Messages, "msgMessaga20"),
              file.Value("Misc", "msgMessaga20").replace("*|*", "\n"));
}

// Every message the program shows has its text in both files: a key the program spells
// differently from the files would leave the box in built-in English in a Russian run.
TEST_P(LanguageFiles, HoldEveryMessage) {
    const IniFile file = IniFile::Load(QStringLiteral(LINEORA_RESOURCES "/") + GetParam());
    QStringList missing;
    for (const QString& key : MessageCatalog{}.Texts.keys()) {
        if (file.Value(QStringLiteral("Misc"), key).isEmpty()) {
            missing << key;
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageFiles,
                         ::testing::Values("English.ini", "Russian.ini"), [](const auto& info) {
                             return std::string(info.param).substr(0, 7); // without ".ini"
                         });

TEST_F(LanguageSwitch, AMissingFileKeepsTheTextsItHas) {
    const QString before = windows.FormLineora->windowTitle();
    const QString message = LoadMessage(state->Messages, "msgMessaga1");
    QTemporaryDir empty;
    state->Setup.LanguageRussian = false;
    state->Setup.LanguageEnglish = true;
    ApplyLanguage(*state, empty.path(), TranslationOrder(windows));
    EXPECT_EQ(windows.FormLineora->windowTitle(), before);
    EXPECT_EQ(LoadMessage(state->Messages, "msgMessaga1"), message);
    EXPECT_EQ(state->Main.HelpFileName, "lineora2_e.html");
}

} // namespace
} // namespace lineora
