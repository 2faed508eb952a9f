// Spin buttons: their place beside the buddy, and each step: the position
// from the buddy's text, the "about to step" handler first, then the step
// inside the (new) range with wrapping, and the buddy written only when its
// text differs.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "framework_probe.h"
#include "gui/DialogUnits.h"
#include "gui/MessageBox.h"

namespace {

using probe::FieldsDialog;
using probe::ProbeDialog;

class FrameworkSpin : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetMessageBoxHook([](const fw::MessageBoxCall&) { return static_cast<int>(fw::IDOK); });
    }
    void TearDown() override { fw::SetMessageBoxHook({}); }

    static void Run(FieldsDialog& dialog, const std::function<void(FieldsDialog&)>& steps)
    {
        dialog.whileRunning = [&steps](ProbeDialog& self) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(self.Widget(), patience::kWaitMs));
            steps(static_cast<FieldsDialog&>(self));
            self.EndDialog(5);
        };
        EXPECT_EQ(dialog.DoModal(), 5);
    }

    static QLineEdit* DayEdit(const FieldsDialog& dialog)
    {
        return qobject_cast<QLineEdit*>(fw::WidgetOf(dialog.GetDlgItem(probe::kDay)));
    }

    probe::ResourceScope resources;
};

TEST_F(FrameworkSpin, SitsAtTheRightEdgeOfTheEditBeforeIt)
{
    FieldsDialog dialog;
    fw::CRect buddy;
    fw::CRect spin;
    fw::CWnd* buddyWnd = nullptr;
    Run(dialog, [&](FieldsDialog& self) {
        buddyWnd = self.yearSpin.GetBuddy();
        self.GetDlgItem(probe::kYear)->GetWindowRect(&buddy);
        self.yearSpin.GetWindowRect(&spin);
        self.ScreenToClient(reinterpret_cast<fw::CPoint*>(&buddy.left));
        self.ScreenToClient(reinterpret_cast<fw::CPoint*>(&buddy.right));
        self.ScreenToClient(reinterpret_cast<fw::CPoint*>(&spin.left));
        self.ScreenToClient(reinterpret_cast<fw::CPoint*>(&spin.right));
    });
    EXPECT_EQ(buddyWnd, &dialog.yearEdit);
    const fw::CRect field = fw::DialogUnitsToPixels(5, 20, 36, 12, fw::BaseUnitsForPointSize(9));
    EXPECT_EQ(spin.right, field.right);   // the field's old right edge
    EXPECT_EQ(spin.top, field.top);
    EXPECT_EQ(spin.Height(), field.Height());
    EXPECT_EQ(buddy.left, field.left);
    EXPECT_GT(buddy.right, spin.left);    // the spin covers the field's border
    EXPECT_LT(buddy.right, field.right);
}

struct StepCase {
    const char* name;
    int lower, upper;
    int lastPosition;       // the spin's position before the buddy text is set
    const char* buddyText;
    Qt::Key key;
    const char* shown;
};

class FrameworkSpinStep : public FrameworkSpin, public ::testing::WithParamInterface<StepCase> {};

