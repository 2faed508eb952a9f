// Drawing contexts: pixel-exact shapes written straight into the image, and
// text through Qt with an unantialiased font.
#include "gui/Dc.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "gui/Fonts_p.h"
#include "gui/Toolkit_p.h"

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

bool IsDirect32Bit(const QImage& image)
{
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

QRgb ToQRgb(COLORREF c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The image's pixel edge of a logical coordinate. On a high-DPI picture a
// logical pixel covers ratio x ratio image pixels, so shapes keep their
// exact logical pixels and only grow.
int DeviceEdge(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
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

CDC::CDC(HDC surface) : CDC()
{
    m_surface = surface;
}

CDC::~CDC()
{
    if (m_showTarget)
        WidgetOfHandle(m_showTarget)->update();
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

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_textColor, color);
}

int CDC::SetBkMode(int mode)
{
    return std::exchange(m_bkMode, mode);
}

void CDC::FillPixels(int left, int top, int right, int bottom, COLORREF color)
{
    QImage* image = ImageOfHandle(m_surface);
    if (!image)
        return;
    const qreal ratio = image->devicePixelRatio();
    left = DeviceEdge(left, ratio);
    top = DeviceEdge(top, ratio);
    right = DeviceEdge(right, ratio);
    bottom = DeviceEdge(bottom, ratio);
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image->width());
    bottom = std::min(bottom, image->height());
    if (left >= right || top >= bottom)
        return;
    if (IsDirect32Bit(*image)) {
        const QRgb value = ToQRgb(color);
        for (int y = top; y < bottom; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(y));
            std::fill(line + left, line + right, value);
        }
        return;
    }
    QPainter painter(image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRectF(left / ratio, top / ratio, (right - left) / ratio, (bottom - top) / ratio), ToQColor(color));
}

void CDC::PlotPenPoint(int x, int y)
{
    const int width = m_pen->Width();
    const int x0 = x - (width - 1) / 2;
    const int y0 = y - (width - 1) / 2;
    FillPixels(x0, y0, x0 + width, y0 + width, m_pen->Color());
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
    while (visible && (px != x || py != y)) {
        PlotPenPoint(px, py);
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
    const int w = m_pen->Width();
    const COLORREF pen = m_pen->Color();
    FillPixels(left, top, right, top + w, pen);
    FillPixels(left, bottom - w, right, bottom, pen);
    FillPixels(left, top + w, left + w, bottom - w, pen);
    FillPixels(right - w, top + w, right, bottom - w, pen);
    if (hasBrush)
        FillPixels(left + w, top + w, right - w, bottom - w, m_brush->Color());
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

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* image = ImageOfHandle(m_surface);
    if (!image)
        return 0xFFFFFFFFu;
    const qreal ratio = image->devicePixelRatio();
    const QPoint at(DeviceEdge(x, ratio), DeviceEdge(y, ratio));
    if (x < 0 || y < 0 || !image->valid(at))
        return 0xFFFFFFFFu;
    const QRgb pixel = image->pixel(at);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    FillPixels(x, y, x + 1, y + 1, color);
    return GetPixel(x, y);
}

}  // namespace fw
