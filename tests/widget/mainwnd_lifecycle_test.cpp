// How the countdown window lives: its system menu, minimising and
// restoring, the change of day, and what each road of closing saves.
#include <gtest/gtest.h>

#include <QTest>

#include <csignal>

#include "gui/Menu.h"
#include "mainwnd_support.h"
#include "res/Resources.h"

namespace {

using namespace mainwnd_test;
using mainwnd_test::PrintTo;

const fw::CPoint kMovedTo{40, 50};

void Minimise(TestMainDlg& self)
{
    self.Widget()->setWindowState(Qt::WindowMinimized);   // as the taskbar or window manager does it
}

TEST(MainWindowSystemMenu, FiveItemsAndMinimiseGreyedWhileMinimised)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    window.whileRunning = [](TestMainDlg& self) {
        fw::CMenu* menu = self.GetSystemMenu(false);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->GetMenuItemCount(), 5);
        const std::pair<unsigned, const char*> items[] = {
            {fw::SC_MOVE, "移動"}, {fw::SC_MINIMIZE, "最少化"}, {fw::SC_CLOSE, "閉じる"}, {0, ""}, {16, "ヨルカについて ... (&A)..."}};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(menu->GetMenuItemID(i), items[i].first) << i;
            EXPECT_EQ(Utf8(menu->GetMenuText(i)), items[i].second) << i;
        }
        EXPECT_TRUE(menu->GetMenuState(3, fw::MF_BYPOSITION) & fw::MF_SEPARATOR);
        EXPECT_FALSE(menu->GetMenuState(1, fw::MF_BYPOSITION) & fw::MF_GRAYED);

        self.Wnd().OnSysCommand(fw::SC_MINIMIZE, 0);
        EXPECT_TRUE(self.IsMinimised());
        EXPECT_TRUE(menu->GetMenuState(1, fw::MF_BYPOSITION) & fw::MF_GRAYED);
        EXPECT_EQ(Utf8(self.GetWindowText()), "あと 138日");

        self.Wnd().OnSysCommand(fw::SC_RESTORE, 0);
        EXPECT_FALSE(self.IsMinimised());
        EXPECT_FALSE(menu->GetMenuState(1, fw::MF_BYPOSITION) & fw::MF_GRAYED);
        EXPECT_TRUE(QTest::qWaitFor([&self] { return Utf8(self.GetWindowText()) == "ヨルカ (6/1)"; }, patience::kWaitMs));

        const fw::CRect before = self.WindowRect();
        self.Wnd().OnSysCommand(fw::SC_MAXIMIZE, 0);
        EXPECT_FALSE(self.Widget()->isMaximized());
        EXPECT_EQ(self.WindowRect(), before);
        self.EndDialog(1);
    };
    EXPECT_EQ(window.DoModal(), 1);
}

struct ClosingRoad {
    const char* name;
    bool minimiseFirst;   // without a move: minimising saves nothing
    void (*close)(TestMainDlg& self);
    int result;
    const char* callBy;   // null: no file at all
};

class MainWindowClosing : public ::testing::TestWithParam<ClosingRoad> {};

