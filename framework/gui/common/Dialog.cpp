// What a dialog does the same on both back ends: the field exchange's run,
// and the default handlers (OK exchanges the fields and ends with IDOK,
// Cancel ends with IDCANCEL, other commands go to the message map and then
// to the application). The window and its run are the back end's.
#include "gui/Dialog.h"

#include <exception>
#include <new>
#include <system_error>

#include "core/StandardIds.h"
#include "gui/App.h"
#include "gui/MessageBox.h"

namespace fw {

namespace {

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct DataExchangeRefused {};

}  // namespace

void CDataExchange::Fail()
{
    throw DataExchangeRefused{};
}

// A hold made while the dialog has no window holds nothing.
CDialog::NotificationHold::NotificationHold(CDialog& dialog) : m_dialog(dialog), m_holding(dialog.m_state != nullptr)
{
    if (m_holding)
        ++m_dialog.m_heldNotifications;
}

CDialog::NotificationHold::~NotificationHold()
{
    if (m_holding)
        --m_dialog.m_heldNotifications;
}

bool CDialog::NotificationsHeld() const
{
    return m_state && m_heldNotifications > 0;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    if (!m_state)
        return false;
    CDataExchange exchange(this, saveAndValidate);
    const NotificationHold hold(*this);
    return RunExchange(exchange);
}

// A refused field takes the focus; any other failure is told in a message
// box, and the exchange fails.
bool CDialog::RunExchange(CDataExchange& exchange)
{
    unsigned failure = 0;
    try {
        DoDataExchange(&exchange);
        return true;
    } catch (const DataExchangeRefused&) {
        // Still inside the exchange, so that the focus change starts no handler.
        FocusRefusedField(exchange.LastControlId());
        return false;
    } catch (const std::bad_alloc&) {
        failure = IDS_NO_MEMORY;
    } catch (const std::system_error&) {
        failure = IDS_NO_RESOURCE;
    } catch (const std::exception&) {
        failure = IDS_INTERNAL_ERROR;
    }
    AfxMessageBox(failure, this);
    return false;
}

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
