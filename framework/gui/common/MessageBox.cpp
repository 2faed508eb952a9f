// Message boxes: the owner, the caption and the test hook, the same on
// both back ends; the back end shows the box.
#include "gui/MessageBox.h"

#include <optional>

#include "core/Resources.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/BackEnd_p.h"
#include "gui/common/ModalRuns_p.h"

namespace fw {

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

int AfxMessageBox(const ByteString& text, CWnd* owner)
{
    if (!owner || !owner->GetSafeHwnd())
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
