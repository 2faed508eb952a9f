// Message boxes as the platform's own: OK and the exclamation icon.
#include "gui/MessageBox.h"

#include <optional>

#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

int ShowMessageBox(const MessageBoxCall& call)
{
    MessageBoxW(call.owner ? call.owner->GetSafeHwnd() : nullptr, win32::WideFromCp932(call.text).c_str(),
                win32::WideFromCp932(call.caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return static_cast<int>(IDOK);
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