TEST_P(FrameworkSpinStep, StepsTheBuddyLikeThePlatform)
{
    const StepCase& c = GetParam();
    FieldsDialog dialog;
    QString shown;
    Run(dialog, [&](FieldsDialog& self) {
        self.daySpin.SetRange32(c.lower, c.upper);
        self.daySpin.SetPos32(c.lastPosition);
        self.SetDlgItemText(probe::kDay, c.buddyText);
        DayEdit(self)->setFocus();
        QTest::keyClick(self.Window(), c.key);
        shown = DayEdit(self)->text();
    });
    EXPECT_EQ(shown.toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FrameworkSpinStep,
    ::testing::Values(StepCase{"up", 1, 10, 1, "5", Qt::Key_Up, "6"},
                      StepCase{"down", 1, 10, 1, "5", Qt::Key_Down, "4"},
                      StepCase{"up_wraps_to_lower", 1, 10, 1, "10", Qt::Key_Up, "1"},
                      StepCase{"down_wraps_to_upper", 1, 10, 1, "1", Qt::Key_Down, "10"},
                      StepCase{"pinned_stays", 7, 7, 7, "7", Qt::Key_Up, "7"},
                      StepCase{"pinned_down_stays", 7, 7, 7, "7", Qt::Key_Down, "7"},
                      StepCase{"letters_keep_last_position", 1, 31, 3, "abc", Qt::Key_Up, "4"},
                      StepCase{"empty_keeps_last_position", 1, 31, 3, "", Qt::Key_Down, "2"},
                      StepCase{"outside_range_keeps_last_position", 1, 31, 3, "40", Qt::Key_Up, "4"},
                      StepCase{"blanks_and_plus_are_a_number", 1, 31, 3, " +9", Qt::Key_Up, "10"},
                      StepCase{"no_thousands_separator", 1, 5000, 999, "999", Qt::Key_Up, "1000"},
                      StepCase{"negative_range", -5, 5, 0, "-5", Qt::Key_Down, "5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkSpin, HandlerRunsBeforeTheStepAndItsRangeCounts)
{
    FieldsDialog dialog;
    std::vector<std::string> shown;
    std::vector<std::string> textsInHandler;
    dialog.onDayStep = [&textsInHandler](FieldsDialog& self) {
        textsInHandler.push_back(self.GetDlgItemText(probe::kDay));
        self.daySpin.SetRange32(1, 28);   // as for February
    };
    Run(dialog, [&](FieldsDialog& self) {
        DayEdit(self)->setFocus();
        for (const char* text : {"28", "31", "30"}) {
            self.daySpin.SetRange32(1, 31);
            self.SetDlgItemText(probe::kDay, text);
            QTest::keyClick(self.Window(), std::string(text) == "30" ? Qt::Key_Down : Qt::Key_Up);
            shown.push_back(self.GetDlgItemText(probe::kDay));
        }
    });
    EXPECT_EQ(textsInHandler, (std::vector<std::string>{"28", "31", "30"}));
    // 28 + 1 wraps to 1 in 1..28; 31 up and 30 down land inside the new range.
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "1", "28"}));
}

TEST_F(FrameworkSpin, BuddyIsWrittenOnlyWhenItsTextDiffers)
{
    FieldsDialog dialog;
    std::vector<std::string> pinnedLog;
    QString selectionAfterPinnedStep;
    Run(dialog, [&](FieldsDialog& self) {
        self.daySpin.SetRange32(15, 15);
        DayEdit(self)->setFocus();
        DayEdit(self)->selectAll();
        self.log.clear();
        QTest::keyClick(self.Window(), Qt::Key_Up);
        pinnedLog = self.log;
        selectionAfterPinnedStep = DayEdit(self)->selectedText();
        self.daySpin.SetRange32(1, 31);
        self.log.clear();
        QTest::keyClick(self.Window(), Qt::Key_Up);
    });
    EXPECT_EQ(pinnedLog, (std::vector<std::string>{"key 38", "step day"}));
    EXPECT_EQ(selectionAfterPinnedStep, "15");
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"key 38", "step day", "change day", "destroy"}));
}

TEST_F(FrameworkSpin, ArrowsStepWithoutTakingTheFocus)
{
    FieldsDialog dialog;
    std::vector<std::string> shown;
    bool titleKeptFocus = false;
    Run(dialog, [&](FieldsDialog& self) {
        self.daySpin.SetRange32(1, 31);
        self.GetDlgItem(probe::kTitle)->SetFocus();
        QWidget* spin = fw::WidgetOf(self.daySpin);
        const QPoint upper(spin->width() / 2, spin->height() / 4);
        const QPoint lower(spin->width() / 2, spin->height() * 3 / 4);
        for (const QPoint& at : {upper, upper, lower}) {
            QWidget* arrow = spin->childAt(at);
            ASSERT_NE(arrow, nullptr);
            QTest::mouseClick(arrow, Qt::LeftButton, {}, arrow->mapFrom(spin, at));
            shown.push_back(self.GetDlgItemText(probe::kDay));
        }
        titleKeptFocus = QApplication::focusWidget() == fw::WidgetOf(self.GetDlgItem(probe::kTitle));
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"16", "17", "16"}));
    EXPECT_TRUE(titleKeptFocus);
}

TEST_F(FrameworkSpin, PositionCallsFollowThePlatform)
{
    FieldsDialog dialog;
    int previous = -1;
    int clampedTo = -1;
    int fromBuddy = -1;
    int keptOnLetters = -1;
    fw::ByteString written;
    int lower = 0;
    int upper = 0;
    Run(dialog, [&](FieldsDialog& self) {
        self.daySpin.SetRange32(1, 12);
        self.daySpin.GetRange32(lower, upper);
        self.daySpin.SetPos32(5);
        previous = self.daySpin.SetPos32(40);   // kept inside the range
        written = self.GetDlgItemText(probe::kDay);
        clampedTo = self.daySpin.GetPos32();
        self.SetDlgItemText(probe::kDay, "9");
        fromBuddy = self.daySpin.GetPos32();
        self.SetDlgItemText(probe::kDay, "x");
        keptOnLetters = self.daySpin.GetPos32();
    });
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 12);
    EXPECT_EQ(previous, 5);
    EXPECT_EQ(written, "12");
    EXPECT_EQ(clampedTo, 12);
    EXPECT_EQ(fromBuddy, 9);
    EXPECT_EQ(keptOnLetters, 9);
}

TEST_F(FrameworkSpin, SettingTheRangeLeavesTheBuddyAlone)
{
    FieldsDialog dialog;
    fw::ByteString shown;
    Run(dialog, [&](FieldsDialog& self) {
        self.daySpin.SetRange32(20, 20);
        shown = self.GetDlgItemText(probe::kDay);
    });
    EXPECT_EQ(shown, "15");
}

}  // namespace
