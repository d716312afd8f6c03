#include "core/commands/WorkFileCommands.h"

#include "CommandTestSupport.h"
#include "core/curves/GraFile.h"

#include <future>

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
        SaveGraFile(folder.filePath(name), WriteGraText(data));
        return folder.filePath(name);
    }

    QString Text(const QString& name, const QByteArray& bytes) {
        WriteBytes(folder.filePath(name), bytes);
        return folder.filePath(name);
    }

    // The start's read, away from the windows' thread.
    WorkFileRead ReadAtStart(const QString& path) {
        return std::async(std::launch::async, ReadCommandLineFile, folder.path(), path).get();
    }

    QTemporaryDir folder;
};

// Told by the extension in any case; each opened file goes to the front of the recent list, and
// a recent file no longer there leaves the list with a message.
TEST_F(WorkFiles, PicturesAndGraphDataOpenAsTheirMenusWould) {
    const QString png = Picture(QStringLiteral("scan.PNG"), "PNG");
    const QString gone = folder.filePath(QStringLiteral("gone.gra"));
    AddRecentFile(state->Recent, png);
    AddRecentFile(state->Recent, gone);
    const WorkSnapshot before = Snapshot(*state);
    EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { OpenRecentFile(*state, host, views, gone); }),
                         "no longer there"));
    EXPECT_EQ(state->Recent.Paths, QStringList{png});
    EXPECT_EQ(Snapshot(*state), before);
    OpenRecentFile(*state, host, views, png);
    EXPECT_EQ(state->Pics.Clean, PatternPicture(30, 20));
    const QString gra = Work(QStringLiteral("work.Gra"));
    OpenWorkFile(*state, host, views, gra);
    EXPECT_EQ(Points(*state, 3), 2);
    EXPECT_EQ(state->Recent.Paths, QStringList({gra, png}));
}

// Whatever cannot be opened says why, and the work, the recent list and the caption stay.
TEST_F(WorkFiles, WhatCannotBeOpenedIsRefusedAndChangesNothing) {
    struct Case {
        QString path;
        const char* expected;
    };
    const std::vector<Case> cases{
        {Text(QStringLiteral("notes.txt"), "0.5\t3\r\n"), "only pictures"},
        {Text(QStringLiteral("README"), "x"), "only pictures"},
        {Text(QStringLiteral("cut.bmp"), "BM\x10\0\0\0"), "cut.bmp"},
        {folder.filePath(QStringLiteral("gone.bmp")), "does not exist"},
        {Work(QStringLiteral("bad.gra"), QStringLiteral("zero")), "bad.gra"},
    };
    AddRecentFile(state->Recent, folder.filePath(QStringLiteral("earlier.png")));
    const WorkSnapshot before = Snapshot(*state);
    const QStringList recentBefore = state->Recent.Paths;
    for (const Case& c : cases) {
        const std::string message =
            ErrorOf<FileError>([&] { OpenWorkFile(*state, host, views, c.path); });
        EXPECT_TRUE(Mentions(message, c.expected)) << message;
        EXPECT_EQ(Snapshot(*state), before) << message;
        EXPECT_EQ(state->Recent.Paths, recentBefore) << message;
        EXPECT_EQ(views.Caption, QString()) << message;
    }
}

TEST_F(WorkFiles, ADropNamesOneLocalFile) {
    const QString png = Picture(QStringLiteral("drop.png"), "PNG");
    EXPECT_EQ(DroppedWorkFile({QUrl::fromLocalFile(png)}), png);
    const std::vector<std::pair<QList<QUrl>, const char*>> refused{
        {{}, "Nothing"},
        {{QUrl::fromLocalFile(png), QUrl::fromLocalFile(png)}, "2 files were dropped"},
        {{QUrl::fromLocalFile(folder.path())}, "is a folder"},
        {{QUrl(QStringLiteral("https://example.org/chart.png"))}, "not a file on this"},
    };
    for (const auto& [urls, expected] : refused) {
        EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { DroppedWorkFile(urls); }), expected))
            << expected;
    }
}

// The start's read touches no state and throws as opening would; what it read opens exactly as
// opening the file at once does.
TEST_F(WorkFiles, TheStartsReadOpensAsTheCommandLineWould) {
    for (const QString& path : {Text(QStringLiteral("cut.bmp"), "BM\x10\0\0\0"),
                                Text(QStringLiteral("cut.GRA"), "beside.bmp\r\n1\r\n")}) {
        EXPECT_TRUE(Mentions(ErrorOf<FileError>([&] { ReadAtStart(path); }), path.toStdString()));
    }
    for (const QString& path :
         {Work(QStringLiteral("work.gra")), Picture(QStringLiteral("p.png"), "PNG")}) {
        auto direct = CalibratedState();
        auto started = CalibratedState();
        direct->Main.AppDir = started->Main.AppDir = folder.path();
        FakeViews directViews, startedViews;
        OpenFileByExtension(*direct, directViews, path);
        const WorkSnapshot untouched = Snapshot(*started);
        ApplyWorkFileRead(*started, startedViews, ReadAtStart(path));
        EXPECT_NE(Snapshot(*started), untouched);
        EXPECT_EQ(Snapshot(*started), Snapshot(*direct)) << path.toStdString();
        EXPECT_EQ(startedViews.Caption, directViews.Caption);
    }
}

} // namespace
} // namespace lineora::test
