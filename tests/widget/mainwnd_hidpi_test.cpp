// The countdown window on a screen scaled by 2: its drawn areas and its
// progress bar must be the scale-1 pictures with every pixel doubled (the
// text excepted, which must use the finer pixels). The scale is fixed when
// Qt starts, so each scale is grabbed by this test binary run again.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include <cstdlib>
#include <map>
#include <string>

#include "framework_hidpi_support.h"
#include "mainwnd_support.h"
#include "res/Resources.h"

namespace {

using namespace mainwnd_test;
using namespace hidpi_test;

constexpr const char* kGrabDir = "YRK_HIDPI_GRAB_DIR";
const std::map<std::string, int> kAreas{
    {"days-left", res::IDC_DAYS_LEFT}, {"graph", res::IDC_GRAPH}, {"progress", res::IDC_PROGRESS}};

// The child's part: the areas as this process's screen shows them, on the
// day of the worked example.
void SaveGrabs(const std::string& dir)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    window.whileRunning = [&dir](TestMainDlg& self) {
        for (const auto& [name, id] : kAreas)
            self.Grab(id).save(QString::fromStdString(dir + "/" + name + ".png"));
        self.EndDialog(1);
    };
    window.DoModal();
}

std::map<std::string, QImage> GrabsAtScale(qreal scale)
{
    TempDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", QString::number(scale));
    env.insert(kGrabDir, QString::fromStdString(dir.path().string()));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HiDpiMainWindow.*"});
    const bool finished = child.waitForFinished(60000);
    EXPECT_TRUE(finished && child.exitCode() == 0) << "the run at scale " << scale << " failed:\n"
                                                   << child.readAll().toStdString();
    std::map<std::string, QImage> grabs;
    for (const auto& [name, id] : kAreas)
        grabs[name] = QImage(QString::fromStdString(dir.file(name + ".png"))).convertToFormat(QImage::Format_RGB32);
    return grabs;
}

TEST(HiDpiMainWindow, DrawnAreasAreTheScaleOnePictureDoubled)
{
    if (const char* dir = std::getenv(kGrabDir))
        return SaveGrabs(dir);
    std::map<std::string, QImage> one = GrabsAtScale(1);
    std::map<std::string, QImage> two = GrabsAtScale(2);
    ASSERT_EQ(one["graph"].size(), QSize(210, 38));
    EXPECT_EQ(DoubledDifferences(one["graph"], two["graph"]), "");
    EXPECT_EQ(DoubledDifferences(one["progress"], two["progress"]), "");

    const QRect text = BoxOf(one["days-left"], qRgb(255, 0, 0), 2);
    ASSERT_FALSE(text.isEmpty()) << "no days-left text at scale 1";
    EXPECT_EQ(DoubledDifferences(one["days-left"], two["days-left"], text), "") << "the frame and the area";
    EXPECT_GT(MixedBlocks(two["days-left"], text), 20) << "the text is blocky: drawn at scale 1 and doubled";
}

// How many pixels from each edge, along the middle row and column, have
// the colour of the edge's middle pixel: left, top, right, bottom.
std::string EdgeWidths(const QImage& image)
{
    const int midX = image.width() / 2;
    const int midY = image.height() / 2;
    const auto run = [&image](int x, int y, int dx, int dy) {
        const QRgb edge = image.pixel(x, y);
        int n = 0;
        while (image.valid(x, y) && image.pixel(x, y) == edge) {
            ++n;
            x += dx;
            y += dy;
        }
        return std::to_string(n);
    };
    return run(0, midY, 1, 0) + " " + run(midX, 0, 0, 1) + " " + run(image.width() - 1, midY, -1, 0) + " "
           + run(midX, image.height() - 1, 0, -1);
}

// At 1.25 and 1.5 a logical pixel is no whole number of device pixels; the
// frames must still be alike on all four sides.
TEST(HiDpiMainWindow, FramesAreEvenAtFractionalScales)
{
    if (const char* dir = std::getenv(kGrabDir))
        return SaveGrabs(dir);
    for (const auto& [scale, line] : {std::pair{1.25, "1"}, std::pair{1.5, "2"}}) {
        std::map<std::string, QImage> grabs = GrabsAtScale(scale);
        for (const char* area : {"days-left", "graph"}) {
            const std::string even = std::string(line) + " " + line + " " + line + " " + line;
            EXPECT_EQ(EdgeWidths(grabs[area]), even) << area << " at scale " << scale;
        }
    }
}

}  // namespace
