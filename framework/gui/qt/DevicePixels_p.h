// Lines in whole device pixels. A widget on a screen scaled by 1.25 or 1.5
// starts at a fractional device pixel, so a one-pixel line filled in logical
// coordinates comes out one device pixel on one side and two on the other.
// These work in the painter's device pixels instead.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QTransform>

#include "gui/common/DeviceScale.h"

namespace fw {

class DeviceRect {
public:
    // The device pixels that the logical `rect` covers under `painter`.
    DeviceRect(QPainter& painter, const QRect& rect);

    int Width() const { return m_device.width(); }
    int Height() const { return m_device.height(); }
    // A one-pixel line, in device pixels.
    int Line() const { return m_line; }

    // Fills device pixels [x0, x1) x [y0, y1), counted from the top left.
    void Fill(int x0, int y0, int x1, int y1, const QColor& colour) const;
    // A one-pixel frame just inside the rectangle.
    void Frame(const QColor& colour) const;
    // The rectangle `lines` one-pixel lines further in.
    DeviceRect Inset(int lines) const;
    // The logical rectangle of these device pixels, for clipping and filling.
    QRectF Logical() const;

private:
    DeviceRect(QPainter& painter, const QTransform& toDevice, const QRect& device, int line);

    QPainter* m_painter;
    QTransform m_toDevice;
    QRect m_device;
    int m_line;
};

}  // namespace fw
