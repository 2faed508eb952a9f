// The process entry's values, the field exchange's control binding, and
// Default() finishing a message the way the base handler would.
#include <gtest/gtest.h>

#include <QTest>

#include "framework_probe.h"
#include "gui/App.h"
#include "gui/ProgressCtrl.h"

namespace {

using probe::ProbeDialog;

TEST(FrameworkApp, EntryFillsTheValuesBeforeInitInstance)
{
    struct RecordingApp : fw::CWinApp {
        bool InitInstance() override
        {
            seen = {m_commandTail, m_exeName, m_appTitle, m_programPath};
            return false;
        }
        std::vector<fw::ByteString> seen;
    } app;
    char name[] = "/somewhere/yoruka";
    char first[] = "  -platform";
    char second[] = "xcb";
    char* argv[] = {name, first, second, nullptr};
    EXPECT_EQ(fw::AfxWinMain(app, 3, argv), 0);
    ASSERT_EQ(app.seen.size(), 4u);
    EXPECT_EQ(app.seen[0], "-platform xcb");
    EXPECT_EQ(app.seen[1], "widget_tests");   // the running file, not argv[0]
    EXPECT_EQ(app.seen[2], app.seen[1]);
    EXPECT_EQ(app.seen[3], "/somewhere/yoruka");
    EXPECT_EQ(fw::AfxGetApp(), &app);
}

class FrameworkExchange : public ::testing::Test {
protected:
    probe::ResourceScope resources;
};

struct BindingDialog : ProbeDialog {
    BindingDialog() : ProbeDialog(probe::kMainLikeDialog) {}

    void DoDataExchange(fw::CDataExchange* pDX) override
    {
        ++exchanges;
        fw::DDX_Control(pDX, probe::kProgress, m_progress);
        if (pDX->m_bSaveAndValidate && refuse) {
            pDX->PrepareCtrl(static_cast<int>(fw::IDOK));
            pDX->Fail();
        }
    }

    fw::CProgressCtrl m_progress;
    bool refuse = false;
    int exchanges = 0;
};

TEST_F(FrameworkExchange, ControlIsBoundAtTheFirstExchangeAndReleasedWithTheWindow)
{
    BindingDialog dialog;
    dialog.whileRunning = [&dialog](ProbeDialog&) {
        EXPECT_NE(fw::WidgetOf(dialog.m_progress), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(probe::kProgress), &dialog.m_progress);
        dialog.m_progress.SetRange(0, 10);
        dialog.m_progress.SetPos(4);
        EXPECT_EQ(dialog.UpdateData(true), true);
        EXPECT_EQ(dialog.m_progress.GetPos(), 4);
        dialog.refuse = true;
        dialog.OnOK();   // refused: the dialog stays
        dialog.refuse = false;
        dialog.OnOK();
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.exchanges, 4);
    EXPECT_EQ(fw::WidgetOf(dialog.m_progress), nullptr);
}

TEST_F(FrameworkExchange, DefaultFinishesTheMessageBeingHandled)
{
    struct DefaultingDialog : ProbeDialog {
        void OnSysCommand(unsigned id, long /*lParam*/) override
        {
            log.push_back("sys " + std::to_string(id));
            Default();
        }
    } dialog;
    dialog.whileRunning = [](ProbeDialog& self) { self.Widget()->close(); };
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_EQ(dialog.Default(), 0);   // outside any handler
}

TEST_F(FrameworkExchange, KilledTimerStopsTicking)
{
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& self) { self.SetTimer(3, 5); };
    dialog.onTimer = [](ProbeDialog& self, unsigned id) {
        EXPECT_EQ(id, 3u);
        EXPECT_TRUE(self.KillTimer(3));
        EXPECT_FALSE(self.KillTimer(3));
        self.Later(40, [](ProbeDialog& again) { again.EndDialog(1); });
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.ticks, 1);
}

}  // namespace
