// Message boxes: one OK button, the exclamation icon, owned by the active
// dialog, the application's title as caption.
#pragma once

#include <functional>

#include "core/Text.h"

namespace fw {

class CWnd;

struct MessageBoxCall {
    ByteString text;      // CP932
    ByteString caption;   // CP932
    CWnd* owner;          // null when no window is open
};

// Lets a test see and answer every message box instead of showing it; the
// hook's result is the box's. An empty hook shows boxes again.
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxHook(MessageBoxHook hook);

// Returns IDOK. Without `owner` the box belongs to the innermost running
// dialog. A dialog that owns the box holds its control notifications back
// while the box is up (and while the hook runs).
int AfxMessageBox(const ByteString& text, CWnd* owner = nullptr);
// The program's string resource `stringId` as the text.
int AfxMessageBox(unsigned stringId, CWnd* owner = nullptr);

}  // namespace fw
