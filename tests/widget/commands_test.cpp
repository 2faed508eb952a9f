// The countdown window's commands: the context menu from the mouse and the
// keyboard, every road to the three dialogs, the setup dialog's OK and
// Cancel as the window takes them, and the menu's "終了".
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>

#include "dialogs/AboutDlg.h"
#include "dialogs/DayCountDlg.h"
#include "dialogs/SetupDlg.h"
#include "dialogs_support.h"
#include "mainwnd_support.h"

namespace {

using mainwnd_test::MainWindowWorld;
using mainwnd_test::TestMainDlg;
using mainwnd_test::Utc;
using dialogs_test::Click;
using dialogs_test::MessageBoxes;
using dialogs_test::PopupMenus;
using dialogs_test::Text;
using dialogs_test::TypeAndLeave;

constexpr QPoint kFreeClientPoint{3, 3};   // no control there

class Commands : public ::testing::Test {
protected:
    Commands() { fw::AfxGetApp()->m_pMainWnd = &window; }
    ~Commands() override { fw::AfxGetApp()->m_pMainWnd = nullptr; }

    void RightClick(TestMainDlg& self) { QTest::mouseClick(self.Window(), Qt::RightButton, {}, kFreeClientPoint); }

    MainWindowWorld world{Utc(1999, 6, 1, 12)};
    MessageBoxes boxes;
    TestMainDlg window;
};

// Whether `trigger` opens a dialog of class `Dialog`; it is then cancelled,
// or handled by `steps`.
template <typename Dialog>
bool Opens(const std::function<void()>& trigger, std::function<void(Dialog&)> steps = {})
{
    QObject context;
    bool opened = false;
    if (!steps)
        steps = [](Dialog& dialog) { dialog.EndDialog(2); };
    dialogs_test::WhenOpen<Dialog>(&context, opened, steps);
    trigger();
    if (!opened)
        QTest::qWait(10);   // let a waiting check give up
    return opened;
}

TEST_F(Commands, ContextMenuOpensAtTheClickWithTheFiveItems)
{
    PopupMenus menus;
    fw::CPoint expected{kFreeClientPoint.x(), kFreeClientPoint.y()};
    window.whileRunning = [&](TestMainDlg& self) {
        self.ClientToScreen(&expected);
        RightClick(self);
        self.EndDialog(2);
    };
    window.DoModal();
    ASSERT_EQ(menus.seen.size(), 1u);
    EXPECT_EQ(menus.seen[0].at, expected);
    EXPECT_EQ(menus.seen[0].items, (std::vector<unsigned>{32771, 32774, 32772, 0, 32773}));
    EXPECT_EQ(menus.seen[0].owner, &window);
}

TEST_F(Commands, ContextMenuFromTheKeyboardOpensAtMinusOne)
{
    PopupMenus menus;
    window.whileRunning = [](TestMainDlg& self) {
        QTest::keyClick(self.Window(), Qt::Key_Menu);
        QTest::keyClick(self.Window(), Qt::Key_F10, Qt::ShiftModifier);
        self.EndDialog(2);
    };
    window.DoModal();
    ASSERT_EQ(menus.seen.size(), 2u);
    EXPECT_EQ(menus.seen[0].at, (fw::CPoint{-1, -1}));
    EXPECT_EQ(menus.seen[1].at, (fw::CPoint{-1, -1}));
}

TEST_F(Commands, EveryRoadOpensItsDialogAndCancellingSavesNothing)
{
    PopupMenus menus;
    window.whileRunning = [&](TestMainDlg& self) {
        auto viaMenu = [&](unsigned command) {
            return [&self, &menus, command, this] {
                menus.Choose(command);
                RightClick(self);
            };
        };
        EXPECT_TRUE(Opens<CSetupDlg>(viaMenu(32771))) << "menu 初期設定";
        EXPECT_TRUE(Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); })) << "button 初期設定";
        EXPECT_TRUE(Opens<CDayCountDlg>(viaMenu(32774))) << "menu 日数計算";
        EXPECT_TRUE(Opens<CDayCountDlg>([&] { Click(self, res::IDC_DAYCOUNT); })) << "button 日数計算";
        EXPECT_TRUE(Opens<CAboutDlg>(viaMenu(32772))) << "menu About";
        EXPECT_TRUE(Opens<CAboutDlg>([&] { self.Wnd().OnSysCommand(16, 0); })) << "system menu About";
        EXPECT_TRUE(self.IsWindowVisible() && !self.IsIconic());
        EXPECT_FALSE(world.IniExists());
        self.EndDialog(2);
    };
    EXPECT_EQ(window.DoModal(), 2);
}

TEST_F(Commands, MainWindowTakesNoKeysWhileADialogIsOpen)
{
    bool stillOpen = false;
    window.whileRunning = [&](TestMainDlg& self) {
        EXPECT_TRUE(Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); }, [&](CSetupDlg& setup) {
            QTest::keyClick(self.Window(), Qt::Key_Escape);
            QTest::keyClick(self.Window(), Qt::Key_Return);
            stillOpen = setup.IsWindowVisible();
            setup.EndDialog(2);
        }));
        self.EndDialog(5);
    };
    EXPECT_EQ(window.DoModal(), 5);
    EXPECT_TRUE(stillOpen);
}

