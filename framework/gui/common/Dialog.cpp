// A dialog's default handlers, the same on both back ends: OK exchanges
// the fields and ends with IDOK, Cancel ends with IDCANCEL, other commands go
// to the message map and then to the application.
#include "gui/Dialog.h"

#include "core/StandardIds.h"
#include "gui/App.h"

namespace fw {

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(static_cast<int>(IDOK));
}

void CDialog::OnCancel()
{
    EndDialog(static_cast<int>(IDCANCEL));
}

bool CDialog::OnCommand(unsigned id)
{
    if (DispatchCommand(id))
        return true;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    CWinApp* app = AfxGetApp();
    return app && app->DispatchCommand(id);
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::RequestHelp()
{
    CWnd* main = AfxGetMainWnd();
    if (main && main->GetSafeHwnd())
        main->OnCommand(ID_HELP);
    else
        OnCommand(ID_HELP);
}

}  // namespace fw
