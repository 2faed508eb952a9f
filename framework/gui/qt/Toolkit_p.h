// Conversions at the toolkit boundary: CP932 text to and from Qt strings,
// rectangles and colours.
#pragma once

#include <QColor>
#include <QPainter>
#include <QWidget>
#include <QRect>
#include <QString>

#include "core/Geometry.h"
#include "core/Text.h"
#include "gui/qt/QtHandles_p.h"

namespace fw {

QString ToQString(const ByteString& text);
ByteString FromQString(const QString& text);

inline QRect ToQRect(const CRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

inline CRect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline COLORREF FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

// A one-pixel frame just inside `rect`, the same whole number of device
// pixels on every side at any scale.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& colour);

// Brings a top-level window to the front where the platform can (the
// offscreen platform of the tests cannot, and says so for every call).
void RaiseWindow(QWidget& window);

}  // namespace fw
