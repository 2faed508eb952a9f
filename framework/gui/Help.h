// The program's help: an HTML file beside the program, opened in the
// desktop's browser at a topic anchor.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fw {

// Help topics of dialogs: this base plus the dialog's template number.
inline constexpr unsigned long HID_BASE_RESOURCE = 0x20000;

// The help file for the running program file: its path with the extension
// replaced by ".html", or else ../share/<name>/<help file> (of the program's
// AppIdentity) from the program's directory (an installed program in
// <prefix>/bin). Empty when neither exists.
std::string FindHelpFile(std::string_view programFile);

// Lets a test see every URL that help would open and answer whether the
// browser started; an empty hook opens URLs again.
using OpenUrlHook = std::function<bool(const std::string& url)>;
void SetOpenUrlHook(OpenUrlHook hook);

}  // namespace fw
