#include "gui/qt/DevicePixels_p.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

int Round(qreal value)
{
    return static_cast<int>(std::lround(value));
}

}  // namespace

DeviceRect::DeviceRect(QPainter& painter, const QRect& rect)
    : DeviceRect(painter, painter.deviceTransform(), {}, 0)
{
    const QRectF mapped = m_toDevice.mapRect(QRectF(rect));
    m_device = QRect(QPoint(Round(mapped.left()), Round(mapped.top())),
                     QPoint(Round(mapped.right()) - 1, Round(mapped.bottom()) - 1));
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    m_line = DeviceLineWidth(1, ratio);
}

DeviceRect::DeviceRect(QPainter& painter, const QTransform& toDevice, const QRect& device, int line)
    : m_painter(&painter), m_toDevice(toDevice), m_device(device), m_line(line)
{
}

void DeviceRect::Fill(int x0, int y0, int x1, int y1, const QColor& colour) const
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, Width());
    y1 = std::min(y1, Height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const QRectF device(m_device.left() + x0, m_device.top() + y0, x1 - x0, y1 - y0);
    m_painter->fillRect(m_toDevice.inverted().mapRect(device), colour);
}

void DeviceRect::Frame(const QColor& colour) const
{
    const int w = Width();
    const int h = Height();
    Fill(0, 0, w, m_line, colour);
    Fill(0, h - m_line, w, h, colour);
    Fill(0, m_line, m_line, h - m_line, colour);
    Fill(w - m_line, m_line, w, h - m_line, colour);
}

DeviceRect DeviceRect::Inset(int lines) const
{
    const int by = lines * m_line;
    return DeviceRect(*m_painter, m_toDevice, m_device.adjusted(by, by, -by, -by), m_line);
}

QRectF DeviceRect::Logical() const
{
    return m_toDevice.inverted().mapRect(QRectF(m_device));
}

}  // namespace fw
