// The drawing context's state and shapes, shared by both back ends: lines,
// outlines and fills with the platform's pixel rules, worked out in device
// pixels so that every one-pixel line is the same whole number of device
// pixels on all four sides at any scale. A back end supplies the surface's
// ratio of device to logical pixels and the filling of device pixels.
#include "gui/Dc.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gui/common/DeviceScale.h"

namespace fw {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Span {
    int begin;
    int end;   // exclusive
};

// A reversed pair covers from the smaller value + 1 to the larger, included.
Span FillSpan(int from, int to)
{
    return from <= to ? Span{from, to} : Span{to + 1, from + 1};
}

}  // namespace

CDC::CDC()
    : m_pen(&m_stockPen), m_brush(&m_stockBrush), m_font(&m_stockFont), m_textColor(kBlack),
      m_bkColor(kWhite), m_bkMode(OPAQUE)
{
    m_stockPen.CreatePen(PS_SOLID, 1, kBlack);
    m_stockBrush.CreateSolidBrush(kWhite);
    LogFont font;
    font.height = 12;
    m_stockFont.CreateFontIndirect(font);
}

void CDC::SetDefaultFont(const LogFont& font)
{
    m_stockFont.CreateFontIndirect(font);
}

CPen* CDC::SelectObject(CPen* pen)
{
    return std::exchange(m_pen, pen ? pen : m_pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return std::exchange(m_brush, brush ? brush : m_brush);
}

CFont* CDC::SelectObject(CFont* font)
{
    return std::exchange(m_font, font ? font : m_font);
}

void CDC::FillPixels(int left, int top, int right, int bottom, COLORREF color)
{
    const double ratio = DeviceRatio();
    FillDevicePixels(DeviceEdge(left, ratio), DeviceEdge(top, ratio), DeviceEdge(right, ratio),
                     DeviceEdge(bottom, ratio), color);
}

// A pen point covers its logical pixels along the line, so that the line
// has no gaps, and exactly the pen's device width across it.
void CDC::PlotPenPoint(int x, int y, bool steep)
{
    const double ratio = DeviceRatio();
    const int width = m_pen->Width();
    const int across = DeviceLineWidth(width, ratio);
    const int x0 = x - (width - 1) / 2;
    const int y0 = y - (width - 1) / 2;
    const int left = DeviceEdge(x0, ratio);
    const int top = DeviceEdge(y0, ratio);
    const int right = steep ? left + across : std::max(DeviceEdge(x0 + width, ratio), left + across);
    const int bottom = steep ? std::max(DeviceEdge(y0 + width, ratio), top + across) : top + across;
    FillDevicePixels(left, top, right, bottom, m_pen->Color());
}

CPoint CDC::MoveTo(int x, int y)
{
    return std::exchange(m_position, CPoint{x, y});
}

bool CDC::LineTo(int x, int y)
{
    const bool visible = m_pen->IsCreated() && m_pen->Style() != PS_NULL;
    int px = m_position.x;
    int py = m_position.y;
    const int dx = std::abs(x - px);
    const int dy = -std::abs(y - py);
    const int sx = px < x ? 1 : -1;
    const int sy = py < y ? 1 : -1;
    int err = dx + dy;
    const bool steep = -dy > dx;
    while (visible && (px != x || py != y)) {
        PlotPenPoint(px, py, steep);
        const int twice = 2 * err;
        if (twice >= dy) {
            err += dy;
            px += sx;
        }
        if (twice <= dx) {
            err += dx;
            py += sy;
        }
    }
    m_position = {x, y};
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const bool hasPen = m_pen->IsCreated() && m_pen->Style() != PS_NULL;
    const bool hasBrush = m_brush->IsCreated();
    if (!hasPen) {
        // Without an outline the platform fills one pixel less on the right and bottom.
        if (hasBrush)
            FillPixels(left, top, right - 1, bottom - 1, m_brush->Color());
        return true;
    }
    // Each side the pen's width in whole device pixels, inside the outer edge.
    const double ratio = DeviceRatio();
    const int w = DeviceLineWidth(m_pen->Width(), ratio);
    const Span columns{DeviceEdge(left, ratio), DeviceEdge(right, ratio)};
    const Span rows{DeviceEdge(top, ratio), DeviceEdge(bottom, ratio)};
    const COLORREF pen = m_pen->Color();
    FillDevicePixels(columns.begin, rows.begin, columns.end, rows.begin + w, pen);
    FillDevicePixels(columns.begin, rows.end - w, columns.end, rows.end, pen);
    FillDevicePixels(columns.begin, rows.begin + w, columns.begin + w, rows.end - w, pen);
    FillDevicePixels(columns.end - w, rows.begin + w, columns.end, rows.end - w, pen);
    if (hasBrush)
        FillDevicePixels(columns.begin + w, rows.begin + w, columns.end - w, rows.end - w, m_brush->Color());
    return true;
}

void CDC::FillRect(const CRect& rect, const CBrush* brush)
{
    if (brush && brush->IsCreated())
        FillSolidRect(rect, brush->Color());
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    const Span columns = FillSpan(rect.left, rect.right);
    const Span rows = FillSpan(rect.top, rect.bottom);
    FillPixels(columns.begin, rows.begin, columns.end, rows.end, color);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    FillPixels(x, y, x + 1, y + 1, color);
    return GetPixel(x, y);
}

}  // namespace fw
