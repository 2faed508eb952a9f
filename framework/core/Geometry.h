// Points, rectangles and colours as the window code passes them around:
// plain values, no toolkit types. A rectangle covers [left, right) x
// [top, bottom); a colour packs red, green and blue into the low three bytes.
#pragma once

#include <cstdint>

namespace fw {

struct CPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;

    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }

    friend bool operator==(const CRect&, const CRect&) = default;
};

// How many screen pixels a logical pixel takes where a window stands, as
// dots per inch (96 is one to one). Screen coordinates count device pixels
// on Windows and logical pixels under Qt, which scales on its own; a figure
// in logical pixels that is set against screen coordinates goes through
// this first. Rounds half away from zero.
struct ScreenScale {
    int dpi = 96;

    constexpr int operator()(int logical) const
    {
        const long long scaled = static_cast<long long>(logical) * dpi;
        return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : (scaled - 48) / 96);
    }
};

using COLORREF = std::uint32_t;   // 0x00BBGGRR

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>(r & 0xFF) | (static_cast<COLORREF>(g & 0xFF) << 8)
           | (static_cast<COLORREF>(b & 0xFF) << 16);
}

constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace fw
