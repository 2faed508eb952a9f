// A modal run on the platform's own dialog manager: texts through the W
// functions, the message map from the dialog procedure, the owner of message
// boxes and the end of every run at PostQuitMessage.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/MessageBox.h"
#include "res/Resources.h"
#include "gui/win32/WinApi.h"

namespace {

using fw::ByteString;

class ProbeDialog : public fw::CDialog {
public:
    explicit ProbeDialog(std::function<void(ProbeDialog&)> atStart, fw::CWnd* parent = nullptr)
        : CDialog(res::IDD_SETUP, parent), m_atStart(std::move(atStart))
    {
    }

    std::span<const fw::CommandEntry> CommandMap() const override
    {
        static constexpr fw::CommandEntry entries[] = {
            fw::CommandHandler<&ProbeDialog::OnShowGraph>(res::IDC_SHOW_GRAPH),
            fw::CommandHandler<&ProbeDialog::OnTitleChange>(res::IDC_EXAM_TITLE, EN_CHANGE)};
        return entries;
    }

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_atStart(*this);
        return true;
    }

    void OnTimer(unsigned id) override
    {
        KillTimer(id);
        EndDialog(static_cast<int>(100 + id));
    }

    bool OnQueryEndSession() override { return endSessionAnswer; }

    void OnShowGraph() { EndDialog(77); }
    void OnTitleChange() { ++titleChanges; }

    bool endSessionAnswer = true;
    int titleChanges = 0;

private:
    std::function<void(ProbeDialog&)> m_atStart;
};

class DialogRunWin32 : public ::testing::Test {
protected:
    void SetUp() override { fw::SetResources(&ProgramResources()); }
    void TearDown() override { fw::SetMessageBoxHook({}); }
};

std::string PlatformText(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return fw::win32::Utf8FromWide(buffer);
}

TEST_F(DialogRunWin32, TextsCrossThePlatformAsUtf16AndComeBackAsCp932)
{
    ByteString readBack;
    std::string platformCaption;
    std::string platformField;
    ByteString unmappable;
    ProbeDialog dialog([&](ProbeDialog& d) {
        d.SetWindowText(fw::cp932::FromUtf8("ヨルカ (6/1)"));
        d.SetDlgItemText(res::IDC_EXAM_TITLE, fw::cp932::FromUtf8("センター試験"));
        readBack = d.GetDlgItemText(res::IDC_EXAM_TITLE);
        platformCaption = PlatformText(d.GetSafeHwnd());
        platformField = PlatformText(GetDlgItem(d.GetSafeHwnd(), res::IDC_EXAM_TITLE));
        SetDlgItemTextW(d.GetSafeHwnd(), res::IDC_EXAM_TITLE, L"\u00e9\u8a66");
        unmappable = d.GetDlgItemText(res::IDC_EXAM_TITLE);
        d.EndDialog(5);
    });
    EXPECT_EQ(dialog.DoModal(), 5);
    EXPECT_EQ(platformCaption, "ヨルカ (6/1)");
    EXPECT_EQ(platformField, "センター試験");
    EXPECT_EQ(readBack, fw::cp932::FromUtf8("センター試験"));
    EXPECT_EQ(unmappable, fw::cp932::FromUtf8("?試"));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

// What arrives at the dialog procedure, and the run's result it leads to.
TEST_F(DialogRunWin32, MessagesReachTheMessageMap)
{
    struct Case {
        const char* what;
        std::function<void(HWND)> send;
        int result;
    };
    const Case cases[] = {
        {"command table", [](HWND d) { PostMessageW(d, WM_COMMAND, MAKEWPARAM(res::IDC_SHOW_GRAPH, BN_CLICKED), 0); }, 77},
        {"OK button", [](HWND d) { PostMessageW(d, WM_COMMAND, IDOK, 0); }, IDOK},
        {"close request", [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }, IDCANCEL},
        {"system close", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"timer", [](HWND d) { SetTimer(d, 7, 10, nullptr); }, 107},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProbeDialog dialog([&](ProbeDialog& d) { c.send(d.GetSafeHwnd()); });
        EXPECT_EQ(dialog.DoModal(), c.result);
    }
}

TEST_F(DialogRunWin32, NotificationsAndTheSessionEndQueryGetTheHandlersAnswers)
{
    LRESULT refused = -1;
    LRESULT agreed = -1;
    int changesDuringExchange = -1;
    ProbeDialog dialog([&](ProbeDialog& d) {
        const HWND hwnd = d.GetSafeHwnd();
        d.endSessionAnswer = false;
        refused = SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0);
        d.endSessionAnswer = true;
        agreed = SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0);
        changesDuringExchange = d.titleChanges;   // the exchange at the start sent none
        d.SetDlgItemText(res::IDC_EXAM_TITLE, fw::cp932::FromUtf8("模試"));
        d.EndDialog(1);
    });
    dialog.DoModal();
    EXPECT_EQ(refused, FALSE);
    EXPECT_EQ(agreed, TRUE);
    EXPECT_EQ(changesDuringExchange, 0);
    EXPECT_EQ(dialog.titleChanges, 1);
}

TEST_F(DialogRunWin32, MessageBoxesBelongToTheInnermostRunWithTheAppTitle)
{
    fw::CWinApp app;
    app.m_appTitle = fw::cp932::FromUtf8("ヨルカ");
    fw::MessageBoxCall seen{};
    fw::SetMessageBoxHook([&](const fw::MessageBoxCall& call) {
        seen = call;
        return 1;
    });
    ProbeDialog dialog([](ProbeDialog& d) {
        fw::AfxMessageBox(fw::cp932::FromUtf8("日付が不正です。"));
        d.EndDialog(1);
    });
    dialog.DoModal();
    EXPECT_EQ(seen.owner, &dialog);
    EXPECT_EQ(seen.caption, fw::cp932::FromUtf8("ヨルカ"));
    EXPECT_EQ(seen.text, fw::cp932::FromUtf8("日付が不正です。"));
}

TEST_F(DialogRunWin32, PostQuitMessageEndsEveryRunningDialog)
{
    fw::CWinApp app;
    int innerResult = 0;
    ProbeDialog outer([&](ProbeDialog& o) {
        ProbeDialog inner([](ProbeDialog&) { fw::PostQuitMessage(3); }, &o);
        innerResult = inner.DoModal();
    });
    EXPECT_EQ(outer.DoModal(), -1);
    EXPECT_EQ(innerResult, -1);
    EXPECT_EQ(app.ExitInstance(), 3);
}

// Moved to a screen at 200 %: where the platform suggests, the same logical
// window, every control twice its 96-dpi pixels (the 135-unit title field
// is 203 pixels there).
TEST_F(DialogRunWin32, AScreenOfAnotherScaleKeepsTheLogicalWindowAndScalesItsControls)
{
    fw::CRect before, after;
    RECT placed{}, field{};
    ProbeDialog dialog([&](ProbeDialog& d) {
        const HWND hwnd = d.GetSafeHwnd();
        d.GetClientRect(&before);
        RECT suggested{40, 50, 400, 400};
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
        d.GetClientRect(&after);
        GetWindowRect(hwnd, &placed);
        GetWindowRect(GetDlgItem(hwnd, res::IDC_EXAM_TITLE), &field);
        d.EndDialog(1);
    });
    ASSERT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(after, before);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 50);
    EXPECT_EQ(field.right - field.left, 2 * 203);
}

}  // namespace
