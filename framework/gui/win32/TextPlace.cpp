#include "gui/win32/TextPlace_p.h"

#include <algorithm>

#include "gui/win32/Dpi_p.h"

namespace fw::win32 {

namespace {

Align ButtonAlign(LONG style, bool push)
{
    switch (style & BS_CENTER) {
    case BS_LEFT: return Align::left;
    case BS_RIGHT: return Align::right;
    case BS_CENTER: return Align::center;
    default: return push ? Align::center : Align::left;
    }
}

// A button keeps a pixel between its text and the side it is aligned to.
RECT AlignedBox(RECT box, Align align)
{
    if (align == Align::left)
        ++box.left;
    if (align == Align::right)
        --box.right;
    return box;
}

std::optional<TextPlace> StaticPlace(HDC dc, LONG style, const RECT& client)
{
    const LONG type = style & SS_TYPEMASK;
    Align align = Align::left;
    if (type == SS_CENTER)
        align = Align::center;
    else if (type == SS_RIGHT)
        align = Align::right;
    else if (type != SS_LEFT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
        return std::nullopt;   // pictures, frames and lines
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const bool oneLine = (style & SS_CENTERIMAGE) || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP ||
                         client.bottom < 2 * metrics.tmHeight;
    if (!oneLine)
        return std::nullopt;   // a label with room for more lines wraps its text
    return TextPlace{client, client, align, (style & SS_NOPREFIX) ? static_cast<UINT>(DT_NOPREFIX) : 0u};
}

// The text is centred on the face; its ink stays off the 3-D frame, and off
// the black outline of a default button.
TextPlace PushButtonPlace(LONG style, RECT client)
{
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        InflateRect(&client, -1, -1);
    RECT face = client;
    InflateRect(&face, -GetSystemMetrics(SM_CXEDGE), 0);
    const Align align = ButtonAlign(style, true);
    return TextPlace{AlignedBox(client, align), face, align};
}

// The text follows the box (12 pixels and a line at 96 dpi) and half a digit.
TextPlace CheckBoxPlace(HWND control, HDC dc, LONG style, RECT client)
{
    const int dpi = std::max(GetDeviceCaps(dc, LOGPIXELSX), WindowDpi(control));
    int digit = 0;
    GetCharWidth32W(dc, L'0', L'0', &digit);
    client.left += 12 * dpi / 96 + 1 + digit / 2;
    const Align align = ButtonAlign(style, false);
    return TextPlace{AlignedBox(client, align), client, align};
}

std::optional<TextPlace> ButtonPlace(HWND control, HDC dc, LONG style, const RECT& client)
{
    if (style & (BS_ICON | BS_BITMAP | BS_MULTILINE | BS_PUSHLIKE | BS_LEFTTEXT))
        return std::nullopt;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return PushButtonPlace(style, client);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return CheckBoxPlace(control, dc, style, client);
    default:
        return std::nullopt;
    }
}

TextPlace EditPlace(HWND edit, LONG style)
{
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const Align align = (style & ES_RIGHT) ? Align::right : (style & ES_CENTER) ? Align::center : Align::left;
    return TextPlace{format, format, align, DT_NOPREFIX, true};
}

// The blank columns before the first character's ink and after the last's.
std::pair<int, int> Bearings(HDC dc, const std::wstring& text)
{
    ABC first{};
    ABC last{};
    if (text.empty() || !GetCharABCWidthsW(dc, text.front(), text.front(), &first) ||
        !GetCharABCWidthsW(dc, text.back(), text.back(), &last))
        return {0, 0};
    return {first.abcA, last.abcC};
}

}  // namespace

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    return lstrcmpiW(cls, name) == 0;
}

std::optional<TextPlace> PlaceOfText(HWND control, HDC dc)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    if (IsClass(control, L"Static"))
        return StaticPlace(dc, style, client);
    if (IsClass(control, L"Button"))
        return ButtonPlace(control, dc, style, client);
    if (IsClass(control, L"Edit"))
        return EditPlace(control, style);
    return std::nullopt;
}

bool Fits(HDC dc, const std::wstring& text, const TextPlace& place)
{
    RECT measured{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | place.measureFlags);
    const int width = measured.right - measured.left;
    const int room = place.box.right - place.box.left;
    if (place.byAdvance)
        return width <= room;
    const int start = place.align == Align::left    ? place.box.left
                      : place.align == Align::right ? place.box.right - width
                                                    : place.box.left + (room - width) / 2;
    const auto [before, after] = Bearings(dc, text);
    return start + before >= place.inkLimits.left && start + width - after <= place.inkLimits.right;
}

}  // namespace fw::win32
