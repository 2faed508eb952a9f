// A message box as a QMessageBox.
#include "gui/MessageBox.h"

#include <QMessageBox>

#include "gui/App.h"
#include "gui/common/BackEnd_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

int ShowMessageBox(const MessageBoxCall& call)
{
    EnsureToolkit();
    QMessageBox box(QMessageBox::Warning, ToQString(call.caption), ToQString(call.text), QMessageBox::Ok,
                    call.owner ? WidgetOf(call.owner) : nullptr);
    // The owner takes no input while the box is up, as during a modal run.
    const bool ownerWasEnabled = call.owner && call.owner->IsWindowEnabled();
    if (ownerWasEnabled)
        call.owner->EnableWindow(false);
    box.exec();
    if (ownerWasEnabled)
        call.owner->EnableWindow(true);
    return static_cast<int>(IDOK);
}

}  // namespace fw
