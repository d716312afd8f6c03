#include "config/Language.h"
#include "common/Errors.h"
#include "config/IniFile.h"
#include "config/Messages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lineora {
namespace {

TEST(IniFile, NamesCompareWithoutCaseAndKeepTheirBlanks) {
    const IniFile ini = IniFile::Parse("[Find By Color]\r\nColorOf Special2=16777215\r\n"
                                       "[misc]\nmsgMessaga1=Привет\n");
    EXPECT_EQ(ini.Value("find by color", "colorof special2"), "16777215");
    EXPECT_EQ(ini.Value("Misc", "MSGMESSAGA1"), QString::fromUtf8("Привет"));
    EXPECT_FALSE(ini.Has("Misc", "msgMessaga2"));
    EXPECT_EQ(ini.Value("Misc", "msgMessaga2", "fallback"), "fallback");
}

TEST(IniFile, KeepsTheOrderKeysWereAdded) {
    IniFile ini;
    ini.SetValue("Rezim", "StepX", "0");
    ini.SetValue("Path", "Path to Graf files", "/home");
    ini.SetValue("Rezim", "AvtoCorrect", "1");
    EXPECT_EQ(ini.Keys("Rezim"), (QStringList{"StepX", "AvtoCorrect"}));
    const IniFile again = IniFile::Parse(ini.Serialize());
    EXPECT_EQ(again.Value("Path", "Path to Graf files"), "/home");
}

TEST(Messages, LineBreaksAndGapsInTheLanguageFile) {
    MessageCatalog catalog;
    const QString builtIn = LoadMessage(catalog, "msgMessaga7");
    ASSERT_FALSE(builtIn.isEmpty());
    const IniFile ini = IniFile::Parse("[Misc]\nmsgMessaga1=First*|*Second\nmsgMessaga8=\n");
    ApplyMessages(ini, catalog);
    EXPECT_EQ(LoadMessage(catalog, "msgMessaga1"), "First\nSecond");
    EXPECT_EQ(LoadMessage(catalog, "msgMessaga7"), builtIn);     // absent: the text stays
    EXPECT_FALSE(LoadMessage(catalog, "msgMessaga8").isEmpty()); // empty: the text stays
}

TEST(Language, ButtonsChooseFileAndHelp) {
    Settings settings;
    EXPECT_EQ(ChosenLanguage(settings)->LanguageFileName, "Russian.ini");
    settings.LanguageRussian = false;
    settings.LanguageEnglish = true;
    EXPECT_EQ(ChosenLanguage(settings)->HelpFileName, "lineora2_e.html");
    settings.LanguageEnglish = false;
    EXPECT_FALSE(ChosenLanguage(settings).has_value());
}

TEST(Language, MissingFileIsNoneAndAnUnreadableOneIsAnError) {
    QTemporaryDir dir;
    EXPECT_FALSE(OpenLanguageFile(dir.path(), "English.ini").has_value());
    QDir(dir.path()).mkdir("English.ini"); // a folder where the file should be
    EXPECT_THROW(OpenLanguageFile(dir.path(), "English.ini"), FileError);
}

} // namespace
} // namespace lineora
