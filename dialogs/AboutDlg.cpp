#include "dialogs/AboutDlg.h"

#include "res/Resources.h"

CAboutDlg::CAboutDlg() : fw::CDialog(res::IDD_ABOUTBOX) {}

// The icon and the text line let mouse input through, so a click on them
// arrives here too. Close becomes Cancel, which ends the box.
void CAboutDlg::OnLButtonDown(unsigned /*flags*/, fw::CPoint /*point*/)
{
    SendCloseRequest();
}
