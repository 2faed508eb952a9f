// Starting the toolkit where there may be no display to start it on.
#pragma once

class QApplication;

namespace fw {

// Creates the application object on the display platform that argv or Qt
// chooses. Where none can start (no display, a dead Wayland socket, an
// unknown QT_QPA_PLATFORM), it says so in one line on standard error,
// headed by `programName` and ending with Qt's first word on the cause, and
// ends the process with status 1. Qt's own notes of a start that succeeds
// reach the message handler as before, only a moment later.
QApplication* StartToolkitOrExit(int& argc, char** argv, const char* programName);

}  // namespace fw
