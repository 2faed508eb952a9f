// The program's dialogs keep every text whole at 100, 125, 150 and 200 %,
// in whatever fonts stand for the ones the templates name, and their
// number fields take every digit typed.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/win32/WideText.h"
#include "dialogs/DayCountDlg.h"
#include "dialogs/SetupDlg.h"
#include "gui/App.h"
#include "gui/MessageBox.h"
#include "res/Resources.h"
#include "gui/win32/WinApi.h"

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

std::wstring ClassOf(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

int WidthIn(HWND control, const std::wstring& text)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, font);
    ReleaseDC(control, dc);
    return size.cx;
}

// A label's or button's text no wider than the control; an up-down's buddy
// with room for the up-down's longest number, so that it never scrolls.
void ExpectTextsWhole(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring cls = ClassOf(child);
        SCOPED_TRACE(fw::win32::Utf8FromWide(cls + L" " + TextOf(child)));
        RECT client{};
        GetClientRect(child, &client);
        if (cls == L"Static" || cls == L"Button") {
            EXPECT_LE(WidthIn(child, TextOf(child)), client.right);
        }
        if (cls != L"msctls_updown32")
            continue;
        const auto buddy = reinterpret_cast<HWND>(SendMessageW(child, UDM_GETBUDDY, 0, 0));
        int lower = 0;
        int upper = 0;
        SendMessageW(child, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
        RECT format{};
        SendMessageW(buddy, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_LE(WidthIn(buddy, std::to_wstring(std::max(lower, upper))), format.right - format.left);
    }
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

TEST(TextFitWin32, EveryTextIsWholeAtEveryScale)
{
    const auto atEveryScale = [](HWND dialog) {
        for (const int dpi : {96, 120, 144, 192}) {
            SCOPED_TRACE(dpi);
            RECT suggested{0, 0, 800, 600};
            SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            ExpectTextsWhole(dialog);
        }
    };
    {
        SCOPED_TRACE("setup");
        RunScripted<CSetupDlg>(atEveryScale);
    }
    {
        SCOPED_TRACE("day count");
        RunScripted<CDayCountDlg>(atEveryScale);
    }
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
