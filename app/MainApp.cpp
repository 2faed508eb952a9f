#include "app/MainApp.h"

#include "core/CommandLine.h"
#include "core/InstanceLock.h"
#include "mainwnd/MainDlg.h"

bool CMainApp::InitInstance()
{
    // Held for the life of the process; the kernel lets go of it at exit.
    static fw::InstanceLock lock;
    if (lock.Acquire(fw::ExeName(m_programFile)) == fw::InstanceLock::Result::alreadyRunning)
        return false;
    if (!m_commandTail.empty())
        return false;

    CMainDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
