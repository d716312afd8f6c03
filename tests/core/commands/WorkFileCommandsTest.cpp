#include "core/commands/WorkFileCommands.h"

#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Errors.h"
#include "core/curves/GraFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <future>
#include <string>
#include <vector>

namespace lineora::test {
namespace {

class WorkFiles : public CommandTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        state->Main.AppDir = folder.path();
        AppendPoint(state->Store, 2, 200, 250);
        RefreshAll(*state, views);
        RedrawPicture(*state, views);
    }

    QString Picture(const QString& name, const char* format) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(PatternPicture(30, 20).save(path, format));
        return path;
    }

    // A graph data file calibrated on a 30 x 20 picture beside it, with two points on curve 3.
    QString Work(const QString& name, const QString& minX = QStringLiteral("0")) {
        Picture(QStringLiteral("beside.bmp"), "BMP");
        GraData data{"beside.bmp", minX, "10", "0", "10", 2, 18, 28, 18, 2, 2, 1, 1, {}};
        data.Curves[3] = {{5, 6}, {7, 8}};
        const QString path = folder.filePath(name);
        SaveGraFile(path, WriteGraText(data));
        return path;
    }

    QString Text(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(WorkFiles, PicturesAndGraphDataOpenAsTheirMenusWould) {
    const QString png = Picture(QStringLiteral("scan.PNG"), "PNG");
    OpenWorkFile(*state, host, views, png);
    EXPECT_EQ(state->Pics.PictureFileName, png);
    EXPECT_EQ(state->Pics.Clean, PatternPicture(30, 20));
    EXPECT_EQ(Points(*state, 2), 0); // a new picture starts empty
    EXPECT_EQ(views.Caption, QStringLiteral("Lineora3   ") + png);

    const QString gra = Work(QStringLiteral("work.Gra"));
    OpenWorkFile(*state, host, views, gra);
    EXPECT_EQ(state->Main.GraFileName, gra);
    EXPECT_EQ(Points(*state, 3), 2);
    EXPECT_EQ(state->Pics.PictureFileName, folder.filePath(QStringLiteral("beside.bmp")));

    EXPECT_EQ(state->Recent.Paths, QStringList({gra, png}));
    EXPECT_EQ(host.Shown, QStringList());
}

// Whatever cannot be opened says why, and the work, the recent list and the caption stay.
TEST_F(WorkFiles, WhatCannotBeOpenedIsRefusedAndChangesNothing) {
    struct Case {
        const char* name;
        QString path;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"Text", Text(QStringLiteral("notes.txt"), "0.5\t3\r\n"), "only pictures"},
        {"NoExtension", Text(QStringLiteral("README"), "x"), "only pictures"},
        {"DamagedPicture", Text(QStringLiteral("cut.png"), "\x89PNG\r\n\x1a\n\0\0"), "cut.png"},
        {"MissingPicture", folder.filePath(QStringLiteral("gone.bmp")), "does not exist"},
        {"WorkWithBadAxisText", Work(QStringLiteral("bad.gra"), QStringLiteral("zero")), "bad.gra"},
        {"DamagedWork", Text(QStringLiteral("cut.gra"), "beside.bmp\r\n0\r\n"), "cut.gra"},
    };
    AddRecentFile(state->Recent, folder.filePath(QStringLiteral("earlier.png")));
    const WorkSnapshot before = Snapshot(*state);
    const QStringList recentBefore = state->Recent.Paths;
    for (const Case& c : cases) {
        const std::string message =
            ErrorOf<FileError>([&] { OpenWorkFile(*state, host, views, c.path); });
        EXPECT_TRUE(Mentions(message, c.expected)) << c.name;
        EXPECT_EQ(Snapshot(*state), before) << c.name;
        EXPECT_EQ(state->Recent.Paths, recentBefore) << c.name;
        EXPECT_EQ(views.Caption, QString()) << c.name;
    }
}

TEST_F(WorkFiles, ADropNamesOneLocalFile) {
    const QString png = Picture(QStringLiteral("drop.png"), "PNG");
    EXPECT_EQ(DroppedWorkFile({QUrl::fromLocalFile(png)}), png);

    struct Case {
        const char* name;
        QList<QUrl> urls;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"Nothing", {}, "Nothing"},
        {"Two", {QUrl::fromLocalFile(png), QUrl::fromLocalFile(png)}, "2 files were dropped"},
        {"Folder", {QUrl::fromLocalFile(folder.path())}, "is a folder"},
        {"Web", {QUrl(QStringLiteral("https://example.org/chart.png"))}, "not a file on this"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { DroppedWorkFile(c.urls); }), c.expected))
            << c.name;
    }
}

TEST_F(WorkFiles, ARecentFileNoLongerThereLeavesTheListWithAMessage) {
    const QString kept = Picture(QStringLiteral("kept.bmp"), "BMP");
    const QString gone = folder.filePath(QStringLiteral("gone.gra"));
    AddRecentFile(state->Recent, kept);
    AddRecentFile(state->Recent, gone);
    const WorkSnapshot before = Snapshot(*state);

    EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { OpenRecentFile(*state, host, views, gone); }),
                         "no longer there"));
    EXPECT_EQ(state->Recent.Paths, QStringList{kept});
    EXPECT_EQ(Snapshot(*state), before);

    OpenRecentFile(*state, host, views, kept);
    EXPECT_EQ(state->Pics.PictureFileName, kept);
    EXPECT_EQ(state->Recent.Paths, QStringList{kept});
}

// The start's read runs away from the windows: it touches no state, throws as opening would,
// and what it read opens exactly as opening the file at once does.
TEST_F(WorkFiles, TheStartReadsOnAnotherThreadAndOpensAsTheCommandLineWould) {
    const QString cut = Text(QStringLiteral("cut.bmp"), "BM\x10\0\0\0");
    const QString damagedWork = Text(QStringLiteral("cut.GRA"), "beside.bmp\r\n1\r\n");
    for (const QString& path : {cut, damagedWork}) {
        auto reading = std::async(std::launch::async, ReadCommandLineFile, folder.path(), path);
        EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { reading.get(); }), path.toStdString()));
    }

    for (const QString& path :
         {Work(QStringLiteral("work.gra")), Picture(QStringLiteral("p.png"), "PNG")}) {
        auto direct = CalibratedState();
        direct->Main.AppDir = folder.path();
        FakeViews directViews;
        OpenFileByExtension(*direct, directViews, path);

        auto started = CalibratedState();
        started->Main.AppDir = folder.path();
        FakeViews startedViews;
        auto reading = std::async(std::launch::async, ReadCommandLineFile, folder.path(), path);
        WorkFileRead read = reading.get();
        const WorkSnapshot untouched = Snapshot(*started);
        ApplyWorkFileRead(*started, startedViews, std::move(read));
        EXPECT_NE(Snapshot(*started), untouched);
        EXPECT_EQ(Snapshot(*started), Snapshot(*direct)) << path.toStdString();
        EXPECT_EQ(startedViews.Caption, directViews.Caption);
    }
}

} // namespace
} // namespace lineora::test
