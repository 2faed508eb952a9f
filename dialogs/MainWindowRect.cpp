#include "dialogs/MainWindowRect.h"

#include "gui/App.h"

bool GetMainWindowRect(fw::CRect* rect)
{
    const fw::CWnd* main = fw::AfxGetMainWnd();
    if (!main || !main->GetSafeHwnd())
        return false;
    main->GetWindowRect(rect);
    return true;
}
