// What screen readers are told of the framework's controls: roles, names,
// values and the announcements of changes.
#include <gtest/gtest.h>

#include <QAccessibleValueInterface>

#include "framework_a11y_support.h"
#include "framework_probe.h"
#include "gui/Controls.h"
#include "gui/ProgressCtrl.h"

namespace {

using namespace a11y_test;
using probe::ProbeDialog;

QAccessibleValueInterface* Value(QAccessibleInterface* iface)
{
    return iface ? iface->valueInterface() : nullptr;
}

TEST(AccessibleControls, ReadWhatTheyShowInTheirRoles)
{
    probe::ResourceScope resources;
    WithDialog(probe::kPlainDialog, [](ProbeDialog& d) {
        EXPECT_EQ(Interface(&d)->role(), QAccessible::Dialog);
        EXPECT_EQ(Text(Interface(&d)), "テスト");
        EXPECT_EQ(Interface(d.GetDlgItem(probe::kLabel))->role(), QAccessible::StaticText);
        EXPECT_EQ(Text(Interface(d.GetDlgItem(probe::kLabel))), "ラベル");
        EXPECT_EQ(Interface(d.GetDlgItem(probe::kButton))->role(), QAccessible::Button);
        EXPECT_EQ(Text(Interface(d.GetDlgItem(probe::kButton))), "押す");
        EXPECT_EQ(Interface(d.GetDlgItem(probe::kIconStatic))->role(), QAccessible::Graphic);
        d.SetDlgItemText(probe::kEdit, fw::cp932::FromUtf8("二〇〇〇"));
        EXPECT_EQ(Text(Interface(d.GetDlgItem(probe::kEdit)), QAccessible::Value), "二〇〇〇");
        // A mnemonic mark is not read out.
        d.SetDlgItemText(probe::kLabel, fw::cp932::FromUtf8("開く(&O)"));
        EXPECT_EQ(Text(Interface(d.GetDlgItem(probe::kLabel))), "開く(O)");
    });
}

TEST(AccessibleControls, TheWindowsOwnPartsReadAsPartsNotPanels)
{
    probe::ResourceScope resources;
    WithDialog(probe::kMainLikeDialog, [](ProbeDialog& d) {
        EXPECT_EQ(Interface(d.GetDlgItem(probe::kFrame))->role(), QAccessible::Graphic);
        EXPECT_EQ(Interface(d.GetDlgItem(probe::kProgress))->role(), QAccessible::ProgressBar);
        EXPECT_EQ(Text(Interface(d.GetDlgItem(fw::IDOK))), "終了");
        EXPECT_EQ(Text(Interface(d.GetDlgItem(probe::kNavyLabel))), "紺色の見出し");
    });
}

TEST(AccessibleControls, TheProgressBarGivesItsPositionRangeAndShare)
{
    probe::ResourceScope resources;
    WithDialog(probe::kMainLikeDialog, [](ProbeDialog& d) {
        auto* bar = static_cast<fw::CProgressCtrl*>(d.GetDlgItem(probe::kProgress));
        bar->SetRange(0, 181);
        bar->SetPos(43);
        QAccessibleInterface* iface = Interface(bar);
        ASSERT_TRUE(Value(iface));
        EXPECT_EQ(Value(iface)->currentValue().toInt(), 43);
        EXPECT_EQ(Value(iface)->minimumValue().toInt(), 0);
        EXPECT_EQ(Value(iface)->maximumValue().toInt(), 181);
        EXPECT_EQ(Text(iface, QAccessible::Value), "23%");
        // Beyond its range the bar shows full, and says so.
        bar->SetPos(500);
        EXPECT_EQ(Value(iface)->currentValue().toInt(), 181);
        EXPECT_EQ(Text(iface, QAccessible::Value), "100%");
    });
}

TEST(AccessibleControls, ChangedTextAndWordsReadAtOnce)
{
    probe::ResourceScope resources;
    WithDialog(probe::kMainLikeDialog, [](ProbeDialog& d) {
        fw::CWnd* label = d.GetDlgItem(probe::kNavyLabel);
        fw::CWnd* frame = d.GetDlgItem(probe::kFrame);
        Interface(label);   // a reader asked before the change must not keep the old text
        label->SetWindowText(fw::cp932::FromUtf8("新しい見出し"));
        frame->SetAccessibleName(fw::cp932::FromUtf8("経過 1日"));
        frame->SetAccessibleDescription(fw::cp932::FromUtf8("棒グラフ"));
        EXPECT_EQ(Text(Interface(label)), "新しい見出し");
        EXPECT_EQ(Text(Interface(frame)), "経過 1日");
        EXPECT_EQ(Text(Interface(frame), QAccessible::Description), "棒グラフ");
        d.SetWindowText(fw::cp932::FromUtf8("ヨルカ (6/2)"));
        EXPECT_EQ(Text(Interface(&d)), "ヨルカ (6/2)");
    });
}

TEST(AccessibleControls, ADrawnAreaGivenItsTextReadsAsText)
{
    probe::ResourceScope resources;
    WithDialog(probe::kMainLikeDialog, [](ProbeDialog& d) {
        fw::CWnd* frame = d.GetDlgItem(probe::kFrame);
        frame->SetAccessibleText(fw::cp932::FromUtf8("あと 138日"));
        EXPECT_EQ(Interface(frame)->role(), QAccessible::StaticText);
        EXPECT_EQ(Text(Interface(frame)), "あと 138日");
    });
}

TEST(AccessibleControls, ASpinReadsAsOneSpinBoxNamedLikeItsField)
{
    probe::ResourceScope resources;
    probe::FieldsDialog dialog;
    dialog.whileRunning = [](ProbeDialog& self) {
        auto& d = static_cast<probe::FieldsDialog&>(self);
        d.yearSpin.SetRange32(1999, 2010);
        d.yearEdit.SetAccessibleName(fw::cp932::FromUtf8("試験日： 年"));
        d.SetDlgItemText(probe::kYear, "2010");
        QAccessibleInterface* spin = Interface(&d.yearSpin);
        EXPECT_EQ(spin->role(), QAccessible::SpinBox);
        EXPECT_EQ(Text(spin), "試験日： 年");
        EXPECT_EQ(spin->childCount(), 0);
        ASSERT_TRUE(Value(spin));
        EXPECT_EQ(Value(spin)->currentValue().toInt(), 2010);
        EXPECT_EQ(Value(spin)->maximumValue().toInt(), 2010);
        // Stepping up from a screen reader wraps like a click on the arrow.
        ASSERT_TRUE(spin->actionInterface());
        spin->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        EXPECT_EQ(d.GetDlgItemText(probe::kYear), "1999");
        EXPECT_EQ(Text(spin, QAccessible::Value), "1999");
        self.EndDialog(1);
    };
    ASSERT_EQ(dialog.DoModal(), 1);
}

}  // namespace
