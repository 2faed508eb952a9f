// A dialog's modal run on Windows: on the shared stack of runs, with the
// keyboard filter that gives the innermost dialog's PreTranslateMessage
// each key before the dialog manager sees it while any dialog runs.
#pragma once

namespace fw {

class CDialog;

void EnterModalRun(CDialog& dialog);
void LeaveModalRun(CDialog& dialog);

}  // namespace fw
