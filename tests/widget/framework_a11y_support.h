// What the accessibility tests share: a control's accessible interface, its
// texts in UTF-8, and a dialog to look at them in.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

#include <functional>
#include <string>

#include "framework_probe.h"
#include "gui/qt/QtHandles_p.h"
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

// Runs `check` inside a running dialog of template `id`.
inline void WithDialog(int id, const std::function<void(probe::ProbeDialog&)>& check)
{
    probe::ProbeDialog dialog(id);
    dialog.whileRunning = [&check](probe::ProbeDialog& self) {
        check(self);
        self.EndDialog(1);
    };
    ASSERT_EQ(dialog.DoModal(), 1);
}

}  // namespace a11y_test
