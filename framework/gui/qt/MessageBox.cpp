#include "gui/MessageBox.h"

#include <QMessageBox>

#include <optional>

#include "core/Resources.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

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

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

int AfxMessageBox(const ByteString& text, CWnd* owner)
{
    if (!owner || !WidgetOf(owner))
        owner = InnermostModalDialog();
    const CWinApp* app = AfxGetApp();
    const MessageBoxCall call{text, app ? app->m_appTitle : ByteString{}, owner};
    // The box takes the focus from the dialog's field and gives it back: the
    // field's handlers must not take that for the user leaving it.
    std::optional<CDialog::NotificationHold> hold;
    if (auto* dialog = dynamic_cast<CDialog*>(owner))
        hold.emplace(*dialog);
    return Hook() ? Hook()(call) : ShowMessageBox(call);
}

int AfxMessageBox(unsigned stringId, CWnd* owner)
{
    return AfxMessageBox(LoadString(static_cast<int>(stringId)), owner);
}

}  // namespace fw
