// The dialogs running now, innermost last, and the code that ended them.
#pragma once

namespace fw {

class CDialog;

void EnterModalRun(CDialog& dialog);
void LeaveModalRun(CDialog& dialog);
CDialog* InnermostModalDialog();
int LastQuitCode();

}  // namespace fw
