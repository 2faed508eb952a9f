// The modal runs in progress, innermost last, and the requests that end
// them all: the quit request and the end of the session. Private to
// framework/gui.
#pragma once

namespace fw {

class CDialog;

void PushModalRun(CDialog& dialog);
void PopModalRun(CDialog& dialog);
CDialog* InnermostModalDialog();
CDialog* OutermostModalDialog();

bool QuitPending();
bool SessionEnding();
int LastQuitCode();

// The session is ending after the main window agreed: every run ends at
// once and no window runs OnDestroy.
void EndSessionNow();

// Asks the main window whether the session may end and ends it if so.
// Without a window to ask, the process ends at once.
void HandleSessionEndRequest();
bool AskMainWindowToEndSession();

// Installs the SIGTERM / SIGHUP self-pipe and the desktop's commit-data request.
void InstallSessionEndHandlers();

}  // namespace fw
