#include "gui/win32/DialogLayout_p.h"

#include <algorithm>
#include <vector>

#include "gui/DialogUnits.h"
#include "gui/common/DeviceScale.h"
#include "gui/win32/DialogTemplateBuilder.h"
#include "gui/win32/Dpi_p.h"
#include "gui/win32/TextFit_p.h"

namespace fw::win32 {

namespace {

constexpr int kBuddyBorderOverlap = 2;
// The blank column the platform's edit keeps inside its frame, before its text.
constexpr int kEditTextInset = 1;

// The controls in the order the template created them.
std::vector<HWND> ChildrenInCreationOrder(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

void Place(HWND child, const ControlTemplate& control, DialogBaseUnits base, double ratio)
{
    const CRect r = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base);
    // An icon keeps the size of its image, as the platform gave it.
    const UINT keepSize = IsIconStatic(control) ? SWP_NOSIZE : 0;
    const int left = DeviceEdge(r.left, ratio);
    const int top = DeviceEdge(r.top, ratio);
    SetWindowPos(child, nullptr, left, top, DeviceEdge(r.right, ratio) - left, DeviceEdge(r.bottom, ratio) - top,
                 SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

void SizeClientArea(HWND dialog, const DialogTemplate& dialogTemplate, DialogBaseUnits base, int dpi)
{
    const double ratio = DeviceRatioOf(dpi);
    const CRect client = DialogUnitsToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy, base);
    RECT outer{0, 0, DeviceEdge(client.Width(), ratio), DeviceEdge(client.Height(), ratio)};
    AdjustWindowRectForDpi(&outer, dialog, dpi);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// An up-down control takes its own width off its edit box and stands at
// the box's right end, over the box's two-pixel border, as the other back
// end puts it; the platform's own placement leaves the box that border
// narrower, too narrow for a four-digit year. Where the border is all it
// covers, it covers the blank column inside it too: the box's text may then
// run up to the up-down, a pixel more, which a year needs at 100 %.
void SitBesideBuddy(HWND upDown, double ratio)
{
    const auto buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
    if (!buddy)
        return;
    RECT box{};
    RECT spin{};
    GetWindowRect(buddy, &box);
    GetWindowRect(upDown, &spin);
    MapWindowPoints(nullptr, GetParent(buddy), reinterpret_cast<POINT*>(&box), 2);
    RECT inside{};
    GetClientRect(buddy, &inside);
    const int frame = (static_cast<int>(box.right - box.left) - inside.right) / 2;
    const int overlap = std::max(DeviceEdge(kBuddyBorderOverlap, ratio), frame + kEditTextInset);
    const int spinWidth = spin.right - spin.left;
    const int boxWidth = std::max(0, static_cast<int>(box.right - box.left) - spinWidth + overlap);
    SetWindowPos(buddy, nullptr, 0, 0, boxWidth, box.bottom - box.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(upDown, nullptr, box.left + boxWidth - overlap, box.top, spinWidth, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayOutInNominalUnits(HWND dialog, const DialogTemplate& dialogTemplate, int dpi)
{
    SetWindowDpi(dialog, dpi);
    const std::vector<HWND> children = ChildrenInCreationOrder(dialog);
    if (children.size() != dialogTemplate.controls.size())
        return;
    const DialogBaseUnits base = BaseUnitsForPointSize(dialogTemplate.fontPointSize);
    const double ratio = DeviceRatioOf(dpi);
    SizeClientArea(dialog, dialogTemplate, base, dpi);
    for (std::size_t i = 0; i < children.size(); ++i) {
        Place(children[i], dialogTemplate.controls[i], base, ratio);
        // The platform's margins, taken from the font, leave a 30-unit year
        // field narrowed by its spin button room for three digits; the
        // other back end's fields have none, and show all four.
        if (dialogTemplate.controls[i].cls == ControlClass::Edit)
            SendMessageW(children[i], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (dialogTemplate.controls[i].cls == ControlClass::UpDown)
            SitBesideBuddy(children[i], ratio);
    }
    FitDialogTexts(dialog);
}

}  // namespace fw::win32
