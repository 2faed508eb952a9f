// What the accessibility tests share: a control's accessible interface, its
// texts in UTF-8.
#pragma once

#include <QAccessible>
#include <QWidget>

#include <string>

#include "gui/QtHandles_p.h"
#include "gui/Wnd.h"

namespace a11y_test {

inline QAccessibleInterface* Interface(const fw::CWnd* wnd)
{
    return wnd ? QAccessible::queryAccessibleInterface(fw::WidgetOf(wnd)) : nullptr;
}

inline std::string Text(QAccessibleInterface* iface, QAccessible::Text which = QAccessible::Name)
{
    return iface ? iface->text(which).toStdString() : "<no interface>";
}

}  // namespace a11y_test
