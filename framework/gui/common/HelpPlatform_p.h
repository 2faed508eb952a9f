// What the Help command needs of a back end; each back end has its own
// Help.cpp.
#pragma once

#include <string>

namespace fw {

class CDialog;

// The dialog whose topic F1 asks for: the one holding the mouse or the
// focus, else the innermost modal run, else the main window; or none.
CDialog* DialogToAsk();

// The address of `topic` in the help file at `file` (a path in UTF-8).
std::string HelpFileUrl(const std::string& file, unsigned long topic);

// Starts the desktop's browser at `url`; false when it could not start.
bool OpenUrlInBrowser(const std::string& url);

}  // namespace fw
