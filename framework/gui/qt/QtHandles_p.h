// What the opaque handles are in the Qt back end: a window handle is the
// window's QWidget, a surface handle the QImage a context draws into. The
// conversions live here only, so that no public header names a Qt type.
#pragma once

#include "gui/Wnd.h"

class QImage;
class QWidget;

namespace fw {

inline HWND HandleOfWidget(const QWidget* widget)
{
    return reinterpret_cast<HWND>(const_cast<QWidget*>(widget));
}

inline QWidget* WidgetOfHandle(HWND handle)
{
    return reinterpret_cast<QWidget*>(handle);
}

// The widget behind `wnd`; null while none is attached (or for no window).
inline QWidget* WidgetOf(const CWnd& wnd)
{
    return WidgetOfHandle(wnd.GetSafeHwnd());
}

inline QWidget* WidgetOf(const CWnd* wnd)
{
    return wnd ? WidgetOf(*wnd) : nullptr;
}

// The wrapper attached to `widget`, or null.
inline CWnd* WndOf(const QWidget* widget)
{
    return CWnd::FromHandle(HandleOfWidget(widget));
}

inline HDC HandleOfImage(QImage* image)
{
    return reinterpret_cast<HDC>(image);
}

inline QImage* ImageOfHandle(HDC handle)
{
    return reinterpret_cast<QImage*>(handle);
}

}  // namespace fw
