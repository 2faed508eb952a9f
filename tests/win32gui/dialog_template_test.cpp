// Every dialog of res/ built as the platform's template and created by the
// platform itself: its caption, and each control's class, text and place in
// pixels as the platform converts the dialog units.
#include <gtest/gtest.h>

// Before windows.h: its style macros would rewrite fw::style's names.
#include "core/win32/WideText.h"
#include "res/Resources.h"
#include "gui/win32/DialogTemplateBuilder.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

using fw::ControlClass;

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::string TextOf(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return fw::win32::Utf8FromWide(buffer);
}

std::string ClassOf(HWND window)
{
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return fw::win32::Utf8FromWide(buffer);
}

const char* PlatformClass(ControlClass cls)
{
    switch (cls) {
    case ControlClass::Button: return "Button";
    case ControlClass::Edit: return "Edit";
    case ControlClass::Static: return "Static";
    case ControlClass::Progress: return "msctls_progress32";
    case ControlClass::UpDown: return "msctls_updown32";
    }
    return "";
}

// The platform converts a control's x, y, width and height each on its own.
RECT PixelsOf(HWND dialog, const fw::ControlTemplate& control)
{
    RECT place{control.x, control.y, control.cx, control.cy};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

RECT PlaceOf(HWND dialog, HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// `buddy`: an up-down control after it takes the right end of its place.
void CheckControl(HWND dialog, const fw::ControlTemplate& control, bool buddy)
{
    const HWND item = GetDlgItem(dialog, control.id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(ClassOf(item), PlatformClass(control.cls));
    const bool icon = (control.style & SS_TYPEMASK) == SS_ICON;
    if (control.cls != ControlClass::Progress && control.cls != ControlClass::UpDown && !icon) {
        EXPECT_EQ(TextOf(item), control.text);
    }
    if (control.cls == ControlClass::UpDown)
        return;   // an up-down control moves itself beside its buddy
    const RECT expected = PixelsOf(dialog, control);
    const RECT actual = PlaceOf(dialog, item);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.bottom, expected.bottom);
    if (!buddy) {
        EXPECT_EQ(actual.right, expected.right);
    }
}

std::size_t ChildCount(HWND dialog)
{
    std::size_t count = 0;
    EnumChildWindows(
        dialog, [](HWND, LPARAM counter) { return ++*reinterpret_cast<std::size_t*>(counter), TRUE; },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(DialogTemplateWin32, EveryDialogIsCreatedAsDescribed)
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    for (const fw::DialogTemplate& tpl : ProgramResources().dialogs) {
        SCOPED_TRACE(tpl.id);
        const auto bytes = fw::win32::BuildDialogTemplate(tpl);
        const HWND dialog = CreateDialogIndirectParamW(
            GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
            NoHandling, 0);
        ASSERT_NE(dialog, nullptr) << GetLastError();
        EXPECT_EQ(TextOf(dialog), tpl.caption);
        EXPECT_EQ(ChildCount(dialog), tpl.controls.size());
        for (std::size_t i = 0; i < tpl.controls.size(); ++i) {
            const fw::ControlTemplate& control = tpl.controls[i];
            if (control.id == fw::kNoId)
                continue;
            SCOPED_TRACE(control.id);
            const bool buddy = i + 1 < tpl.controls.size() &&
                               tpl.controls[i + 1].cls == ControlClass::UpDown;
            CheckControl(dialog, control, buddy);
        }
        DestroyWindow(dialog);
    }
}

}  // namespace
