// What a back end (qt/ or win32/) supplies to the code both share (common/):
// the functions below, and the members of the public classes that touch its
// toolkit. The shared code reaches a back end only through this header and
// the public ones, never by including a back end's file.
//
// The public classes' members a back end defines (the rest are common/'s,
// each class's in common/<class>.cpp; the linker names any one missing):
//   Wnd.h       CWnd's construction, attachment, text, geometry, state,
//               focus, timers, contexts, system menu, icon and
//               accessibility; OnPaint, OnSysCommand, OnCtlColor, Default
//               and SendCloseRequest, whose default processing is the
//               toolkit's; GetDesktopRect, GetWorkArea, CanKnowWindowPosition
//   Dialog.h    CDialog's construction, window and run (DoModal, EndDialog,
//               GetDlgItem, FocusRefusedField, ...); DDX_Control
//   Dc.h        CDC on a surface: its construction, SetTextColor,
//               SetBkMode, DrawText, GetPixel, DeviceRatio and
//               FillDevicePixels; CPaintDC and CClientDC
//   App.h       EnsureToolkit
//   Controls.h, ProgressCtrl.h, LauncherEntry.h: all of them
// Menu.h, MessageBox.h, Help.h, DataExchange.h and DialogUnits.h need
// nothing beyond the functions below.
#pragma once

#include <optional>
#include <string>

#include "gui/Menu.h"

namespace fw {

class CDialog;
class CWnd;
struct MessageBoxCall;

// --- The application (App.cpp) ---

// The program's name as its command line gives it, before InitInstance:
// a toolkit that starts later may want it.
void RememberProgramName(const char* argv0);
// After ExitInstance: a toolkit the framework started ends.
void EndToolkit();

// --- The field exchange (DataExchange.cpp) ---

// The most bytes an edit field takes from the keyboard; other controls
// are left alone.
void LimitFieldText(CWnd& field, int limitBytes);

// A button's check state (0, 1 or 2); none for a control that is no button.
std::optional<int> FieldCheck(CWnd& field);
void SetFieldCheck(CWnd& field, int check);

// --- Menus (Menu.cpp) ---

// Shows `menu` as a pop-up with its top-left corner at the screen point
// (x, y), over `owner` (may be null); the command chosen, 0 for none.
unsigned ShowPopupMenu(const CMenu& menu, int x, int y, CWnd* owner);

// Each edit of a menu model, after the model made it, for a back end that
// keeps a menu of its own in step with the model (a window's system menu);
// `item` and `flags` as the edit was asked for. MenuDestroyed: the model
// is emptied by DestroyMenu or destroyed, and nothing follows it any more.
void MenuItemAppended(const CMenu& menu, const CMenu::Item& item);
void MenuItemRemoved(const CMenu& menu, unsigned item, unsigned flags);
void MenuItemEnabled(const CMenu& menu, unsigned item, unsigned flags);
void MenuDestroyed(const CMenu& menu);

// --- Message boxes (MessageBox.cpp) ---

// Shows the box until the user closes it; IDOK.
int ShowMessageBox(const MessageBoxCall& call);

// --- Modal runs (ModalRuns.cpp) ---

// Closes every pop-up menu that is open, before a request ends the runs.
void CloseOpenMenus();

// --- Help (Help.cpp) ---

// The dialog whose topic F1 asks for: the one holding the mouse or the
// focus, else the innermost modal run, else the main window; or none.
CDialog* DialogToAsk();

// The address of `topic` in the help file at `file` (a path in UTF-8).
std::string HelpFileUrl(const std::string& file, unsigned long topic);

// Starts the desktop's browser at `url`; false when it could not start.
bool OpenUrlInBrowser(const std::string& url);

// Whether a file (not a folder) stands at `path` (UTF-8).
bool IsRegularFile(const std::string& path);

}  // namespace fw
