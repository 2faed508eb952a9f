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

#include "gui/DevicePixels_p.h"
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

struct ImageArea {
    int left, top, right, bottom;   // right and bottom exclusive
};

void FillImagePixels(QImage& image, ImageArea area, COLORREF color)
{
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, image.width());
    area.bottom = std::min(area.bottom, image.height());
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    if (IsDirect32Bit(image)) {
        const QRgb value = ToQRgb(color);
        for (int y = area.top; y < area.bottom; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line + area.left, line + area.right, value);
        }
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRectF(area.left / ratio, area.top / ratio, (area.right - area.left) / ratio,
                            (area.bottom - area.top) / ratio),
                     ToQColor(color));
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
    FillImagePixels(*image, {DeviceEdge(left, ratio), DeviceEdge(top, ratio), DeviceEdge(right, ratio),
                             DeviceEdge(bottom, ratio)}, color);
}

// A pen point covers its logical pixels along the line, so that the line
// has no gaps, and exactly the pen's device width across it.
void CDC::PlotPenPoint(int x, int y, bool steep)
{
    QImage* image = ImageOfHandle(m_surface);
    if (!image)
        return;
    const qreal ratio = image->devicePixelRatio();
    const int width = m_pen->Width();
    const int across = DeviceLineWidth(width, ratio);
    const int x0 = x - (width - 1) / 2;
    const int y0 = y - (width - 1) / 2;
    const int left = DeviceEdge(x0, ratio);
    const int top = DeviceEdge(y0, ratio);
    const int right = steep ? left + across : std::max(DeviceEdge(x0 + width, ratio), left + across);
    const int bottom = steep ? std::max(DeviceEdge(y0 + width, ratio), top + across) : top + across;
    FillImagePixels(*image, {left, top, right, bottom}, m_pen->Color());
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
    QImage* image = ImageOfHandle(m_surface);
    if (!image)
        return true;
    // Each side the pen's width in whole device pixels, inside the outer edge.
    const qreal ratio = image->devicePixelRatio();
    const int w = DeviceLineWidth(m_pen->Width(), ratio);
    const Span columns{DeviceEdge(left, ratio), DeviceEdge(right, ratio)};
    const Span rows{DeviceEdge(top, ratio), DeviceEdge(bottom, ratio)};
    const COLORREF pen = m_pen->Color();
    FillImagePixels(*image, {columns.begin, rows.begin, columns.end, rows.begin + w}, pen);
    FillImagePixels(*image, {columns.begin, rows.end - w, columns.end, rows.end}, pen);
    FillImagePixels(*image, {columns.begin, rows.begin + w, columns.begin + w, rows.end - w}, pen);
    FillImagePixels(*image, {columns.end - w, rows.begin + w, columns.end, rows.end - w}, pen);
    if (hasBrush)
        FillImagePixels(*image, {columns.begin + w, rows.begin + w, columns.end - w, rows.end - w},
                        m_brush->Color());
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
