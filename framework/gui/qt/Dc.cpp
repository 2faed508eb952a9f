// Drawing contexts on Qt: shapes written straight into the picture's
// pixels (common/DcShapes.cpp says which), text through Qt with an
// unantialiased font (DcText.cpp).
#include "gui/Dc.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "gui/common/DeviceScale.h"
#include "gui/qt/Fonts_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

bool IsDirect32Bit(const QImage& image)
{
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

QRgb ToQRgb(COLORREF c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
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

CDC::CDC(HDC surface) : CDC()
{
    m_surface = surface;
}

CDC::~CDC()
{
    if (m_showTarget)
        WidgetOfHandle(m_showTarget)->update();
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_textColor, color);
}

int CDC::SetBkMode(int mode)
{
    return std::exchange(m_bkMode, mode);
}

// On a high-DPI picture a logical pixel covers ratio x ratio image pixels,
// so shapes keep their exact logical pixels and only grow.
double CDC::DeviceRatio() const
{
    const QImage* image = ImageOfHandle(m_surface);
    return image ? image->devicePixelRatio() : 1.0;
}

void CDC::FillDevicePixels(int left, int top, int right, int bottom, COLORREF color)
{
    if (QImage* image = ImageOfHandle(m_surface))
        FillImagePixels(*image, {left, top, right, bottom}, color);
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

}  // namespace fw
