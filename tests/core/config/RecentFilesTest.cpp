#include "core/config/RecentFiles.h"

#include "core/commands/Configuration.h"
#include "core/commands/FakeViews.h"
#include "core/commands/State.h"
#include "support/Files.h"
#include "support/ScriptedHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

class Recent : public ::testing::Test {
protected:
    // A file of that name in the test's folder, made when `make` says so.
    QString File(const QString& name, bool make = true) const {
        if (make) {
            WriteBytes(folder.filePath(name), "x");
        }
        return folder.filePath(name);
    }

    QTemporaryDir folder;
    RecentFiles recent;
};

TEST_F(Recent, NewestFirstEachFileOnceAndEightAtMost) {
    for (const int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 5}) { // 5 again: to the front
        AddRecentFile(recent, File(QStringLiteral("p%1.png").arg(number)));
    }
    QStringList expected;
    for (const int number : {5, 10, 9, 8, 7, 6, 4, 3}) {
        expected << File(QStringLiteral("p%1.png").arg(number), false);
    }
    EXPECT_EQ(recent.Paths, expected);
}

// Another name of a listed file (a link, "..", a relative name) replaces its entry; a missing
// file compares by its clean absolute name; an empty name or a line end is never listed.
TEST_F(Recent, SecondNamesOfAFileAreTheSameEntry) {
    const QString chart = File(QStringLiteral("chart.png"));
    const QString other = File(QStringLiteral("other.gra"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString link = folder.filePath(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(chart, link));
    for (const QString& name : {link, folder.filePath(QStringLiteral("sub/../chart.png")),
                                QDir::current().relativeFilePath(chart)}) {
        AddRecentFile(recent, chart);
        AddRecentFile(recent, other);
        AddRecentFile(recent, name);
        ASSERT_EQ(recent.Paths.size(), 2) << name.toStdString();
        EXPECT_TRUE(SameFile(recent.Paths[0], chart)) << name.toStdString();
        RemoveRecentFile(recent, chart);
        EXPECT_EQ(recent.Paths, QStringList{other});
    }
    for (const QString& name : {File(QStringLiteral("gone.png"), false),
                                folder.filePath(QStringLiteral("sub/../gone.png")),
                                File(QStringLiteral("a\nb.png"), false), QString()}) {
        AddRecentFile(recent, name);
    }
    EXPECT_EQ(recent.Paths.size(), 2);
}

TEST_F(Recent, KeysThatCannotBeUsedAreSkipped) {
    const QByteArray text = "[Recent]\r\n"
                            "File1=\r\n"
                            "File2=chart.png\r\n"
                            "File3=/data/a\x01.png\r\n"
                            "File4=/data/one.png\r\n"
                            "File5=/data/../data/one.png\r\n"
                            "File6=  /data/two.gra  \r\n"
                            "File9=/data/nine.png\r\n"
                            "file7=/data/three.bmp\r\n";
    EXPECT_EQ(ReadRecentFiles(IniFile::Parse(text)).Paths,
              QStringList({"/data/one.png", "/data/two.gra", "/data/three.bmp"}));
}

// The list is written after every other key, which keep their places and values, and read back
// at the next start; a shorter list leaves no stale entry.
TEST_F(Recent, TravelsThroughTheSettingsFileLeavingTheOtherKeysAsTheyWere) {
    auto state = std::make_unique<State>(), next = std::make_unique<State>();
    state->Main.AppDir = folder.path();
    ScriptedHost host;
    FakeViews views;
    const QString path = ConfigFilePath(folder.path());
    WriteBytes(path, "[Foreign]\r\nKeep=me\r\n[Setup]\r\nCursorKind=3\r\n");
    LoadConfig(*state, views, host, folder.path());
    WriteConfig(*state, views);
    const QByteArray withoutList = ReadBytes(path);

    for (const char* name : {"a.png", "b.gra", "c.bmp"}) {
        AddRecentFile(state->Recent, File(QString::fromLatin1(name)));
    }
    for (const bool shorter : {false, true}) {
        if (shorter) {
            RemoveRecentFile(state->Recent, File(QStringLiteral("b.gra"), false));
        }
        WriteConfig(*state, views);
        const QByteArray written = ReadBytes(path);
        EXPECT_TRUE(written.startsWith(withoutList.left(withoutList.indexOf("[Recent]"))));
        LoadConfig(*next, views, host, folder.path());
        EXPECT_EQ(next->Recent.Paths, state->Recent.Paths);
    }
    EXPECT_TRUE(withoutList.startsWith("[Foreign]"));
    EXPECT_EQ(IniFile::Parse(ReadBytes(path)).Value("Foreign", "Keep"), QStringLiteral("me"));
    EXPECT_EQ(next->Main.CursorKind, 3);
    EXPECT_EQ(host.Shown, QStringList());
}

} // namespace
} // namespace lineora::test