TEST_P(MainWindowClosing, SavesTheRoadsReason)
{
    const ClosingRoad& road = GetParam();
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    window.whileRunning = [&road](TestMainDlg& self) {
        if (road.minimiseFirst)
            Minimise(self);
        else
            self.Widget()->move(kMovedTo.x, kMovedTo.y);   // moving saves nothing by itself
        road.close(self);
    };
    EXPECT_EQ(window.DoModal(), road.result);
    EXPECT_FALSE(window.gaveUp);
    if (!road.callBy) {
        EXPECT_FALSE(world.IniExists());
        return;
    }
    EXPECT_EQ(world.IniValue("CALLBY"), road.callBy);
    EXPECT_EQ(world.IniValue("POS"), "40 50");
    EXPECT_EQ(world.IniValue("EXAM"), "1999 10 17");
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowClosing,
    ::testing::Values(
        ClosingRoad{"exit_button", false,
                    [](TestMainDlg& self) { QTest::mouseClick(self.Control(res::IDOK), Qt::LeftButton); }, 1, "Quit"},
        ClosingRoad{"enter", false, [](TestMainDlg& self) { QTest::keyClick(self.Window(), Qt::Key_Return); }, 1, "Quit"},
        ClosingRoad{"escape", false, [](TestMainDlg& self) { QTest::keyClick(self.Window(), Qt::Key_Escape); }, 2, "Quit"},
        ClosingRoad{"alt_f4", false, [](TestMainDlg& self) { QTest::keyClick(self.Window(), Qt::Key_F4, Qt::AltModifier); },
                    2, "Quit"},
        ClosingRoad{"close_box", false, [](TestMainDlg& self) { self.Widget()->close(); }, 2, "Quit"},
        ClosingRoad{"system_menu_close", false, [](TestMainDlg& self) { self.Wnd().OnSysCommand(fw::SC_CLOSE, 0); }, 2,
                    "Quit"},
        ClosingRoad{"quit_request", false, [](TestMainDlg&) { fw::PostQuitMessage(0); }, -1, "Quit"},
        ClosingRoad{"session_end", false, [](TestMainDlg&) { std::raise(SIGTERM); }, -1, "EndSession"},
        ClosingRoad{"close_box_while_minimised", true, [](TestMainDlg& self) { self.Widget()->close(); }, 2, nullptr},
        ClosingRoad{"escape_while_minimised", true, [](TestMainDlg& self) { QTest::keyClick(self.Window(), Qt::Key_Escape); },
                    2, nullptr},
        ClosingRoad{"session_end_while_minimised", true, [](TestMainDlg&) { std::raise(SIGTERM); }, -1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowClosing, SessionEndQueryAnswersYesAndSaves)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    window.whileRunning = [&world](TestMainDlg& self) {
        EXPECT_TRUE(self.Wnd().OnQueryEndSession());
        EXPECT_EQ(world.IniValue("CALLBY"), "EndSession");
        self.EndDialog(1);
    };
    EXPECT_EQ(window.DoModal(), 1);
}

struct MinimiseRoad {
    const char* name;
    void (*minimise)(TestMainDlg& self);
};

class MainWindowMinimiseAfterMove : public ::testing::TestWithParam<MinimiseRoad> {};

TEST_P(MainWindowMinimiseAfterMove, SavesBeforeMinimisingAndNothingAfter)
{
    MainWindowWorld world(Utc(1999, 6, 1));
    TestMainDlg window;
    std::optional<std::string> callByWhenMinimised;
    std::optional<std::string> posWhenMinimised;
    window.afterSize = [&](TestMainDlg&, unsigned type) {
        if (type == fw::SIZE_MINIMIZED && !callByWhenMinimised) {
            callByWhenMinimised = world.IniValue("CALLBY");
            posWhenMinimised = world.IniValue("POS");
        }
    };
    std::string fileWhileMinimised;
    window.whileRunning = [&](TestMainDlg& self) {
        self.Widget()->move(kMovedTo.x, kMovedTo.y);
        GetParam().minimise(self);
        EXPECT_TRUE(self.IsMinimised());
        EXPECT_EQ(self.Settings().windowPos.left, kMovedTo.x);
        EXPECT_EQ(self.Settings().windowPos.top, kMovedTo.y);

        // Restored and minimised again without a move: the last save knew this place.
        self.Wnd().OnSysCommand(fw::SC_RESTORE, 0);
        world.WriteIni({"CALLBY=Marker"});
        GetParam().minimise(self);
        fileWhileMinimised = ReadBytes(world.IniPath());
        self.Widget()->close();
    };
    EXPECT_EQ(window.DoModal(), 2);
    EXPECT_EQ(callByWhenMinimised, "SysCommand");
    EXPECT_EQ(posWhenMinimised, "40 50");
    EXPECT_EQ(world.IniValue("CALLBY"), "Marker");
    EXPECT_EQ(ReadBytes(world.IniPath()), fileWhileMinimised);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowMinimiseAfterMove,
    ::testing::Values(MinimiseRoad{"window_manager", Minimise},
                      MinimiseRoad{"system_menu", [](TestMainDlg& self) { self.Wnd().OnSysCommand(fw::SC_MINIMIZE, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Waits for the caption, with the window's own 500 ms timer doing the work.
bool CaptionBecomes(TestMainDlg& self, const std::string& caption)
{
    return QTest::qWaitFor([&] { return Utf8(self.GetWindowText()) == caption; }, patience::kWaitMs);
}

TEST(MainWindowDayChange, MidnightRepaintsAndOtherTicksDoNot)
{
    MainWindowWorld world(Utc(1999, 6, 1, 23, 59, 59));
    TestMainDlg window;
    window.whileRunning = [&world](TestMainDlg& self) {
        const QImage daysLeftBefore = self.Grab(res::IDC_DAYS_LEFT);
        // The paints of the opening are over before the timer's second tick.
        EXPECT_TRUE(NextTick(self) && NextTick(self));
        const int paints = self.paints;
        for (int tick = 0; tick < 3; ++tick)
            self.Wnd().OnTimer(1);
        // Two ticks of the window's own timer too: a paint that the first
        // asked for would come before the second.
        EXPECT_TRUE(NextTick(self) && NextTick(self));
        EXPECT_EQ(self.paints, paints);
        EXPECT_EQ(Utf8(self.GetWindowText()), "ヨルカ (6/1)");

        world.SetNow(Utc(1999, 6, 2));
        EXPECT_TRUE(CaptionBecomes(self, "ヨルカ (6/2)"));
        EXPECT_GT(self.paints, paints);
        EXPECT_EQ(self.Figures().daysLeft, 137);
        EXPECT_NE(self.Grab(res::IDC_DAYS_LEFT), daysLeftBefore);
        self.EndDialog(1);
    };
    EXPECT_EQ(window.DoModal(), 1);
}

TEST(MainWindowDayChange, MinimisedCaptionFollowsTheDaysLeft)
{
    MainWindowWorld world(Utc(1999, 6, 1, 23, 59, 59));
    TestMainDlg window;
    window.whileRunning = [&world](TestMainDlg& self) {
        Minimise(self);
        EXPECT_EQ(Utf8(self.GetWindowText()), "あと 138日");

        world.SetNow(Utc(1999, 6, 2));
        EXPECT_TRUE(CaptionBecomes(self, "あと 137日"));
        EXPECT_TRUE(NextTick(self) && NextTick(self));   // nothing puts the date back while minimised
        EXPECT_EQ(Utf8(self.GetWindowText()), "あと 137日");
        EXPECT_EQ(self.Figures().daysLeft, 137);

        self.Widget()->setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(CaptionBecomes(self, "ヨルカ (6/2)"));
        self.EndDialog(1);
    };
    EXPECT_EQ(window.DoModal(), 1);
}

}  // namespace
