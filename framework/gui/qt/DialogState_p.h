// A dialog's window while it exists: its template, widgets, control
// wrappers and modal-run state.
#pragma once

#include <memory>
#include <vector>

#include "gui/Dialog.h"

class QEventLoop;

namespace fw {

class DialogWindow;

struct ControlRecord {
    int id;
    QWidget* widget;
    std::unique_ptr<CWnd> ownWrapper;   // what GetDlgItem gives until DDX_Control binds one
    CWnd* bound = nullptr;              // the wrapper bound by DDX_Control
};

struct DialogState {
    const DialogTemplate* dialogTemplate = nullptr;
    DialogWindow* window = nullptr;
    std::vector<ControlRecord> controls;
    CWnd* owner = nullptr;
    bool ownerWasEnabled = false;
    QEventLoop* loop = nullptr;
    int result = -1;
    bool ended = false;
    unsigned defaultCommand = IDOK;
};

struct DialogAccess {
    static DialogState* State(const CDialog& dialog) { return dialog.m_state.get(); }
    // Ends the dialog's run (or the run about to start) with `result`.
    static void EndRun(CDialog& dialog, int result);
};

// A control was clicked: its command goes to its dialog's OnCommand, unless
// the dialog holds its notifications back.
void NotifyCommand(QWidget& control);
// A control's notification `code` goes to its dialog's command table under
// the control's id, unless the dialog holds its notifications back or its
// run has ended.
void NotifyControl(QWidget& control, unsigned code);

}  // namespace fw
