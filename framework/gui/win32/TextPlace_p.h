// Where the platform's controls set their text, and whether a text fits
// there: inside a label, on a button's face clear of its frame, after a
// check box's box, within an edit's format rectangle. Include it last, as
// WinApi.h.
#pragma once

#include <optional>
#include <string>

#include "gui/win32/WinApi.h"

namespace fw::win32 {

enum class Align { left, center, right };

// Where the platform sets a control's text, and where its ink has to stay.
struct TextPlace {
    RECT box{};         // the text is aligned inside it
    RECT inkLimits{};   // no ink may fall outside
    Align align = Align::left;
    UINT measureFlags = 0;
    // An edit scrolls as soon as the text's advance outgrows its box, ink or not.
    bool byAdvance = false;
};

bool IsClass(HWND window, const wchar_t* name);

// The place of the control's text in the font selected into `dc`; none for
// a control that shows no single line of text.
std::optional<TextPlace> PlaceOfText(HWND control, HDC dc);

// Whether `text`, in the font selected into `dc`, keeps all its ink inside
// the place (an edit: all its advance, or it scrolls).
bool Fits(HDC dc, const std::wstring& text, const TextPlace& place);

}  // namespace fw::win32
