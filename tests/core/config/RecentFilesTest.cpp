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
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // A file of that name in the test's folder, made when `make` says so.
    QString File(const QString& name, bool make = true) const {
        const QString path = folder.filePath(name);
        if (make) {
            WriteBytes(path, "x");
        }
        return path;
    }

    QTemporaryDir folder;
    RecentFiles recent;
};

TEST_F(Recent, NewestFirstEachFileOnceAndEightAtMost) {
    for (int number = 1; number <= 10; ++number) {
        AddRecentFile(recent, File(QStringLiteral("p%1.png").arg(number)));
    }
    AddRecentFile(recent, File(QStringLiteral("p5.png"))); // again: to the front, not twice
    QStringList expected;
    for (const int number : {5, 10, 9, 8, 7, 6, 4, 3}) {
        expected << File(QStringLiteral("p%1.png").arg(number), false);
    }
    EXPECT_EQ(recent.Paths, expected);
}

// Another name of a listed file (a link, "..", a relative name) replaces its entry.
TEST_F(Recent, SecondNamesOfAFileAreTheSameEntry) {
    const QString chart = File(QStringLiteral("chart.png"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString link = folder.filePath(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(chart, link));
    const QString roundabout = folder.filePath(QStringLiteral("sub/../chart.png"));
    const QString relative = QDir::current().relativeFilePath(chart);
    for (const QString& name : {link, roundabout, relative}) {
        AddRecentFile(recent, chart);
        AddRecentFile(recent, File(QStringLiteral("other.gra")));
        AddRecentFile(recent, name);
        ASSERT_EQ(recent.Paths.size(), 2) << name.toStdString();
        EXPECT_TRUE(SameFile(recent.Paths[0], chart)) << name.toStdString();
        RemoveRecentFile(recent, chart);
        EXPECT_EQ(recent.Paths, QStringList{File(QStringLiteral("other.gra"), false)});
    }
    // A missing file compares by its clean absolute name.
    AddRecentFile(recent, File(QStringLiteral("gone.png"), false));
    AddRecentFile(recent, folder.filePath(QStringLiteral("sub/../gone.png")));
    EXPECT_EQ(recent.Paths.size(), 2);
    // A line end would break the settings file's line.
    AddRecentFile(recent, File(QStringLiteral("a\nb.png"), false));
    AddRecentFile(recent, QString());
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
    EXPECT_TRUE(ReadRecentFiles(IniFile::Parse("[Setup]\r\nFillMetka=1\r\n")).Paths.isEmpty());
}

// The settings file: the list is written after every other key, which keep their places and
// values, and read back at the next start; a shorter list leaves no stale entry.
TEST_F(Recent, TravelsThroughTheSettingsFileLeavingTheOtherKeysAsTheyWere) {
    auto state = std::make_unique<State>();
    state->Main.AppDir = folder.path();
    ScriptedHost host;
    FakeViews views;
    const QString path = ConfigFilePath(folder.path());
    WriteBytes(path, "[Foreign]\r\nKeep=me\r\n[Setup]\r\nCursorKind=3\r\n");
    LoadConfig(*state, views, host, folder.path());
    WriteConfig(*state, views);
    const QByteArray withoutList = ReadBytes(path);
    const qsizetype listStart = withoutList.indexOf("[Recent]");
    ASSERT_GT(listStart, 0);

    for (const char* name : {"a.png", "b.gra", "c.bmp"}) {
        AddRecentFile(state->Recent, File(QString::fromLatin1(name)));
    }
    WriteConfig(*state, views);
    const QByteArray withList = ReadBytes(path);
    EXPECT_EQ(withList.left(listStart), withoutList.left(listStart));
    EXPECT_TRUE(withList.startsWith("[Foreign]")) << withList.toStdString();
    EXPECT_EQ(IniFile::Parse(withList).Value("Foreign", "Keep"), QStringLiteral("me"));

    auto next = std::make_unique<State>();
    LoadConfig(*next, views, host, folder.path());
    EXPECT_EQ(next->Recent.Paths, state->Recent.Paths);
    EXPECT_EQ(next->Main.CursorKind, 3);

    RemoveRecentFile(state->Recent, File(QStringLiteral("b.gra"), false));
    WriteConfig(*state, views);
    LoadConfig(*next, views, host, folder.path());
    EXPECT_EQ(next->Recent.Paths, state->Recent.Paths);
    EXPECT_EQ(host.Shown, QStringList());
}

} // namespace
} // namespace lineora::test