TEST_F(Commands, DayCountChangesNothing)
{
    fw::CRect before, after;
    window.whileRunning = [&](TestMainDlg& self) {
        before = self.WindowRect();
        EXPECT_TRUE(Opens<CDayCountDlg>([&] { Click(self, res::IDC_DAYCOUNT); }, [](CDayCountDlg& dialog) {
            TypeAndLeave(dialog, res::IDC_FROM_YEAR, "2001");
            Click(dialog, res::IDC_COMPUTE);
            dialog.GetDlgItem(res::IDC_TO_DAY)->SetFocus();
            QTest::keyClick(dialogs_test::Window(dialog), Qt::Key_Return);   // OK this time
        }));
        after = self.WindowRect();
        EXPECT_FALSE(world.IniExists());
        self.EndDialog(2);
    };
    window.DoModal();
    EXPECT_EQ(before, after);
}

TEST_F(Commands, SetupOkTakesTheValuesSavesAndResizes)
{
    fw::CRect before, after, client;
    std::string title;
    window.whileRunning = [&](TestMainDlg& self) {
        before = self.WindowRect();
        EXPECT_TRUE(Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); }, [](CSetupDlg& setup) {
            TypeAndLeave(setup, res::IDC_EXAM_TITLE, "情報処理試験");
            Click(setup, res::IDC_SHOW_GRAPH);
            TypeAndLeave(setup, res::IDC_EXAM_DAY, "20");
            Click(setup, res::IDOK);
        }));
        mainwnd_test::Pump(50);
        after = self.WindowRect();
        self.GetClientRect(&client);
        title = mainwnd_test::Utf8(self.GetDlgItemText(res::IDC_TITLE));
        self.EndDialog(2);
    };
    window.DoModal();
    EXPECT_EQ(after.TopLeft(), before.TopLeft());
    EXPECT_EQ(client.Size(), (fw::CSize{225, 193}));
    EXPECT_EQ(title, "情報処理試験");
    EXPECT_EQ(window.Settings().examDate.day(), 20);
    EXPECT_TRUE(window.Settings().showGraph);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(Commands, SetupOkWritesTheFileWithDialogAsTheReason)
{
    std::string pos;
    window.whileRunning = [&](TestMainDlg& self) {
        Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); }, [](CSetupDlg& setup) {
            TypeAndLeave(setup, res::IDC_EXAM_TITLE, "情報処理試験");
            Click(setup, res::IDC_SHOW_NEXT_EXAM);
            TypeAndLeave(setup, res::IDC_NEXT_MONTH, "5");
            Click(setup, res::IDOK);
        });
        const fw::CRect rect = self.WindowRect();
        pos = std::to_string(rect.left) + " " + std::to_string(rect.top);
        EXPECT_EQ(world.IniValue("CALLBY"), "Dialog");
        EXPECT_EQ(world.IniValue("TITLE"), "情報処理試験");
        EXPECT_EQ(world.IniValue("EXAM"), "1999 10 17");
        EXPECT_EQ(world.IniValue("NEXAM"), "2000 5 16");
        EXPECT_EQ(world.IniValue("START"), "1999 4 19");
        EXPECT_EQ(world.IniValue("SIZE"), "FALSE");
        EXPECT_EQ(world.IniValue("SHOWNEXTEXAM"), "TRUE");
        EXPECT_EQ(world.IniValue("POS"), pos);
        self.EndDialog(2);
    };
    window.DoModal();
    EXPECT_FALSE(pos.empty());
}

TEST_F(Commands, SetupCancelChangesAndSavesNothing)
{
    fw::CRect before, after;
    window.whileRunning = [&](TestMainDlg& self) {
        before = self.WindowRect();
        EXPECT_TRUE(Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); }, [](CSetupDlg& setup) {
            TypeAndLeave(setup, res::IDC_EXAM_TITLE, "別の試験");
            Click(setup, res::IDC_SHOW_GRAPH);
            Click(setup, res::IDCANCEL);
        }));
        after = self.WindowRect();
        EXPECT_FALSE(world.IniExists());
        self.EndDialog(2);
    };
    window.DoModal();
    EXPECT_EQ(after, before);
    EXPECT_EQ(mainwnd_test::Utf8(window.Settings().title), "99年度秋期情報処理技術者試験まで");
    EXPECT_FALSE(window.Settings().showGraph);
}

TEST_F(Commands, SetupShowsAnInvalidDateAsAllOnes)
{
    world.WriteIni({"EXAM=1999 2 30"});
    std::array<std::string, 3> shown;
    window.whileRunning = [&](TestMainDlg& self) {
        Opens<CSetupDlg>([&] { Click(self, res::IDC_SETUP); }, [&](CSetupDlg& setup) {
            shown = {Text(setup, res::IDC_EXAM_YEAR), Text(setup, res::IDC_EXAM_MONTH), Text(setup, res::IDC_EXAM_DAY)};
            setup.EndDialog(2);
        });
        self.EndDialog(2);
    };
    window.DoModal();
    EXPECT_EQ(shown, (std::array<std::string, 3>{"4294967295", "4294967295", "4294967295"}));
}

TEST_F(Commands, MenuExitEndsTheWindowWhichSavesQuit)
{
    PopupMenus menus(32773);
    window.whileRunning = [this](TestMainDlg& self) { RightClick(self); };
    EXPECT_EQ(window.DoModal(), -1);
    EXPECT_FALSE(window.gaveUp);
    EXPECT_EQ(world.IniValue("CALLBY"), "Quit");
}

}  // namespace
