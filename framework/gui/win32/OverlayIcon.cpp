// The overlay's picture: the days left in white digits on a red badge across
// the lower part of the icon, so that the program's own icon still shows
// above it. Digits are GDI's, at the largest size that fits the badge.
#include "gui/win32/TaskbarOverlay_p.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace fw::win32 {

namespace {

constexpr COLORREF kBadge = RGB(200, 0, 0);
constexpr COLORREF kDigits = RGB(255, 255, 255);
constexpr wchar_t kFace[] = L"Tahoma";

struct Surface {
    HBITMAP bitmap = nullptr;
    std::uint32_t* pixels = nullptr;   // top row first, 0x00RRGGBB as GDI leaves them
};

Surface MakeSurface(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return {bitmap, static_cast<std::uint32_t*>(bits)};
}

::HFONT DigitFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, kFace);
}

int WidthOf(HDC dc, ::HFONT font, const std::wstring& digits)
{
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, digits.c_str(), static_cast<int>(digits.size()), &extent);
    SelectObject(dc, old);
    return extent.cx;
}

// The largest font whose digits fit the box in their own proportions:
// narrowed, a font's small sizes lose their shapes. Bold, but for four
// glyphs, whose strokes at 16 pixels would run into each other.
::HFONT FittingFont(HDC dc, const std::wstring& digits, const RECT& box)
{
    const int weight = digits.size() < 4 ? FW_BOLD : FW_NORMAL;
    for (int height = box.bottom - box.top; height > 4; --height) {
        const ::HFONT font = DigitFont(height, weight);
        if (WidthOf(dc, font, digits) < box.right - box.left)
            return font;
        DeleteObject(font);
    }
    return DigitFont(4, weight);
}

void DrawDigits(HDC dc, const std::wstring& digits, const RECT& box)
{
    const ::HFONT font = FittingFont(dc, digits, box);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, kDigits);
    SetBkMode(dc, TRANSPARENT);
    RECT text = box;
    DrawTextW(dc, digits.c_str(), static_cast<int>(digits.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void DrawBadge(HDC dc, const std::wstring& digits, int size)
{
    const int badgeHeight = size * 3 / 4;
    const RECT badge{0, size - badgeHeight, size, size};
    const ::HBRUSH fill = CreateSolidBrush(kBadge);
    const ::HPEN edge = CreatePen(PS_SOLID, 1, kBadge);
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    const HGDIOBJ oldPen = SelectObject(dc, edge);
    const int corner = std::max(2, size / 4);
    RoundRect(dc, badge.left, badge.top, badge.right, badge.bottom, corner, corner);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(edge);
    DeleteObject(fill);

    DrawDigits(dc, digits, badge);
}

// GDI writes colours and leaves the alpha byte alone: whatever it drew
// (no black among it) becomes opaque, the rest stays clear.
void MakeDrawnPixelsOpaque(const Surface& surface, int size)
{
    std::uint32_t* const end = surface.pixels + static_cast<std::ptrdiff_t>(size) * size;
    for (std::uint32_t* pixel = surface.pixels; pixel != end; ++pixel)
        *pixel = (*pixel & 0x00FFFFFFu) ? (*pixel | 0xFF000000u) : 0;
}

}  // namespace

// Up to four digits as they are; a count beyond (over 27 years away) in
// whole thousands or millions, rounded down, so that it never promises
// more days than there are. The accessible description keeps the exact count.
std::wstring OverlayDigits(std::int64_t count)
{
    if (count <= 9999)
        return std::to_wstring(std::max<std::int64_t>(count, 0));
    if (count < 1'000'000)
        return std::to_wstring(count / 1000) + L"k";
    return std::to_wstring(std::min<std::int64_t>(count / 1'000'000, 999)) + L"M";
}

::HICON MakeOverlayIcon(std::int64_t count, int size)
{
    const Surface surface = MakeSurface(size, size);
    if (!surface.bitmap)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, surface.bitmap);
    DrawBadge(dc, OverlayDigits(count), size);
    GdiFlush();
    MakeDrawnPixelsOpaque(surface, size);
    SelectObject(dc, old);
    DeleteDC(dc);
    const std::vector<std::uint8_t> clear(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, clear.data());
    ICONINFO info{TRUE, 0, 0, mask, surface.bitmap};
    ::HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(surface.bitmap);
    return icon;
}

}  // namespace fw::win32
