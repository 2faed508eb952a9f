// Delivery of messages to a window's handlers, each with its message
// recorded for Default().
#pragma once

#include "gui/Wnd.h"

namespace fw::dispatch {

void Paint(CWnd& wnd);
void Timer(CWnd& wnd, unsigned id);
void Size(CWnd& wnd, unsigned type, int cx, int cy);
void SysCommand(CWnd& wnd, unsigned id, long lParam);
void Close(CWnd& wnd);
void Destroy(CWnd& wnd);
bool QueryEndSession(CWnd& wnd);
void ContextMenu(CWnd& wnd, CWnd* target, CPoint point);
void LButtonDown(CWnd& wnd, unsigned flags, CPoint point);
HBRUSH CtlColor(CWnd& wnd, CDC* dc, CWnd* control, unsigned ctlColor);

}  // namespace fw::dispatch
