// Modal runs: how each road ends them, what they do to their owner, and the
// keyboard handling that dialogs share.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <csignal>

#include "framework_probe.h"
#include "gui/App.h"

namespace {

using probe::ProbeDialog;

class FrameworkDialog : public ::testing::Test {
protected:
    probe::ResourceScope resources;
};

struct KeyRoad {
    const char* name;
    int focusId;               // control given the focus first, or 0
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int result;
};

class FrameworkDialogKeys : public FrameworkDialog, public ::testing::WithParamInterface<KeyRoad> {};

TEST_P(FrameworkDialogKeys, KeyEndsTheRunWithItsResult)
{
    const KeyRoad& road = GetParam();
    ProbeDialog dialog;
    dialog.whileRunning = [&road](ProbeDialog& self) {
        if (road.focusId)
            self.GetDlgItem(road.focusId)->SetFocus();
        QTest::keyClick(self.Window(), road.key, road.modifiers);
    };
    EXPECT_EQ(dialog.DoModal(), road.result);
}

INSTANTIATE_TEST_SUITE_P(Roads, FrameworkDialogKeys,
                         ::testing::Values(KeyRoad{"enter_is_ok", probe::kEdit, Qt::Key_Return, {}, 1},
                                           KeyRoad{"keypad_enter_is_ok", 0, Qt::Key_Enter, {}, 1},
                                           KeyRoad{"escape_is_cancel", probe::kEdit, Qt::Key_Escape, {}, 2},
                                           KeyRoad{"enter_clicks_focused_button", probe::kButton, Qt::Key_Return, {}, 7},
                                           KeyRoad{"alt_f4_is_cancel", 0, Qt::Key_F4, Qt::AltModifier, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkDialog, EndDialogValueIsTheResultAndOnDestroyFollows)
{
    ProbeDialog dialog;
    dialog.whileRunning = [](ProbeDialog& self) { self.EndDialog(1); };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.log.back(), "destroy");
    EXPECT_EQ(fw::WidgetOf(dialog), nullptr);
}

TEST_F(FrameworkDialog, EndDialogDuringInitialisationNeverShowsTheWindow)
{
    ProbeDialog dialog;
    bool shown = true;
    dialog.onInit = [&shown](ProbeDialog& self) {
        self.EndDialog(2);
        shown = self.IsWindowVisible();
    };
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_FALSE(shown);
}

TEST_F(FrameworkDialog, CloseBoxIsCloseSystemCommandThenCancel)
{
    ProbeDialog dialog;
    dialog.whileRunning = [](ProbeDialog& self) { self.Widget()->close(); };
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"sys 61536", "destroy"}));
}

TEST_F(FrameworkDialog, PreTranslateSeesKeysFirstAndMayTakeThem)
{
    ProbeDialog dialog;
    dialog.consumeKeys = true;
    dialog.whileRunning = [](ProbeDialog& self) {
        QTest::keyClick(self.Window(), Qt::Key_Shift);
        QTest::keyClick(self.Window(), Qt::Key_Escape);   // taken: no Cancel
        self.consumeKeys = false;
        QTest::keyClick(self.Window(), Qt::Key_Escape);
    };
    EXPECT_EQ(dialog.DoModal(), 2);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"key 16", "key 27", "key 27", "destroy"}));
}

TEST_F(FrameworkDialog, InitialisationReturningTrueFocusesTheFirstTabStop)
{
    ProbeDialog dialog;
    int focusedId = 0;
    dialog.whileRunning = [&focusedId](ProbeDialog& self) {
        if (const fw::CWnd* focused = fw::WndOf(self.Widget()->focusWidget()))
            focusedId = focused->GetDlgCtrlID();
        self.EndDialog(1);
    };
    dialog.DoModal();
    EXPECT_EQ(focusedId, probe::kEdit);
}

TEST_F(FrameworkDialog, OwnerTimerKeepsFiringAndOwnerTakesNoInputDuringNestedRun)
{
    ProbeDialog owner(probe::kMainLikeDialog);
    bool ownerEnabledDuring = true;
    int ticksDuring = 0;
    owner.onInit = [](ProbeDialog& self) { self.SetTimer(1, 10); };
    owner.whileRunning = [&](ProbeDialog& self) {
        ProbeDialog nested;
        int ticksAtStart = 0;
        nested.onInit = [&](ProbeDialog&) { ticksAtStart = self.ticks; };
        nested.onTimer = [&](ProbeDialog& inner, unsigned) {
            ownerEnabledDuring = self.IsWindowEnabled();
            if (self.ticks >= ticksAtStart + 3) {
                ticksDuring = self.ticks - ticksAtStart;
                inner.EndDialog(1);
            }
        };
        nested.onInit = [&](ProbeDialog& inner) {
            ticksAtStart = self.ticks;
            inner.SetTimer(9, 5);
        };
        EXPECT_EQ(nested.DoModal(), 1);
        EXPECT_TRUE(self.IsWindowEnabled());
        self.EndDialog(2);
    };
    EXPECT_EQ(owner.DoModal(), 2);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_GE(ticksDuring, 3);
}

TEST_F(FrameworkDialog, QuitRequestEndsEveryRunInnermostFirstWithOnDestroy)
{
    std::vector<std::string> order;
    ProbeDialog owner(probe::kMainLikeDialog);
    int nestedResult = 0;
    owner.whileRunning = [&](ProbeDialog&) {
        ProbeDialog nested;
        nested.whileRunning = [](ProbeDialog&) { fw::PostQuitMessage(0); };
        nestedResult = nested.DoModal();
        order.push_back("nested " + nested.log.back());
    };
    const int ownerResult = owner.DoModal();
    order.push_back("owner " + owner.log.back());
    EXPECT_EQ(nestedResult, -1);
    EXPECT_EQ(ownerResult, -1);
    EXPECT_EQ(order, (std::vector<std::string>{"nested destroy", "owner destroy"}));
}

TEST_F(FrameworkDialog, AgreedSessionEndEndsTheRunWithoutOnDestroy)
{
    ProbeDialog dialog(probe::kMainLikeDialog);
    dialog.whileRunning = [](ProbeDialog&) { std::raise(SIGTERM); };
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"query end"}));
}

TEST_F(FrameworkDialog, RefusedSessionEndChangesNothing)
{
    ProbeDialog dialog(probe::kMainLikeDialog);
    dialog.endSessionAnswer = false;
    dialog.whileRunning = [](ProbeDialog& self) {
        std::raise(SIGHUP);
        self.Later(50, [](ProbeDialog& again) { again.EndDialog(1); });
    };
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"query end", "destroy"}));
}

}  // namespace
