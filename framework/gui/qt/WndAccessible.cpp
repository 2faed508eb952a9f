// CWnd: what a screen reader is told of a window.
#include <QWidget>

#include "gui/Wnd.h"
#include "gui/qt/Accessibility_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

void CWnd::SetAccessibleText(const ByteString& text)
{
    if (!m_hwnd)
        return;
    MarkReadsAsText(*WidgetOf(*this));
    SetAccessibleName(text);
}

// Qt announces every call, so the same words are not set again: a paint
// rewrites them all, and a reader should hear only what changed.
void CWnd::SetAccessibleName(const ByteString& name)
{
    const QString words = ToQString(name);
    if (m_hwnd && WidgetOf(*this)->accessibleName() != words)
        WidgetOf(*this)->setAccessibleName(words);
}

void CWnd::SetAccessibleDescription(const ByteString& description)
{
    const QString words = ToQString(description);
    if (m_hwnd && WidgetOf(*this)->accessibleDescription() != words)
        WidgetOf(*this)->setAccessibleDescription(words);
}

}  // namespace fw
