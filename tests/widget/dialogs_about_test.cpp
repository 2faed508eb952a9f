// The About box: a left click anywhere closes it, a right click does not,
// and the framework centres it over the countdown window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/AboutDlg.h"
#include "dialogs_support.h"

namespace {

using namespace dialogs_test;

class AboutBox : public ::testing::Test {
protected:
    DialogWorld world{UtcNoon(2000, 6, 1)};
    CAboutDlg about;
};

struct ClickAt {
    const char* name;
    QPoint at;   // in the box's client area
};

void PrintTo(const ClickAt& c, std::ostream* os)
{
    *os << c.name;
}

class AboutBoxClicks : public AboutBox, public ::testing::WithParamInterface<ClickAt> {};

// The icon and the text line are children of the box: the click is sent to
// the window and lands on whatever is under it.
TEST_P(AboutBoxClicks, LeftClickClosesIt)
{
    const int result = RunWith<CAboutDlg>(about, [](CAboutDlg& self) {
        QTest::mouseClick(Window(self), Qt::LeftButton, {}, GetParam().at);
    });
    EXPECT_EQ(result, 2);
}

INSTANTIATE_TEST_SUITE_P(Places, AboutBoxClicks,
                         ::testing::Values(ClickAt{"on_the_icon", {22, 22}}, ClickAt{"on_the_text", {100, 22}},
                                           ClickAt{"on_an_empty_part", {250, 48}}),
                         [](const auto& info) { return std::string(info.param.name); });

// So that the clicks above land where they say: the controls under them.
TEST_F(AboutBox, TheClickPlacesLieOnTheIconTheTextAndNothing)
{
    std::vector<int> under;
    RunWith<CAboutDlg>(about, [&](CAboutDlg& self) {
        const QList<QWidget*> controls = fw::WidgetOf(self)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QPoint at : {QPoint(22, 22), QPoint(100, 22), QPoint(250, 48)}) {
            int index = -1;
            for (int i = 0; i < controls.size(); ++i) {
                if (controls[i]->geometry().contains(at))
                    index = i;
            }
            under.push_back(index);
        }
        self.EndDialog(1);
    });
    ASSERT_EQ(under.size(), 3u);
    EXPECT_GE(under[0], 0);
    EXPECT_GE(under[1], 0);
    EXPECT_NE(under[0], under[1]);
    EXPECT_EQ(under[2], -1);
}

TEST_F(AboutBox, RightClickLeavesItOpen)
{
    bool open = false;
    const int result = RunWith<CAboutDlg>(about, [&](CAboutDlg& self) {
        QTest::mouseClick(Window(self), Qt::RightButton, {}, QPoint(100, 22));
        QTest::qWait(50);   // events posted by the click run: a close would be one
        open = self.IsWindowVisible();
        self.EndDialog(7);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(result, 7);
}

// Twice a centre, so that odd sizes compare exactly within one pixel.
int Centre2(int low, int high)
{
    return low + high;
}

class AboutBoxCentring : public AboutBox {
protected:
    // Runs the box over a main window placed at `mainAt`; its window rectangle.
    fw::CRect BoxOver(fw::CPoint mainAt, bool minimise)
    {
        fw::CDialog mainWindow(res::IDD_MAIN);
        fw::CRect box;
        RunWith<fw::CDialog>(mainWindow, [&](fw::CDialog& main) {
            main.MoveWindow(mainAt.x, mainAt.y, 231, 218);
            main.GetWindowRect(&mainRect);
            if (minimise) {
                main.ShowWindow(fw::SW_MINIMIZE);
                EXPECT_TRUE(QTest::qWaitFor([&] { return main.IsIconic(); }, patience::kWaitMs));
            }
            RunWith<CAboutDlg>(about, [&](CAboutDlg& self) {
                self.GetWindowRect(&box);
                self.EndDialog(2);
            });
            main.EndDialog(2);
        });
        return box;
    }

    fw::CRect mainRect;
    const fw::CRect work = fw::GetWorkArea();
};

TEST_F(AboutBoxCentring, CentredOverTheMainWindow)
{
    const fw::CRect box = BoxOver({200, 150}, false);
    EXPECT_LE(std::abs(Centre2(box.left, box.right) - Centre2(mainRect.left, mainRect.right)), 1);
    EXPECT_LE(std::abs(Centre2(box.top, box.bottom) - Centre2(mainRect.top, mainRect.bottom)), 1);
}

TEST_F(AboutBoxCentring, PushedInsideTheWorkAreaNearItsEdge)
{
    const fw::CRect box = BoxOver({work.right - 150, work.bottom - 60}, false);
    EXPECT_EQ(box.right, work.right);
    EXPECT_EQ(box.bottom, work.bottom);
}

TEST_F(AboutBoxCentring, CentredInTheWorkAreaWhileTheMainWindowIsMinimised)
{
    const fw::CRect box = BoxOver({0, 0}, true);
    EXPECT_LE(std::abs(Centre2(box.left, box.right) - Centre2(work.left, work.right)), 1);
    EXPECT_LE(std::abs(Centre2(box.top, box.bottom) - Centre2(work.top, work.bottom)), 1);
}

}  // namespace
