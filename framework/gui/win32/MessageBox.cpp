// Message boxes as the platform's own: OK and the exclamation icon.
#include "gui/MessageBox.h"

#include "core/win32/WideText.h"
#include "gui/common/BackEnd_p.h"
#include "gui/win32/WinApi.h"

namespace fw {

int ShowMessageBox(const MessageBoxCall& call)
{
    MessageBoxW(call.owner ? call.owner->GetSafeHwnd() : nullptr, win32::WideFromCp932(call.text).c_str(),
                win32::WideFromCp932(call.caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return static_cast<int>(IDOK);
}

}  // namespace fw
