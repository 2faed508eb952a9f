#include "gui/win32/TextFit_p.h"

#include <optional>
#include <string>
#include <vector>

#include "gui/win32/TextPlace_p.h"

namespace fw::win32 {

namespace {

constexpr UINT_PTR kTextFitSubclass = 0x59524C;
// The fitted control's state, found again by this property.
constexpr const wchar_t* kFitProperty = L"yoruka.textFit";

// Kept by the subclass of a fitted control, freed when the control goes.
struct FitState {
    HFONT given = nullptr;      // the font the control was given
    HFONT narrowed = nullptr;   // ours, none while the given one fits
    bool settingOwnFont = false;
    // An up-down's buddy: the ends of the range, whose lengths it must show.
    std::vector<int> rangeEnds;
};

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool ShowsAlready(HWND control, const wchar_t* text)
{
    return TextOf(control) == (text ? text : L"");
}

bool AllFit(HDC dc, const std::vector<std::wstring>& texts, const TextPlace& place)
{
    for (const std::wstring& text : texts) {
        if (!Fits(dc, text, place))
            return false;
    }
    return true;
}

// What the control shows now and, for an up-down's buddy, numbers as long
// as its range's ends in the font's widest digit.
std::vector<std::wstring> TextsToShow(HWND control, const FitState& state, HDC dc)
{
    std::vector<std::wstring> texts{TextOf(control)};
    wchar_t widest = L'0';
    int widestWidth = 0;
    for (wchar_t digit = L'0'; digit <= L'9' && !state.rangeEnds.empty(); ++digit) {
        int width = 0;
        GetCharWidth32W(dc, digit, digit, &width);
        if (width > widestWidth) {
            widest = digit;
            widestWidth = width;
        }
    }
    for (const int end : state.rangeEnds) {
        std::wstring text = std::to_wstring(end);
        for (wchar_t& c : text)
            c = (c >= L'0' && c <= L'9') ? widest : c;
        texts.push_back(text);
    }
    return texts;
}

// The given font at the widest average character width, below its own, at
// which every text fits; none where even half its width would not do.
HFONT NarrowedFont(HDC dc, HFONT given, const std::vector<std::wstring>& texts, const TextPlace& place)
{
    LOGFONTW font{};
    TEXTMETRICW metrics{};
    if (!GetObjectW(given, sizeof font, &font) || !GetTextMetricsW(dc, &metrics))
        return nullptr;
    for (LONG width = metrics.tmAveCharWidth - 1; width > 0 && 2 * width >= metrics.tmAveCharWidth; --width) {
        font.lfWidth = width;
        const HFONT candidate = CreateFontIndirectW(&font);
        if (!candidate)
            return nullptr;
        const HGDIOBJ previous = SelectObject(dc, candidate);
        const bool fits = AllFit(dc, texts, place);
        SelectObject(dc, previous);
        if (fits)
            return candidate;
        DeleteObject(candidate);
    }
    return nullptr;
}

HFONT FontThatFits(HWND control, const FitState& state)
{
    const HDC dc = state.given ? GetDC(control) : nullptr;
    if (!dc)
        return nullptr;
    const HGDIOBJ previous = SelectObject(dc, state.given);
    HFONT narrowed = nullptr;
    const std::optional<TextPlace> place = PlaceOfText(control, dc);
    if (place) {
        const std::vector<std::wstring> texts = TextsToShow(control, state, dc);
        if (!AllFit(dc, texts, *place))
            narrowed = NarrowedFont(dc, state.given, texts, *place);
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return narrowed;
}

// A new font resets an edit's margins to the font's own; they stay as laid out.
void SetOwnFont(HWND control, FitState& state, HFONT font)
{
    const bool edit = IsClass(control, L"Edit");
    const LRESULT margins = edit ? SendMessageW(control, EM_GETMARGINS, 0, 0) : 0;
    state.settingOwnFont = true;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    state.settingOwnFont = false;
    if (edit)
        SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, margins);
}

LONG WidthOf(HFONT font)
{
    LOGFONTW description{};
    return font && GetObjectW(font, sizeof description, &description) ? description.lfWidth : 0;
}

// A fit already made stays: the same narrowing of the same font.
void Refit(HWND control, FitState& state)
{
    const HFONT wanted = FontThatFits(control, state);
    if (WidthOf(wanted) == WidthOf(state.narrowed)) {
        if (wanted)
            DeleteObject(wanted);
        return;
    }
    const HFONT before = state.narrowed;
    state.narrowed = wanted;
    SetOwnFont(control, state, wanted ? wanted : state.given);
    if (before)
        DeleteObject(before);
}

LRESULT CALLBACK FittedControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* state = reinterpret_cast<FitState*>(data);
    const bool newFont = message == WM_SETFONT && !state->settingOwnFont;
    // Labels are set again on every paint of a window; only a text that
    // changes is measured again.
    const bool newText = message == WM_SETTEXT && !ShowsAlready(control, reinterpret_cast<const wchar_t*>(lParam));
    if (newFont)
        state->given = reinterpret_cast<HFONT>(wParam);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, FittedControl, kTextFitSubclass);
        RemovePropW(control, kFitProperty);
    }
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    if (newFont && state->narrowed) {
        DeleteObject(state->narrowed);   // the control has let it go for the new font
        state->narrowed = nullptr;
    }
    if (newFont || newText)
        Refit(control, *state);
    if (message == WM_NCDESTROY) {
        if (state->narrowed)
            DeleteObject(state->narrowed);
        delete state;
    }
    return result;
}

FitState* FittingOf(HWND control)
{
    return static_cast<FitState*>(GetPropW(control, kFitProperty));
}

FitState& Fitting(HWND control)
{
    if (FitState* state = FittingOf(control))
        return *state;
    auto* state = new FitState;
    state->given = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    SetPropW(control, kFitProperty, state);
    SetWindowSubclass(control, FittedControl, kTextFitSubclass, reinterpret_cast<DWORD_PTR>(state));
    return *state;
}

}  // namespace

void FitDialogTexts(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (FitState* state = FittingOf(child))
            Refit(child, *state);
        else if (IsClass(child, L"Static") || IsClass(child, L"Button") || IsClass(child, L"Edit"))
            Refit(child, Fitting(child));
    }
}

void FitBuddyToRange(HWND upDown)
{
    const auto buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
    if (!buddy || !IsClass(buddy, L"Edit"))
        return;
    int lower = 0;
    int upper = 0;
    SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    FitState& state = Fitting(buddy);
    state.rangeEnds = {lower, upper};
    Refit(buddy, state);
}

}  // namespace fw::win32
