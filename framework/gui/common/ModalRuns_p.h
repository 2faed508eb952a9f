// The modal runs in progress, innermost last, and the two requests that
// end them all: the quit request (PostQuitMessage) and the end of the
// session. A back end pushes each run it starts and pops it when it ends.
#pragma once

namespace fw {

class CDialog;

void PushModalRun(CDialog& dialog);
void PopModalRun(CDialog& dialog);
CDialog* InnermostModalDialog();
CDialog* OutermostModalDialog();

// Whether a request ends the runs now; a run that starts meanwhile ends at
// once. The request is spent when the outermost run has ended.
bool QuitPending();
bool SessionEnding();
// The code of the last PostQuitMessage: the process's exit status.
int LastQuitCode();

// The session is ending after the main window agreed: every run ends at
// once and no window runs OnDestroy.
void EndSessionNow();

}  // namespace fw
