#include "config/Language.h"
#include "common/Errors.h"
#include "config/IniFile.h"
#include "config/Messages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lineora {
namespace {

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

TEST(Language, MissingFileIsNoneAndAnUnreadableOneIsAnError) {
    QTemporaryDir dir;
    EXPECT_FALSE(OpenLanguageFile(dir.path(), "English.ini").has_value());
    QDir(dir.path()).mkdir("English.ini"); // a folder where the file should be
    EXPECT_THROW(OpenLanguageFile(dir.path(), "English.ini"), FileError);
}

} // namespace
} // namespace lineora
