// Menus on Qt: a QMenu made from the model each time it is shown, so no
// menu of Qt's follows the model between showings.
#include "gui/Menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "gui/App.h"
#include "gui/common/BackEnd_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

constexpr unsigned kStateBits = MF_GRAYED | MF_DISABLED;

void FillQMenu(QMenu& target, const CMenu& source)
{
    for (const CMenu::Item& item : source.Items()) {
        if (item.flags & MF_SEPARATOR) {
            target.addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item.popup) {
            QMenu* sub = target.addMenu(ToQString(item.text));
            FillQMenu(*sub, *item.popup);
            action = sub->menuAction();
        } else {
            action = target.addAction(ToQString(item.text));
            action->setData(item.id);
        }
        action->setEnabled(!(item.flags & kStateBits));
    }
}

}  // namespace

unsigned ShowPopupMenu(const CMenu& menu, int x, int y, CWnd* /*owner: the menu is Qt's own pop-up window*/)
{
    EnsureToolkit();
    QMenu popup;
    FillQMenu(popup, menu);
    const QAction* chosen = popup.exec(QPoint(x, y));
    return chosen ? chosen->data().toUInt() : 0;
}

void MenuItemAppended(const CMenu& /*menu*/, const CMenu::Item& /*item*/) {}

void MenuItemRemoved(const CMenu& /*menu*/, unsigned /*item*/, unsigned /*flags*/) {}

void MenuItemEnabled(const CMenu& /*menu*/, unsigned /*item*/, unsigned /*flags*/) {}

void MenuDestroyed(const CMenu& /*menu*/) {}

// An open menu runs its own loop above the dialogs' and would hold them
// open until the user closes it.
void CloseOpenMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
}

}  // namespace fw
