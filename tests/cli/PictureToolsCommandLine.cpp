// The picture tools and the tracing from the command line, run as a script would run them:
// pictures in, pictures or graph data files out, errors with an exit status and nothing
// written.

#include "cli/ProgramRun.h"

#include "core/curves/GraFile.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cmath>
#include <string>

namespace {

using namespace lineora::cli;

class PictureTools : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        program_ = Path("lineora");
        ASSERT_TRUE(QFile::copy(Program(), program_));
    }
    QString Path(const char* name) const { return folder_.filePath(QLatin1String(name)); }
    // A command that succeeds says nothing: no warning of a missing display or the like.
    Outcome Run(const QStringList& arguments) const {
        Outcome run = RunProgram(program_, arguments);
        if (run.Status == 0) {
            EXPECT_EQ(run.Err, QByteArray()) << arguments.join(' ').toStdString();
        }
        return run;
    }
    QString Save(const QImage& picture, const char* name) const {
        const QString path = Path(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }

private:
    QTemporaryDir folder_;
    QString program_;
};

QImage White(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

bool IsWhite(const QImage& picture, int x, int y) {
    return picture.pixelColor(x, y) == QColor(Qt::white);
}

TEST_F(PictureTools, CleanSpecksWhitensDustAndKeepsLines) {
    QImage scan = White(40, 30);
    scan.setPixel(10, 10, qRgb(0, 0, 0));
    for (int x = 5; x < 35; ++x) {
        scan.setPixel(x, 20, qRgb(0, 0, 0));
        scan.setPixel(x, 21, qRgb(0, 0, 0));
    }
    const QString in = Save(scan, "scan.png");
    const Outcome run = Run({"--clean-specks", in, Path("clean.bmp")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QImage clean(Path("clean.bmp"));
    ASSERT_EQ(clean.size(), scan.size());
    EXPECT_TRUE(IsWhite(clean, 10, 10));
    EXPECT_FALSE(IsWhite(clean, 20, 20));
    EXPECT_FALSE(IsWhite(clean, 20, 21));
}

TEST_F(PictureTools, RotateGivesTheBoundingBoxOfTheTurnedScan) {
    const QString in = Save(White(100, 60), "scan.png");
    struct Case {
        const char* Degrees;
        int Width, Height;
    };
    // Positive: Round(W cos) + Round(H sin) by W sin + H cos. Negative: the other corner
    // overhangs, and the diagonal's projection rounds up to 109.
    for (const Case& c : {Case{"10", 98 + 10, 76}, Case{"-10", 109, 76}, Case{"0", 100, 60}}) {
        const QString out = Path("turned.bmp");
        const Outcome run = Run({"--rotate", c.Degrees, in, out});
        ASSERT_EQ(run.Status, 0) << c.Degrees << run.Err.toStdString();
        EXPECT_EQ(QImage(out).size(), QSize(c.Width, c.Height)) << c.Degrees;
        QFile::remove(out);
    }
}

// A plain black-on-white chart: 1-pixel axes at column 40 and row 250, and a 3-pixel black
// line whose lowest row is 150, shorter than the axis within the rows searched for it.
QImage BlackChart() {
    QImage chart = White(560, 320);
    QPainter painter(&chart);
    painter.setPen(Qt::black);
    painter.drawLine(40, 30, 40, 250);
    painter.drawLine(40, 250, 550, 250);
    painter.fillRect(QRect(60, 148, 490, 3), Qt::black);
    return chart;
}

TEST_F(PictureTools, AutoDigitizingFindsTheAxesAndSamplesTheCurve) {
    const QString chart = Save(BlackChart(), "chart.png");
    const Outcome run = Run({"--auto", chart, "-o", Path("work.gra")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const lineora::GraData work = lineora::LoadGraFile(Path("work.gra"));
    EXPECT_EQ(work.PictureName, QStringLiteral("work.bmp"));
    EXPECT_TRUE(QFile::exists(Path("work.bmp")));
    EXPECT_EQ(work.ZeroPointX, 40);
    EXPECT_EQ(work.ZeroPointY, 250);
    ASSERT_EQ(work.Curves[1].size(), 30u);
    for (std::size_t k = 0; k < 30; ++k) {
        EXPECT_EQ(work.Curves[1][k].X, 40 + 35 + 15 * static_cast<int>(k));
        EXPECT_EQ(work.Curves[1][k].Y, 150);
    }
    // The work opens again: its numbers come out of --export.
    const Outcome exported = Run({"--export", Path("work.gra")});
    EXPECT_EQ(exported.Status, 0) << exported.Err.toStdString();
    EXPECT_EQ(exported.Out.count("\r\n"), 30);
}

// Colour tracing makes up to 1000 points, and a file keeps them all.
TEST_F(PictureTools, TracingAThousandPointsSavesThemAll) {
    QImage chart = White(1300, 100);
    QPainter(&chart).fillRect(QRect(0, 50, 1300, 2), Qt::red);
    Save(chart, "wide.bmp");
    lineora::GraData work{"wide.bmp", "0", "10", "0", "1", 20, 90, 1280, 90, 20, 10, 1, 1, {}};
    lineora::SaveGraFile(Path("wide.gra"), lineora::WriteGraText(work));
    const Outcome run = Run({"--trace-color", "--criterion", "special", "--points", "1000",
                             Path("wide.gra"), "-o", Path("traced.gra")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(lineora::LoadGraFile(Path("traced.gra")).Curves[1].size(), 1000u);
}

// A device, a pipe or a folder is never replaced by a result; a link to a regular file is
// written through and stays a link. A refused .gra takes its picture with it. The device is a
// copy of /dev/full made in the test's folder (where the system lets the test make one), so a
// regression run as root cannot replace the real one.
TEST_F(PictureTools, OnlyRegularFilesAreWritten) {
    const QString in = Save(White(20, 20), "in.png");
    QStringList targets{Path("pipe.bmp")};
    ASSERT_EQ(::mkfifo(QFile::encodeName(targets[0]).constData(), 0600), 0);
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

    Save(White(5, 5), "target.bmp");
    ASSERT_TRUE(QFile::link(Path("target.bmp"), Path("link.bmp")));
    ASSERT_EQ(Run({"--clean-specks", in, Path("link.bmp")}).Status, 0);
    EXPECT_TRUE(QFileInfo(Path("link.bmp")).isSymLink());
    EXPECT_EQ(QImage(Path("target.bmp")).size(), QSize(20, 20));

    ASSERT_TRUE(QDir().mkdir(Path("folder.gra")));
    const Outcome run = Run({"--auto", Save(BlackChart(), "chart.png"), "-o", Path("folder.gra")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_FALSE(QFile::exists(Path("folder.bmp")));
}

// The red curve of the sample chart, U = 1.2 + 0.8 sin(0.9 t), traced by its redness within
// the sample's calibration and read back as numbers.
TEST_F(PictureTools, TracingByColourFollowsTheSampleCurve) {
    const QString examples = QDir(QStringLiteral(LINEORA_EXAMPLES)).absolutePath();
    ASSERT_TRUE(QFile::copy(examples + QStringLiteral("/sample.gra"), Path("sample.gra")));
    ASSERT_TRUE(
        QFile::copy(examples + QStringLiteral("/sample-chart.bmp"), Path("sample-chart.bmp")));
    const Outcome run = Run({"--trace-color", "--criterion", "special", "--points", "40",
                             Path("sample.gra"), "-o", Path("traced.gra")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const Outcome exported =
        Run({"--export", "--separator", "point", "--format", "standard", Path("traced.gra")});
    ASSERT_EQ(exported.Status, 0) << exported.Err.toStdString();
    int curveOne = 0;
    for (const QByteArray& line : exported.Out.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() != 2) {
            continue; // another curve of the sample
        }
        ++curveOne;
        const double t = fields[0].trimmed().toDouble();
        const double u = fields[1].trimmed().toDouble();
        EXPECT_NEAR(u, 1.2 + 0.8 * std::sin(0.9 * t), 0.04) << line.toStdString();
    }
    EXPECT_GE(curveOne, 35);
}

struct Refusal {
    const char* Name;
    QStringList Arguments; // "@" stands for the folder
    int Status;
    const char* Err;
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

// Wrong arguments give 2, unreadable input 1; either way no output file appears.
TEST_P(Refusals, ReportAndWriteNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture = White(30, 30);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("in.png"))));
    QStringList arguments = GetParam().Arguments;
    arguments.replaceInStrings(QStringLiteral("@"), folder.path());
    const Outcome run = RunProgram(Program(), arguments);
    EXPECT_EQ(run.Status, GetParam().Status);
    EXPECT_TRUE(run.Err.contains(GetParam().Err)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("out.bmp"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("out.gra"))));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refusals,
    ::testing::Values(
        Refusal{"CleanOneFile", {"--clean-specks", "@/in.png"}, 2, "IN OUT.bmp"},
        Refusal{"CleanMissing", {"--clean-specks", "@/none.png", "@/out.bmp"}, 1, "none.png"},
        Refusal{"RotateNoNumber", {"--rotate", "abc", "@/in.png", "@/out.bmp"}, 2, "\"abc\""},
        Refusal{"RotateUpright", {"--rotate", "90", "@/in.png", "@/out.bmp"}, 2, "\"90\""},
        Refusal{"AutoNoOutput", {"--auto", "@/in.png"}, 2, "-o"},
        Refusal{"AutoThreshold9",
                {"--auto", "--threshold", "9", "@/in.png", "-o", "@/out.gra"},
                2,
                "0 to 8"},
        Refusal{"TraceNoPoints",
                {"--trace-color", "--criterion", "black", "@/w.gra", "-o", "@/out.gra"},
                2,
                "--points"},
        Refusal{"TracePoints0",
                {"--trace-color", "--criterion", "black", "--points", "0", "@/w.gra", "-o",
                 "@/out.gra"},
                2,
                "1 to 1000"},
        Refusal{"TraceCriterion",
                {"--trace-color", "--criterion", "green", "--points", "5", "@/w.gra", "-o",
                 "@/out.gra"},
                2,
                "\"green\""},
        Refusal{"TraceMissingWork",
                {"--trace-color", "--criterion", "black", "--points", "5", "@/w.gra", "-o",
                 "@/out.gra"},
                1,
                "w.gra"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
