// The picture tools and the tracing for scripts: pictures in, pictures or graph data files out.
// What each tool does to a picture is the core's business; here the options reach it.

#include "FormRuns.h"

#include "core/curves/GraFile.h"

#include <QColor>
#include <QFileInfo>
#include <QPainter>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <utility>
#include <vector>

namespace {

using namespace lineora::cli;

class PictureForms : public FormTest {
protected:
    // A form that succeeds says nothing.
    void Succeed(const QStringList& arguments) const {
        const Outcome run = Run(arguments);
        EXPECT_EQ(run.Status, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.Err, QByteArray());
    }
};

TEST_F(PictureForms, CleanSpecksAndRotateWriteTheirPictures) {
    QImage scan = WhitePicture(100, 60);
    scan.setPixel(10, 10, qRgb(0, 0, 0));
    Succeed({"--clean-specks", Save(scan, "scan.png"), "@/clean.bmp"});
    EXPECT_EQ(QImage(Path("clean.bmp")).pixelColor(10, 10), QColor(Qt::white));
    // The angle's sign reaches the turn: a negative one rounds the box up to 109.
    for (const auto& [degrees, size] : {std::pair{"-10", QSize(109, 76)}, {"0", QSize(100, 60)}}) {
        Succeed({"--rotate", degrees, Path("scan.png"), "@/turned.bmp"});
        EXPECT_EQ(QImage(Path("turned.bmp")).size(), size) << degrees;
    }
    // A 40 x 30 rectangle squared in place: its corners' pixels come back where they were.
    scan.setPixel(70, 40, qRgb(255, 0, 0));
    Succeed({"--rectify", "70,40", "30,10", "70,10", "30,40", Save(scan, "tilted.png"),
             "@/square.bmp"});
    EXPECT_EQ(QImage(Path("square.bmp")).pixelColor(70, 40), QColor(Qt::red));
}

// A plain black-on-white chart: 1-pixel axes at column 40 and row 250, a 3-pixel line at 150.
TEST_F(PictureForms, AutoDigitizingWritesTheWorkBesideItsPicture) {
    QImage chart = WhitePicture(560, 320);
    QPainter painter(&chart);
    painter.drawLine(40, 30, 40, 250);
    painter.drawLine(40, 250, 550, 250);
    painter.fillRect(QRect(60, 148, 490, 3), Qt::black);
    painter.end();
    Succeed({"--auto", Save(chart, "chart.png"), "-o", "@/work.gra"});
    const lineora::GraData work = lineora::LoadGraFile(Path("work.gra"));
    EXPECT_EQ(work.PictureName, QStringLiteral("work.bmp"));
    EXPECT_EQ(work.Curves[1].size(), 30u);
    Succeed({"--auto", "--x-range", "-1.5e3:2", "--y-range=0.5:7", Path("chart.png"), "-o",
             "@/ranged.gra"});
    const lineora::GraData ranged = lineora::LoadGraFile(Path("ranged.gra"));
    EXPECT_EQ(QStringList({ranged.MinX, ranged.MaxX, ranged.MinY, ranged.MaxY}),
              QStringList({"-1500", "2", "0.5", "7"}));
    EXPECT_EQ(ranged.Points, (lineora::ReferencePoints{40, 250, 550, 250, 40, 30}));
    // A picture without a curve gives no values: exit 1, nothing written.
    const Outcome blank =
        Run({"--auto", Save(WhitePicture(560, 320), "blank.png"), "-o", "@/blank.gra"});
    EXPECT_EQ(blank.Status, 1);
    EXPECT_TRUE(blank.Err.contains("no curve was found")) << blank.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("blank.gra")));
    EXPECT_FALSE(QFileInfo::exists(Path("blank.bmp")));
}

// Four lines two pixels thick, a criterion for each, topmost first: each criterion finds its
// own line in every one of the 1000 columns (the most a curve takes).
TEST_F(PictureForms, TracingFindsTheLineOfItsCriterion) {
    QImage chart = WhitePicture(1300, 100);
    QPainter painter(&chart);
    for (const auto& [row, colour] :
         {std::pair{20, Qt::red}, {40, Qt::black}, {60, Qt::blue}, {80, Qt::green}}) {
        painter.fillRect(QRect(0, row, 1300, 2), colour);
    }
    painter.end();
    Save(chart, "wide.bmp");
    lineora::GraData work{"wide.bmp", "0", "10", "0", "1", 20, 90, 1280, 90, 20, 10, 1, 1, {}};
    lineora::SaveGraFile(Path("wide.gra"), lineora::WriteGraText(work));
    // color2 takes a pixel with at least T (3 unless given) of its eight neighbours in the
    // colour: the row above the green line has three.
    for (const auto& [criterion, row] : {std::pair{"special", 20},
                                         {"black", 40},
                                         {"color --color 0xFF0000", 60},
                                         {"color2 --color2 0x00FF00 --neighbours 4", 80},
                                         {"color2 --color2 65280", 79}}) {
        Succeed(Words("--trace-color --points 1000 @/wide.gra -o @/traced.gra --criterion") +
                Words(criterion));
        const std::vector<lineora::PicturePoint> points =
            lineora::LoadGraFile(Path("traced.gra")).Curves[1];
        ASSERT_EQ(points.size(), 1000u) << criterion;
        EXPECT_EQ(std::pair(points.front().Y, points.back().Y), std::pair(row, row)) << criterion;
    }
}

// A device, a pipe or a folder is never replaced by a result; a link to a regular file is
// written through and stays a link. The device is a copy of /dev/full made in the test's folder
// (where the system lets the test make one), so a run as root cannot replace the real one.
TEST_F(PictureForms, OnlyRegularFilesAreWritten) {
    const QString in = Save(WhitePicture(20, 20), "in.png");
    QStringList targets{Path("pipe.bmp"), Path("folder.bmp")};
    ASSERT_EQ(::mkfifo(QFile::encodeName(targets[0]).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(targets[1]));
    if (::mknod(QFile::encodeName(Path("full")).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        targets << Path("full");
    }
    for (const QString& target : targets) {
        const Outcome run = Run({"--clean-specks", in, target});
        EXPECT_EQ(run.Status, 1) << target.toStdString();
        EXPECT_TRUE(run.Err.contains("not a regular file")) << run.Err.toStdString();
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << target.toStdString();
    }

    Save(WhitePicture(5, 5), "target.bmp");
    ASSERT_TRUE(QFile::link(Path("target.bmp"), Path("link.bmp")));
    Succeed({"--clean-specks", in, "@/link.bmp"});
    EXPECT_TRUE(QFileInfo(Path("link.bmp")).isSymLink());
    EXPECT_EQ(QImage(Path("target.bmp")).size(), QSize(20, 20));
}

} // namespace
