// The program's number fields take every digit typed, whatever the width
// of its font.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/win32/WideText.h"
#include "dialogs/DayCountDlg.h"
#include "gui/App.h"
#include "gui/MessageBox.h"
#include "res/Resources.h"
#include "win32/WinApi.h"

namespace {

// The dialog as the program opens it; `script` runs once it stands.
template <class Dialog>
class Scripted : public Dialog {
public:
    std::function<void(HWND)> script;

protected:
    bool OnInitDialog() override
    {
        const bool focus = Dialog::OnInitDialog();
        script(this->GetSafeHwnd());
        this->EndDialog(IDCANCEL);
        return focus;
    }
};

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

template <class Dialog>
void RunScripted(const std::function<void(HWND)>& script)
{
    fw::SetResources(&ProgramResources());
    Scripted<Dialog> dialog;
    dialog.script = script;
    // The fields' checks speak up as the focus leaves them; nobody answers here.
    fw::SetMessageBoxHook([](const fw::MessageBoxCall&) { return IDOK; });
    dialog.DoModal();
    fw::SetMessageBoxHook({});
}

// The year field of the day count is narrower than five digits of its font.
TEST(TextFitWin32, ANumberFieldTakesEveryDigitTyped)
{
    std::wstring typed;
    RunScripted<CDayCountDlg>([&](HWND dialog) {
        const HWND year = GetDlgItem(dialog, res::IDC_FROM_YEAR);
        SendMessageW(year, EM_SETSEL, 0, -1);
        for (const wchar_t digit : std::wstring(L"12345"))
            SendMessageW(year, WM_CHAR, digit, 0);
        typed = TextOf(year);
    });
    EXPECT_EQ(typed, L"12345");
}

}  // namespace
