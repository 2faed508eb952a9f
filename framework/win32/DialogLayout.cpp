#include "win32/DialogLayout_p.h"

#include <vector>

#include "gui/DialogUnits.h"
#include "win32/DialogTemplateBuilder.h"

namespace fw::win32 {

namespace {

DialogBaseUnits NominalUnits(int pointSize)
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const DialogBaseUnits at96 = BaseUnitsForPointSize(pointSize);
    return {MulDiv(at96.cx, dpi, 96), MulDiv(at96.cy, dpi, 96)};
}

DialogBaseUnits PlatformUnits(HWND dialog)
{
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

// The controls in the order the template created them.
std::vector<HWND> ChildrenInCreationOrder(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

void Place(HWND child, const ControlTemplate& control, DialogBaseUnits base)
{
    const CRect r = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base);
    // An icon keeps the size of its image, as the platform gave it.
    const UINT keepSize = IsIconStatic(control) ? SWP_NOSIZE : 0;
    SetWindowPos(child, nullptr, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

void SizeClientArea(HWND dialog, const DialogTemplate& dialogTemplate, DialogBaseUnits base)
{
    const CRect client = DialogUnitsToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy, base);
    RECT outer{0, 0, client.Width(), client.Height()};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayOutInNominalUnits(HWND dialog, const DialogTemplate& dialogTemplate)
{
    const DialogBaseUnits nominal = NominalUnits(dialogTemplate.fontPointSize);
    const DialogBaseUnits platform = PlatformUnits(dialog);
    if (nominal.cx == platform.cx && nominal.cy == platform.cy)
        return;
    const std::vector<HWND> children = ChildrenInCreationOrder(dialog);
    if (children.size() != dialogTemplate.controls.size())
        return;
    SizeClientArea(dialog, dialogTemplate, nominal);
    for (std::size_t i = 0; i < children.size(); ++i)
        Place(children[i], dialogTemplate.controls[i], nominal);
    // An up-down control sits beside its edit box: setting the buddy again
    // moves it there and narrows the box, as at creation.
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (dialogTemplate.controls[i].cls != ControlClass::UpDown)
            continue;
        const auto buddy = SendMessageW(children[i], UDM_GETBUDDY, 0, 0);
        if (buddy)
            SendMessageW(children[i], UDM_SETBUDDY, static_cast<WPARAM>(buddy), 0);
    }
}

}  // namespace fw::win32
