#include "core/config/Language.h"
#include "core/common/Errors.h"
#include "core/common/FileReading.h"
#include "core/common/IniFile.h"
#include "core/common/Messages.h"
#include "support/Files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <utility>

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

// A pipe is refused before it is opened (opening it would wait for a writer), a file beyond
// the cap before it is read.
TEST(Language, OnlyRegularFilesOfAtMost4MegabytesAreRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("Russian.ini")).constData(), 0600), 0);
    QFile big(dir.filePath("English.ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxIniFileBytes + 1));
    big.close();
    const std::pair<const char*, const char*> cases[] = {
        {"Russian.ini", "not a regular file"}, {"English.ini", "too large: more than 4 MB"}};
    for (const auto& [name, reason] : cases) {
        EXPECT_TRUE(test::Mentions(
            test::ErrorOf<FileError>([&] { OpenLanguageFile(dir.path(), QLatin1String(name)); }),
            reason));
    }
}

} // namespace
} // namespace lineora
