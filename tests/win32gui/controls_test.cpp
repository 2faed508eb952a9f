// The field exchange and the control wrappers on the platform's controls:
// members into controls and back, a refused field, an edit's limit in CP932
// bytes, and a spin button writing its buddy.
#include <gtest/gtest.h>

#include <string>

#include "core/win32/WideText.h"
#include "gui/Controls.h"
#include "gui/DataExchange.h"
#include "gui/Dialog.h"
#include "gui/MessageBox.h"
#include "res/Resources.h"
#include "gui/win32/WinApi.h"

namespace {

using fw::cp932::FromUtf8;

class FieldsDialog : public fw::CDialog {
public:
    FieldsDialog() : CDialog(res::IDD_SETUP) {}

    void DoDataExchange(fw::CDataExchange* pDX) override
    {
        fw::DDX_Text(pDX, res::IDC_EXAM_TITLE, title);
        fw::DDV_MaxChars(pDX, title, 4);
        fw::DDX_Text(pDX, res::IDC_EXAM_YEAR, year);
        fw::DDV_MinMaxUInt(pDX, year, 1990, 2100);
        fw::DDX_Check(pDX, res::IDC_SHOW_GRAPH, graph);
    }

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        written = {GetDlgItemText(res::IDC_EXAM_TITLE), GetDlgItemText(res::IDC_EXAM_YEAR),
                   static_cast<fw::CButton*>(GetDlgItem(res::IDC_SHOW_GRAPH))->GetCheck()};
        TypeIntoTitle();
        Refuse();
        ReadBack();
        StepSpin();
        EndDialog(1);
        return false;
    }

    void TypeIntoTitle()
    {
        const HWND edit = ::GetDlgItem(GetSafeHwnd(), res::IDC_EXAM_TITLE);
        SetDlgItemText(res::IDC_EXAM_TITLE, "");
        for (const wchar_t typed : std::wstring(L"a\u3042\u3044b"))
            SendMessageW(edit, WM_CHAR, typed, 1);
        typed = GetDlgItemText(res::IDC_EXAM_TITLE);
    }

    void Refuse()
    {
        SetDlgItemText(res::IDC_EXAM_YEAR, "3000");
        refusedAccepted = UpdateData(true);
        focusAfterRefusal = ::GetDlgCtrlID(::GetFocus());
        yearAfterRefusal = year;
    }

    void ReadBack()
    {
        SetDlgItemText(res::IDC_EXAM_YEAR, "2001");
        static_cast<fw::CButton*>(GetDlgItem(res::IDC_SHOW_GRAPH))->SetCheck(1);
        readAccepted = UpdateData(true);
    }

    void StepSpin()
    {
        auto* spin = dynamic_cast<fw::CSpinButtonCtrl*>(GetDlgItem(res::IDC_EXAM_YEAR_SPIN));
        ASSERT_NE(spin, nullptr);
        spin->SetRange32(1990, 2100);
        spin->SetPos32(2005);
        buddyText = GetDlgItemText(res::IDC_EXAM_YEAR);
        buddyId = spin->GetBuddy() ? spin->GetBuddy()->GetDlgCtrlID() : 0;
    }

    struct Written {
        fw::ByteString title, year;
        int check;
    };
    fw::ByteString title = FromUtf8("模試");
    std::uint32_t year = 1999;
    int graph = 1;
    Written written{};
    fw::ByteString typed, buddyText;
    bool refusedAccepted = true, readAccepted = false;
    int focusAfterRefusal = 0;
    std::uint32_t yearAfterRefusal = 0;
    int buddyId = 0;
};

TEST(ControlsWin32, FieldsGoBothWaysWithTheirChecks)
{
    fw::SetResources(&ProgramResources());
    std::string refusal;
    fw::SetMessageBoxHook([&](const fw::MessageBoxCall& call) {
        refusal = fw::cp932::ToUtf8(call.text);
        return 1;
    });
    FieldsDialog dialog;
    ASSERT_EQ(dialog.DoModal(), 1);
    fw::SetMessageBoxHook({});

    EXPECT_EQ(dialog.written.title, FromUtf8("模試"));
    EXPECT_EQ(dialog.written.year, "1999");
    EXPECT_EQ(dialog.written.check, 1);
    // Four bytes: "a" and "あ" fit, "い" would split the limit, "b" fits.
    EXPECT_EQ(dialog.typed, FromUtf8("aあb"));
    EXPECT_FALSE(dialog.refusedAccepted);
    EXPECT_NE(refusal.find("1990"), std::string::npos) << refusal;
    EXPECT_EQ(dialog.focusAfterRefusal, res::IDC_EXAM_YEAR);
    EXPECT_EQ(dialog.yearAfterRefusal, 3000u);   // a refused number stays in the member
    EXPECT_TRUE(dialog.readAccepted);
    EXPECT_EQ(dialog.year, 2001u);
    EXPECT_EQ(dialog.graph, 1);
    EXPECT_EQ(dialog.title, FromUtf8("aあb"));
    EXPECT_EQ(dialog.buddyText, "2005");
    EXPECT_EQ(dialog.buddyId, res::IDC_EXAM_YEAR);
}

}  // namespace
